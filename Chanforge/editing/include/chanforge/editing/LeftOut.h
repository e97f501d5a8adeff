// The lines of a preview the operator unticked. Applying a preview leaves exactly these as they
// are and does every other line, so a wrong line no longer costs the whole change.
#pragma once

#include <cstddef>
#include <set>

namespace chanforge::editing {

/// 0-based indexes of a preview's lines; each preview says what its lines are.
using LeftOut = std::set<std::size_t>;

} // namespace chanforge::editing
