// Record <-> slot conversions, one per slot layout of the flash image.
#pragma once

#include "SlotIO.h"
#include "chanforge/Records.h"
#include "chanforge/codec/FlashLayout.h"

namespace chanforge::codec::detail {

void DecodeFavorite(const SlotIn& in, Favorite_Info_Tag& fav);
void EncodeFavorite(const Favorite_Info_Tag& fav, SlotOut& out);

void DecodeSatellite(const SlotIn& in, bool twoTuner, Satellite_Info_Tag& sat);
void EncodeSatellite(const Satellite_Info_Tag& sat, bool twoTuner, SlotOut& out);

void DecodeProvider(const SlotIn& in, Broadcast_Info_Tag& brd);
void EncodeProvider(const Broadcast_Info_Tag& brd, SlotOut& out);

/// Transponder slot; a multiplex (terrestrial tuner, SatID 1) in its own arrangement; the list
/// 7/8 extension only on those lists.
void DecodeTransponder(const SlotIn& in, const FlashLayout& layout, Transponder_Info_Tag& tp);
void EncodeTransponder(const Transponder_Info_Tag& tp, const FlashLayout& layout, SlotOut& out);

/// Multiplex slot of the terrestrial block (read only: that block is never rewritten).
void DecodeTerrestrialMux(const SlotIn& in, SMux_Info_Tag& mux);

void DecodeCable(const SlotIn& in, CableMux_Info_Tag& cab);
void EncodeCable(const CableMux_Info_Tag& cab, SlotOut& out);
/// Cable slot of the combined block of list 10.
void DecodeCombinedCable(const SlotIn& in, CableMux_Info_Tag& cab);
void EncodeCombinedCable(const CableMux_Info_Tag& cab, SlotOut& out);

using ChannelLayout = policy::ChannelSlotLayout;
ChannelLayout ChannelLayoutOf(const FlashLayout& layout);
void DecodeChannel(const SlotIn& in, const FlashLayout& layout, ChannelLayout kind,
                   Channel_Info_Tag& ch);
void EncodeChannel(const Channel_Info_Tag& ch, const FlashLayout& layout, ChannelLayout kind,
                   SlotOut& out);

} // namespace chanforge::codec::detail
