// Reference lists as plain text, one channel a line: "Pr#;Name;ONID-TSID-SID", 0 where a number
// is unknown. A line that does not read so is reported with its number, never guessed at.
#pragma once

#include "chanforge/reference/Service.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace chanforge::reference {

enum class LineFault : std::uint8_t {
    Fields, ///< not three fields separated by ";"
    Number, ///< the first field is no channel number (0 to 65535)
    Ids,    ///< the third field is not three numbers "ONID-TSID-SID"
    EmptyName,
    LongName, ///< longer than a channel record holds
};

struct LineProblem {
    std::size_t line = 0; ///< 1-based
    LineFault fault = LineFault::Fields;
};

struct TextList {
    std::vector<Service> entries; ///< in line order; `row` holds the line number
    std::vector<LineProblem> problems;
};

/// Reads the lines of a text list; blank lines are skipped, a UTF-8 byte-order mark and line ends
/// of any platform are allowed.
TextList ParseTextList(std::span<const std::uint8_t> bytes);

/// Whether the bytes can be a text list at all (no NUL byte): anything else is an image.
bool LooksLikeText(std::span<const std::uint8_t> bytes);

/// The operator's text for a fault (translation context "Reference").
const char* LineFaultText(LineFault fault);

} // namespace chanforge::reference
