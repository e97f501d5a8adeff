// dump, convert, export-c, new: the main window's file commands for scripts.
#include "Commands.h"
#include "DumpJson.h"
#include "DumpText.h"

#include <cstdio>
#include <iostream>

namespace cli {

namespace {

using chanforge::document::DocResult;
using chanforge::document::Document;

/// A document on this command's layout with the files opened in order.
DocResult OpenAll(const Context& ctx, Document& doc, const std::vector<std::string>& files) {
    ctx.Configure(doc);
    return doc.Open(files);
}

} // namespace

int RunDump(const Context& ctx, const std::vector<std::string>& files, bool json) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    Document doc([layout] { return layout; });
    if (DocResult r = OpenAll(ctx, doc, files); !r.ok())
        return Fail(r);
    if (json)
        std::cout << DumpJson(doc, layout).dump(2) << "\n";
    else
        PrintText(doc, layout, stdout);
    return kOk;
}

int RunConvert(const Context& ctx, const std::vector<std::string>& files, const std::string& out) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    Document doc([layout] { return layout; });
    if (DocResult r = OpenAll(ctx, doc, files); !r.ok())
        return Fail(r);
    if (DocResult r = doc.SaveToFile(out); !r.ok())
        return Fail(r);
    return kOk;
}

int RunExportC(const Context& ctx, const std::vector<std::string>& files, const std::string& out) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    Document doc([layout] { return layout; });
    if (DocResult r = OpenAll(ctx, doc, files); !r.ok())
        return Fail(r);
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
