// A database moved to the flash layout of another receiver model: a blank image of that model
// filled with these records, through the same check as Save. Where the model cannot hold some
// records the move is refused with each loss named, unless the operator lets them go.
#pragma once

#include "chanforge/Records.h"
#include "chanforge/codec/FlashLayout.h"
#include "tabstore/QoDB.h"
#include "utils/Phrase.h"
#include "utils/Translatable.h"

#include <cstdint>
#include <string>
#include <vector>

namespace chanforge::convert {

/// One record a loss names, as the operator knows it.
struct LostRecord {
    std::uint32_t row = 0;
    std::string name; ///< as text (UTF-8, a channel's through its code table); empty: no name
    std::string kept; ///< a name cut to the other model's slot: what stays of it, as text
    std::uint16_t number = 0; ///< channels: their number
    bool radio = false;       ///< channels: radio rather than TV
};

/// Records the other model cannot hold, in the terms of a check finding.
struct Loss {
    TableId table = kChannelTable;
    std::vector<std::uint32_t> rows; ///< RowIDs in the database being moved
    utils::Phrase message;
    std::vector<LostRecord> records{}; ///< each of rows, in their order
};

enum class ConvertStatus { Ok, WouldLose, Failed };

inline constexpr const char* kWouldLoseMessage =
    CF_TR_NOOP("Convert", "The other model cannot hold every record of this database");

struct [[nodiscard]] ConvertResult {
    ConvertStatus status = ConvertStatus::Ok;
    std::vector<Loss> losses; ///< what was refused, or with dropExtra what was dropped
    std::string message;      ///< the operator's text when not ok
    std::string detail;

    bool ok() const { return status == ConvertStatus::Ok; }
};

struct Database {
    tabstore::CQoDB& db;
    const DocumentValues& values;
    const codec::FlashLayout& layout; ///< the model the database is open under
};

/// Writes the database to path in target's layout. With losses and without dropExtra nothing is
/// written and the losses are named; with dropExtra they are dropped from the copy written (the
/// open database is only read) and still named. An existing file is replaced only on success.
/// Moved from one tuner to two, each satellite's second tuner takes the settings of its first
/// (both usually hang on the same dish), never zeros no LNB has.
ConvertResult SaveForModel(const Database& source, const codec::FlashLayout& target, bool dropExtra,
                           const std::string& path);

/// The losses alone, for a preview: what SaveForModel would refuse.
std::vector<Loss> LossesForModel(const Database& source, const codec::FlashLayout& target);

/// The database as the target model holds it: its records in that layout, every loss dropped
/// from them and named.
struct ModelCopy {
    tabstore::CQoDB db;
    DocumentValues values;
    std::vector<Loss> losses;
};

/// Fills out with the copy SaveForModel would write; false when no blank image of the target
/// could be made.
bool CopyForModel(const Database& source, const codec::FlashLayout& target, ModelCopy& out);

} // namespace chanforge::convert
