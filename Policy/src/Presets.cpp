#include "policy/Presets.h"

#include "policy/Policy.h"
#include "utils/Registry.h"

#include <array>

namespace policy {

namespace {

constexpr BlockInfo kMMI{.start = 0, .count = 1, .chunk = 20};
constexpr BlockInfo kSat44{.start = 4096, .count = 1, .chunk = 44};
constexpr BlockInfo kSat32{.start = 4096, .count = 1, .chunk = 32};
constexpr BlockInfo kBrd{.start = 8192, .count = 2, .chunk = 20};

constexpr std::array kConfigurable{
    ProductPreset{.name = "A",
                  .title = "Model A Satellite 2Tuner",
                  .productList = 3,
                  .productType = 9,
                  .byteOrder = 1,
                  .startBlock = 3520,
                  .mmi = kMMI,
                  .favorites = 32,
                  .sat = kSat44,
                  .brd = kBrd,
                  .tp = {.start = 16384, .count = 4, .chunk = 12},
                  .ch = {.start = 49152, .count = 40, .chunk = 44},
                  .nameLength = 16},
    ProductPreset{.name = "B",
                  .title = "Model B Combo(Satellite+Terrestrial)",
                  .productList = 4,
                  .productType = 11,
                  .byteOrder = 1,
                  .startBlock = 3520,
                  .mmi = kMMI,
                  .favorites = 32,
                  .sat = kSat44,
                  .brd = kBrd,
                  .tp = {.start = 16384, .count = 4, .chunk = 12},
                  .ch = {.start = 49152, .count = 40, .chunk = 44},
                  .nameLength = 16},
    ProductPreset{.name = "C",
                  .title = "Model C Combo(Satellite+Terrestrial)",
                  .productList = 64,
                  .productType = 43,
                  .byteOrder = 1,
                  .startBlock = 3520,
                  .mmi = kMMI,
                  .favorites = 16,
                  .sat = kSat44,
                  .brd = kBrd,
                  .tp = {.start = 16384, .count = 4, .chunk = 12},
                  .ch = {.start = 49152, .count = 80, .chunk = 92},
                  .nameLength = 16},
    ProductPreset{.name = "D",
                  .title = "Model D Satellite 1Tuner",
                  .productList = 7,
                  .productType = 1,
                  .byteOrder = 0,
                  .startBlock = 3648,
                  .mmi = kMMI,
                  .favorites = 8,
                  .sat = kSat32,
                  .brd = kBrd,
                  .tp = {.start = 16384, .count = 8, .chunk = 14},
                  .ch = {.start = 49152, .count = 80, .chunk = 44},
                  .nameLength = 16},
    ProductPreset{.name = "E",
                  .title = "Model E Combo(Satellite+Terrestrial)",
                  .productList = 8,
                  .productType = 3,
                  .byteOrder = 0,
                  .startBlock = 0,
                  .mmi = kMMI,
                  .favorites = 8,
                  .sat = kSat32,
                  .brd = kBrd,
                  .tp = {.start = 16384, .count = 8, .chunk = 14},
                  .ch = {.start = 40960, .count = 44, .chunk = 44},
                  .nameLength = 16},
};

constexpr ProductPreset kStartup{.name = "default",
                                 .title = "Chanforge for QSR-M5000/380/370HDIR - 8FAV",
                                 .productList = 7,
                                 .productType = 1,
                                 .byteOrder = 0,
                                 .startBlock = 7744,
                                 .mmi = kMMI,
                                 .favorites = 8,
                                 .sat = kSat32,
                                 .brd = kBrd,
                                 .tp = {.start = 16384, .count = 8, .chunk = 20},
                                 .ch = {.start = 49152, .count = 64, .chunk = 56},
                                 .nameLength = 28,
                                 .checksumSize = 1};

} // namespace

std::span<const ProductPreset> ConfigurablePresets() {
    return kConfigurable;
}

const ProductPreset& StartupPreset() {
    return kStartup;
}

const ProductPreset* FindPreset(std::string_view name) {
    if (name == kStartup.name)
        return &kStartup;
    for (const ProductPreset& preset : kConfigurable)
        if (preset.name == name)
            return &preset;
    return nullptr;
}

int WritePreset(const ProductPreset& p) {
    int ok = SetProductList(p.productList);
    ok &= SetProductType(p.productType);
    ok &= SetFlashByteOrder(p.byteOrder);
    ok &= SetFlashStartBlock(p.startBlock);
    if (p.checksumSize > 0)
        ok &= SetBufChecksumSize(p.checksumSize);
    ok &= SetFlashMMIBlockInfo(p.mmi.start, p.mmi.count, p.mmi.chunk, p.favorites);
    ok &= SetFlashSatBlockInfo(p.sat.start, p.sat.count, p.sat.chunk);
    ok &= SetFlashBrdBlockInfo(p.brd.start, p.brd.count, p.brd.chunk);
    ok &= SetFlashTPBlockInfo(p.tp.start, p.tp.count, p.tp.chunk);
    ok &= SetFlashCHBlockInfo(p.ch.start, p.ch.count, p.ch.chunk, p.nameLength);
    return ok;
}

int SelectPreset(const ProductPreset& preset, int gridColumn) {
    if (!DeleteRegistryKey(kChanforgeKey))
        return 0;
    return WritePreset(preset) & SetGridColumn(gridColumn == 0 ? 0 : 1);
}

bool EnsureStartupPolicy() {
    // A product list of 0 names no model: it is what a mere read of a fresh store leaves.
    if (GetProductList() != 0)
        return false;
    WritePreset(kStartup);
    return true;
}

namespace {
// Model D and the start-up policy share list and type; the transfer start block tells them apart.
bool IsStored(const ProductPreset& preset, int list, int type, int startBlock) {
    return preset.productList == list && preset.productType == type &&
           preset.startBlock == startBlock;
}
} // namespace

const ProductPreset* StoredPreset() {
    const int list = GetProductList();
    const int type = GetProductType();
    const int startBlock = GetFlashStartBlock();
    if (IsStored(kStartup, list, type, startBlock))
        return &kStartup;
    for (const ProductPreset& preset : kConfigurable)
        if (IsStored(preset, list, type, startBlock))
            return &preset;
    return nullptr;
}

} // namespace policy
