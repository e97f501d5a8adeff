// The matcher on hand-made services: each method, its limits, and how ties and clashes go.
#include "chanforge/reference/Matcher.h"
#include "chanforge/reference/NameKey.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace chanforge::reference {
namespace {

constexpr std::uint16_t k19E = 192;

Service Sat(const std::string& name, std::uint16_t sid, std::uint32_t mhz, bool horizontal = true,
            Kind kind = Kind::TV, std::uint16_t degree = k19E) {
    Service s;
    s.name = name;
    s.kind = kind;
    s.sid = sid;
    s.carrier = {Delivery::Satellite, degree, horizontal, mhz * 1000};
    return s;
}

Service Named(const std::string& name, Kind kind = Kind::TV) {
    Service s;
    s.name = name;
    s.kind = kind;
    return s;
}

Service Ids(const std::string& name, std::uint16_t onid, std::uint16_t tsid, std::uint16_t sid) {
    Service s = Named(name);
    s.onid = onid;
    s.tsid = tsid;
    s.sid = sid;
    return s;
}

struct Case {
    const char* what;
    std::vector<Service> reference;
    std::vector<Service> channels;
    std::vector<std::pair<std::size_t, Method>> want; ///< per entry: channel index and method
};

constexpr std::size_t kNone = Match::kNone;

TEST(MatcherTest, EachMethodAndItsLimits) {
    const std::vector<Case> cases = {
        {"a renamed channel on a carrier 3 MHz off, the tolerance, is the same service",
         {Sat("Old name", 100, 11494)},
         {Sat("Other", 101, 11494), Sat("New name", 100, 11497)},
         {{1, Method::Carrier}}},
        {"4 MHz off, the other polarisation or another satellite is another carrier",
         {Sat("A", 100, 11494), Sat("B", 101, 11494), Sat("C", 102, 11494)},
         {Sat("x", 100, 11498), Sat("y", 101, 11494, false),
          Sat("z", 102, 11494, true, Kind::TV, 130)},
         {{kNone, Method::None}, {kNone, Method::None}, {kNone, Method::None}}},
        {"ids match where a side does not know the network; a known one must agree",
         {Ids("A", 0, 1019, 10301), Ids("B", 1, 1019, 10302), Ids("C", 1, 0, 10303)},
         {Ids("x", 1, 1019, 10301), Ids("y", 133, 1019, 10302), Ids("z", 1, 1019, 10303)},
         {{0, Method::ServiceIds}, {kNone, Method::None}, {kNone, Method::None}}},
        {"names compare without case, spaces and punctuation, within a kind when known",
         {Named("ZDF-neo"), Named("Bayern 1", Kind::Radio), Named("hr1", Kind::Unknown)},
         {Named("zdf neo"), Named("BAYERN1", Kind::TV), Named("HR 1", Kind::Radio)},
         {{0, Method::Name}, {kNone, Method::None}, {2, Method::Name}}},
        {"X HD finds X and X finds X HD, but an exact name wins and UHD is no HD",
         {Named("arte HD"), Named("ONE"), Named("3sat HD"), Named("Sky UHD")},
         {Named("arte"), Named("ONE HD"), Named("3sat"), Named("3SAT hd"), Named("Sky")},
         {{0, Method::NameVariant},
          {1, Method::NameVariant},
          {3, Method::Name},
          {kNone, Method::None}}},
        {"the same kind wins a tie, then free-to-air, then a channel not matched yet",
         {Sat("Radio 5", 28005, 12480, true, Kind::Radio), Sat("News", 7, 11494),
          Sat("Twin", 8, 11494), Sat("Twin", 8, 11494)},
         {Sat("TV 5", 28005, 12480), Sat("Radio 5", 28005, 12480, true, Kind::Radio),
          [] {
              Service s = Sat("News", 7, 11494);
              s.scrambled = true;
              return s;
          }(),
          Sat("News", 7, 11494), Sat("Twin", 8, 11494), Sat("Twin", 8, 11494)},
         {{1, Method::Carrier}, {3, Method::Carrier}, {4, Method::Carrier}, {5, Method::Carrier}}},
        {"a stronger method claims first, whatever the list order",
         {Named("Das Erste"), Sat("Erste renamed", 28106, 11836), Named("Das Erste")},
         {Sat("Das Erste", 28106, 11836), Named("das erste")},
         {{1, Method::Name}, {0, Method::Carrier}, {0, Method::Name}}},
        {"a channel only a matched one could be is still named, for the plan to report",
         {Named("KiKA"), Named("KiKA")},
         {Named("KiKA")},
         {{0, Method::Name}, {0, Method::Name}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<Match> got = MatchServices(c.reference, c.channels);
        ASSERT_EQ(got.size(), c.want.size());
        for (std::size_t e = 0; e < got.size(); ++e) {
            EXPECT_EQ(got[e].channel, c.want[e].first) << "entry " << e;
            EXPECT_EQ(got[e].method, c.want[e].second) << "entry " << e;
        }
    }
}

TEST(MatcherTest, NameKeys) {
    EXPECT_EQ(NameKey("Das Erste HD"), "daserstehd");
    EXPECT_EQ(NameKey("\xC3\x84RD-Alpha!"), "\xC3\xA4rdalpha"); // capital A umlaut lowered
    EXPECT_EQ(NameKey("\xC3\x97"), "\xC3\x97"); // the multiplication sign is no letter
    EXPECT_EQ(NameKey("\xD0\x9F\xD0\x95 1"), "\xD0\xBF\xD0\xB5"
                                             "1"); // Cyrillic lowered too
    EXPECT_EQ(WithoutHD("ZDF HD"), "zdf");
    EXPECT_EQ(WithoutHD("ZDF.hd  "), "zdf");
    EXPECT_EQ(WithoutHD("ZDFHD"), "");
    EXPECT_EQ(WithoutHD("HD"), "");
    EXPECT_EQ(WithoutHD(" HD"), "");
}

} // namespace
} // namespace chanforge::reference
