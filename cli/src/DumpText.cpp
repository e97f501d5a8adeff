#include "DumpText.h"
#include "NameText.h"
#include "Printf.h"

#include "chanforge/TableAccess.h"
#include "chanforge/codec/TransponderMux.h"
#include "chanforge/editing/DeliveryText.h"

#include <algorithm>
#include <string>

namespace cli {

namespace {

using namespace chanforge;

/// A name field as text a terminal shows and never obeys.
template <std::size_t N> std::string Printable(const char (&field)[N]) {
    return TerminalText(FieldBytes(field));
}

/// A channel's name as TerminalName shows it, padded to width characters.
std::string ChannelName(const Channel_Info_Tag& c, std::size_t width) {
    std::string name = TerminalName(FieldBytes(c.Name), c.CodeTable);
    const auto characters =
        static_cast<std::size_t>(std::count_if(name.begin(), name.end(), [](char b) {
            return (static_cast<unsigned char>(b) & 0xC0) != 0x80;
        }));
    return name + std::string(width > characters ? width - characters : 0, ' ');
}

std::string Flags(std::uint16_t attributes) {
    std::string flags;
    if (attributes & attr::kLocked)
        flags += " locked";
    if (attributes & attr::kScrambled)
        flags += " scrambled";
    if (attributes & attr::kSkipped)
        flags += " skipped";
    return flags;
}

const char* Kind(std::uint16_t attributes) {
    if (attributes & attr::kTV)
        return "TV";
    if (attributes & attr::kRadio)
        return "Radio";
    return "Other";
}

void Satellites(tabstore::CQoDB& db, std::ostream& out) {
    Printf(out, "\nSatellites: %u\n", db.Size(kSatelliteTable));
    ForEachRow<Satellite_Info_Tag>(db, kSatelliteTable, [&](const Satellite_Info_Tag& s) {
        Printf(out, "  %4u  sat %3u  %-7s %-16s LNB %u/%u MHz\n", s.RowID, s.SatID,
               editing::DegreeText(s.Degree).c_str(), Printable(s.Name).c_str(),
               s.Tuner[0].LowFrequency, s.Tuner[0].HighFrequency);
    });
}

void Transponders(tabstore::CQoDB& db, const policy::ProductKind& product, std::ostream& out) {
    Printf(out, "\nTransponders: %u\n", db.Size(kTransponderTable));
    ForEachRow<Transponder_Info_Tag>(db, kTransponderTable, [&](const Transponder_Info_Tag& t) {
        if (codec::HoldsMux(t, product)) {
            const codec::TransponderMux m = codec::ReadTransponderMux(t);
            Printf(out, "  %4u  terrestrial multiplex, RF channel %u, label %X\n", t.RowID, m.TPID,
                   m.MuxNameIndex);
            return;
        }
        Printf(out, "  %4u  sat %3u  tp %3u  %5u MHz %c  %5u kS/s  TSID %u\n", t.RowID, t.SatID,
               t.TPID, t.Frequency, (t.PolFEC & 1) ? 'H' : 'V', t.SymbolRate, t.TSID);
    });
}

void Multiplexes(tabstore::CQoDB& db, std::ostream& out) {
    if (db.Size(kTerrestrialMuxTable) > 0) {
        Printf(out, "\nTerrestrial multiplexes: %u\n", db.Size(kTerrestrialMuxTable));
        ForEachRow<SMux_Info_Tag>(db, kTerrestrialMuxTable, [&](const SMux_Info_Tag& m) {
            Printf(out, "  %4u  RF channel %u, label %X\n", m.RowID, m.TPID, m.MuxNameIndex);
        });
    }
    if (db.Size(kCableMuxTable) > 0) {
        Printf(out, "\nCable multiplexes: %u\n", db.Size(kCableMuxTable));
        ForEachRow<CableMux_Info_Tag>(db, kCableMuxTable, [&](const CableMux_Info_Tag& c) {
            Printf(out, "  %4u  mux %3u  %u kHz  %u kS/s\n", c.RowID, c.MuxID, c.Frequency,
                   c.SymbolRate);
        });
    }
}

void Providers(tabstore::CQoDB& db, std::ostream& out) {
    Printf(out, "\nProviders: %u\n", db.Size(kProviderTable));
    ForEachRow<Broadcast_Info_Tag>(db, kProviderTable, [&](const Broadcast_Info_Tag& b) {
        Printf(out, "  %4u  id %5u  %s\n", b.RowID, b.BroadcastID, Printable(b.Name).c_str());
    });
}

void Channels(tabstore::CQoDB& db, std::ostream& out) {
    unsigned tv = 0, radio = 0;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& c) {
        tv += IsTV(c);
        radio += !IsTV(c) && IsRadio(c);
    });
    Printf(out, "\nChannels: %u (TV %u, radio %u)\n", db.Size(kChannelTable), tv, radio);
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& c) {
        Printf(out, "  %4u  %-5s %4u  %s sat %3u tp %3u  SID %5u  V %4u A %4u%s\n", c.RowID,
               Kind(c.Attributes), c.ProgramNum, ChannelName(c, 24).c_str(), c.SatID, c.TPID,
               c.ServiceID, c.VideoPID, c.AudioPID, Flags(c.Attributes).c_str());
    });
}

void Favorites(tabstore::CQoDB& db, std::ostream& out) {
    Printf(out, "\nFavourite groups: %u\n", db.Size(kFavoriteTable));
    ForEachRow<Favorite_Info_Tag>(db, kFavoriteTable, [&](const Favorite_Info_Tag& f) {
        unsigned members = 0;
        if (f.RowID >= 1 && f.RowID <= 32) {
            const std::uint32_t bit = 1u << (f.RowID - 1);
            ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& c) {
                members += (c.Favorite & bit) != 0;
            });
        }
        Printf(out, "  %4u  %-20s %u channels\n", f.RowID, Printable(f.Name).c_str(), members);
    });
}

} // namespace

void PrintText(document::Document& doc, const codec::FlashLayout& layout, std::ostream& out) {
    tabstore::CQoDB& db = doc.Store();
    Printf(out, "Product list %d, product type %d; %s\n", layout.product.list, layout.product.type,
           doc.Header().versionFile ? "version file" : "channel file");
    if (layout.product.Satellite()) {
        Satellites(db, out);
        Transponders(db, layout.product, out);
    }
    Multiplexes(db, out);
    Providers(db, out);
    Channels(db, out);
    Favorites(db, out);
}

} // namespace cli
