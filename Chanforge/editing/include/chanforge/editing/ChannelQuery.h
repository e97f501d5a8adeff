// The filter bar over the channel grids: what the operator asks of a channel's name, delivery,
// provider and flags. It narrows the rows the left-hand panes select (ChannelFilter); the grid
// commands then act on what is selected among the rows left.
#pragma once

#include "chanforge/editing/ChannelEdits.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace chanforge::editing {

/// A yes-or-no property: either, only with it, or only without it.
enum class Want { Any, Yes, No };
enum class KindWant { Any, TV, Radio };
enum class GroupWant { Any, Group, AnyGroup, NoGroup };

/// The transponder or multiplex a channel names: (SatID, TPID); satId 0 names a multiplex by
/// its TPID (or a cable multiplex by its MuxID) alone.
struct Carrier {
    std::uint8_t satId = 0;
    std::uint8_t tpid = 0;
    friend bool operator==(const Carrier&, const Carrier&) = default;
};

struct ChannelQuery {
    std::string text;            ///< UTF-8; empty: any name
    bool regex = false;          ///< text is a regular expression, else a part of the name
    std::uint32_t satellite = 0; ///< a SatID; 0: any
    std::optional<Carrier> carrier;
    std::optional<std::uint16_t> provider; ///< a BroadcastID
    KindWant kind = KindWant::Any;
    Want scrambled = Want::Any;
    Want locked = Want::Any;
    Want skipped = Want::Any;
    GroupWant group = GroupWant::Any;
    std::uint32_t favorite = 0; ///< group number k (1-based) for GroupWant::Group

    /// True when the query lets every channel through.
    bool Empty() const;
    friend bool operator==(const ChannelQuery&, const ChannelQuery&) = default;
};

/// A query made ready to match many channels. Names match without regard to case, a regular
/// expression anywhere in the name.
class [[nodiscard]] CompiledQuery {
  public:
    bool ok() const { return error_.empty(); }
    /// Why the regular expression is not one; empty when ok().
    const std::string& Error() const { return error_; }
    /// False for every channel when the query did not compile.
    bool Matches(const Channel_Info_Tag& ch) const;

  private:
    friend CompiledQuery Compile(const ChannelQuery& query);
    struct Pattern;
    ChannelQuery query_;
    std::shared_ptr<const Pattern> pattern_;
    std::string error_;
};

CompiledQuery Compile(const ChannelQuery& query);

/// The rows (in their order) whose channels match.
RowIds Narrow(tabstore::CQoDB& db, const RowIds& rows, const CompiledQuery& query);

} // namespace chanforge::editing
