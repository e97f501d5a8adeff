// printf-style formatting onto a stream, for the columns of the readable dumps.
#pragma once

#include <ostream>

namespace cli {

[[gnu::format(printf, 2, 3)]] void Printf(std::ostream& out, const char* format, ...);

} // namespace cli
