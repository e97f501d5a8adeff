// models, policy show, policy set.
#include "Commands.h"

#include "policy/Policy.h"
#include "policy/Presets.h"

#include <cstdint>
#include <cstdio>
#include <utility>

namespace cli {

namespace {

void PrintPreset(const policy::ProductPreset& p) {
    std::printf("%-8s list %-3d type %-3d %.*s\n", std::string(p.name).c_str(), p.productList,
                p.productType, static_cast<int>(p.title.size()), p.title.data());
}

void PrintValue(const char* name, long long value) {
    std::printf("%s = %lld\n", name, value);
}

using BlockGetter = int (*)(std::uint32_t*, std::uint32_t*, std::uint32_t*);

void PrintBlock(const char* block, BlockGetter get) {
    std::uint32_t start = 0, count = 0, chunk = 0;
    get(&start, &count, &chunk);
    const std::string prefix = std::string("Flash ") + block;
    PrintValue((prefix + " Start Position").c_str(), start);
    PrintValue((prefix + " Total Count").c_str(), count);
    PrintValue((prefix + " Chunk Size").c_str(), chunk);
}

} // namespace

int RunModels() {
    for (const policy::ProductPreset& p : policy::ConfigurablePresets())
        PrintPreset(p);
    PrintPreset(policy::StartupPreset());
    return kOk;
}

int RunPolicyShow() {
    const std::pair<const char*, int (*)()> single[] = {
        {"Product Type", &GetProductType},
        {"Product List", &GetProductList},
        {"Flexgrid Column", &GetGridColumn},
        {"Flash Write Start Block", &GetFlashStartBlock},
        {"Flash Write Block Size", &GetFlashBlockSize},
        {"Flash Write Request Block", &GetFlashRequestBlock},
        {"Flash One Sector Size", &GetFlashOneSectorSize},
        {"Flash Byte Order", &GetFlashByteOrder},
        {"Flash MAX Mux Count", &GetFlashMaxMuxCount},
        {"Flash Mailbox Count", &GetFlashMailboxCount},
        {"CheckSum Data Size", &GetBufChecksumSize},
        {"MAX Buffer Size", &GetBufMaxSize},
    };
    for (const auto& [name, get] : single)
        PrintValue(name, get());

    std::uint32_t start = 0, count = 0, chunk = 0, extra = 0;
    GetFlashMMIBlockInfo(&start, &count, &chunk, &extra);
    PrintValue("Flash MMI Start Position", start);
    PrintValue("Flash MMI Total Count", count);
    PrintValue("Flash MMI Chunk Size", chunk);
    PrintValue("Flash Favorite Count", extra);
    PrintBlock("SAT", &GetFlashSatBlockInfo);
    PrintBlock("BRD", &GetFlashBrdBlockInfo);
    PrintBlock("TP", &GetFlashTPBlockInfo);
    GetFlashCHBlockInfo(&start, &count, &chunk, &extra);
    PrintValue("Flash CH Start Position", start);
    PrintValue("Flash CH Total Count", count);
    PrintValue("Flash CH Chunk Size", chunk);
    PrintValue("Flash CH Name Length", extra);
    PrintBlock("MUX", &GetFlashMuxBlockInfo);
    return kOk;
}

int RunPolicySet(const std::string& name) {
    const policy::ProductPreset* preset = policy::FindPreset(name);
    if (preset == nullptr)
        return Fail("Unknown model " + name);
    // The configuration dialog keeps the grid column choice the operator made.
    if (!policy::SelectPreset(*preset, GetGridColumn()))
        return Fail("Cannot store the policy");
    return kOk;
}

} // namespace cli
