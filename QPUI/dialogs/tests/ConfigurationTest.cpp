#include "qpui/DlgConfiguration.h"

#include "DialogTestSupport.h"
#include "policy/Policy.h"
#include "policy/Presets.h"

#include <QComboBox>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace qpui;

namespace {

TEST(ConfigurationDialog, ChoosingModelDWritesItsPolicy) {
    test::App();
    policy::SelectPreset(*policy::FindPreset("A"), 1);
    CDlgConfiguration dlg;
    dlg.Prepare();
    auto* product = dlg.findChild<QComboBox*>("product");
    EXPECT_EQ(product->currentIndex(), 0);
    EXPECT_TRUE(dlg.findChild<QRadioButton*>("detail")->isChecked());
    test::Choose(product, "Model D Satellite 1Tuner");
    dlg.findChild<QRadioButton*>("simple")->setChecked(true);
    dlg.accept();
    EXPECT_EQ(GetProductList(), 7);
    EXPECT_EQ(GetProductType(), 1);
    EXPECT_EQ(GetGridColumn(), 0);
}

TEST(ConfigurationDialog, UnknownModelLeavesNoSelectionAndItsPolicy) {
    test::App();
    SetProductList(10);
    SetProductType(5);
    CDlgConfiguration dlg;
    dlg.Prepare();
    EXPECT_EQ(dlg.findChild<QComboBox*>("product")->currentIndex(), -1);
    dlg.findChild<QRadioButton*>("detail")->setChecked(true);
    dlg.accept();
    EXPECT_EQ(GetProductList(), 10);
    EXPECT_EQ(GetProductType(), 5);
    EXPECT_EQ(GetGridColumn(), 1);
}

} // namespace
