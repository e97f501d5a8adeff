// The readable form of an open database (dump).
#pragma once

#include "chanforge/document/Document.h"

#include <ostream>

namespace cli {

void PrintText(chanforge::document::Document& doc, const chanforge::codec::FlashLayout& layout,
               std::ostream& out);

} // namespace cli
