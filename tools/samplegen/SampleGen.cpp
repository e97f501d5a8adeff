// chanforge-samplegen OUTDIR: writes a sample database for every receiver model, as the build
// does, so that the programs have something real-looking to open.
#include "policy/Presets.h"
#include "samplegen/SampleImage.h"
#include "utils/Files.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    return utils::ReplaceFile(path, bytes).ok();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: chanforge-samplegen OUTDIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    std::vector<const policy::ProductPreset*> models;
    for (const auto& p : policy::ConfigurablePresets())
        models.push_back(&p);
    models.push_back(&policy::StartupPreset());
    for (const policy::ProductPreset* p : models) {
        std::vector<std::uint8_t> file;
        const std::string base = dir + "/model-" + std::string(p->name);
        std::string error;
        if (!samplegen::BuildImage(chanforge::codec::FlashLayout::FromPreset(*p), file, &error)) {
            std::fprintf(stderr, "samplegen: model %.*s: %s\n", static_cast<int>(p->name.size()),
                         p->name.data(), error.c_str());
            return 1;
        }
        if (!Write(base + ".bin", file))
            return 1;
        if (p->name == "default" &&
            !Write(base + "-version.bin", samplegen::AsVersionFile(file, p->startBlock)))
            return 1;
    }
    return 0;
}
