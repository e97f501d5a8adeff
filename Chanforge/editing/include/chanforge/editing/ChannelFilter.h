// Which channels a channel grid shows: the selection made in the left-hand panes.
#pragma once

#include "chanforge/editing/ChannelKind.h"
#include "chanforge/editing/Product.h"
#include "tabstore/QoDB.h"

#include <cstdint>
#include <vector>

namespace chanforge::editing {

enum class FilterMode : int {
    All = 0,
    Satellite = 1,
    Transponder = 2, ///< table 4 row, terrestrial TPID or cable table 2 row, by product
    TerrestrialMux = 3,
    Provider = 5,
    Favorite = 7,
    Genre = 8,
};

struct ChannelFilter {
    FilterMode mode = FilterMode::All;
    std::uint32_t satellite = 0;   ///< a SatID; 0 = any
    std::uint32_t transponder = 0; ///< key of the transponder or multiplex (see FilterMode)
    std::uint32_t provider = 0;    ///< provider RowID
    std::uint32_t favorite = 0;    ///< group number k, 1-based; 0 accepts every channel
    std::uint32_t genre = 0;       ///< genre code 0..15
};

ChannelFilter ShowAll();
/// satelliteRow: RowID of table 0; the filter keeps that satellite's SatID (0 when absent).
ChannelFilter ShowSatellite(tabstore::CQoDB& db, std::uint32_t satelliteRow);
ChannelFilter ShowTransponder(std::uint32_t key);
ChannelFilter ShowTerrestrialMux(std::uint32_t key);
/// The next three keep the terrestrial satellite filter (1) of the previous filter on products
/// with terrestrial reception, so that a combination product stays on its terrestrial side.
ChannelFilter ShowProvider(std::uint32_t providerRow, const ChannelFilter& previous,
                           Product product);
ChannelFilter ShowFavorite(std::uint32_t groupIndex, const ChannelFilter& previous,
                           Product product);
ChannelFilter ShowGenre(std::uint32_t genre, const ChannelFilter& previous, Product product);

/// Whether the grid of that kind shows the channel under the filter.
bool Accepts(tabstore::CQoDB& db, const Channel_Info_Tag& ch, ChannelKind kind,
             const ChannelFilter& filter, Product product);

/// The RowIDs a grid shows, in its initial order: by channel number (ShowNum on product list 8),
/// or by favourite position in a favourite view on products that keep positions.
std::vector<std::uint32_t> FillChannels(tabstore::CQoDB& db, ChannelKind kind,
                                        const ChannelFilter& filter, Product product);

/// The favourite group number shown by the filter, 0 outside favourite views.
inline std::uint32_t FavoriteGroupOf(const ChannelFilter& filter) {
    return filter.mode == FilterMode::Favorite ? filter.favorite : 0;
}

} // namespace chanforge::editing
