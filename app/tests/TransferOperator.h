// Works the dialogs a receive or send shows, as an operator at the window would: each transfer
// dialog gets the port and Connect once, and its button again once it offers to close; each
// change list is noted and confirmed.
#pragma once

#include "ChangesDialog.h"
#include "qpui/TransferDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMap>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

namespace chanforge::app::test {

/// With cancelAbove set, presses Cancel once the progress passed it; gives up (Cancel) after a
/// minute.
class TransferOperator : public QObject {
  public:
    explicit TransferOperator(QString port, int cancelAbove = -1)
        : port_(std::move(port)), cancelAbove_(cancelAbove) {
        clock_.start();
        connect(&timer_, &QTimer::timeout, this, &TransferOperator::Look);
        timer_.start(50);
    }

    QString dialogClass;                    ///< the transfer dialog shown last
    QString lastStatus;                     ///< its status text when it was closed
    QStringList transfers;                  ///< titles of the transfer dialogs, in order
    QMap<QString, QStringList> changeLists; ///< title -> "table change: details" lines

  private:
    void Look() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* changes = qobject_cast<CChangesDialog*>(modal)) {
            QStringList& lines = changeLists[changes->windowTitle()];
            for (int i = 0; i < changes->List().topLevelItemCount(); ++i) {
                const QTreeWidgetItem* item = changes->List().topLevelItem(i);
                lines << item->text(0) + " " + item->text(1) + ": " + item->text(2);
            }
            changes->accept(); // what the send will change: send
            return;
        }
        auto* dialog = qobject_cast<qpui::CTransferDialog*>(modal);
        if (dialog == nullptr)
            return;
        dialogClass = QString::fromLatin1(dialog->metaObject()->className());
        auto* button = dialog->findChild<QPushButton*>("connect");
        auto* cancel = dialog->findChild<QPushButton*>("cancel");
        lastStatus = dialog->findChild<QLabel*>("status")->text();
        const int progress = dialog->findChild<QProgressBar*>("progress")->value();
        const bool connected = dialog->property("connected").toBool();
        if (!connected && button->isEnabled()) {
            transfers << dialog->windowTitle();
            dialog->setProperty("connected", true);
            dialog->findChild<QComboBox*>("port")->setEditText(port_);
            button->click();
        } else if ((cancelAbove_ >= 0 && progress > cancelAbove_) || clock_.elapsed() > 60000) {
            cancel->click();
        } else if (connected && button->isEnabled() && button->text() == "Connect") {
            cancel->click(); // refused: the dialog offers to connect again
        } else if (connected && button->isEnabled()) {
            button->click(); // "Complete" or "OK"
        }
    }

    QString port_;
    int cancelAbove_;
    QTimer timer_;
    QElapsedTimer clock_;
};

} // namespace chanforge::app::test
