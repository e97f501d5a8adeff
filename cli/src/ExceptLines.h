// --except N,...: the numbered lines of a command's listing that applying leaves out.
#pragma once

#include "chanforge/editing/LeftOut.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace cli {

struct [[nodiscard]] ExceptLines {
    chanforge::editing::LeftOut lines; ///< 0-based
    std::string error;                 ///< why the option cannot be read; then lines is empty
    bool ok() const { return error.empty(); }
};

/// Reads the numbers as the listing prints them (1 to `lines`, comma-separated) into the 0-based
/// lines the editing functions leave out. `what` names a line in the message ("line", "group").
ExceptLines ParseExcept(std::string_view text, std::size_t lines, std::string_view what);

} // namespace cli
