// Channel names as the matcher compares them: without case, spaces and punctuation.
#pragma once

#include <string>
#include <string_view>

namespace chanforge::reference {

/// Letters (lowered) and digits of the name (UTF-8, as read through its code table) and every
/// character past ASCII, so names compare whatever code tables their channels use.
std::string NameKey(std::string_view name);

/// The key of the name without a last word "HD" ("Das Erste HD" -> "daserste"); empty when the
/// name has no such word or nothing before it.
std::string WithoutHD(std::string_view name);

} // namespace chanforge::reference
