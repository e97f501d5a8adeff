#include "stbsim/Simulator.h"

#include "chanforge/codec/ChannelFile.h"
#include "policy/Presets.h"
#include "samplegen/SampleImage.h"
#include "utils/Files.h"

#include <algorithm>
#include <cstdio>
#include <random>

namespace stbsim {

std::string LoadImage(const std::string& path, std::string* error) {
    std::vector<std::uint8_t> file;
    if (const utils::FileResult read = utils::ReadWholeFile(path, file); !read.ok()) {
        *error = "cannot read " + path + ": " + read.message;
        return {};
    }
    std::string bytes(file.begin(), file.end());
    if (bytes.size() >= 86 && bytes.compare(0, 4, "QP  ") == 0)
        bytes.erase(0, 86);
    bytes.resize((bytes.size() + 1023) / 1024 * 1024, '\0');
    return bytes;
}

std::string SampleFlash(const std::string& model, int blocks, std::string* error) {
    const policy::ProductPreset* preset = policy::FindPreset(model);
    std::vector<std::uint8_t> file;
    if (preset == nullptr ||
        !samplegen::BuildImage(chanforge::codec::FlashLayout::FromPreset(*preset), file, error)) {
        *error = "no sample database for model " + model + (error->empty() ? "" : ": " + *error);
        return {};
    }
    std::string image(file.begin() + chanforge::codec::kChannelHeaderSize, file.end());
    const std::size_t region = static_cast<std::size_t>(std::max(blocks, 0)) * 1024;
    image.resize(std::max(region, (image.size() + 1023) / 1024 * 1024), '\xFF');
    return image;
}

std::string GenerateImage(int blocks, unsigned seed) {
    std::mt19937 random(seed);
    std::string image(static_cast<std::size_t>(blocks) * 1024, '\0');
    for (char& byte : image)
        byte = static_cast<char>(random() & 0xFF);
    // Every block carries words and line ends the PC must take as data.
    static const std::string words = "PROMPT>\r\nack\r\nREQUEST_VERSION:\r\n\x1F"
                                     "DATNN";
    for (int k = 0; k < blocks; ++k)
        image.replace(static_cast<std::size_t>(k) * 1024 + 100, words.size(), words);
    return image;
}

bool StoreImage(const std::string& path, const std::string& image) {
    const std::string file = std::string("QP  \x50\0", 6) + std::string(80, '\0') + image;
    return utils::ReplaceFile(path,
                              {reinterpret_cast<const std::uint8_t*>(file.data()), file.size()})
        .ok();
}

} // namespace stbsim
