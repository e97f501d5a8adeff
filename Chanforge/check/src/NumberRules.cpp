// Channel numbers per kind: TV channels, and all others, each numbered 1, 2, 3 ... without
// gaps or repeats (the receiver renumbers a list that is not, in its own order).
#include "Context.h"

#include "chanforge/TableAccess.h"

#include <algorithm>
#include <utility>

namespace chanforge::check::detail {

namespace {

using Numbered = std::vector<std::pair<std::uint16_t, std::uint32_t>>; // number, row

void CheckKind(const char* kind, Numbered& numbers, Findings& out) {
    std::sort(numbers.begin(), numbers.end());
    std::uint32_t expected = 1;
    for (std::size_t i = 0; i < numbers.size();) {
        const std::uint16_t n = numbers[i].first;
        std::size_t j = i + 1;
        while (j < numbers.size() && numbers[j].first == n)
            ++j;
        if (n != expected) {
            out.push_back({Severity::Warning,
                           Rule::NumberGap,
                           kChannelTable,
                           {numbers[i].second},
                           std::string(kind) + " channel numbers jump from " +
                               std::to_string(expected - 1) + " to " + std::to_string(n)});
        }
        if (j - i > 1) {
            // The receiver cannot show two channels on one number: an error, not a style issue.
            Finding f{Severity::Error, Rule::NumberRepeat, kChannelTable, {}, {}};
            for (std::size_t k = i; k < j; ++k)
                f.rows.push_back(numbers[k].second);
            std::sort(f.rows.begin(), f.rows.end());
            f.message = std::string(kind) + " channel number " + std::to_string(n) +
                        " is used by " + std::to_string(j - i) + " channels";
            out.push_back(std::move(f));
        }
        expected = std::uint32_t{n} + 1;
        i = j;
    }
}

} // namespace

void CheckNumbering(Context& ctx, Findings& out) {
    Numbered tv, others;
    tv.reserve(ctx.channelLinks.size());
    ForEachRow<Channel_Info_Tag>(ctx.db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        (IsTV(ch) ? tv : others).emplace_back(ch.ProgramNum, ch.RowID);
    });
    CheckKind("TV", tv, out);
    CheckKind("Radio", others, out);
}

} // namespace chanforge::check::detail
