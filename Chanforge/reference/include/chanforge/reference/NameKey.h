// Channel names as the matcher compares them: without case, spaces and punctuation.
#pragma once

#include <string>
#include <string_view>

namespace chanforge::reference {

/// Letters (Latin-1 capitals lowered) and digits of the name; bytes above 0x7F stay as they are,
/// so names in one code table compare whatever it is.
std::string NameKey(std::string_view name);

/// The key of the name without a last word "HD" ("Das Erste HD" -> "daserste"); empty when the
/// name has no such word or nothing before it.
std::string WithoutHD(std::string_view name);

} // namespace chanforge::reference
