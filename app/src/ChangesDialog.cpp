#include "ChangesDialog.h"

#include "PhraseText.h"

#include "chanforge/check/Titles.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace chanforge::app {

CChangesDialog::CChangesDialog(const QString& title, const QString& intro,
                               const check::Changes& changes, Buttons buttons, QWidget* parent)
    : QDialog(parent) {
    setObjectName("changesDialog");
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(intro, this);
    label->setObjectName("intro");
    label->setWordWrap(true);
    layout->addWidget(label);
    list_ = new QTreeWidget(this);
    list_->setObjectName("changes");
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({tr("Table"), tr("Change"), tr("Details")});
    for (const check::Change& change : changes)
        new QTreeWidgetItem(
            list_, {QCoreApplication::translate("Check", check::TableTitle(change.table)),
                    QCoreApplication::translate("Check", check::ChangeKindTitle(change.kind)),
                    Translated(change.message)});
    list_->resizeColumnToContents(0);
    list_->resizeColumnToContents(1);
    layout->addWidget(list_);
    auto* box = new QDialogButtonBox(this);
    if (buttons == Buttons::SendOrCancel) {
        box->addButton(tr("Send"), QDialogButtonBox::AcceptRole)->setObjectName("send");
        box->addButton(QDialogButtonBox::Cancel)->setObjectName("cancel");
    } else {
        box->addButton(QDialogButtonBox::Close)->setObjectName("close");
    }
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
    resize(640, 400);
}

void CChangesDialog::Show(QWidget* parent, const QString& title, const QString& intro,
                          const check::Changes& changes) {
    CChangesDialog dialog(title, changes.empty() ? tr("No differences.") : intro, changes,
                          Buttons::Close, parent);
    dialog.exec();
}

} // namespace chanforge::app
