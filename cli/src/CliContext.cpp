#include "CliContext.h"

#include "chanforge/check/Unresolved.h"
#include "policy/Policy.h"
#include "policy/Presets.h"
#include "utils/Registry.h"
#include "utils/Report.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace cli {

using chanforge::codec::FlashLayout;

FlashLayout Context::Layout() const {
    if (!model.empty())
        return FlashLayout::FromPreset(*policy::FindPreset(model));
    // A product list of 0 names no model: nothing has been stored yet.
    if (GetProductList() == 0)
        return FlashLayout::FromPreset(policy::StartupPreset());
    return FlashLayout::FromPolicy();
}

bool Context::UseSettings(SettingsUse use) const {
    utils::SetSettingsPath(settings);
    if (const std::string problem = utils::SettingsStoreProblem(); !problem.empty()) {
        Fail(problem);
        return false;
    }
    utils::SetSettingsReadOnly(use == SettingsUse::ReadOnly);
    return true;
}

void OnRun(CLI::App* cmd, Context& ctx, std::function<int(const Context&)> run,
           SettingsUse settings) {
    cmd->callback([&ctx, run = std::move(run), settings] {
        if (!ctx.UseSettings(settings)) {
            ctx.status = kUsage;
            return;
        }
        const unsigned failedBefore = utils::FailedSettingsWrites();
        ctx.status = run(ctx);
        // A setting that did not reach the store fails the command, whatever else went well.
        if (ctx.status == kOk && utils::FailedSettingsWrites() != failedBefore)
            ctx.status = kFailed;
    });
}

std::vector<std::string> ModelNames() {
    std::vector<std::string> names;
    for (const auto& p : policy::ConfigurablePresets())
        names.emplace_back(p.name);
    names.emplace_back(policy::StartupPreset().name);
    return names;
}

void Context::Configure(chanforge::document::Document& doc) const {
    const bool answer = yes;
    doc.SetQuestionHandler([answer](const std::string&) { return answer; });
}

std::optional<OpenFailure> Context::OpenFiles(chanforge::document::Document& doc,
                                              const std::vector<std::string>& files) const {
    Configure(doc);
    for (const std::string& file : files)
        if (chanforge::document::DocResult result = doc.Open(file); !result.ok())
            return OpenFailure{file, std::move(result)};
    return std::nullopt;
}

namespace {

/// The sentence for the channels of a workbook that name records the database lacks; empty
/// when no workbook was among the files or every channel resolves.
std::string UnresolvedSentence(chanforge::document::Document& doc,
                               const std::vector<std::string>& files) {
    if (std::none_of(files.begin(), files.end(), chanforge::document::IsChannelSheetPath))
        return {};
    const std::size_t count =
        chanforge::check::UnresolvedChannels(doc.Store(), doc.Values(), doc.Layout()).size();
    if (count == 0)
        return {};
    return chanforge::check::UnresolvedChannelsPhrase(count).English();
}

} // namespace

bool Context::AcceptUnresolvedChannels(chanforge::document::Document& doc,
                                       const std::vector<std::string>& files) const {
    const std::string sentence = UnresolvedSentence(doc, files);
    if (sentence.empty())
        return true;
    utils::Report(yes ? utils::ReportLevel::Information : utils::ReportLevel::Error, sentence);
    return yes;
}

void Context::WarnUnresolvedChannels(chanforge::document::Document& doc,
                                     const std::vector<std::string>& files) const {
    if (const std::string sentence = UnresolvedSentence(doc, files); !sentence.empty())
        utils::Report(utils::ReportLevel::Information, sentence);
}

std::string FailureText(const chanforge::document::DocResult& result) {
    std::string text =
        result.detail.empty() ? result.message : result.message + " (" + result.detail + ")";
    // The sentence names the model; the command line also says how to choose it.
    if (result.status == chanforge::document::DocStatus::OtherModel &&
        !result.likelyModels.empty() && !result.likelyModels.front().empty())
        text += " Open it with --model " + result.likelyModels.front() + ".";
    return text;
}

int Fail(const chanforge::document::DocResult& result) {
    return Fail(FailureText(result));
}

int Fail(const std::string& message) {
    utils::Report(utils::ReportLevel::Error, message);
    return kFailed;
}

} // namespace cli
