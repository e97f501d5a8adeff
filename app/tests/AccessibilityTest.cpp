// Walks the main window's accessibility tree: each list, grid and tree must carry a name of
// its own, or screen readers (and checks over that tree) cannot tell the panes apart.
#include "MainFrame.h"

#include "chanforge/document/Document.h"
#include "policy/Presets.h"

#include <QAccessible>
#include <QtTest>

using namespace chanforge;
using namespace chanforge::app;

namespace {

void CollectNames(QAccessibleInterface* node, QMap<QString, int>& names) {
    if (!node)
        return;
    // Cells and header sections repeat the data; only the widgets' own names matter here.
    if (node->role() == QAccessible::Cell || node->role() == QAccessible::ColumnHeader ||
        node->role() == QAccessible::RowHeader)
        return;
    ++names[node->text(QAccessible::Name)];
    for (int i = 0; i < node->childCount(); ++i)
        CollectNames(node->child(i), names);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void everyPaneHasItsOwnName() {
        // A combination model builds every list: satellite, terrestrial and cable side.
        const policy::ProductPreset* combination = policy::FindPreset("E");
        QVERIFY(combination != nullptr);
        QCOMPARE(policy::SelectPreset(*combination, 1), 1);
        document::Document document;
        CMainFrame frame(document);
        frame.show();
        QMap<QString, int> names;
        CollectNames(QAccessible::queryAccessibleInterface(&frame), names);
        for (const char* name : {"TV channels", "Radio channels", "Satellites", "Transponders",
                                 "Multiplexes", "Cable multiplexes", "Providers", "Favourites"})
            QVERIFY2(
                names.value(QString::fromLatin1(name)) == 1,
                qPrintable(QStringLiteral("%1 named %2 times").arg(name).arg(names.value(name))));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
