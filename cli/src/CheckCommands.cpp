// check and diff: the window's Check command and change summary for scripts.
#include "Commands.h"

#include "chanforge/check/Diff.h"
#include "chanforge/check/Validate.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <iostream>
#include <memory>

namespace cli {

namespace {

using chanforge::document::DocResult;
using chanforge::document::Document;
namespace check = chanforge::check;

std::unique_ptr<Document> OpenDocument(const Context& ctx,
                                       const chanforge::codec::FlashLayout& layout,
                                       const std::vector<std::string>& files, DocResult& result) {
    auto doc = std::make_unique<Document>([layout] { return layout; });
    ctx.Configure(*doc);
    result = doc->Open(files);
    return doc;
}

/// A diff side: one file, or several joined with "+" (unless that is the name of a file).
std::vector<std::string> SideFiles(const std::string& side) {
    std::error_code error;
    if (std::filesystem::exists(side, error))
        return {side};
    std::vector<std::string> files;
    std::size_t start = 0;
    for (std::size_t plus; (plus = side.find('+', start)) != std::string::npos; start = plus + 1)
        files.push_back(side.substr(start, plus - start));
    files.push_back(side.substr(start));
    return files;
}

std::string Rows(const std::vector<std::uint32_t>& rows) {
    std::string text;
    for (std::uint32_t row : rows)
        text += (text.empty() ? "" : ",") + std::to_string(row);
    return text;
}

void PrintFindings(const check::Findings& findings, bool json) {
    if (json) {
        nlohmann::ordered_json out = nlohmann::ordered_json::array();
        for (const check::Finding& f : findings)
            out.push_back({{"severity", check::SeverityName(f.severity)},
                           {"rule", check::RuleName(f.rule)},
                           {"table", check::TableName(f.table)},
                           {"rows", f.rows},
                           {"message", f.message}});
        std::cout << out.dump(2) << "\n";
        return;
    }
    for (const check::Finding& f : findings)
        std::cout << check::SeverityName(f.severity) << " " << check::RuleName(f.rule) << " "
                  << check::TableName(f.table) << (f.rows.empty() ? "" : " " + Rows(f.rows)) << ": "
                  << f.message << "\n";
}

void PrintChanges(const check::Changes& changes, bool json) {
    if (json) {
        nlohmann::ordered_json out = nlohmann::ordered_json::array();
        for (const check::Change& c : changes)
            out.push_back({{"table", check::TableName(c.table)},
                           {"change", check::ChangeKindName(c.kind)},
                           {"rowA", c.rowA},
                           {"rowB", c.rowB},
                           {"message", c.message}});
        std::cout << out.dump(2) << "\n";
        return;
    }
    for (const check::Change& c : changes)
        std::cout << check::TableName(c.table) << " " << check::ChangeKindName(c.kind) << ": "
                  << c.message << "\n";
}

} // namespace

int RunCheck(const Context& ctx, const std::vector<std::string>& files, bool json) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    DocResult result;
    auto doc = OpenDocument(ctx, layout, files, result);
    if (!result.ok())
        return Fail(result);
    const check::Findings findings = check::CheckDatabase(doc->Store(), doc->Values(), layout);
    PrintFindings(findings, json);
    return check::HasErrors(findings) ? kFailed : kOk;
}

int RunDiff(const Context& ctx, const std::string& a, const std::string& b, bool json) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    DocResult result;
    auto first = OpenDocument(ctx, layout, SideFiles(a), result);
    if (!result.ok())
        return Fail(result);
    auto second = OpenDocument(ctx, layout, SideFiles(b), result);
    if (!result.ok())
        return Fail(result);
    PrintChanges(check::DiffStores(first->Store(), second->Store(), layout), json);
    return kOk;
}

} // namespace cli
