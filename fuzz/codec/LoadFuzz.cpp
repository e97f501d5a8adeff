// Feeds arbitrary files to the channel-file loader under every model's layout, and writes back
// whatever loaded. The first byte picks the layout.
#include "chanforge/codec/FlashImageCodec.h"
#include "policy/Presets.h"
#include "tabstore/QoDB.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

using chanforge::codec::FlashLayout;

/// A preset shrunk to 256-byte sectors so that small inputs reach every block.
FlashLayout Scaled(FlashLayout l) {
    l.sectorSize = 256;
    for (auto* b : {&l.mmi, &l.sat, &l.brd, &l.tp, &l.ch}) {
        b->start /= 16;
        if (b->count > 4)
            b->count = 4;
    }
    return l;
}

std::vector<FlashLayout> Layouts() {
    std::vector<FlashLayout> out;
    std::vector<const policy::ProductPreset*> presets;
    for (const auto& p : policy::ConfigurablePresets())
        presets.push_back(&p);
    presets.push_back(&policy::StartupPreset());
    for (const auto* p : presets) {
        out.push_back(FlashLayout::FromPreset(*p));
        out.push_back(Scaled(FlashLayout::FromPreset(*p)));
    }
    // Layouts no preset has: list 9, the terrestrial block, cable, the combined block of list 10.
    FlashLayout list9 = Scaled(FlashLayout::FromPreset(*presets[3]));
    list9.product.list = 9;
    list9.product.type = 1 | 16;
    out.push_back(list9);
    FlashLayout terrestrial = list9;
    terrestrial.product.type = 2;
    terrestrial.maxMuxCount = 5;
    out.push_back(terrestrial);
    FlashLayout cable = list9;
    cable.product.list = 6;
    cable.product.type = 4;
    out.push_back(cable);
    for (bool bigEndian : {false, true}) {
        FlashLayout combined = list9;
        combined.product.list = 10;
        combined.product.type = 5 | 16;
        combined.bigEndian = bigEndian;
        combined.tp = {256, 20, 16};
        combined.brd = {0, 10, 20};
        combined.ch = {0, 30, 50};
        out.push_back(combined);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<FlashLayout> layouts = Layouts();
    if (size == 0)
        return 0;
    const FlashLayout& layout = layouts[data[0] % layouts.size()];
    std::vector<std::uint8_t> file(data + 1, data + size);
    // Full-size presets get the input as the start of an otherwise blank image.
    if (layout.sectorSize == 4096 && file.size() < layout.ImageSize() + 86)
        file.resize(layout.ImageSize() + 86, 0);

    tabstore::CQoDB db;
    chanforge::DocumentValues values;
    chanforge::codec::HeaderState header;
    const chanforge::codec::FlashImageCodec codec(layout);
    const bool yes = (data[0] / layouts.size()) % 2 == 1;
    if (!codec.Load(file, {db, values, header}, [yes] { return yes; }).ok())
        return 0;
    // What loaded must write back, and what is written must load again.
    if (!codec.Save(file, header.versionFile, {db, values, header}).ok())
        return 0;
    db.ClearAll();
    if (!codec.Load(file, {db, values, header}, [] { return true; }).ok())
        std::abort();
    return 0;
}
