// The product policy a parser works with, as plain values: the caller reads it once (from the
// stored settings, or a model's preset laid over them) so the parser never reads the settings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace policy {
struct ProductPreset;
}

namespace qparser {

struct ParserPolicy {
    int receiveBlockSize = 1024; ///< bytes of a block coming down
    int sendBlockSize = 1024;    ///< bytes of a block going up
    int startBlock = 0;
    int checksumSize = 1;
    int byteOrder = 0;
};

/// The stored policy.
ParserPolicy StoredParserPolicy();
/// The stored policy with the preset's values over it, as if the preset were stored.
ParserPolicy PresetParserPolicy(const policy::ProductPreset& preset);

/// What the receiver said about itself during a receive, for the caller to store; empty where
/// it said nothing yet.
struct ReceiverFacts {
    std::optional<std::string> version;
    std::optional<int> startBlock;
    std::optional<int> requestBlock;
};

} // namespace qparser
