// dump, convert, export-c, new: the main window's file commands for scripts.
#include "Commands.h"
#include "DumpJson.h"
#include "DumpText.h"

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

int RunConvert(const Context& ctx, const std::vector<std::string>& files, const std::string& out) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    Document doc([layout] { return layout; });
    if (const auto failed = ctx.OpenFiles(doc, files))
        return Fail(failed->result);
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
