#include "PagePlan.h"

#include <algorithm>

namespace chanforge::listprint {

std::vector<PlannedPage> PlanPages(const ChannelList& list, int linesPerColumn, int pageColumns) {
    const std::size_t lines = static_cast<std::size_t>(std::max(linesPerColumn, 2));
    const std::size_t columns =
        static_cast<std::size_t>(std::clamp(pageColumns, 1, kMaxPageColumns));
    std::vector<PlannedPage> pages(1);
    const auto current = [&]() -> PlannedColumn& {
        if (pages.back().empty())
            pages.back().emplace_back();
        return pages.back().back();
    };
    const auto nextColumn = [&] {
        if (pages.back().size() == columns)
            pages.emplace_back();
        pages.back().emplace_back();
    };
    for (std::size_t s = 0; s < list.sections.size(); ++s) {
        // A heading needs its first entry below it in the same column.
        if (current().size() + 2 > lines)
            nextColumn();
        current().push_back({s, kHeadingRow});
        const int rows = static_cast<int>(list.sections[s].rows.size());
        for (int row = 0; row < rows; ++row) {
            if (current().size() == lines)
                nextColumn();
            current().push_back({s, row});
        }
    }
    return pages;
}

} // namespace chanforge::listprint
