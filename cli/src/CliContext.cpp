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

int Fail(const chanforge::document::DocResult& result) {
    std::string message = result.message;
    if (!result.detail.empty())
        message += " (" + result.detail + ")";
    return Fail(message);
}

int Fail(const std::string& message) {
    utils::Report(utils::ReportLevel::Error, message);
    return kFailed;
}

} // namespace cli
