// The receiver models the program knows, as named data: the configuration dialog, the main
// window and the command line all take them from here.
#pragma once

#include "policy/ProductKind.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace policy {

struct BlockInfo {
    int start; ///< byte offset in the flash image
    int count; ///< sectors
    int chunk; ///< bytes per record slot
};

struct ProductPreset {
    std::string_view name;  ///< command-line name: "A".."E" or "default"
    std::string_view title; ///< what the configuration dialog and the title bar show
    int productList;        ///< the model number the record layouts are chosen by
    int productType;        ///< ProductTypeBit set; ask ProductKind, never the bits
    int byteOrder;          ///< 0 little-endian image, otherwise big-endian
    int startBlock;         ///< flash block a transfer starts at
    BlockInfo mmi;          ///< favourite groups
    int favorites;          ///< favourite groups the model keeps
    BlockInfo sat;          ///< satellites
    BlockInfo brd;          ///< providers
    BlockInfo tp;           ///< transponders
    BlockInfo ch;           ///< channels
    int nameLength;         ///< bytes of a channel name in its slot
    int checksumSize = 0;   ///< written only when > 0 (the start-up policy); 0 keeps the default

    ProductKind Kind() const { return {productList, productType}; }
};

/// The five models of the configuration dialog, in its order.
std::span<const ProductPreset> ConfigurablePresets();
/// The policy the main window starts with when no product has been stored yet.
const ProductPreset& StartupPreset();
/// A preset by its command-line name (A..E, default); null when unknown.
const ProductPreset* FindPreset(std::string_view name);

/// Writes the preset's values to the store (1 on success, 0 on failure).
int WritePreset(const ProductPreset& preset);
/// As the configuration dialog does: removes every stored value first (serial settings
/// included), then writes the preset and the grid column set (0 Simple, 1 Detail).
int SelectPreset(const ProductPreset& preset, int gridColumn);
/// Writes the start-up preset only when no product has been stored yet; true if it wrote.
bool EnsureStartupPolicy();
/// The stored model: the preset whose list and type match the store, else null.
const ProductPreset* StoredPreset();

} // namespace policy
