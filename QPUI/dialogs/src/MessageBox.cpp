#include "qpui/MessageBox.h"

#include <QCoreApplication>
#include <QPushButton>

#include <utility>

namespace qpui {

namespace {

MessageHandler& Handler() {
    static MessageHandler handler;
    return handler;
}

} // namespace

MessageHandler SetMessageHandler(MessageHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

QMessageBox::StandardButton ShowMessage(QWidget* parent, MessageKind kind, const QString& text) {
    if (Handler())
        return Handler()(kind, text);
    const QString caption = QCoreApplication::translate("qpui::MessageBox", "Chanforge");
    switch (kind) {
    case MessageKind::Information:
        return QMessageBox::information(parent, caption, text);
    case MessageKind::Error:
    case MessageKind::Stop:
        return QMessageBox::critical(parent, caption, text);
    case MessageKind::Question:
        return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No);
    case MessageKind::QuestionWithCancel:
        return QMessageBox::question(parent, caption, text,
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    case MessageKind::QuestionOkCancel:
        return QMessageBox::question(parent, caption, text, QMessageBox::Ok | QMessageBox::Cancel);
    case MessageKind::WarningOfferingRestore: {
        QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Close, parent);
        const QPushButton* restore = box.addButton(
            QCoreApplication::translate("qpui::MessageBox", "Restore…"), QMessageBox::AcceptRole);
        box.exec();
        return box.clickedButton() == restore ? QMessageBox::Yes : QMessageBox::Close;
    }
    }
    return QMessageBox::NoButton;
}

} // namespace qpui
