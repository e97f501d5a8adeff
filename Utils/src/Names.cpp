#include "utils/Names.h"

#include "utils/Translatable.h"

#include <array>
#include <cstring>

namespace {

constexpr std::array<const char*, 26> kCASNames = {
    "Standardized systems",
    "MediaGuard",
    "CCETT",
    "Deutsche Telecom",
    "Eurodec",
    "Viaccess",
    "Irdeto",
    "Jerrold/GI",
    "Matra Communication",
    "NDS(VideoGuard)",
    "Nokia",
    "Conax",
    "NTL",
    "CryptoWorks",
    "Scientific Atlanta",
    "Sony",
    "Tandberg Television",
    "Thomson",
    "TV/Com",
    "HPT",
    "HRT",
    "IBM",
    "Nera",
    "Betacrypt",
    "Nagravision",
    "SkyCrypt",
};

// The window shows them through the catalogue; the files and the command line keep English.
constexpr std::array<const char*, 16> kGenreNames = {
    CF_TR_NOOP("Genres", "None"),
    CF_TR_NOOP("Genres", "Movie"),
    CF_TR_NOOP("Genres", "News and Factual"),
    CF_TR_NOOP("Genres", "Entertainment"),
    CF_TR_NOOP("Genres", "Sport"),
    CF_TR_NOOP("Genres", "Children's"),
    CF_TR_NOOP("Genres", "Factual"),
    CF_TR_NOOP("Genres", "Education"),
    CF_TR_NOOP("Genres", "Lifestyle"),
    CF_TR_NOOP("Genres", "Drama"),
    CF_TR_NOOP("Genres", "Music"),
    CF_TR_NOOP("Genres", "Arts"),
    CF_TR_NOOP("Genres", "Current Affairs"),
    CF_TR_NOOP("Genres", "Special"),
    CF_TR_NOOP("Genres", "Comedy"),
    CF_TR_NOOP("Genres", "Documentary"),
};

/// FEC names by code 0x10..0x80 and 0xF0 (row), for the three system/modulation columns.
struct FecRow {
    std::uint8_t code;
    const char* names[3];
};
constexpr std::array<FecRow, 9> kFecRows = {{
    {0x10, {"1/2", "1/2", "3/5"}},
    {0x20, {"2/3", "3/5", "2/3"}},
    {0x30, {"Auto", "2/3", "3/4"}},
    {0x40, {"3/4", "3/4", "5/6"}},
    {0x50, {"Auto", "4/5", "8/9"}},
    {0x60, {"Auto", "5/6", "9/10"}},
    {0x70, {"Auto", "8/9", "Auto"}},
    {0x80, {"5/6", "9/10", "Auto"}},
    {0xF0, {"7/8", "Auto", "Auto"}},
}};

int FecColumn(std::uint8_t system, std::uint8_t modulation) {
    if (system == 0)
        return 0;
    return modulation == 0 ? 1 : 2;
}

} // namespace

extern "C" {

void GetCASName(std::uint32_t mask, const char* separator, char* destination) {
    if (destination == nullptr)
        return;
    bool written = false;
    for (std::size_t bit = 0; bit < kCASNames.size(); ++bit) {
        if ((mask >> bit & 1u) == 0)
            continue;
        if (written && separator != nullptr)
            std::strcat(destination, separator);
        std::strcat(destination, kCASNames[bit]);
        written = true;
    }
    if (destination[0] == '\0')
        std::strcpy(destination, "None");
}

void GetFECName(std::uint8_t system, std::uint8_t modulation, std::uint8_t fecCode,
                char* destination) {
    if (destination == nullptr)
        return;
    const char* name = "Auto";
    for (const FecRow& row : kFecRows)
        if (row.code == fecCode)
            name = row.names[FecColumn(system, modulation)];
    std::strcpy(destination, name);
}

void GetGenreName(std::uint16_t genre, char* destination) {
    if (destination == nullptr)
        return;
    std::strcpy(destination, GenreName(genre));
}

void GetTunerName(std::uint8_t tuner, char* destination) {
    if (destination == nullptr)
        return;
    const char* name = "Unknown Tuner";
    switch (tuner) {
    case 0:
        name = "Tuner 1";
        break;
    case 1:
        name = "Tuner 2";
        break;
    case 17:
        name = "SAT";
        break;
    case 18:
        name = "Mux";
        break;
    case 19:
        name = "Cable";
        break;
    default:
        break;
    }
    std::strcpy(destination, name);
}

} // extern "C"

const char* GenreName(std::uint16_t genre) {
    return genre < kGenreNames.size() ? kGenreNames[genre] : kGenreNames[0];
}
