// Transponder, terrestrial multiplex and cable slots.
#include "Slots.h"
#include "chanforge/codec/TransponderMux.h"

namespace chanforge::codec::detail {

namespace {

bool HasTransponderExtension(const FlashLayout& layout) {
    return layout.product.ExtendedTransponders();
}

} // namespace

void DecodeTransponder(const SlotIn& in, const FlashLayout& layout, Transponder_Info_Tag& tp) {
    if (layout.product.Terrestrial() && in.U8(10) == 1) {
        std::uint8_t packed[4];
        in.Bytes(0, packed, 4);
        TransponderMux mux;
        mux.MuxParams = UnpackMuxParams(packed, in.BigEndian());
        mux.Word1 = in.U16(4);
        mux.Byte6 = in.U8(6);
        mux.MuxNameIndex = in.U8(7);
        mux.Byte12 = in.U8(8);
        mux.Byte13 = in.U8(9);
        mux.SatID = 1;
        mux.TPID = in.U8(11);
        WriteTransponderMux(mux, tp);
    } else {
        tp.Frequency = in.U16(0);
        tp.SymbolRate = in.U16(2);
        tp.TSID = in.U16(4);
        tp.Drift = in.U16(6);
        tp.PolFEC = in.U8(8);
        tp.Signal = in.U8(9);
        tp.SatID = in.U8(10);
        tp.TPID = in.U8(11);
    }
    if (!HasTransponderExtension(layout))
        return;
    tp.TxMode = in.U8(12);
    tp.Modulation = in.U8(13);
    tp.Extra1 = in.U16(14);
    tp.Extra2 = in.U16(16);
    tp.Extra3 = in.U8(18);
    tp.Extra4 = in.U8(19);
}

void EncodeTransponder(const Transponder_Info_Tag& tp, const FlashLayout& layout, SlotOut& out) {
    if (HoldsMux(tp, layout.product)) {
        const TransponderMux mux = ReadTransponderMux(tp);
        std::uint8_t packed[4];
        PackMuxParams(mux.MuxParams, out.BigEndian(), packed);
        out.Bytes(0, packed, 4);
        out.U16(4, mux.Word1);
        out.U8(6, mux.Byte6);
        out.U8(7, mux.MuxNameIndex);
        out.U8(8, mux.Byte12);
        out.U8(9, mux.Byte13);
        out.U8(10, 1);
        out.U8(11, mux.TPID);
    } else {
        out.U16(0, tp.Frequency);
        out.U16(2, tp.SymbolRate);
        out.U16(4, tp.TSID);
        out.U16(6, tp.Drift);
        out.U8(8, tp.PolFEC);
        out.U8(9, tp.Signal);
        out.U8(10, tp.SatID);
        out.U8(11, tp.TPID);
    }
    if (!HasTransponderExtension(layout))
        return;
    out.U8(12, tp.TxMode);
    out.U8(13, tp.Modulation);
    out.U16(14, tp.Extra1);
    out.U16(16, tp.Extra2);
    out.U8(18, tp.Extra3);
    out.U8(19, tp.Extra4);
}

void DecodeTerrestrialMux(const SlotIn& in, SMux_Info_Tag& mux) {
    std::uint8_t packed[4];
    in.Bytes(0, packed, 4);
    mux.MuxParams = UnpackMuxParams(packed, in.BigEndian());
    mux.Word1 = in.U16(4);
    mux.Word2 = in.U16(6);
    mux.Word3 = in.U16(8);
    mux.TPID = in.U8(10);
    mux.MuxNameIndex = in.U8(11);
    mux.Byte12 = in.U8(12);
    mux.Byte13 = in.U8(13);
    mux.Byte20 = in.U8(14);
    mux.Byte21 = in.U8(15);
}

void DecodeCable(const SlotIn& in, CableMux_Info_Tag& cab) {
    cab.Frequency = in.U32(0);
    cab.TSID = in.U16(4);
    cab.SymbolRate = in.U16(6);
    cab.Modulation = in.U8(8);
    cab.Mark = in.U8(9);
    cab.Invert = in.U8(10);
    cab.MuxID = in.U8(11);
    in.Bytes(12, cab.Data, sizeof cab.Data);
}

void EncodeCable(const CableMux_Info_Tag& cab, SlotOut& out) {
    out.U32(0, cab.Frequency);
    out.U16(4, cab.TSID);
    out.U16(6, cab.SymbolRate);
    out.U8(8, cab.Modulation);
    out.U8(9, cab.Mark);
    out.U8(10, cab.Invert);
    out.U8(11, cab.MuxID);
    out.Bytes(12, cab.Data, sizeof cab.Data);
}

void DecodeCombinedCable(const SlotIn& in, CableMux_Info_Tag& cab) {
    cab.Frequency = in.U32(0);
    cab.SymbolRate = in.U16(4);
    cab.TSID = in.U16(6);
    cab.NetworkID = in.U16(8);
    cab.OrgNetID = in.U16(10);
    cab.MuxID = in.U8(12);
    cab.Modulation = in.U8(13);
    cab.Invert = in.U8(14);
    cab.Mark = in.U8(15);
}

void EncodeCombinedCable(const CableMux_Info_Tag& cab, SlotOut& out) {
    out.U32(0, cab.Frequency);
    out.U16(4, cab.SymbolRate);
    out.U16(6, cab.TSID);
    out.U16(8, cab.NetworkID);
    out.U16(10, cab.OrgNetID);
    out.U8(12, cab.MuxID);
    out.U8(13, cab.Modulation);
    out.U8(14, cab.Invert);
    out.U8(15, cab.Mark);
}

} // namespace chanforge::codec::detail
