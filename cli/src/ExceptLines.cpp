#include "ExceptLines.h"

#include <charconv>

namespace cli {

ExceptLines ParseExcept(std::string_view text, std::size_t lines, std::string_view what) {
    ExceptLines out;
    const auto refuse = [&](std::string_view part, const std::string& why) {
        out.lines.clear();
        out.error = "--except: \"" + std::string(part) + "\" " + why;
        return out;
    };
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view part = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        std::size_t n = 0;
        const auto [end, fault] = std::from_chars(part.data(), part.data() + part.size(), n);
        if (part.empty() || fault != std::errc() || end != part.data() + part.size())
            return refuse(part, "is not a " + std::string(what) + " number");
        if (n < 1 || n > lines)
            return refuse(part, "is no " + std::string(what) + " of the listing (" +
                                    (lines == 0 ? std::string("it has none")
                                                : "1 to " + std::to_string(lines)) +
                                    ")");
        out.lines.insert(n - 1);
    }
    return out;
}

} // namespace cli
