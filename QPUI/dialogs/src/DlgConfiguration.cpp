#include "qpui/DlgConfiguration.h"

#include "policy/Policy.h"
#include "policy/Presets.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qpui {

CDlgConfiguration::CDlgConfiguration(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Configuration"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    product_ = new QComboBox;
    product_->setObjectName("product");
    for (const policy::ProductPreset& preset : policy::ConfigurablePresets())
        product_->addItem(
            QString::fromLatin1(preset.title.data(), static_cast<int>(preset.title.size())));
    form->addRow(tr("Product type :"), product_);
    layout->addLayout(form);

    auto* columns = new QGroupBox(tr("Column list :"));
    auto* row = new QHBoxLayout(columns);
    simple_ = new QRadioButton(tr("Simple"));
    simple_->setObjectName("simple");
    detail_ = new QRadioButton(tr("Detail"));
    detail_->setObjectName("detail");
    row->addWidget(simple_);
    row->addWidget(detail_);
    layout->addWidget(columns);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgConfiguration::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgConfiguration::reject);
    layout->addWidget(buttons);
}

void CDlgConfiguration::Prepare() {
    const int list = GetProductList();
    const auto presets = policy::ConfigurablePresets();
    product_->setCurrentIndex(-1);
    for (std::size_t i = 0; i < presets.size(); ++i)
        if (presets[i].productList == list)
            product_->setCurrentIndex(static_cast<int>(i));
    (GetGridColumn() == 0 ? simple_ : detail_)->setChecked(true);
}

int CDlgConfiguration::DoModal() {
    Prepare();
    return exec();
}

void CDlgConfiguration::accept() {
    const auto presets = policy::ConfigurablePresets();
    const int row = product_->currentIndex();
    const int columns = simple_->isChecked() ? 0 : 1;
    if (row >= 0 && static_cast<std::size_t>(row) < presets.size()) {
        policy::SelectPreset(presets[static_cast<std::size_t>(row)], columns);
    } else {
        // Without a model the stored policy stays; only the column mode is the operator's.
        SetGridColumn(columns);
    }
    QDialog::accept();
}

} // namespace qpui
