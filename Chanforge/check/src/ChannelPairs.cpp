#include "ChannelPairs.h"

#include "chanforge/TableAccess.h"

#include <algorithm>
#include <cstring>
#include <tuple>

namespace chanforge::check::detail {

namespace {

/// What a channel is wherever it is received: its kind and service, or its name without one.
std::tuple<bool, std::uint16_t, std::string> Service(const Channel_Info_Tag& ch) {
    return {IsTV(ch), ch.ServiceID,
            ch.ServiceID != 0 ? std::string()
                              : std::string(ch.Name, strnlen(ch.Name, sizeof ch.Name))};
}

constexpr std::uint16_t kKindBits = attr::kTV | attr::kRadio;
constexpr std::uint16_t kFlagBits = attr::kLocked | attr::kScrambled | attr::kSkipped;
constexpr std::uint16_t kGenreBits = 0x0F;

} // namespace

RowPairs PairAcrossPlaces(tabstore::CQoDB& a, std::vector<std::uint32_t>& onlyA, tabstore::CQoDB& b,
                          std::vector<std::uint32_t>& onlyB) {
    RowPairs pairs;
    const auto channel = [](tabstore::CQoDB& db, std::uint32_t row) -> const Channel_Info_Tag& {
        return *GetRow<Channel_Info_Tag>(db, kChannelTable, row);
    };
    std::vector<std::uint32_t> restA;
    for (std::uint32_t ra : onlyA) {
        const auto match = std::find_if(onlyB.begin(), onlyB.end(), [&](std::uint32_t rb) {
            return Service(channel(a, ra)) == Service(channel(b, rb));
        });
        if (match == onlyB.end()) {
            restA.push_back(ra);
            continue;
        }
        pairs.emplace_back(ra, *match);
        onlyB.erase(match);
    }
    onlyA = std::move(restA);
    return pairs;
}

std::vector<bool> KeptOrder(const std::vector<std::uint32_t>& sequence) {
    // tails[k]: index of the smallest last element of an increasing run of length k + 1.
    std::vector<std::size_t> tails, previous(sequence.size(), sequence.size());
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        const auto at = std::lower_bound(
            tails.begin(), tails.end(), sequence[i],
            [&](std::size_t t, std::uint32_t value) { return sequence[t] < value; });
        if (at != tails.begin())
            previous[i] = *(at - 1);
        if (at == tails.end())
            tails.push_back(i);
        else
            *at = i;
    }
    std::vector<bool> kept(sequence.size(), false);
    for (std::size_t i = tails.empty() ? sequence.size() : tails.back(); i < sequence.size();
         i = previous[i])
        kept[i] = true;
    return kept;
}

std::vector<FieldChange> OtherFieldChanges(const Channel_Info_Tag& x, const Channel_Info_Tag& y) {
    std::vector<FieldChange> out;
    const auto field = [&](const char* name, std::uint32_t before, std::uint32_t after) {
        if (before != after)
            out.push_back({name, before, after});
    };
    field("CAS", x.CAS, y.CAS);
    field("BroadcastID", x.BroadcastID, y.BroadcastID);
    field("ServiceID", x.ServiceID, y.ServiceID);
    field("VideoPID", x.VideoPID, y.VideoPID);
    field("AudioPID", x.AudioPID, y.AudioPID);
    field("PCRPID", x.PCRPID, y.PCRPID);
    field("Genre", x.Attributes & kGenreBits, y.Attributes & kGenreBits);
    const std::uint16_t rest = ~(kKindBits | kFlagBits | kGenreBits);
    field("Attributes", x.Attributes & rest, y.Attributes & rest);
    field("NumOfAudio", x.NumOfAudio, y.NumOfAudio);
    field("NumOfSubTTX", x.NumOfSubTTX, y.NumOfSubTTX);
    field("CodeTable", x.CodeTable, y.CodeTable);
    field("Tuner", x.Tuner, y.Tuner);
    field("Record", x.Record, y.Record);
    // A logical number that goes with the channel number moves with it: that is no change.
    if (x.LogicalNumber != x.ProgramNum || y.LogicalNumber != y.ProgramNum)
        field("LogicalNumber", x.LogicalNumber, y.LogicalNumber);
    for (std::size_t g = 0; g < kFavoriteGroupsMax; ++g)
        if (x.FavoriteSlot[g] != y.FavoriteSlot[g])
            out.push_back(
                {"FavoriteSlot[" + std::to_string(g) + "]", x.FavoriteSlot[g], y.FavoriteSlot[g]});
    field("ParentRate", x.ParentRate, y.ParentRate);
    field("StreamType", x.StreamType, y.StreamType);
    field("OrgNetID", x.OrgNetID, y.OrgNetID);
    field("NetworkID", x.NetworkID, y.NetworkID);
    field("TSID", x.TSID, y.TSID);
    field("VolOffset", x.VolOffset, y.VolOffset);
    field("OrgMuxID", x.OrgMuxID, y.OrgMuxID);
    field("NetNameID", x.NetNameID, y.NetNameID);
    field("ServiceType", x.ServiceType, y.ServiceType);
    return out;
}

} // namespace chanforge::check::detail
