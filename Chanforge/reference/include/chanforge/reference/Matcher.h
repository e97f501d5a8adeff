// Finds, for each entry of a reference list, the channel of this database that carries the same
// service, and says how it was found.
#pragma once

#include "chanforge/reference/Service.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace chanforge::reference {

/// How an entry was matched, strongest first.
enum class Method : std::uint8_t {
    None,
    Carrier,     ///< same carrier (within the tolerance) and service id
    ServiceIds,  ///< service id with transport stream and original network id
    Name,        ///< the same name and kind
    NameVariant, ///< "X HD" for "X" or the other way round, no exact name being there
};

/// Satellite carriers a little apart are the same: lists are scanned at different times.
inline constexpr std::uint32_t kCarrierToleranceKHz = 3000;

struct Match {
    std::size_t channel = kNone; ///< index into the database's services
    Method method = Method::None;

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    bool found() const { return channel != kNone; }
    /// By name only: the operator should look at it.
    bool uncertain() const { return method == Method::Name || method == Method::NameVariant; }
};

/// One match per reference entry, in entry order. Each method runs over every entry before the
/// next weaker one, so a strong match is never taken away by a weaker one. Among candidates the
/// same kind wins, then free-to-air over scrambled, then a channel not matched yet; a channel
/// that only an already matched one could be is still named (the plan reports the clash).
std::vector<Match> MatchServices(std::span<const Service> reference,
                                 std::span<const Service> channels);

/// "carrier", "ids", "name", "name-variant" or "none", as scripts read it.
std::string_view MethodName(Method method);

} // namespace chanforge::reference
