#include "CliContext.h"

#include "policy/Policy.h"
#include "policy/Presets.h"
#include "utils/Report.h"

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

std::string FailureText(const chanforge::document::DocResult& result) {
    return result.detail.empty() ? result.message : result.message + " (" + result.detail + ")";
}

int Fail(const chanforge::document::DocResult& result) {
    return Fail(FailureText(result));
}

int Fail(const std::string& message) {
    utils::Report(utils::ReportLevel::Error, message);
    return kFailed;
}

} // namespace cli
