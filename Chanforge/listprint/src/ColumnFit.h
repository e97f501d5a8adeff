// How the columns of a list share the width of one column of entries.
#pragma once

#include "chanforge/listprint/ListOptions.h"

#include <vector>

namespace chanforge::listprint {

/// Widths for columns whose widest texts need natural, fitting available. When all fit, the
/// name column (else the last) takes what is left over. Otherwise the number and flag columns
/// keep their widths and the text columns are cut to one common limit, twice that for the
/// name: short texts stay whole and the name keeps the most room. Only when the fixed columns
/// alone do not fit does every column shrink in proportion.
std::vector<double> FitWidths(const std::vector<ListColumn>& columns, std::vector<double> natural,
                              double available);

} // namespace chanforge::listprint
