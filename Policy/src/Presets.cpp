#include "policy/Presets.h"

#include "policy/Policy.h"
#include "utils/Registry.h"

#include <array>

namespace policy {

namespace {

constexpr BlockInfo kMMI{0, 1, 20};
constexpr BlockInfo kSat44{4096, 1, 44};
constexpr BlockInfo kSat32{4096, 1, 32};
constexpr BlockInfo kBrd{8192, 2, 20};

constexpr std::array<ProductPreset, 5> kConfigurable{{
    {"A",
     "Model A Satellite 2Tuner",
     3,
     9,
     1,
     3520,
     kMMI,
     32,
     kSat44,
     kBrd,
     {16384, 4, 12},
     {49152, 40, 44},
     16,
     0},
    {"B",
     "Model B Combo(Satellite+Terrestrial)",
     4,
     11,
     1,
     3520,
     kMMI,
     32,
     kSat44,
     kBrd,
     {16384, 4, 12},
     {49152, 40, 44},
     16,
     0},
    {"C",
     "Model C Combo(Satellite+Terrestrial)",
     64,
     43,
     1,
     3520,
     kMMI,
     16,
     kSat44,
     kBrd,
     {16384, 4, 12},
     {49152, 80, 92},
     16,
     0},
    {"D",
     "Model D Satellite 1Tuner",
     7,
     1,
     0,
     3648,
     kMMI,
     8,
     kSat32,
     kBrd,
     {16384, 8, 14},
     {49152, 80, 44},
     16,
     0},
    {"E",
     "Model E Combo(Satellite+Terrestrial)",
     8,
     3,
     0,
     0,
     kMMI,
     8,
     kSat32,
     kBrd,
     {16384, 8, 14},
     {40960, 44, 44},
     16,
     0},
}};

constexpr ProductPreset kStartup{"default",
                                 "Chanforge for QSR-M5000/380/370HDIR - 8FAV",
                                 7,
                                 1,
                                 0,
                                 7744,
                                 kMMI,
                                 8,
                                 kSat32,
                                 kBrd,
                                 {16384, 8, 20},
                                 {49152, 64, 56},
                                 28,
                                 1};

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
