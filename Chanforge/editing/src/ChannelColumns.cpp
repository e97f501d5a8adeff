#include "chanforge/editing/ChannelColumns.h"

#include "Rows.h"
#include "chanforge/editing/ChannelName.h"
#include "chanforge/editing/TextOrder.h"
#include "utils/Names.h"
#include "utils/Translatable.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstring>
#include <numeric>
#include <string_view>

namespace chanforge::editing {

namespace {

constexpr std::array<const char*, kChannelColumnCount> kHeaders = {
    "", CF_TR_NOOP("ChannelColumns", "Index"),
    //: Column header: the channel's position in the favourite group shown (a number).
    CF_TR_NOOP("ChannelColumns", "Fav"),
    //: Column header: id of the channel's satellite record. Keep it short.
    CF_TR_NOOP("ChannelColumns", "SatID"),
    //: Column header: id of the channel's transponder (carrier) record.
    CF_TR_NOOP("ChannelColumns", "TPID"),
    //: Column header: channel number (the receiver's programme number).
    CF_TR_NOOP("ChannelColumns", "CH#"), CF_TR_NOOP("ChannelColumns", "Name"),
    //: Column header: video packet id (PID) of the stream; usually kept as is.
    CF_TR_NOOP("ChannelColumns", "VPID"),
    //: Column header: audio packet id (PID) of the stream; usually kept as is.
    CF_TR_NOOP("ChannelColumns", "APID"), CF_TR_NOOP("ChannelColumns", "PCR-PID"),
    CF_TR_NOOP("ChannelColumns", "Genre"), "", "", "", ""};

const char* YesNo(std::uint16_t attributes, std::uint16_t bit) {
    return (attributes & bit) != 0 ? "Y" : "N";
}

std::string GroupList(std::uint32_t favorite) {
    std::string groups;
    for (int k = 1; k <= kFavoriteGroupsMax; ++k)
        if ((favorite & (std::uint32_t{1} << (k - 1))) != 0)
            groups += (groups.empty() ? "" : ",") + std::to_string(k);
    return groups;
}

/// Keeps the texts likely widest in a proportional font, at most kCandidates: a wide letter
/// counts more than a narrow one. The window measures these few instead of every row.
class Longest {
  public:
    void Offer(std::string_view text) {
        const int score = Score(text);
        if (kept_.size() == kCandidates && score <= kept_.back().first)
            return;
        for (const auto& [s, t] : kept_)
            if (t == text)
                return;
        kept_.emplace(std::upper_bound(kept_.begin(), kept_.end(), score,
                                       [](int v, const auto& k) { return v > k.first; }),
                      score, std::string(text));
        if (kept_.size() > kCandidates)
            kept_.pop_back();
    }
    std::vector<std::string> Take() {
        std::vector<std::string> texts;
        for (auto& [score, text] : kept_)
            texts.push_back(std::move(text));
        return texts;
    }

  private:
    static constexpr std::size_t kCandidates = 16;
    /// Roughly a letter's width in halves of an average one.
    static int Score(std::string_view text) {
        int score = 0;
        for (char c : text) {
            if ((static_cast<unsigned char>(c) & 0xC0) == 0x80)
                continue; // the rest of a UTF-8 character already counted
            score += std::strchr("ijlftrI.,:;!|' ", c) != nullptr ? 1
                     : std::strchr("MWmw@", c) != nullptr         ? 3
                                                                  : 2;
        }
        return score;
    }
    std::vector<std::pair<int, std::string>> kept_; ///< highest score first
};

std::string TunerText(const Channel_Info_Tag& ch, Product product) {
    char name[kNameBufferSize] = {};
    std::uint8_t tuner = ch.Tuner;
    if (product.UsesShowNum())
        tuner = ch.SatID == 1 ? 18 : 17;
    GetTunerName(tuner, name);
    return name;
}

} // namespace

const char* ChannelHeaderText(int column) {
    return column >= 0 && column < kChannelColumnCount ? kHeaders[column] : "";
}

bool ChannelColumnHidden(int column, bool simpleMode, Product product, bool tunerStored) {
    switch (column) {
    case kColFav:
    case kColIndex:
    case kColSatID:
    case kColTPID:
    case kColVPID:
    case kColAPID:
    case kColPCRPID:
        return simpleMode;
    case kColTuner:
        return !tunerStored && !product.UsesShowNum();
    default:
        return false;
    }
}

std::string ChannelCellText(const Channel_Info_Tag& ch, int column, Product product,
                            std::uint32_t favoriteGroup) {
    switch (column) {
    case kColIndex:
        return std::to_string(ch.RowID);
    case kColFav:
        if (favoriteGroup >= 1 && favoriteGroup <= kFavoriteGroupsMax)
            return std::to_string(ch.FavoriteSlot[favoriteGroup - 1]);
        return GroupList(ch.Favorite);
    case kColSatID:
        return std::to_string(ch.SatID);
    case kColTPID:
        return std::to_string(ch.TPID);
    case kColNumber:
        return std::to_string(product.UsesShowNum() ? ch.ShowNum : ch.ProgramNum);
    case kColName:
        return NameText(ch);
    case kColVPID:
        return std::to_string(ch.VideoPID);
    case kColAPID:
        return std::to_string(ch.AudioPID);
    case kColPCRPID:
        return std::to_string(ch.PCRPID);
    case kColGenre: {
        char name[kNameBufferSize] = {};
        GetGenreName(ch.Attributes & attr::kGenreMask, name);
        return name;
    }
    case kColCAS:
        return YesNo(ch.Attributes, attr::kScrambled);
    case kColLocked:
        return YesNo(ch.Attributes, attr::kLocked);
    case kColSkipped:
        return YesNo(ch.Attributes, attr::kSkipped);
    case kColTuner:
        return TunerText(ch, product);
    default:
        return {};
    }
}

std::vector<std::vector<std::string>> LongestCellTexts(tabstore::CQoDB& db,
                                                       const std::vector<std::uint32_t>& rows,
                                                       Product product,
                                                       std::uint32_t favoriteGroup) {
    // Numbers grow no shorter with their value: the largest stands for its column.
    std::array<std::uint32_t, kChannelColumnCount> largest{};
    std::bitset<16> genres;
    std::bitset<256> tuners;
    Longest names, groups;
    const Channel_Info_Tag* example = nullptr; // for the texts that depend on a channel
    const auto keep = [&](int column, std::uint32_t value) {
        largest[column] = std::max(largest[column], value);
    };
    for (std::uint32_t key : rows) {
        const Channel_Info_Tag* ch = rows::Channel(db, key);
        if (ch == nullptr)
            continue;
        example = ch;
        keep(kColIndex, ch->RowID);
        keep(kColSatID, ch->SatID);
        keep(kColTPID, ch->TPID);
        keep(kColNumber, product.UsesShowNum() ? ch->ShowNum : ch->ProgramNum);
        keep(kColVPID, ch->VideoPID);
        keep(kColAPID, ch->AudioPID);
        keep(kColPCRPID, ch->PCRPID);
        if (favoriteGroup >= 1 && favoriteGroup <= kFavoriteGroupsMax)
            keep(kColFav, ch->FavoriteSlot[favoriteGroup - 1]);
        else
            groups.Offer(GroupList(ch->Favorite));
        names.Offer(NameText(*ch));
        genres.set(ch->Attributes & attr::kGenreMask);
        tuners.set(ch->Tuner);
    }
    std::vector<std::vector<std::string>> out(kChannelColumnCount);
    if (example == nullptr)
        return out;
    out[kColRowNumber] = {std::to_string(rows.size())};
    for (int column : {kColIndex, kColSatID, kColTPID, kColNumber, kColVPID, kColAPID, kColPCRPID})
        out[column] = {std::to_string(largest[column])};
    out[kColFav] = favoriteGroup >= 1 && favoriteGroup <= kFavoriteGroupsMax
                       ? std::vector<std::string>{std::to_string(largest[kColFav])}
                       : groups.Take();
    out[kColName] = names.Take();
    Longest genreNames, tunerNames;
    for (std::uint16_t g = 0; g < genres.size(); ++g)
        if (genres[g]) {
            char name[kNameBufferSize] = {};
            GetGenreName(g, name);
            genreNames.Offer(name);
        }
    for (std::size_t t = 0; t < tuners.size(); ++t)
        if (tuners[t]) {
            Channel_Info_Tag probe = *example;
            probe.Tuner = static_cast<std::uint8_t>(t);
            for (std::uint8_t sat : {std::uint8_t{1}, std::uint8_t{2}}) { // both sides of ShowNum
                probe.SatID = sat;
                tunerNames.Offer(TunerText(probe, product));
            }
        }
    out[kColGenre] = genreNames.Take();
    out[kColTuner] = tunerNames.Take();
    for (int column : {kColCAS, kColLocked, kColSkipped})
        out[column] = {"Y", "N"};
    return out;
}

void SortByColumnText(tabstore::CQoDB& db, std::vector<std::uint32_t>& keys, int column,
                      bool descending, Product product, std::uint32_t favoriteGroup) {
    // Texts are made once per row: a comparison sort would otherwise format them n log n times.
    std::vector<std::string> texts(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (const auto* ch = rows::Channel(db, keys[i]))
            texts[i] = ChannelCellText(*ch, column, product, favoriteGroup);
    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return descending ? NaturalLess(texts[b], texts[a]) : NaturalLess(texts[a], texts[b]);
    });
    std::vector<std::uint32_t> sorted;
    sorted.reserve(keys.size());
    for (std::size_t i : order)
        sorted.push_back(keys[i]);
    keys.swap(sorted);
}

} // namespace chanforge::editing
