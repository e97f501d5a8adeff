// dump, convert, export-c, new: the main window's file commands for scripts.
#include "Commands.h"
#include "DumpJson.h"
#include "DumpText.h"
#include "NameText.h"

#include "chanforge/check/Findings.h"
#include "chanforge/convert/ModelConvert.h"
#include "policy/Presets.h"

#include <cstdio>
#include <iostream>

namespace cli {

using chanforge::document::DocResult;
using chanforge::document::Document;

int RunDump(const Context& ctx, const std::vector<std::string>& files, bool json) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    Document doc([layout] { return layout; });
    if (const auto failed = ctx.OpenFiles(doc, files))
        return Fail(failed->result);
    if (json)
        std::cout << JsonText(DumpJson(doc, layout)) << "\n";
    else
        PrintText(doc, layout, stdout);
    return kOk;
}

namespace {

/// Each loss on standard error: "LEAD TABLE ROWS: MESSAGE".
void PrintLosses(const std::vector<chanforge::convert::Loss>& losses, const char* lead) {
    for (const chanforge::convert::Loss& loss : losses) {
        std::string rows;
        for (std::uint32_t row : loss.rows)
            rows += (rows.empty() ? " " : ",") + std::to_string(row);
        std::cerr << lead << " " << chanforge::check::TableName(loss.table) << rows << ": "
                  << TerminalText(loss.message.English()) << "\n";
    }
}

int ConvertToModel(Document& doc, const chanforge::codec::FlashLayout& layout,
                   const ModelChange& change, const std::string& out) {
    namespace convert = chanforge::convert;
    if (chanforge::document::IsWorkbookPath(out)) {
        std::cerr << "--to-model writes a channel file; " << out << " names a workbook\n";
        return kUsage;
    }
    const auto target =
        chanforge::codec::FlashLayout::FromPreset(*policy::FindPreset(change.toModel));
    const convert::ConvertResult r =
        convert::SaveForModel({doc.Store(), doc.Values(), layout}, target, change.dropExtra, out);
    if (r.status == convert::ConvertStatus::WouldLose) {
        PrintLosses(r.losses, "would lose:");
        return Fail(r.message + " (--drop-extra lets them go)");
    }
    if (!r.ok())
        return Fail(r.detail.empty() ? r.message : r.message + " (" + r.detail + ")");
    PrintLosses(r.losses, "dropped:");
    return kOk;
}

} // namespace

int RunConvert(const Context& ctx, const std::vector<std::string>& files, const std::string& out,
               const ModelChange& change) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    Document doc([layout] { return layout; });
    if (const auto failed = ctx.OpenFiles(doc, files))
        return Fail(failed->result);
    if (!ctx.AcceptUnresolvedChannels(doc, files))
        return kFailed;
    if (!change.toModel.empty())
        return ConvertToModel(doc, layout, change, out);
    if (DocResult r = doc.SaveToFile(out); !r.ok())
        return Fail(r);
    return kOk;
}

int RunExportC(const Context& ctx, const std::vector<std::string>& files, const std::string& out) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    Document doc([layout] { return layout; });
    if (const auto failed = ctx.OpenFiles(doc, files))
        return Fail(failed->result);
    if (DocResult r = doc.ExportDefaultChannelTable(out); !r.ok())
        return Fail(r);
    return kOk;
}

int RunNew(const Context& ctx, const std::string& out) {
    if (DocResult r = chanforge::document::WriteBlankImage(ctx.Layout(), out); !r.ok())
        return Fail(r);
    return kOk;
}

} // namespace cli
