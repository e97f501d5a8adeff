// What the filter bar offers to choose from: the satellites, carriers, providers and favourite
// groups of the database, each with the text its list shows.
#pragma once

#include "chanforge/editing/ChannelQuery.h"
#include "utils/Phrase.h"

#include <string>
#include <vector>

namespace chanforge::editing {

struct Choice {
    std::string label;   ///< Latin-1 record names, as the lists show them
    std::uint32_t value; ///< SatID, BroadcastID or favourite group number
};

struct CarrierChoice {
    utils::Phrase label; ///< a multiplex says what it is; a transponder shows its satellite's name
    Carrier carrier;
};

struct FilterChoices {
    std::vector<Choice> satellites;
    std::vector<CarrierChoice> carriers; ///< transponders and multiplexes, in table order
    std::vector<Choice> providers;
    std::vector<Choice> groups;
};

FilterChoices ChoicesFor(tabstore::CQoDB& db, Product product);

} // namespace chanforge::editing
