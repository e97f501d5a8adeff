// What the grids' filter shows, in words, for the status bar.
#pragma once

#include "chanforge/editing/ChannelFilter.h"
#include "utils/Phrase.h"

#include <string>

namespace chanforge::editing {

/// "All channels", "Satellite Astra 19.2E", "Satellite Astra 19.2E · transponder 11,836 H",
/// "Provider ARD", "Favourite group News", "Genre Sports" ... A record that is gone is named
/// by its kind alone. Texts of the context "FilterText", for the window to translate.
utils::Phrase FilterPhrase(tabstore::CQoDB& db, const ChannelFilter& filter, Product product);

/// The same in English, UTF-8 throughout, names included.
std::string FilterText(tabstore::CQoDB& db, const ChannelFilter& filter, Product product);

} // namespace chanforge::editing
