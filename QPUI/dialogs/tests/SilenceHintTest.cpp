#include "SilenceHint.h"
#include "DialogTestSupport.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace qpui {
namespace {

TEST(SilenceHint, ShowsAfterSilenceAndGoesWithTheNextSignOfLife) {
    test::App();
    QLabel label;
    label.show();
    CSilenceHint hint(label, 30);
    EXPECT_FALSE(label.isVisible());
    hint.Alive();
    EXPECT_TRUE(QTest::qWaitFor([&] { return label.isVisible(); }, 2000));
    EXPECT_TRUE(label.text().contains("download menu"));
    hint.Alive(); // a byte came: the hint goes, the waiting goes on
    EXPECT_FALSE(label.isVisible());
    hint.Stop();
    QTest::qWait(100);
    EXPECT_FALSE(label.isVisible()) << "a finished transfer is not waiting any more";
}

} // namespace
} // namespace qpui
