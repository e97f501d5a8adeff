#include "chanforge/editing/ChannelColumns.h"

#include "Rows.h"
#include "chanforge/editing/TextOrder.h"
#include "utils/Names.h"
#include "utils/Translatable.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace chanforge::editing {

namespace {

constexpr std::array<const char*, kChannelColumnCount> kHeaders = {
    "",
    CF_TR_NOOP("ChannelColumns", "Index"),
    CF_TR_NOOP("ChannelColumns", "Fav"),
    CF_TR_NOOP("ChannelColumns", "SatID"),
    CF_TR_NOOP("ChannelColumns", "TPID"),
    CF_TR_NOOP("ChannelColumns", "CH#"),
    CF_TR_NOOP("ChannelColumns", "Name"),
    CF_TR_NOOP("ChannelColumns", "VPID"),
    CF_TR_NOOP("ChannelColumns", "APID"),
    CF_TR_NOOP("ChannelColumns", "PCR-PID"),
    CF_TR_NOOP("ChannelColumns", "Genre"),
    "",
    "",
    "",
    ""};

const char* YesNo(std::uint16_t attributes, std::uint16_t bit) {
    return (attributes & bit) != 0 ? "Y" : "N";
}

std::string Name(const char* text, std::size_t size) {
    return std::string(text, strnlen(text, size));
}

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

bool ChannelColumnHidden(int column, bool simpleMode, Product product) {
    switch (column) {
    case kColFav:
        return true;
    case kColIndex:
    case kColSatID:
    case kColTPID:
    case kColVPID:
    case kColAPID:
    case kColPCRPID:
        return simpleMode;
    case kColTuner:
        return product.TerrestrialOrCable();
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
        if (favoriteGroup < 1 || favoriteGroup > kFavoriteGroupsMax)
            return {};
        return std::to_string(ch.FavoriteSlot[favoriteGroup - 1]);
    case kColSatID:
        return std::to_string(ch.SatID);
    case kColTPID:
        return std::to_string(ch.TPID);
    case kColNumber:
        return std::to_string(product.UsesShowNum() ? ch.ShowNum : ch.ProgramNum);
    case kColName:
        return Name(ch.Name, sizeof ch.Name);
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
