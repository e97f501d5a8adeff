// How a list falls onto pages: every entry once and in order, columns never over-full, a
// section heading always above its first entry, and the name the last text to give way.
#include "PagePlan.h"
#include "ColumnFit.h"

#include <gtest/gtest.h>

namespace chanforge::listprint {
namespace {

ChannelList ListOf(std::vector<int> sectionRows) {
    ChannelList list;
    list.columns = {ListColumn::Name};
    for (int rows : sectionRows)
        list.sections.push_back(
            {editing::ChannelKind::TV, std::vector<QStringList>(static_cast<std::size_t>(rows))});
    return list;
}

TEST(PagePlan, FillsColumnsThenPagesAndKeepsHeadingsWithTheirEntries) {
    struct Case {
        const char* name;
        std::vector<int> sections;
        int lines;
        int columns;
        std::vector<std::vector<std::size_t>> pages; ///< lines of each column of each page
    };
    const Case cases[] = {
        {"empty list: one blank page", {}, 10, 1, {{}}},
        {"heading and entries", {5}, 10, 1, {{6}}},
        {"exactly one column", {9}, 10, 1, {{10}}},
        {"one entry over", {10}, 10, 1, {{10}, {1}}},
        {"heading moves on rather than end a column", {8, 3}, 10, 1, {{9}, {4}}},
        {"heading fits with one entry", {7, 3}, 10, 1, {{10}, {2}}},
        {"three columns a page", {100}, 10, 3, {{10, 10, 10}, {10, 10, 10}, {10, 10, 10}, {10, 1}}},
        {"too few lines count as two", {3}, 0, 1, {{2}, {2}}},
        {"columns clamped to the most a page takes",
         {20},
         2,
         9,
         {{2, 2, 2, 2}, {2, 2, 2, 2}, {2, 2, 1}}},
    };
    for (const Case& c : cases) {
        const ChannelList list = ListOf(c.sections);
        const std::vector<PlannedPage> pages = PlanPages(list, c.lines, c.columns);
        std::vector<std::vector<std::size_t>> sizes;
        std::vector<std::pair<std::size_t, int>> flat;
        for (const PlannedPage& page : pages) {
            sizes.emplace_back();
            for (const PlannedColumn& column : page) {
                sizes.back().push_back(column.size());
                ASSERT_FALSE(column.empty()) << c.name;
                EXPECT_NE(column.back().row, kHeadingRow) << c.name << ": heading ends a column";
                for (const PlannedLine& line : column)
                    flat.emplace_back(line.section, line.row);
            }
        }
        EXPECT_EQ(sizes, c.pages) << c.name;
        std::vector<std::pair<std::size_t, int>> expected;
        for (std::size_t s = 0; s < c.sections.size(); ++s) {
            expected.emplace_back(s, kHeadingRow);
            for (int row = 0; row < c.sections[s]; ++row)
                expected.emplace_back(s, row);
        }
        EXPECT_EQ(flat, expected) << c.name;
    }
}

TEST(ColumnFit, TextsShareWhatIsLeftAndTheNameKeepsTheMost) {
    using C = ListColumn;
    struct Case {
        const char* name;
        std::vector<C> columns;
        std::vector<double> natural;
        double available;
        std::vector<double> widths;
    };
    const std::vector<C> card = {C::Number, C::Name, C::Provider, C::Favorites};
    const Case cases[] = {
        {"room to spare goes to the name", card, {10, 50, 30, 30}, 200, {10, 130, 30, 30}},
        {"texts cut to one limit", card, {10, 50, 30, 30}, 110, {10, 50, 25, 25}},
        {"the name twice the others", card, {10, 50, 30, 30}, 70, {10, 30, 15, 15}},
        {"a short text stays whole", card, {10, 50, 30, 8}, 72, {10, 36, 18, 8}},
        {"no name column", {C::Number, C::Provider}, {10, 30}, 35, {10, 25}},
        {"fixed columns too wide: all in proportion", card, {60, 20, 10, 10}, 50, {30, 10, 5, 5}},
    };
    for (const Case& c : cases) {
        const std::vector<double> widths = FitWidths(c.columns, c.natural, c.available);
        ASSERT_EQ(widths.size(), c.widths.size()) << c.name;
        for (std::size_t i = 0; i < widths.size(); ++i)
            EXPECT_NEAR(widths[i], c.widths[i], 1e-6) << c.name << ", column " << i;
    }
}

} // namespace
} // namespace chanforge::listprint
