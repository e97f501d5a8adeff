// The receiver model an open database belongs to: its flash layout and the values its transfers
// use. Taken once and held by the document, so everything that works on the database (editors,
// transfers, backups, title, print) uses the one model the tables were decoded with, whatever
// the settings say later.
#pragma once

#include "chanforge/codec/FlashLayout.h"
#include "qparser/ParserPolicy.h"

#include <string>

namespace policy {
struct ProductPreset;
}

namespace chanforge::document {

struct Model {
    codec::FlashLayout layout;
    qparser::ParserPolicy transfer; ///< block sizes, start block, checksum, byte order
    const policy::ProductPreset* preset = nullptr; ///< null where the settings hold no preset

    /// The model stored in the settings now; the start-up model where none is stored yet.
    static Model Stored();
    /// A model by its preset: the stored values it leaves out taken from the settings now.
    static Model Of(const policy::ProductPreset& preset);
    /// A layout alone (tests and tools): transfer values from the settings now, and the preset
    /// whose layout it is, if any.
    static Model OfLayout(const codec::FlashLayout& layout);

    /// "A" .. "E", "default"; empty without a preset.
    std::string Name() const;
    /// What the title bar shows of the model; empty without a preset.
    std::string Title() const;
};

} // namespace chanforge::document
