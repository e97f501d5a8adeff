#include "SampleData.h"

namespace samplegen {

namespace {

constexpr SampleSatellite kSatellites[] = {
    {"Astra 19.2E", 192, 2},
    {"Hot Bird 13.0E", 130, 3},
    {"Astra 28.2E", 282, 4},
    {"Eutelsat 5 West", 3550, 5},
};

constexpr SampleTransponder kTransponders[] = {
    {2, 1, 11836, true, 27500, 1101}, {2, 2, 11953, true, 27500, 1079},
    {2, 3, 12266, true, 27500, 1093}, {2, 4, 12109, true, 27500, 1073},
    {2, 5, 11494, true, 22000, 1019}, {3, 6, 11766, false, 27500, 12800},
    {3, 7, 10971, true, 29700, 8800}, {3, 8, 12597, false, 27500, 12400},
    {4, 9, 10773, true, 22000, 2045}, {4, 10, 11023, true, 23000, 2050},
    {5, 11, 11591, false, 20000, 4},
};

// Terrestrial services carry the multiplex's RF channel number as their TPID.
constexpr SampleService kServices[] = {
    {"Das Erste", 1, 28106, 101, 102, 1, false},
    {"ZDF", 2, 28006, 110, 120, 2, false},
    {"3sat", 2, 28007, 210, 220, 2, false},
    {"KiKA", 2, 28008, 310, 320, 2, false},
    {"arte", 3, 28724, 401, 402, 1, false},
    {"phoenix", 3, 28725, 501, 502, 1, false},
    {"BR Fernsehen", 1, 28110, 201, 202, 1, false},
    {"hr-fernsehen", 1, 28108, 301, 302, 1, false},
    {"WDR Koeln", 4, 28111, 601, 602, 1, false},
    {"tagesschau24", 3, 28721, 101, 102, 1, false},
    {"Rai 1", 6, 3401, 160, 161, 3, false},
    {"Rai 2", 6, 3402, 512, 650, 3, false},
    {"Rai 3", 6, 3403, 513, 660, 3, false},
    {"TV5MONDE", 7, 8902, 1160, 1120, 4, false},
    {"France 24", 8, 8411, 1060, 1020, 4, false},
    {"BBC One", 9, 6301, 5000, 5002, 5, false},
    {"BBC Two", 9, 6302, 5100, 5102, 5, false},
    {"ITV1", 10, 10060, 3327, 3328, 6, false},
    {"Channel 4", 11, 9211, 2315, 2316, 6, false},
    {"Das Erste HD", 5, 10301, 5101, 5102, 1, false},
    {"Bayern 3", 4, 28401, 0, 401, 1, false},
    {"hr1", 4, 28419, 0, 1401, 1, false},
    {"WDR 2", 4, 28476, 0, 2402, 1, false},
    {"NDR 2", 4, 28439, 0, 2501, 1, false},
    {"Deutschlandfunk", 4, 28012, 0, 610, 2, false},
    {"BBC Radio 2", 9, 6502, 0, 6802, 5, false},
    {"Rai Radio 1", 6, 3404, 0, 690, 3, false},
    {"Das Erste", 23, 14, 1201, 1202, 1, true},
    {"ZDF", 33, 514, 1301, 1302, 2, true},
    {"3sat", 33, 515, 1401, 1402, 2, true},
    {"KiKA", 33, 517, 1501, 1502, 2, true},
    {"Bayern 3", 23, 16, 0, 1203, 1, true},
};

constexpr SampleProvider kProviders[] = {
    {1, "ARD"}, {2, "ZDFvision"}, {3, "RAI"}, {4, "GlobeCast"}, {5, "BBC"}, {6, "ITV"},
};

constexpr SampleMultiplex kMultiplexes[] = {{23, 0x23}, {33, 0x33}};

constexpr const char* kFavoriteGroups[] = {"News", "Movies", "Sports", "Music", "Kids"};

} // namespace

std::span<const SampleSatellite> Satellites() {
    return kSatellites;
}
std::span<const SampleTransponder> Transponders() {
    return kTransponders;
}
std::span<const SampleService> Services() {
    return kServices;
}
std::span<const SampleProvider> Providers() {
    return kProviders;
}
std::span<const SampleMultiplex> Multiplexes() {
    return kMultiplexes;
}
std::span<const char* const> FavoriteGroups() {
    return kFavoriteGroups;
}

} // namespace samplegen
