#include "Printf.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace cli {

void Printf(std::ostream& out, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::va_list again;
    va_copy(again, args);
    const int size = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (size > 0) {
        std::vector<char> text(static_cast<std::size_t>(size) + 1);
        std::vsnprintf(text.data(), text.size(), format, again);
        out.write(text.data(), size);
    }
    va_end(again);
}

} // namespace cli
