// A channel described by what it carries rather than where it sits in a table: the carrier,
// the DVB ids, the name and kind. Both a reference list and the open database are read into this
// form, so the matcher compares like with like whatever model or file each came from.
#pragma once

#include "chanforge/Records.h"
#include "chanforge/codec/FlashLayout.h"
#include "tabstore/QoDB.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace chanforge::reference {

enum class Delivery : std::uint8_t { Unknown, Satellite, Terrestrial, Cable };

struct Carrier {
    Delivery delivery = Delivery::Unknown;
    std::uint16_t degree = 0; ///< satellite: orbital position in tenths of a degree
    bool horizontal = false;  ///< satellite polarisation
    std::uint32_t kHz = 0;    ///< carrier frequency
};

/// TV and radio as the numbering counts them; a text list does not say.
enum class Kind : std::uint8_t { TV, Radio, Unknown };

/// What applying a reference copies besides the number: favourites, locks and skips.
struct Marks {
    std::uint32_t favorite = 0;                                ///< bit k-1: member of group k
    std::array<std::uint16_t, kFavoriteGroupsMax> positions{}; ///< 0 where none is kept
    bool locked = false;
    bool skipped = false;
};

struct Service {
    std::uint32_t row = 0;      ///< RowID of the channel; the line for a text list entry
    std::uint16_t number = 0;   ///< 0 where unknown
    std::string name;           ///< UTF-8: a channel's name read through its code table
    std::uint8_t codeTable = 0; ///< a channel's code table (what its name is stored in)
    Kind kind = Kind::Unknown;
    bool scrambled = false;
    Carrier carrier;
    std::uint16_t sid = 0; ///< 0 where unknown
    std::uint16_t tsid = 0;
    std::uint16_t onid = 0;
    Marks marks;
};

/// The kind a channel is numbered with: TV when it has the TV flag, else radio.
Kind KindOf(const Channel_Info_Tag& ch);

/// Every channel of `channels` in table order, its carrier and transport stream read from the
/// delivery tables of `delivery` (the same store, or the open database for a workbook whose
/// rows name its satellites and transponders) as `layout`'s model keeps them.
std::vector<Service> ServicesOf(tabstore::CQoDB& channels, tabstore::CQoDB& delivery,
                                const codec::FlashLayout& layout);

/// Favourite groups the model keeps (and so membership bits it can store).
std::uint32_t FavoriteGroupLimit(const codec::FlashLayout& layout);

} // namespace chanforge::reference
