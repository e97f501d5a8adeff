// models, policy show, policy set.
#include "Commands.h"
#include "Printf.h"

#include "policy/Policy.h"
#include "policy/Presets.h"

#include <CLI/CLI.hpp>

#include <cstdint>
#include <memory>
#include <utility>

namespace cli {

namespace {

void PrintPreset(std::ostream& out, const policy::ProductPreset& p) {
    Printf(out, "%-8s list %-3d type %-3d %.*s\n", std::string(p.name).c_str(), p.productList,
           p.productType, static_cast<int>(p.title.size()), p.title.data());
}

void PrintValue(std::ostream& out, const char* name, long long value) {
    Printf(out, "%s = %lld\n", name, value);
}

using BlockGetter = int (*)(std::uint32_t*, std::uint32_t*, std::uint32_t*);

void PrintBlock(std::ostream& out, const char* block, BlockGetter get) {
    std::uint32_t start = 0, count = 0, chunk = 0;
    get(&start, &count, &chunk);
    const std::string prefix = std::string("Flash ") + block;
    PrintValue(out, (prefix + " Start Position").c_str(), start);
    PrintValue(out, (prefix + " Total Count").c_str(), count);
    PrintValue(out, (prefix + " Chunk Size").c_str(), chunk);
}

int RunModels(std::ostream& out) {
    for (const policy::ProductPreset& p : policy::ConfigurablePresets())
        PrintPreset(out, p);
    PrintPreset(out, policy::StartupPreset());
    return kOk;
}

int RunPolicyShow(std::ostream& out) {
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
        PrintValue(out, name, get());

    std::uint32_t start = 0, count = 0, chunk = 0, extra = 0;
    GetFlashMMIBlockInfo(&start, &count, &chunk, &extra);
    PrintValue(out, "Flash MMI Start Position", start);
    PrintValue(out, "Flash MMI Total Count", count);
    PrintValue(out, "Flash MMI Chunk Size", chunk);
    PrintValue(out, "Flash Favorite Count", extra);
    PrintBlock(out, "SAT", &GetFlashSatBlockInfo);
    PrintBlock(out, "BRD", &GetFlashBrdBlockInfo);
    PrintBlock(out, "TP", &GetFlashTPBlockInfo);
    GetFlashCHBlockInfo(&start, &count, &chunk, &extra);
    PrintValue(out, "Flash CH Start Position", start);
    PrintValue(out, "Flash CH Total Count", count);
    PrintValue(out, "Flash CH Chunk Size", chunk);
    PrintValue(out, "Flash CH Name Length", extra);
    PrintBlock(out, "MUX", &GetFlashMuxBlockInfo);
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

} // namespace

void RegisterModelCommands(CLI::App& app, Context& ctx) {
    OnRun(app.add_subcommand("models", "list the model names"), ctx,
          [](const Context& c) { return RunModels(c.Out()); });
    CLI::App* policyCmd = app.add_subcommand("policy", "show or set the stored product policy");
    policyCmd->require_subcommand(1);
    OnRun(policyCmd->add_subcommand("show", "print the stored policy values"), ctx,
          [](const Context& c) { return RunPolicyShow(c.Out()); });
    auto name = std::make_shared<std::string>();
    CLI::App* policySet = policyCmd->add_subcommand("set", "store a model's policy");
    policySet->add_option("NAME", *name, "model name")
        ->required()
        ->check(CLI::IsMember(ModelNames()));
    OnRun(
        policySet, ctx, [name](const Context&) { return RunPolicySet(*name); },
        SettingsUse::Stores);
}

} // namespace cli
