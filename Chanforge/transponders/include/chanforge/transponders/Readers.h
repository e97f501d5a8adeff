// Readers of the transponder tables: satellites.xml, cables.xml and terrestrial.xml, and the DVB
// scan tables (one "[CHANNEL]" block of KEY = VALUE lines per carrier, DVB-S, DVB-C and DVB-T). A
// table that does not read is refused whole, with its file and line named; nothing of it is used. A
// carrier whose values are out of their unit's range is left out and named in Source::skipped.
#pragma once

#include "chanforge/transponders/Carrier.h"
#include "utils/Phrase.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace chanforge::transponders {

struct [[nodiscard]] SourceResult {
    bool ok = true;
    utils::Phrase message; ///< the operator's text when not ok

    static SourceResult Refused(utils::Phrase message) { return {false, std::move(message)}; }
};

/// Hostile tables are stopped by these before they cost anything.
inline constexpr std::size_t kMaxSourceBytes = std::size_t{64} << 20;
inline constexpr std::size_t kMaxCarriers = 200'000;
inline constexpr std::size_t kMaxAttributeLength = 256;
inline constexpr int kMaxDepth = 3; ///< satellites > sat > transponder

/// file names the table in messages; a scan table's file name may end in its orbital position
/// ("Astra-19.2E").
SourceResult ReadXmlTable(std::span<const std::uint8_t> bytes, const std::string& file,
                          Source& out);
SourceResult ReadScanTable(std::span<const std::uint8_t> bytes, const std::string& file,
                           Source& out);
/// Reads the file at path as satellites.xml, cables.xml or terrestrial.xml when it begins with "<",
/// else as a scan table.
SourceResult ReadSource(const std::string& path, Source& out);

/// The orbital position at the end of a scan table's name ("Astra-19.2E" gives 192).
std::optional<int> PositionOfTableName(const std::string& file);

/// Where Debian's dtv-scan-tables package keeps the satellite and the cable tables.
inline constexpr const char* kSystemScanTables = "/usr/share/dvb/dvb-s";
inline constexpr const char* kSystemCableTables = "/usr/share/dvb/dvb-c";
inline constexpr const char* kSystemTerrestrialTables = "/usr/share/dvb/dvb-t";
/// The files in folder, by name; none when there is no folder.
std::vector<std::string> ScanTablesIn(const std::string& folder);
/// Those whose names give position.
std::vector<std::string> ScanTablesFor(const std::string& folder, int position);

} // namespace chanforge::transponders
