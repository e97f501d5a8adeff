// The JSON form of an open database (dump --json).
#pragma once

#include "chanforge/document/Document.h"

#include <nlohmann/json.hpp>

namespace cli {

nlohmann::ordered_json DumpJson(chanforge::document::Document& doc,
                                const chanforge::codec::FlashLayout& layout);

} // namespace cli
