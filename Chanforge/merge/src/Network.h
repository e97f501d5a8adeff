// Where an added channel's satellite, transponder (or multiplex) and provider are in the open
// database: the one already there for the same carrier, else a new one copied from the other
// list, planned once for every channel that needs it.
#pragma once

#include "chanforge/merge/Merge.h"

#include <cstdint>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

namespace chanforge::merge::detail {

struct Placement {
    std::uint8_t satId = 0;
    std::uint8_t tpId = 0;
    std::uint16_t broadcastId = 0;
};

class NetworkPlan {
  public:
    NetworkPlan(tabstore::CQoDB& db, const codec::FlashLayout& layout, const Incoming& incoming);

    /// Places the channel (its records in this model's layout), planning the records it needs
    /// into `created`; nothing is planned when it cannot be placed, and the reason is returned.
    std::optional<utils::Phrase> Place(const Channel_Info_Tag& ch, Placement& out,
                                       std::vector<NewRecord>& created);

  private:
    struct Carrier {
        std::uint16_t mhz = 0; ///< satellite transponders; kHz / 1000 for cable
        std::uint32_t kHz = 0;
        std::uint16_t symbolRate = 0;
        std::uint8_t polarisation = 0;
        std::uint8_t system = 0;
        std::uint8_t id = 0; ///< TPID or MuxID
    };
    /// One decision: an id here, and the record to create for it when it is not here yet.
    struct Step {
        std::uint16_t id = 0;
        std::optional<NewRecord> make;
    };
    using Result = std::optional<utils::Phrase>; ///< the reason it failed

    Result Satellite(std::uint8_t inSat, Step& out) const;
    Result Transponder(std::uint8_t inSat, std::uint8_t inTp, const Step& sat, Step& out) const;
    Result TerrestrialOne(std::uint8_t inTp, Step& out) const;
    Result TerrestrialTable(std::uint8_t inTp, Step& out) const;
    Result Cable(std::uint8_t inMux, Step& out) const;
    Result Provider(std::uint16_t inId, Step& out) const;
    Result Room(TableId table, std::uint64_t making) const;
    void Commit(std::uint8_t inSat, const Step& sat, std::uint16_t tpKey, const Step& tp,
                std::uint16_t inProvider, const Step& provider, std::vector<NewRecord>& created);

    const codec::FlashLayout& layout_;
    const Incoming& in_;
    std::map<TableId, std::uint64_t> rows_; ///< rows here, those planned included
    std::unordered_map<std::uint16_t, std::uint8_t> satByDegree_;
    bool hasTerrestrialOne_ = false;
    unsigned highestSat_ = 0;
    std::map<std::uint8_t, std::vector<Carrier>> transponders_; ///< by SatID
    std::map<std::uint8_t, unsigned> highestTp_;
    std::vector<Carrier> cable_;
    unsigned highestMux_ = 0;
    std::vector<bool> terrestrialHere_; ///< by TPID (RF channel)
    std::unordered_map<std::string, std::uint16_t> providerByName_;
    unsigned highestProvider_ = 0;
    /// What an incoming id became here, once decided.
    std::unordered_map<std::uint8_t, std::uint8_t> satOf_;
    std::unordered_map<std::uint16_t, std::uint8_t> tpOf_; ///< SatID << 8 | TPID
    std::unordered_map<std::uint16_t, std::uint16_t> providerOf_;
};

/// The satellite transponder's carrier is the same within a quarter of its symbol rate, which
/// never reaches the next carrier of the same polarisation.
std::uint32_t ToleranceKHz(std::uint16_t symbolRate);

} // namespace chanforge::merge::detail
