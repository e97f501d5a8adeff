// What every rule of a check shares: the store, the model's traits and the links from channels
// to the records they name, resolved once.
#pragma once

#include "chanforge/Records.h"
#include "chanforge/check/Findings.h"
#include "chanforge/codec/FlashLayout.h"
#include "tabstore/QoDB.h"
#include "utils/Phrase.h"
#include "utils/Translatable.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace chanforge::check::detail {

/// What the model stores, in the terms the rules ask about.
struct Model {
    bool satellite = false;
    bool terrestrial = false;
    bool cable = false;
    bool terrestrialOnly = false;       ///< multiplexes in table 1
    bool cableOnly = false;             ///< channels name cable multiplexes (table 2)
    std::uint32_t favoriteGroups = 0;   ///< groups (and membership bits) the receiver keeps
    std::uint32_t channelNameBytes = 0; ///< name bytes a channel slot keeps
};
Model ModelOf(const codec::FlashLayout& layout);

/// Where a channel's delivery reference leads.
enum class Link : std::uint8_t { Found, NoSatellite, NoTransponder, ForeignTransponder };

struct ChannelLink {
    std::uint32_t row = 0;
    Link link = Link::Found;
    std::uint8_t ownerSatID = 0; ///< for ForeignTransponder: the satellite the TPID belongs to
};

struct Context {
    tabstore::CQoDB& db;
    const DocumentValues& values;
    const codec::FlashLayout& layout;
    Model model;
    std::vector<ChannelLink> channelLinks; ///< one per channel, in table order
    std::bitset<65536> usedTransponders;   ///< SatID << 8 | TPID that channels name
    std::bitset<256> usedMuxes;            ///< multiplex TPIDs (or cable MuxIDs) channels name
    std::bitset<65536> providers;          ///< BroadcastIDs present
};

/// Builds the context: indexes the delivery tables and resolves every channel once.
void Resolve(Context& ctx);

/// A text of the check's messages (context "Check") with its arguments.
inline utils::Phrase Say(const char* source, std::vector<utils::Phrase> args = {}) {
    return {"Check", source, std::move(args)};
}
inline utils::Phrase Num(std::uint64_t n) {
    return utils::Phrase::Number(n);
}
/// `TV channel 2 "ZDF"`, as messages name a channel.
utils::Phrase DescribeChannel(const Channel_Info_Tag& ch);
/// A name up to its NUL or its field's end, as the receiver's bytes.
utils::Phrase NameOf(const char* name, std::size_t size);

void CheckReferences(Context& ctx, Findings& out);
void CheckDuplicates(Context& ctx, Findings& out);
void CheckNumbering(Context& ctx, Findings& out);
void CheckNames(Context& ctx, Findings& out);
void CheckFavorites(Context& ctx, Findings& out);
void CheckCapacity(Context& ctx, Findings& out);
void CheckUnused(Context& ctx, Findings& out);
void CheckIdRange(Context& ctx, Findings& out);

} // namespace chanforge::check::detail
