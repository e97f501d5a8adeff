// The compound file reader over arbitrary bytes: every stream it lists is read, and nothing it
// returns can be larger than the input.
#include "chanforge/xls/CompoundFile.h"

#include <cstdlib>

namespace xls = chanforge::xls;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> image(data, size);
    xls::CompoundFileReader reader;
    if (reader.Open(image) != xls::CfbResult::Ok)
        return 0;
    std::vector<std::uint8_t> out;
    for (const std::u16string& name : reader.StreamNames())
        if (reader.ReadStream(name, out) == xls::CfbResult::Ok && out.size() > size)
            std::abort();
    return 0;
}
