// Favourite, satellite and provider slots.
#include "Slots.h"

namespace chanforge::codec::detail {

void DecodeFavorite(const SlotIn& in, Favorite_Info_Tag& fav) {
    in.Bytes(0, fav.Name, 19);
    fav.Byte19 = in.U8(19);
}

void EncodeFavorite(const Favorite_Info_Tag& fav, SlotOut& out) {
    out.Bytes(0, fav.Name, 19);
    out.U8(19, fav.Byte19);
}

namespace {

// Offsets of one tuner's LNB settings in the two-tuner slot (u16 words, then single bytes).
void DecodeTwoTunerLnb(const SlotIn& in, std::size_t at, LNBSetting& lnb) {
    lnb.LowFrequency = in.U16(at);
    lnb.HighFrequency = in.U16(at + 2);
    lnb.MotorPos = in.U16(at + 4);
    lnb.Switches = in.U8(at + 6);
    lnb.LNBLowType = in.U8(at + 7);
    lnb.LNBHighType = in.U8(at + 8);
    lnb.CKuSwitch = in.U8(at + 9);
    lnb.DiSEqCMode = in.U8(at + 10);
    lnb.DiSEqCExtra = in.U8(at + 11);
}

void EncodeTwoTunerLnb(const LNBSetting& lnb, std::size_t at, SlotOut& out) {
    out.U16(at, lnb.LowFrequency);
    out.U16(at + 2, lnb.HighFrequency);
    out.U16(at + 4, lnb.MotorPos);
    out.U8(at + 6, lnb.Switches);
    out.U8(at + 7, lnb.LNBLowType);
    out.U8(at + 8, lnb.LNBHighType);
    out.U8(at + 9, static_cast<std::uint8_t>(lnb.CKuSwitch));
    out.U8(at + 10, lnb.DiSEqCMode);
    out.U8(at + 11, lnb.DiSEqCExtra);
}

} // namespace

void DecodeSatellite(const SlotIn& in, bool twoTuner, Satellite_Info_Tag& sat) {
    if (twoTuner) {
        DecodeTwoTunerLnb(in, 0, sat.Tuner[0]);
        DecodeTwoTunerLnb(in, 12, sat.Tuner[1]);
        sat.Degree = in.U16(24);
        sat.SatByte46 = in.U8(26);
        sat.SatID = in.U8(27);
        in.Bytes(28, sat.Name, 15);
        sat.SatTail = in.U8(43);
        return;
    }
    LNBSetting& lnb = sat.Tuner[0];
    lnb.LowFrequency = in.U16(0);
    lnb.HighFrequency = in.U16(2);
    sat.Degree = in.U16(4);
    lnb.MotorPos = in.U16(6);
    lnb.Switches = in.U8(8);
    lnb.LNBLowType = in.U8(9);
    lnb.LNBHighType = in.U8(10);
    lnb.CKuSwitch = in.U8(11);
    lnb.DiSEqCMode = in.U8(12);
    sat.SatByte46 = in.U8(13);
    sat.SatID = in.U8(14);
    in.Bytes(15, sat.Name, 15);
    sat.SatTail = in.U8(31);
}

void EncodeSatellite(const Satellite_Info_Tag& sat, bool twoTuner, SlotOut& out) {
    if (twoTuner) {
        EncodeTwoTunerLnb(sat.Tuner[0], 0, out);
        EncodeTwoTunerLnb(sat.Tuner[1], 12, out);
        out.U16(24, sat.Degree);
        out.U8(26, sat.SatByte46);
        out.U8(27, sat.SatID);
        out.Bytes(28, sat.Name, 15);
        out.U8(43, sat.SatTail);
        return;
    }
    const LNBSetting& lnb = sat.Tuner[0];
    out.U16(0, lnb.LowFrequency);
    out.U16(2, lnb.HighFrequency);
    out.U16(4, sat.Degree);
    out.U16(6, lnb.MotorPos);
    out.U8(8, lnb.Switches);
    out.U8(9, lnb.LNBLowType);
    out.U8(10, lnb.LNBHighType);
    out.U8(11, static_cast<std::uint8_t>(lnb.CKuSwitch));
    out.U8(12, lnb.DiSEqCMode);
    out.U8(13, sat.SatByte46);
    out.U8(14, sat.SatID);
    out.Bytes(15, sat.Name, 15);
    out.U8(31, sat.SatTail);
}

void DecodeProvider(const SlotIn& in, Broadcast_Info_Tag& brd) {
    brd.BroadcastID = in.U16(0);
    // Byte 18 is the terminator place; a set byte there must not leave the name unterminated.
    in.Bytes(2, brd.Name, 16);
    brd.Name[16] = 0;
    brd.Byte23 = in.U8(19);
}

void EncodeProvider(const Broadcast_Info_Tag& brd, SlotOut& out) {
    out.U16(0, brd.BroadcastID);
    out.Bytes(2, brd.Name, 16);
    out.U8(19, brd.Byte23);
}

} // namespace chanforge::codec::detail
