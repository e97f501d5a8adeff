// Feeds arbitrary bytes to the text-list reader as a reference list, then matches what it read
// against itself: every line but an opening header is an entry or a reported problem, never both.
#include "chanforge/reference/Matcher.h"
#include "chanforge/reference/TextList.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Names are UTF-8 text; the slot limit counts characters, not bytes.
std::size_t Characters(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace chanforge::reference;
    const TextList list = ParseTextList({data, size});
    std::size_t last = 0;
    const auto ascending = [&last](std::size_t line) {
        if (line <= last)
            std::abort();
        last = line;
    };
    std::size_t e = 0, p = 0;
    while (e < list.entries.size() || p < list.problems.size()) {
        const bool entryFirst =
            p == list.problems.size() ||
            (e < list.entries.size() && list.entries[e].row < list.problems[p].line);
        if (entryFirst) {
            const Service& s = list.entries[e++];
            if (s.name.empty() || Characters(s.name) >= chanforge::kChannelNameSize)
                std::abort();
            ascending(s.row);
        } else {
            ascending(list.problems[p++].line);
        }
    }
    const std::vector<Match> matches = MatchServices(list.entries, list.entries);
    for (const Match& m : matches)
        if (m.found() && m.channel >= list.entries.size())
            std::abort();
    return 0;
}
