// Carriers as transponder tables outside the receiver describe them: satellites.xml and the
// DVB scan tables. Units are the tables' own (kHz, symbols per second); a field a table leaves
// out stays empty, so an update keeps what the record has there.
#pragma once

#include "chanforge/Records.h"
#include "policy/ProductKind.h"
#include "utils/Phrase.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace chanforge::transponders {

enum class Polarisation : std::uint8_t { Horizontal, Vertical, CircularLeft, CircularRight };
enum class DvbSystem : std::uint8_t { S, S2 };
enum class Modulation : std::uint8_t { Auto, Qpsk, Psk8, Qam16, Apsk16, Apsk32 };
enum class Pilot : std::uint8_t { Off, On, Auto };

/// Code rates numbered as satellites.xml numbers them; the scan tables name the same rates.
enum class Fec : std::uint8_t {
    Auto = 0,
    F1_2 = 1,
    F2_3 = 2,
    F3_4 = 3,
    F5_6 = 4,
    F7_8 = 5,
    F8_9 = 6,
    F3_5 = 7,
    F4_5 = 8,
    F9_10 = 9,
    F6_7 = 10,
    None = 15,
};

/// "1/2", "Auto" ...: the names the receiver's FEC lists use, so the two can be compared.
const char* FecName(Fec fec);
std::optional<Fec> FecFromCode(int code);

// Bounds that tell a value in the table's unit from one in another (MHz or Hz, kS/s).
inline constexpr std::uint32_t kMinSatelliteKHz = 1'000'000;
inline constexpr std::uint32_t kMaxSatelliteKHz = 30'000'000;
inline constexpr std::uint32_t kMinSymbolRate = 100'000;
inline constexpr std::uint32_t kMaxSymbolRate = 65'535'000; ///< what a record's kS/s can hold

/// Carriers below this are C band; a satellite's list keeps C and Ku band apart.
inline constexpr std::uint32_t kCBandTopKHz = 5'000'000;

struct Carrier {
    std::uint32_t frequencyKHz = 0;
    std::uint32_t symbolRate = 0; ///< symbols per second
    Polarisation polarisation = Polarisation::Horizontal;
    std::optional<Fec> fec;
    std::optional<DvbSystem> system;
    std::optional<Modulation> modulation;
    std::optional<Pilot> pilot;
    std::size_t line = 0; ///< where the table gives it, 1-based
};

inline bool IsCBand(std::uint32_t frequencyKHz) {
    return frequencyKHz < kCBandTopKHz;
}

/// Cable constellations numbered as cables.xml and the cable records number them.
enum class Qam : std::uint8_t { Auto = 0, Q16 = 1, Q32 = 2, Q64 = 3, Q128 = 4, Q256 = 5 };

inline constexpr std::uint32_t kMinCableKHz = 40'000;
inline constexpr std::uint32_t kMaxCableKHz = 1'000'000;

struct CableCarrier {
    std::uint32_t frequencyKHz = 0;
    std::uint32_t symbolRate = 0; ///< symbols per second
    std::optional<Qam> qam;
    std::size_t line = 0;
};

/// One cable network of cables.xml, or the DVB-C blocks of one scan table.
struct SourceNetwork {
    std::string name; ///< UTF-8
    std::size_t line = 0;
    std::vector<CableCarrier> carriers;
};

/// Terrestrial fields as a multiplex record can keep them; what a table gives as Auto, or in a
/// value no record holds (4K, 256-QAM, 1/128 ...), stays empty so the record keeps its own.
enum class TerrestrialMode : std::uint8_t { K2 = 1, K8 = 2 };
enum class Constellation : std::uint8_t { Qpsk = 1, Qam16 = 2, Qam64 = 3 };
enum class CodeRate : std::uint8_t { R1_2 = 1, R2_3 = 2, R3_4 = 3, R5_6 = 4, R7_8 = 5 };
enum class Guard : std::uint8_t { G1_32 = 1, G1_16 = 2, G1_8 = 3, G1_4 = 4 };

inline constexpr std::uint32_t kMinTerrestrialKHz = 40'000;
inline constexpr std::uint32_t kMaxTerrestrialKHz = 1'000'000;

struct TerrestrialCarrier {
    std::uint32_t frequencyKHz = 0; ///< the centre frequency
    std::optional<TerrestrialMode> mode;
    std::optional<Constellation> constellation;
    std::optional<CodeRate> codeRate; ///< of the high-priority stream
    std::optional<Guard> guard;
    std::size_t line = 0;
};

/// One region of terrestrial.xml, or the DVB-T blocks of one scan table.
struct SourceRegion {
    std::string name; ///< UTF-8
    std::size_t line = 0;
    std::vector<TerrestrialCarrier> carriers;
};

struct SourceSatellite {
    std::string name;            ///< UTF-8
    std::optional<int> position; ///< tenths of a degree, west negative; unknown for a scan table
                                 ///< whose file name gives none
    std::size_t line = 0;
    std::vector<Carrier> carriers;
};

/// What one file gives.
struct Source {
    std::string file;
    std::vector<SourceSatellite> satellites;
    std::vector<SourceNetwork> cables;
    std::vector<SourceRegion> terrestrials;
    /// Carriers left out, each "file, line n: why" (a frequency in MHz, a symbol rate no carrier
    /// has): the tables in the field hold a few, and the rest of the table is still good.
    std::vector<utils::Phrase> skipped;
};

/// The record a carrier makes of base: every field the carrier gives is set as the product can
/// keep it, every other field stays. A code rate or system that already means the same (two
/// codes can both mean "Auto") is left as it is, so an update from the list's own export changes
/// nothing.
Transponder_Info_Tag Merge(const Transponder_Info_Tag& base, const Carrier& carrier,
                           const policy::ProductKind& product);
/// The carrier a record describes, in the tables' units.
Carrier CarrierOf(const Transponder_Info_Tag& tp, const policy::ProductKind& product);

/// The cable multiplex a carrier makes of base, as Merge does for a transponder: the
/// constellation as the product packs it (with the inversion bits beside it, or apart), kept
/// where the carrier gives none or Auto.
CableMux_Info_Tag MergeCable(const CableMux_Info_Tag& base, const CableCarrier& carrier,
                             const policy::ProductKind& product);
CableCarrier CableCarrierOf(const CableMux_Info_Tag& mux, const policy::ProductKind& product);

/// A terrestrial multiplex's settings (its MuxParams) with what the carrier gives; the channel
/// and the offset stay, as the raster places the carrier.
std::uint32_t MergeTerrestrial(std::uint32_t muxParams, const TerrestrialCarrier& carrier);
/// The carrier a multiplex describes: its frequency from the country's raster.
TerrestrialCarrier TerrestrialCarrierOf(const SMux_Info_Tag& mux);

/// Orbital position of a record (tenths, above 1800 westwards) as the tables give it (west
/// negative), and back.
int PositionOfDegree(std::uint16_t degree);
std::uint16_t DegreeOfPosition(int position);
/// "19.2E", "30W", "-30.0": an orbital position in degrees as the operator types it, in tenths
/// with west negative; empty when it is none.
std::optional<int> ParsePosition(const std::string& text);

} // namespace chanforge::transponders
