// Every form a text list line Pr#;Name;ONID-TSID-SID may take, applied to a small list: what it
// matches, the numbers that follow, and what is reported.
#include "TestBuilders.h"
#include "chanforge/TableAccess.h"
#include "chanforge/reference/Plan.h"
#include "chanforge/reference/TextList.h"
#include "policy/Presets.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace chanforge::reference {
namespace {

/// Each LineFault in a word, in the enumeration's order.
const char* const kFaultWords[] = {"fields", "number", "ids", "empty-name", "long-name"};

/// TV channels A, B, C numbered 1 to 3 (services 101 to 103 of stream 1001, network 1) and the
/// radio channel R numbered 1.
struct Store {
    Store() {
        auto sat = ZeroRecord<Satellite_Info_Tag>();
        sat.SatID = 2;
        testkit::SetName(sat.Name, "Orbit");
        AppendCopy(db, kSatelliteTable, sat);
        auto tp = ZeroRecord<Transponder_Info_Tag>();
        tp.SatID = 2;
        tp.TPID = 1;
        tp.Frequency = 11494;
        tp.TSID = 1001;
        AppendCopy(db, kTransponderTable, tp);
        for (const auto& [name, number, sid, kind] :
             {std::tuple{"A", 1, 101, attr::kTV}, std::tuple{"B", 2, 102, attr::kTV},
              std::tuple{"C", 3, 103, attr::kTV}, std::tuple{"R", 1, 201, attr::kRadio}}) {
            Channel_Info_Tag ch =
                testkit::MakeChannel(name, static_cast<std::uint16_t>(number), kind, 2, 1);
            ch.ServiceID = static_cast<std::uint16_t>(sid);
            ch.OrgNetID = 1;
            AppendCopy(db, kChannelTable, ch);
        }
    }
    tabstore::CQoDB db;
};

/// "numbers | entry:method ... | line:fault ... | conflicts" after applying the text.
std::string Applied(const std::string& text, bool closeGaps) {
    Store store;
    const TextList list =
        ParseTextList({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    Reference ref;
    ref.entries = list.entries;
    const auto layout = codec::FlashLayout::FromPreset(*policy::FindPreset("D"));
    const Plan plan = PlanReference(store.db, layout, ref, {1, closeGaps, false, Unmatched::Keep});
    std::string out;
    if (!ApplyPlan(store.db, plan))
        out += "refused ";
    ForEachRow<Channel_Info_Tag>(store.db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        out += std::string(ch.Name) + "=" + std::to_string(ch.ProgramNum) + " ";
    });
    out += "|";
    for (std::size_t e = 0; e < list.entries.size(); ++e)
        out += " " + list.entries[e].name + ":" +
               std::string(MethodName(plan.entries[e].match.method));
    out += " |";
    for (const LineProblem& p : list.problems)
        out += " " + std::to_string(p.line) + ":" + kFaultWords[static_cast<int>(p.fault)];
    out += " |";
    for (const Conflict& c : plan.conflicts)
        out += c.kind == ConflictKind::SameChannel
                   ? " entry " + std::to_string(c.entry) + " loses to " + std::to_string(c.holder)
                   : " entry " + std::to_string(c.entry) + " wants " + std::to_string(c.wanted) +
                         " gets " + std::to_string(c.given);
    return out;
}

TEST(TextListFormsTest, EachFormOfALineHasItsEffect) {
    const struct {
        const char* what;
        std::string text;
        bool closeGaps;
        std::string want;
    } cases[] = {
        {"the header line opens the list; lines out of order are numbered by Pr#",
         "Pr#;Name;ONID-TSID-SID\n3;A;1-1001-101\n1;C;1-1001-103\n2;B;1-1001-102\n", true,
         "C=1 B=2 A=3 R=1 | A:ids C:ids B:ids | |"},
        {"Pr# 0 numbers nothing: the entry follows the numbered ones",
         "0;A;1-1001-101\n7;B;1-1001-102\n", false, "B=1 A=2 C=3 R=1 | A:ids B:ids | |"},
        {"an empty Pr# is not 0: the line is reported and its channel left unmatched",
         ";A;1-1001-101\n1;B;1-1001-102\n", true, "B=1 A=2 C=3 R=1 | B:ids | 1:number |"},
        {"ids 0-0-0 are unknown: the name finds the channel, uncertain", "1;C;0-0-0\n", true,
         "C=1 A=2 B=3 R=1 | C:name | |"},
        {"an empty name, empty ids and a missing field are reported, never guessed",
         "1; ;1-1001-101\n2;B;\n3;C\n1;A;1-1001-101\n", true,
         "A=1 B=2 C=3 R=1 | A:ids | 1:empty-name 2:ids 3:fields |"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Applied(c.text, c.closeGaps), c.want);
    }
}

} // namespace
} // namespace chanforge::reference
