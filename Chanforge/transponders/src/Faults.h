// The refusal of a table: the file and line, then what is wrong there. Private to the readers.
#pragma once

#include "chanforge/transponders/Readers.h"
#include "utils/Translatable.h"

#include <cstddef>
#include <string>

namespace chanforge::transponders {

inline SourceResult RefuseAt(const std::string& file, std::size_t line, utils::Phrase fault) {
    return SourceResult::Refused(
        utils::Phrase("Transponders", CF_TR_NOOP("Transponders", "%1, line %2: %3"),
                      {utils::Phrase::Text(file), utils::Phrase::Number(line), std::move(fault)}));
}

inline utils::Phrase Fault(const char* text, std::vector<utils::Phrase> args = {}) {
    return utils::Phrase("Transponders", text, std::move(args));
}

} // namespace chanforge::transponders
