// Sample databases of publicly known satellites, transponders and free-to-air services, in the
// flash layout of any model: what the build ships as samples and the virtual receiver serves.
#pragma once

#include "chanforge/codec/FlashLayout.h"

#include <cstdint>
#include <string>
#include <vector>

namespace samplegen {

using chanforge::codec::FlashLayout;

/// A channel file of the layout's flash image: erased flash with the sample tables written in.
/// False (with the codec's reason in error) when the layout cannot hold them.
bool BuildImage(const FlashLayout& layout, std::vector<std::uint8_t>& file, std::string* error);

/// The receiver's own form: a version header (magic, version text, start block) and the image.
std::vector<std::uint8_t> AsVersionFile(const std::vector<std::uint8_t>& channelFile,
                                        int startBlock);

} // namespace samplegen
