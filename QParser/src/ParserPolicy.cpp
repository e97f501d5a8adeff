#include "qparser/ParserPolicy.h"

#include "policy/Policy.h"
#include "policy/Presets.h"

namespace qparser {

namespace {
ParserBlock FromPreset(const policy::BlockInfo& block) {
    return {static_cast<std::uint32_t>(block.start), static_cast<std::uint32_t>(block.count),
            static_cast<std::uint32_t>(block.chunk)};
}
} // namespace

ParserPolicy StoredParserPolicy() {
    ParserPolicy p;
    p.receiveBlockSize = GetBufMaxSize();
    p.sendBlockSize = GetFlashBlockSize();
    p.startBlock = GetFlashStartBlock();
    p.checksumSize = GetBufChecksumSize();
    p.byteOrder = GetFlashByteOrder();
    p.sectorSize = GetFlashOneSectorSize();
    std::uint32_t extra = 0;
    GetFlashMMIBlockInfo(&p.mmi.start, &p.mmi.count, &p.mmi.chunk, &extra);
    GetFlashSatBlockInfo(&p.sat.start, &p.sat.count, &p.sat.chunk);
    GetFlashBrdBlockInfo(&p.brd.start, &p.brd.count, &p.brd.chunk);
    GetFlashTPBlockInfo(&p.tp.start, &p.tp.count, &p.tp.chunk);
    GetFlashMuxBlockInfo(&p.mux.start, &p.mux.count, &p.mux.chunk);
    GetFlashCHBlockInfo(&p.ch.start, &p.ch.count, &p.ch.chunk, &extra);
    return p;
}

ParserPolicy PresetParserPolicy(const policy::ProductPreset& preset) {
    // The values policy::WritePreset would store.
    ParserPolicy p = StoredParserPolicy();
    p.byteOrder = preset.byteOrder;
    p.startBlock = preset.startBlock;
    if (preset.checksumSize > 0)
        p.checksumSize = preset.checksumSize;
    p.mmi = FromPreset(preset.mmi);
    p.sat = FromPreset(preset.sat);
    p.brd = FromPreset(preset.brd);
    p.tp = FromPreset(preset.tp);
    p.ch = FromPreset(preset.ch);
    return p;
}

} // namespace qparser
