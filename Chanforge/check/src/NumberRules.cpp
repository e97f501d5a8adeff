// Channel numbers per kind: TV channels, and all others, each numbered 1, 2, 3 ... without
// gaps or repeats (the receiver renumbers a list that is not, in its own order).
#include "Context.h"

#include "chanforge/TableAccess.h"

#include <algorithm>
#include <utility>

namespace chanforge::check::detail {

namespace {

using Numbered = std::vector<std::pair<std::uint16_t, std::uint32_t>>; // number, row

/// The two texts of one kind of channel: a gap (%1 to %2) and a number (%1) used %2 times.
struct KindTexts {
    const char* gap;
    const char* repeat;
};

void CheckKind(const KindTexts& kind, Numbered& numbers, Findings& out) {
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
                           Say(kind.gap, {Num(expected - 1), Num(n)})});
        }
        if (j - i > 1) {
            // The receiver cannot show two channels on one number: an error, not a style issue.
            Finding f{Severity::Error, Rule::NumberRepeat, kChannelTable, {}, {}};
            for (std::size_t k = i; k < j; ++k)
                f.rows.push_back(numbers[k].second);
            std::sort(f.rows.begin(), f.rows.end());
            f.message = Say(kind.repeat, {Num(n), Num(j - i)});
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
    CheckKind({CF_TR_NOOP("Check", "TV channel numbers jump from %1 to %2"),
               CF_TR_NOOP("Check", "TV channel number %1 is used by %2 channels")},
              tv, out);
    CheckKind({CF_TR_NOOP("Check", "Radio channel numbers jump from %1 to %2"),
               CF_TR_NOOP("Check", "Radio channel number %1 is used by %2 channels")},
              others, out);
}

} // namespace chanforge::check::detail
