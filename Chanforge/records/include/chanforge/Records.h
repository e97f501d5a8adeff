// Record types of the channel database and the ids of the tables that hold them.
//
// Every library that touches records is built against this one definition. Records are plain,
// trivially copyable structures kept in host byte order; the flash byte order is applied only by
// the image codec. Each record begins with its RowID (1-based key in its table, 0 = none).
#pragma once

#include <cstdint>
#include <type_traits>

namespace chanforge {

/// Table ids: the first argument of every CQoDB operation.
enum TableId : std::uint8_t {
    kSatelliteTable = 0,
    kTerrestrialMuxTable = 1,
    kCableMuxTable = 2,
    kProviderTable = 3,
    kTransponderTable = 4,
    kChannelTable = 5,
    kFavoriteTable = 6,
    kScratchTable = 7, ///< channels while they are re-sorted; empty at rest
    kTableCount = 8,
};

/// Channel Attributes bits.
namespace attr {
inline constexpr std::uint16_t kGenreMask = 0x000F;
inline constexpr std::uint16_t kLocked = 0x0010;
inline constexpr std::uint16_t kScrambled = 0x0020;
inline constexpr std::uint16_t kSkipped = 0x0040;
inline constexpr std::uint16_t kTV = 0x0400;
inline constexpr std::uint16_t kRadio = 0x0800;
} // namespace attr

inline constexpr int kFavoriteGroupsMax = 32;
inline constexpr int kChannelNameSize = 255;

struct LNBSetting {
    std::uint16_t LowFrequency;  ///< MHz
    std::uint16_t HighFrequency; ///< MHz
    std::uint16_t MotorPos;
    std::uint8_t Switches; ///< bit 0 LNB power, bit 2 22 kHz, bits 4-5 tone burst
    std::uint8_t LNBLowType;
    std::uint8_t LNBHighType;
    std::uint16_t CKuSwitch; ///< one byte in flash
    std::uint8_t DiSEqCMode;
    std::uint8_t DiSEqCExtra; ///< two-tuner layout only
};

struct Satellite_Info_Tag {
    std::uint32_t RowID;
    LNBSetting Tuner[2];
    std::uint16_t Degree; ///< tenths of a degree; above 1800 is West (3600 - value)
    std::uint8_t SatByte46;
    std::uint8_t SatID;
    char Name[16];
    std::uint8_t SatTail;
};

struct Transponder_Info_Tag {
    std::uint32_t RowID;
    std::uint16_t Frequency;  ///< MHz
    std::uint16_t SymbolRate; ///< kS/s
    std::uint16_t TSID;
    std::uint16_t Drift;
    std::uint8_t PolFEC; ///< bit 0 horizontal, bits 4-7 FEC code
    std::uint8_t Signal;
    std::uint8_t
        SatID; ///< 0 = empty slot; 1 = terrestrial multiplex on terrestrial+satellite products
    std::uint8_t TPID;
    std::uint8_t TxMode; ///< low nibble system, high nibble pilot
    std::uint8_t Modulation;
    std::uint16_t Extra1;
    std::uint16_t Extra2;
    std::uint8_t Extra3;
    std::uint8_t Extra4;
};

struct SMux_Info_Tag {
    std::uint32_t RowID;
    std::uint32_t MuxParams; ///< mode, offset step, constellation, code rate, guard, priority
    std::uint16_t Word1;
    std::uint8_t MuxNameIndex;
    std::uint8_t Byte12;
    std::uint8_t Byte13;
    std::uint8_t SatID; ///< 0 in table 1; 1 for a multiplex kept in the transponder table
    std::uint8_t TPID;  ///< 1-based RF channel number; 0 = empty slot
    std::uint16_t Word2;
    std::uint16_t Word3;
    std::uint8_t Byte20;
    std::uint8_t Byte21;
};

inline constexpr int kCableMuxDataSize = 128;

struct CableMux_Info_Tag {
    std::uint32_t RowID;
    std::uint32_t Frequency;  ///< kHz
    std::uint16_t SymbolRate; ///< kS/s
    std::uint16_t TSID;
    std::uint16_t NetworkID;
    std::uint16_t OrgNetID;
    std::uint8_t MuxID; ///< 0 = empty slot
    std::uint8_t Modulation;
    std::uint8_t Invert;
    std::uint8_t Mark;
    std::uint8_t Data[kCableMuxDataSize]; ///< rest of the flash slot, carried unchanged
};

struct Broadcast_Info_Tag {
    std::uint32_t RowID;
    std::uint16_t BroadcastID;
    char Name[17];
    std::uint8_t Byte23;
};

struct Favorite_Info_Tag {
    std::uint32_t RowID; ///< group number 1..n
    char Name[20];
    std::uint8_t Byte19;
};

struct Channel_Info_Tag {
    std::uint32_t RowID;
    std::uint32_t CAS;
    std::uint32_t Favorite; ///< bit k-1 = member of favourite group k
    std::uint16_t ProgramNum;
    std::uint8_t SatID; ///< 1 for terrestrial channels; 0 = empty slot
    std::uint8_t TPID;
    std::uint16_t BroadcastID;
    std::uint16_t ServiceID;
    std::uint16_t VideoPID;
    std::uint16_t AudioPID;
    std::uint16_t PCRPID;
    std::uint16_t Attributes;
    std::uint8_t NumOfAudio;
    std::uint8_t NumOfSubTTX;
    char Name[kChannelNameSize];
    std::uint8_t CodeTable;
    std::uint8_t Tuner;
    std::uint8_t Record;
    std::uint16_t LogicalNumber;
    std::uint16_t FavoriteSlot[kFavoriteGroupsMax]; ///< entry k-1 = position in group k
    std::uint16_t ShowNum;
    std::uint8_t ParentRate;
    std::uint8_t StreamType;
    std::uint16_t OrgNetID;
    std::uint16_t NetworkID;
    std::uint16_t TSID;
    std::uint8_t VolOffset;
    std::uint8_t OrgMuxID;
    std::uint16_t NetNameID;
    std::uint8_t ServiceType;
};

/// Values kept beside the tables, set by a load and by the editors.
struct DocumentValues {
    std::uint16_t FavoriteHeader = 0;
    std::uint32_t SatTrailer1 = 0;
    std::uint32_t SatTrailer2 = 0;
    std::uint32_t SatTrailer3 = 0;
    std::uint32_t SatTrailer4 = 0;
    std::uint32_t MaxTPID = 0; ///< raised by loads and new transponders, never lowered
    std::uint32_t MaxTVNumber = 0;
    std::uint32_t MaxRadioNumber = 0;
};

inline bool IsTV(const Channel_Info_Tag& ch) {
    return (ch.Attributes & attr::kTV) != 0;
}
inline bool IsRadio(const Channel_Info_Tag& ch) {
    return (ch.Attributes & attr::kRadio) != 0;
}

// Row buffers are raw zero-filled byte arrays; the records must stay plain data for that.
static_assert(std::is_trivially_copyable_v<Satellite_Info_Tag>);
static_assert(std::is_trivially_copyable_v<Transponder_Info_Tag>);
static_assert(std::is_trivially_copyable_v<SMux_Info_Tag>);
static_assert(std::is_trivially_copyable_v<CableMux_Info_Tag>);
static_assert(std::is_trivially_copyable_v<Broadcast_Info_Tag>);
static_assert(std::is_trivially_copyable_v<Favorite_Info_Tag>);
static_assert(std::is_trivially_copyable_v<Channel_Info_Tag>);

} // namespace chanforge
