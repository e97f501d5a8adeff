#include "EnglishCounts.h"

#include "utils/Phrase.h"

#include <cstring>

namespace chanforge::app {

QString CEnglishCounts::translate(const char*, const char* source, const char*, int n) const {
    // A null text lets the source through; Qt puts the count in place of %n either way.
    if (n < 0 || source == nullptr || std::strstr(source, "(s)") == nullptr)
        return {};
    return QString::fromUtf8(utils::EnglishCount(source, static_cast<std::uint64_t>(n)));
}

} // namespace chanforge::app
