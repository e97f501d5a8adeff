#include "qparser/ParserPolicy.h"

#include "policy/Policy.h"
#include "policy/Presets.h"

namespace qparser {

ParserPolicy StoredParserPolicy() {
    ParserPolicy p;
    p.receiveBlockSize = GetBufMaxSize();
    p.sendBlockSize = GetFlashBlockSize();
    p.startBlock = GetFlashStartBlock();
    p.checksumSize = GetBufChecksumSize();
    p.byteOrder = GetFlashByteOrder();
    return p;
}

ParserPolicy PresetParserPolicy(const policy::ProductPreset& preset) {
    // The values policy::WritePreset would store.
    ParserPolicy p = StoredParserPolicy();
    p.byteOrder = preset.byteOrder;
    p.startBlock = preset.startBlock;
    if (preset.checksumSize > 0)
        p.checksumSize = preset.checksumSize;
    return p;
}

} // namespace qparser
