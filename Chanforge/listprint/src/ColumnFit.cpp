#include "ColumnFit.h"

#include <algorithm>
#include <numeric>

namespace chanforge::listprint {

namespace {

bool Flexible(ListColumn column) {
    return column == ListColumn::Name || column == ListColumn::Delivery ||
           column == ListColumn::Provider || column == ListColumn::Favorites;
}

std::vector<double> Scaled(std::vector<double> widths, double factor) {
    for (double& width : widths)
        width *= factor;
    return widths;
}

} // namespace

std::vector<double> FitWidths(const std::vector<ListColumn>& columns, std::vector<double> natural,
                              double available, double minimum) {
    const double total = std::accumulate(natural.begin(), natural.end(), 0.0);
    const auto nameAt = std::find(columns.begin(), columns.end(), ListColumn::Name);
    const std::size_t name = static_cast<std::size_t>(nameAt - columns.begin());
    if (natural.empty())
        return natural;
    if (total <= available) {
        natural[nameAt != columns.end() ? name : natural.size() - 1] += available - total;
        return natural;
    }
    double fixed = 0;
    double others = 0;      ///< natural widths of the flexible columns but the name
    double othersFloor = 0; ///< what they keep at least
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (!Flexible(columns[i]))
            fixed += natural[i];
        else if (i != name) {
            others += natural[i];
            othersFloor += std::min(natural[i], minimum);
        }
    }
    const double room = available - fixed;
    const double nameNeeds = nameAt != columns.end() ? std::min(natural[name], minimum) : 0;
    if (room < othersFloor + nameNeeds)
        return Scaled(std::move(natural), available / total);
    const double nameWidth =
        nameAt != columns.end() ? std::min(natural[name], room - othersFloor) : 0;
    // What the other texts get beyond their floor, shared in proportion to what they lack.
    const double spare = room - nameWidth - othersFloor;
    const double wanted = others - othersFloor;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (!Flexible(columns[i]) || i == name)
            continue;
        const double floor = std::min(natural[i], minimum);
        natural[i] = floor + (wanted > 0 ? (natural[i] - floor) * spare / wanted : 0);
    }
    if (nameAt != columns.end())
        natural[name] = nameWidth;
    return natural;
}

} // namespace chanforge::listprint
