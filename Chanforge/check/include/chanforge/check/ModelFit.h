// Which receiver model an image belongs to. An image carries no model: the same bytes decode
// under every model's layout, mostly as garbage. Each decode is scored by how much of it makes
// sense (names of text, frequencies in band, channels naming records that exist), and a file is
// opened under a model only when no other model makes more sense of it.
#pragma once

#include "chanforge/codec/FlashImage.h"
#include "chanforge/codec/FlashLayout.h"
#include "policy/Presets.h"
#include "tabstore/QoDB.h"
#include "utils/Phrase.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace chanforge::check {

struct RecordCounts {
    std::uint32_t satellites = 0;
    std::uint32_t transponders = 0; ///< satellite transponders (multiplexes kept there excluded)
    std::uint32_t multiplexes = 0;  ///< terrestrial multiplexes, wherever the model keeps them
    std::uint32_t cableMuxes = 0;
    std::uint32_t providers = 0;
    std::uint32_t tvChannels = 0;
    std::uint32_t radioChannels = 0;
    std::uint32_t favoriteGroups = 0;
};

/// What one layout makes of an image.
struct ModelFit {
    const policy::ProductPreset* preset = nullptr; ///< null for a layout that is no preset
    codec::CodecStatus status = codec::CodecStatus::Ok;
    std::string problem; ///< why it does not decode
    RecordCounts counts;
    /// Satellites, transponders, multiplexes, providers and channels; favourite groups sit at
    /// the same place in every model, so they tell nothing.
    std::uint32_t records = 0;
    std::uint32_t sound = 0;    ///< records that make sense and name records that exist
    std::uint32_t doubtful = 0; ///< records that make no sense under this layout
    // The rest name records the tables lack: a list may (a workbook's channels), so they count
    // neither way.

    bool Decodes() const { return status == codec::CodecStatus::Ok; }
    /// Sound records, less a penalty for each doubtful one.
    std::int64_t Score() const;
};

/// What the layout makes of the image (without its file header).
ModelFit FitImage(std::span<const std::uint8_t> image, const codec::FlashLayout& layout);

/// Every model's fit, most plausible first; models the image does not decode under come last.
std::vector<ModelFit> IdentifyImage(std::span<const std::uint8_t> image);

/// Whether an image may be opened under a layout.
struct ModelVerdict {
    ModelFit chosen;
    /// The models that make more sense of the image than the chosen layout, best first; empty
    /// when the chosen layout is (one of) the most plausible.
    std::vector<ModelFit> better;

    bool Fits() const { return better.empty(); }
};
/// chosen names the layout's model in the verdict's sentence (null: the configured model).
ModelVerdict JudgeModel(std::span<const std::uint8_t> image, const codec::FlashLayout& layout,
                        const policy::ProductPreset* chosen);
/// JudgeModel for an image already decoded under the layout: db holds what that decode read
/// and decoded says how it went, so the image is not decoded under that layout again.
ModelVerdict JudgeDecoded(std::span<const std::uint8_t> image, const codec::FlashLayout& layout,
                          const policy::ProductPreset* chosen, tabstore::CQoDB& db,
                          const codec::CodecResult& decoded);

/// "This file looks like a model D database, not model A: …", naming what each makes of it.
utils::Phrase OtherModelSentence(const ModelVerdict& verdict);

/// The model names of the verdict's better fits that tie with the best ("D", or "A" and "B").
std::vector<std::string> LikelyModels(const ModelVerdict& verdict);

} // namespace chanforge::check
