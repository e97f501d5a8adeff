// The order in which grid and list columns sort their texts.
#pragma once

#include <string_view>

namespace chanforge::editing {

/// Natural order: runs of digits compare by value ("2" before "10", "11,836" as 11836) and
/// everything else without regard to case, so numbers, frequencies and names all sort as a
/// reader expects.
bool NaturalLess(std::string_view a, std::string_view b);

} // namespace chanforge::editing
