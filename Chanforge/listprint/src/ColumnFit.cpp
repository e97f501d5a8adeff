#include "ColumnFit.h"

#include <algorithm>
#include <numeric>

namespace chanforge::listprint {

namespace {

bool Flexible(ListColumn column) {
    return column == ListColumn::Name || column == ListColumn::Delivery ||
           column == ListColumn::Provider || column == ListColumn::Favorites;
}

/// How much wider than the other texts the name may stay.
double Weight(ListColumn column) {
    return column == ListColumn::Name ? 2 : 1;
}

} // namespace

std::vector<double> FitWidths(const std::vector<ListColumn>& columns, std::vector<double> natural,
                              double available) {
    if (natural.empty())
        return natural;
    const double total = std::accumulate(natural.begin(), natural.end(), 0.0);
    if (total <= available) {
        const auto name = std::find(columns.begin(), columns.end(), ListColumn::Name);
        natural[name != columns.end() ? static_cast<std::size_t>(name - columns.begin())
                                      : natural.size() - 1] += available - total;
        return natural;
    }
    double room = available;
    for (std::size_t i = 0; i < columns.size(); ++i)
        room -= Flexible(columns[i]) ? 0 : natural[i];
    const auto cut = [&](double limit) {
        std::vector<double> widths = natural;
        for (std::size_t i = 0; i < columns.size(); ++i)
            if (Flexible(columns[i]))
                widths[i] = std::min(natural[i], limit * Weight(columns[i]));
        return widths;
    };
    const auto sum = [](const std::vector<double>& widths) {
        return std::accumulate(widths.begin(), widths.end(), 0.0);
    };
    if (room <= 0) {
        for (double& width : natural)
            width *= available / total;
        return natural;
    }
    // The widest limit that fits, by halving the interval: the sum grows with the limit.
    double fits = 0;
    double tooWide = *std::max_element(natural.begin(), natural.end());
    for (int step = 0; step < 60; ++step) {
        const double limit = (fits + tooWide) / 2;
        (sum(cut(limit)) <= available ? fits : tooWide) = limit;
    }
    return cut(fits);
}

} // namespace chanforge::listprint
