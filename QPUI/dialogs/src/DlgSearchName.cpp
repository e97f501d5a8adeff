#include "qpui/DlgSearchName.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace qpui {

CDlgSearchName::CDlgSearchName(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Search..."));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    edit_ = new QLineEdit;
    edit_->setObjectName("name");
    form->addRow(tr("Name :"), edit_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgSearchName::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgSearchName::reject);
    layout->addWidget(buttons);
}

void CDlgSearchName::Prepare() {
    edit_->setText(text_);
    edit_->selectAll();
    if (!title_.isEmpty())
        setWindowTitle(title_);
}

int CDlgSearchName::DoModal() {
    Prepare();
    return exec();
}

void CDlgSearchName::accept() {
    text_ = edit_->text();
    QDialog::accept();
}

} // namespace qpui
