// Channel slots: layout A (lists 1 to 6 and 64), B (7, 8), C (9) and D (combined block of 10).
#include "Slots.h"

#include <algorithm>

namespace chanforge::codec::detail {

namespace {

// The record keeps room for a terminating NUL whatever the slot's name length says.
constexpr std::size_t kNameRoom = kChannelNameSize - 1;

std::size_t FavoriteSlotsOfLayoutA(const FlashLayout& layout) {
    return layout.product.WideFavoriteSlots();
}

std::size_t ShortFavoriteSlots(const FlashLayout& layout) {
    return layout.product.ShortFavoriteSlots();
}

/// length: the name bytes a save writes back, so the store never holds a byte the next save
/// drops (one-byte-mask layouts keep their field's last byte for the terminator).
void DecodeName(const SlotIn& in, std::size_t at, std::size_t length, Channel_Info_Tag& ch) {
    in.Bytes(at, ch.Name, std::min(length, kNameRoom));
}

void EncodeName(const Channel_Info_Tag& ch, std::size_t at, std::size_t length, SlotOut& out) {
    out.Bytes(at, ch.Name, std::min(length, sizeof ch.Name));
}

void DecodeFavoriteSlots(const SlotIn& in, std::size_t at, std::size_t n, Channel_Info_Tag& ch) {
    for (std::size_t i = 0; i < n; ++i)
        ch.FavoriteSlot[i] = in.U16(at + 2 * i);
}

void EncodeFavoriteSlots(const Channel_Info_Tag& ch, std::size_t at, std::size_t n, SlotOut& out) {
    for (std::size_t i = 0; i < n; ++i)
        out.U16(at + 2 * i, ch.FavoriteSlot[i]);
}

// The service block shared by layouts C and D: CAS .. Attributes at offsets 0 .. 23.
void DecodeServiceHead(const SlotIn& in, Channel_Info_Tag& ch) {
    ch.CAS = in.U32(0);
    ch.ProgramNum = in.U16(4);
    ch.LogicalNumber = in.U16(6);
    ch.OrgNetID = in.U16(8);
    ch.BroadcastID = in.U16(10);
    ch.TSID = in.U16(12);
    ch.ServiceID = in.U16(14);
    ch.VideoPID = in.U16(16);
    ch.AudioPID = in.U16(18);
    ch.PCRPID = in.U16(20);
    ch.Attributes = in.U16(22);
}

void EncodeServiceHead(const Channel_Info_Tag& ch, SlotOut& out) {
    out.U32(0, ch.CAS);
    out.U16(4, ch.ProgramNum);
    out.U16(6, ch.LogicalNumber);
    out.U16(8, ch.OrgNetID);
    out.U16(10, ch.BroadcastID);
    out.U16(12, ch.TSID);
    out.U16(14, ch.ServiceID);
    out.U16(16, ch.VideoPID);
    out.U16(18, ch.AudioPID);
    out.U16(20, ch.PCRPID);
    out.U16(22, ch.Attributes);
}

void DecodeLayoutA(const SlotIn& in, const FlashLayout& layout, Channel_Info_Tag& ch) {
    const std::size_t L = layout.nameLength;
    ch.CAS = in.U32(0);
    ch.Favorite = in.U32(4);
    ch.ProgramNum = in.U16(8);
    ch.SatID = in.U8(10);
    ch.TPID = in.U8(11);
    ch.BroadcastID = in.U16(12);
    ch.ServiceID = in.U16(14);
    ch.VideoPID = in.U16(16);
    ch.AudioPID = in.U16(18);
    ch.PCRPID = in.U16(20);
    ch.Attributes = in.U16(22);
    ch.NumOfAudio = in.U8(24);
    ch.NumOfSubTTX = in.U8(25);
    DecodeName(in, 26, L, ch);
    ch.CodeTable = in.U8(27 + L);
    ch.Tuner = in.U8(28 + L);
    ch.Record = in.U8(29 + L);
    DecodeFavoriteSlots(in, 30 + L, FavoriteSlotsOfLayoutA(layout), ch);
}

void EncodeLayoutA(const Channel_Info_Tag& ch, const FlashLayout& layout, SlotOut& out) {
    const std::size_t L = layout.nameLength;
    out.U32(0, ch.CAS);
    out.U32(4, ch.Favorite);
    out.U16(8, ch.ProgramNum);
    out.U8(10, ch.SatID);
    out.U8(11, ch.TPID);
    out.U16(12, ch.BroadcastID);
    out.U16(14, ch.ServiceID);
    out.U16(16, ch.VideoPID);
    out.U16(18, ch.AudioPID);
    out.U16(20, ch.PCRPID);
    out.U16(22, ch.Attributes);
    out.U8(24, ch.NumOfAudio);
    out.U8(25, ch.NumOfSubTTX);
    EncodeName(ch, 26, L, out);
    out.U8(27 + L, ch.CodeTable);
    out.U8(28 + L, ch.Tuner);
    out.U8(29 + L, ch.Record);
    EncodeFavoriteSlots(ch, 30 + L, FavoriteSlotsOfLayoutA(layout), out);
}

void DecodeLayoutB(const SlotIn& in, const FlashLayout& layout, Channel_Info_Tag& ch) {
    const std::size_t L = layout.nameLength;
    const std::size_t k = layout.product.UsesShowNum() ? 8 : 6;
    ch.CAS = in.U32(0);
    ch.ProgramNum = in.U16(4);
    if (layout.product.UsesShowNum()) {
        ch.ShowNum = in.U16(6);
        ch.ProgramNum = ch.ShowNum;
    }
    ch.SatID = in.U8(k);
    ch.TPID = in.U8(k + 1);
    ch.BroadcastID = in.U16(k + 2);
    ch.ServiceID = in.U16(k + 4);
    ch.VideoPID = in.U16(k + 6);
    ch.AudioPID = in.U16(k + 8);
    ch.PCRPID = in.U16(k + 10);
    ch.Attributes = in.U16(k + 12);
    ch.NumOfAudio = in.U8(k + 14);
    ch.NumOfSubTTX = in.U8(k + 15);
    DecodeName(in, k + 16, L - 1, ch);
    ch.CodeTable = in.U8(k + 16 + L);
    ch.Favorite = in.U8(k + 17 + L);
    ch.StreamType = in.U8(k + 18 + L);
    DecodeFavoriteSlots(in, k + 19 + L, ShortFavoriteSlots(layout), ch);
}

void EncodeLayoutB(const Channel_Info_Tag& ch, const FlashLayout& layout, SlotOut& out) {
    const std::size_t L = layout.nameLength;
    const std::size_t k = layout.product.UsesShowNum() ? 8 : 6;
    out.U32(0, ch.CAS);
    out.U16(4, ch.ProgramNum);
    if (layout.product.UsesShowNum())
        out.U16(6, ch.ShowNum);
    out.U8(k, ch.SatID);
    out.U8(k + 1, ch.TPID);
    out.U16(k + 2, ch.BroadcastID);
    out.U16(k + 4, ch.ServiceID);
    out.U16(k + 6, ch.VideoPID);
    out.U16(k + 8, ch.AudioPID);
    out.U16(k + 10, ch.PCRPID);
    out.U16(k + 12, ch.Attributes);
    out.U8(k + 14, ch.NumOfAudio);
    out.U8(k + 15, ch.NumOfSubTTX);
    // The last name byte of the slot stays 0 in layouts B, C and D.
    EncodeName(ch, k + 16, L - 1, out);
    out.U8(k + 16 + L, ch.CodeTable);
    out.U8(k + 17 + L, static_cast<std::uint8_t>(ch.Favorite));
    out.U8(k + 18 + L, ch.StreamType);
    EncodeFavoriteSlots(ch, k + 19 + L, ShortFavoriteSlots(layout), out);
}

void DecodeLayoutC(const SlotIn& in, const FlashLayout& layout, Channel_Info_Tag& ch) {
    const std::size_t L = layout.nameLength;
    DecodeServiceHead(in, ch);
    ch.Favorite = in.U8(24);
    ch.VolOffset = in.U8(25);
    ch.TPID = in.U8(26);
    ch.ParentRate = in.U8(27);
    ch.NumOfAudio = in.U8(28);
    ch.NumOfSubTTX = in.U8(29);
    ch.CodeTable = in.U8(30);
    ch.StreamType = in.U8(31);
    DecodeName(in, 32, L - 1, ch);
    ch.OrgMuxID = in.U8(32 + L);
    ch.NetNameID = in.U16(33 + L);
    DecodeFavoriteSlots(in, 35 + L, ShortFavoriteSlots(layout), ch);
    ch.SatID = 1;
}

void EncodeLayoutC(const Channel_Info_Tag& ch, const FlashLayout& layout, SlotOut& out) {
    const std::size_t L = layout.nameLength;
    EncodeServiceHead(ch, out);
    out.U8(24, static_cast<std::uint8_t>(ch.Favorite));
    out.U8(25, ch.VolOffset);
    out.U8(26, ch.TPID);
    out.U8(27, ch.ParentRate);
    out.U8(28, ch.NumOfAudio);
    out.U8(29, ch.NumOfSubTTX);
    out.U8(30, ch.CodeTable);
    out.U8(31, ch.StreamType);
    EncodeName(ch, 32, L - 1, out);
    out.U8(32 + L, ch.OrgMuxID);
    out.U16(33 + L, ch.NetNameID);
    EncodeFavoriteSlots(ch, 35 + L, ShortFavoriteSlots(layout), out);
}

void DecodeLayoutD(const SlotIn& in, const FlashLayout& layout, Channel_Info_Tag& ch) {
    const std::size_t L = layout.nameLength;
    DecodeServiceHead(in, ch);
    ch.TPID = in.U8(24);
    ch.ParentRate = in.U8(25);
    ch.NumOfAudio = in.U8(26);
    ch.NumOfSubTTX = in.U8(27);
    DecodeName(in, 28, L - 1, ch);
    ch.CodeTable = in.U8(28 + L);
    ch.Favorite = in.U8(29 + L);
    ch.VolOffset = in.U8(30 + L);
    ch.StreamType = in.U8(31 + L);
    DecodeFavoriteSlots(in, 32 + L, ShortFavoriteSlots(layout), ch);
}

void EncodeLayoutD(const Channel_Info_Tag& ch, const FlashLayout& layout, SlotOut& out) {
    const std::size_t L = layout.nameLength;
    EncodeServiceHead(ch, out);
    out.U8(24, ch.TPID);
    out.U8(25, ch.ParentRate);
    out.U8(26, ch.NumOfAudio);
    out.U8(27, ch.NumOfSubTTX);
    EncodeName(ch, 28, L - 1, out);
    out.U8(28 + L, ch.CodeTable);
    out.U8(29 + L, static_cast<std::uint8_t>(ch.Favorite));
    out.U8(30 + L, ch.VolOffset);
    out.U8(31 + L, ch.StreamType);
    EncodeFavoriteSlots(ch, 32 + L, ShortFavoriteSlots(layout), out);
}

} // namespace

ChannelLayout ChannelLayoutOf(const FlashLayout& layout) {
    return layout.product.ChannelSlots();
}

void DecodeChannel(const SlotIn& in, const FlashLayout& layout, ChannelLayout kind,
                   Channel_Info_Tag& ch) {
    switch (kind) {
    case ChannelLayout::A:
        DecodeLayoutA(in, layout, ch);
        break;
    case ChannelLayout::B:
        DecodeLayoutB(in, layout, ch);
        break;
    case ChannelLayout::C:
        DecodeLayoutC(in, layout, ch);
        break;
    case ChannelLayout::D:
        DecodeLayoutD(in, layout, ch);
        break;
    case ChannelLayout::None:
        break;
    }
}

void EncodeChannel(const Channel_Info_Tag& ch, const FlashLayout& layout, ChannelLayout kind,
                   SlotOut& out) {
    switch (kind) {
    case ChannelLayout::A:
        EncodeLayoutA(ch, layout, out);
        break;
    case ChannelLayout::B:
        EncodeLayoutB(ch, layout, out);
        break;
    case ChannelLayout::C:
        EncodeLayoutC(ch, layout, out);
        break;
    case ChannelLayout::D:
        EncodeLayoutD(ch, layout, out);
        break;
    case ChannelLayout::None:
        break;
    }
}

} // namespace chanforge::codec::detail
