// How the columns of a list share the width of one column of entries.
#pragma once

#include "chanforge/listprint/ListOptions.h"

#include <vector>

namespace chanforge::listprint {

/// Widths for columns whose widest texts need natural, fitting available. When all fit, the
/// name column (else the last) takes what is left over. Otherwise the number and flag columns
/// keep their widths and the texts give way: the transponder, provider and favourites columns
/// first, down to minimum each, then the name. Only when even that does not fit does every
/// column shrink in proportion.
std::vector<double> FitWidths(const std::vector<ListColumn>& columns, std::vector<double> natural,
                              double available, double minimum);

} // namespace chanforge::listprint
