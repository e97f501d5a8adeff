// The JSON form of an open database (dump --json).
#pragma once

#include "chanforge/codec/Document.h"

#include <nlohmann/json.hpp>

namespace cli {

nlohmann::ordered_json DumpJson(chanforge::codec::Document& doc,
                                const chanforge::codec::FlashLayout& layout);

} // namespace cli
