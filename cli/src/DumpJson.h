// The JSON form of an open database (dump --json), and how every command prints JSON.
#pragma once

#include "chanforge/document/Document.h"

#include <nlohmann/json.hpp>

namespace cli {

nlohmann::ordered_json DumpJson(chanforge::document::Document& doc,
                                const chanforge::codec::FlashLayout& layout);

/// The program's JSON output, indented. Names reach it as valid UTF-8 (Latin1Utf8); anything
/// else that is not (a path) shows U+FFFD where it breaks instead of ending the program.
std::string JsonText(const nlohmann::ordered_json& json);

} // namespace cli
