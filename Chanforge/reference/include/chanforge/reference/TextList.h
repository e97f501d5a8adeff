// Reference lists as plain text, one channel a line: "Pr#;Name;ONID-TSID-SID", 0 where a number
// is unknown. A line that does not read so is reported with its number, never guessed at.
#pragma once

#include "chanforge/csv/TextEncoding.h"
#include "chanforge/reference/Service.h"
#include "utils/Translatable.h"

#include <cstddef>
#include <cstdint>
#include <optional>
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

/// How the bytes of a text list were read: as UTF-8, or, where they are not UTF-8, each byte as
/// a Latin-1 character.
using csv::TextEncoding;

struct LineProblem {
    std::size_t line = 0; ///< 1-based
    LineFault fault = LineFault::Fields;
};

struct TextList {
    std::vector<Service> entries; ///< in line order; `row` holds the line number
    std::vector<LineProblem> problems;
    TextEncoding encoding = TextEncoding::Ascii;
};

/// Reads the lines of a text list; blank lines are skipped, a UTF-8 byte-order mark and line ends
/// of any platform are allowed, and so is a first line "Pr#;Name;ONID-TSID-SID" (in any case, or
/// as the German or Italian guide writes it) as the list's header. Text is read as UTF-8, falling
/// back to Latin-1 only when the bytes are not valid UTF-8; names are kept as UTF-8 text, which
/// applying puts into each channel's code table.
TextList ParseTextList(std::span<const std::uint8_t> bytes);

/// Whether the bytes are meant as a text list: the first line that holds anything is text (no
/// control byte but tab, something printable). Anything else is an image: a database's first
/// bytes are never one line of text.
bool LooksLikeText(std::span<const std::uint8_t> bytes);

/// A NUL byte in a text list, which no text holds: its line and its byte in that line (from 1).
struct NulByte {
    std::size_t line = 0;
    std::size_t column = 0;
};
std::optional<NulByte> FindNulByte(std::span<const std::uint8_t> bytes);

inline constexpr const char* kNotTextMessage =
    CF_TR_NOOP("Reference", "The reference list is a text list, but holds a byte no text holds");

/// The operator's text for a fault (translation context "Reference").
const char* LineFaultText(LineFault fault);
/// What the preview says of how the list was read; null for plain ASCII, where it makes no
/// difference (translation context "Reference").
const char* EncodingNote(TextEncoding encoding);

} // namespace chanforge::reference
