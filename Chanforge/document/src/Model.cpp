#include "chanforge/document/Model.h"

#include "policy/Policy.h"
#include "policy/Presets.h"

#include <array>

namespace chanforge::document {

namespace {

bool SameLayout(const codec::FlashLayout& a, const codec::FlashLayout& b) {
    const auto span = [](const codec::BlockSpan& s) {
        return std::array{s.start, s.count, s.chunk};
    };
    return a.product.list == b.product.list && a.product.type == b.product.type &&
           a.sectorSize == b.sectorSize && a.bigEndian == b.bigEndian &&
           span(a.mmi) == span(b.mmi) && a.favoriteCount == b.favoriteCount &&
           span(a.sat) == span(b.sat) && span(a.brd) == span(b.brd) && span(a.tp) == span(b.tp) &&
           span(a.ch) == span(b.ch) && a.nameLength == b.nameLength &&
           a.maxMuxCount == b.maxMuxCount;
}

const policy::ProductPreset* PresetOfLayout(const codec::FlashLayout& layout) {
    for (const policy::ProductPreset& preset : policy::ConfigurablePresets())
        if (SameLayout(layout, codec::FlashLayout::FromPreset(preset)))
            return &preset;
    const policy::ProductPreset& startup = policy::StartupPreset();
    return SameLayout(layout, codec::FlashLayout::FromPreset(startup)) ? &startup : nullptr;
}

std::string Text(std::string_view text) {
    return std::string(text);
}

} // namespace

Model Model::Stored() {
    // A product list of 0 names no model: nothing has been stored yet.
    if (GetProductList() == 0)
        return Of(policy::StartupPreset());
    return {codec::FlashLayout::FromPolicy(), qparser::StoredParserPolicy(),
            policy::StoredPreset()};
}

Model Model::Of(const policy::ProductPreset& preset) {
    return {codec::FlashLayout::FromPreset(preset), qparser::PresetParserPolicy(preset), &preset};
}

Model Model::OfLayout(const codec::FlashLayout& layout) {
    return {layout, qparser::StoredParserPolicy(), PresetOfLayout(layout)};
}

std::string Model::Name() const {
    return preset != nullptr ? Text(preset->name) : std::string();
}

std::string Model::Title() const {
    return preset != nullptr ? Text(preset->title) : std::string();
}

} // namespace chanforge::document
