// export: the window's Print and Export of the channel list, for scripts: PDF, CSV or HTML; and
// the satellites with their transponders as satellites.xml for other tools.
#include "Commands.h"

#include "chanforge/TableAccess.h"
#include "chanforge/listprint/ListFiles.h"
#include "chanforge/transponders/SatellitesXml.h"
#include "policy/Policy.h"
#include "policy/Presets.h"
#include "utils/Files.h"

#include <CLI/CLI.hpp>
#include <QGuiApplication>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

namespace cli {

namespace {

namespace lp = chanforge::listprint;

struct ExportArgs {
    std::vector<std::string> files;
    std::string out;
    std::string format;
    std::string columns = "number,name";
    std::string sort = "number";
    std::uint32_t group = 0; ///< 0: every channel
    int pageColumns = 1;
};

/// The model's title as the window's title bar gives it: this command's model, else the stored.
QString ModelTitle(const Context& ctx) {
    const policy::ProductPreset* preset = nullptr;
    if (!ctx.model.empty())
        preset = policy::FindPreset(ctx.model);
    else if (GetProductList() == 0)
        preset = &policy::StartupPreset();
    else
        preset = policy::StoredPreset();
    if (preset == nullptr)
        return {};
    return QString::fromLatin1(preset->title.data(), static_cast<qsizetype>(preset->title.size()));
}

QString FileNames(const std::vector<std::string>& files) {
    QStringList names;
    for (const std::string& file : files)
        names << QString::fromStdString(std::filesystem::path(file).filename().string());
    return names.join(QStringLiteral(" + "));
}

/// Fonts come from the platform layer, which a PDF needs even with no screen.
std::unique_ptr<QGuiApplication> PaintingApplication() {
    static int argc = 3;
    static char name[] = "chanforge-cli";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    // Qt's notes about the desktop session (no runtime folder ...) mean nothing to a script.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    return std::make_unique<QGuiApplication>(argc, argv);
}

int WriteSatellitesXml(chanforge::document::Document& doc, const ExportArgs& args) {
    const std::string name = std::filesystem::path(args.out).filename().string();
    const auto& product = doc.Layout().product;
    const std::string region = std::filesystem::path(args.files.back()).stem().string();
    if (name == "terrestrial.xml" && !product.Terrestrial())
        return Fail(name + ": this model keeps no terrestrial multiplexes");
    const std::vector<std::uint8_t> bytes =
        name == "terrestrial.xml"
            ? chanforge::transponders::TerrestrialXmlBytes(doc.Store(), product, region)
        : name == "cables.xml"
            ? chanforge::transponders::CablesXmlBytes(doc.Store(), product, region)
            : chanforge::transponders::SatellitesXmlBytes(doc.Store(), product);
    if (const utils::FileResult written = utils::ReplaceFile(args.out, bytes); !written.ok())
        return Fail(written.message);
    return kOk;
}

int RunExport(const Context& ctx, const ExportArgs& args) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    chanforge::document::Document doc(layout);
    if (const auto failed = ctx.OpenFiles(doc, args.files))
        return Fail(failed->result);
    if (args.format == "satellites-xml")
        return WriteSatellitesXml(doc, args);
    ctx.WarnUnresolvedChannels(doc, args.files);
    chanforge::editing::ChannelFilter filter = chanforge::editing::ShowAll();
    if (args.group != 0) {
        if (chanforge::GetRow<chanforge::Favorite_Info_Tag>(doc.Store(), chanforge::kFavoriteTable,
                                                            args.group) == nullptr)
            return Fail("There is no favourite group " + std::to_string(args.group));
        filter = chanforge::editing::ShowFavorite(args.group - 1, filter, layout.product);
    }
    lp::ListOptions options;
    options.columns = *lp::ParseColumnList(args.columns);
    options.sort = args.sort == "name" ? lp::ListSort::Name : lp::ListSort::Number;
    options.pageColumns = args.pageColumns;
    const lp::ListFormat format = *lp::FormatFromKey(args.format);
    const auto painting = format == lp::ListFormat::Pdf ? PaintingApplication() : nullptr;
    const lp::ChannelList list =
        lp::BuildChannelList(doc.Store(), layout.product, filter, options,
                             lp::HeadingForToday(ModelTitle(ctx), FileNames(args.files)));
    const lp::ListFileResult written =
        lp::WriteChannelList(list, format, options.pageColumns, args.out);
    if (!written.ok)
        return Fail(written.detail.empty() ? written.message
                                           : written.message + " (" + written.detail + ")");
    return kOk;
}

} // namespace

void RegisterExportCommand(CLI::App& app, Context& ctx) {
    auto args = std::make_shared<ExportArgs>();
    CLI::App* cmd = app.add_subcommand(
        "export", "open the files and write the channel list (or a favourite group) as a "
                  "printable PDF, a CSV or an HTML page, or the satellites and their "
                  "transponders as satellites.xml (the cable multiplexes when OUT is named "
                  "cables.xml, the terrestrial ones when it is named terrestrial.xml)");
    cmd->add_option("FILE", args->files, "files to open")->required();
    cmd->add_option("-o", args->out, "output file")->required();
    cmd->add_option("--format", args->format, "pdf, csv, html or satellites-xml")
        ->required()
        ->check(CLI::IsMember({"pdf", "csv", "html", "satellites-xml"}));
    cmd->add_option("--columns", args->columns,
                    "columns in order, from number,name,transponder,provider,scrambled,locked,"
                    "skipped,favorites (default: number,name)")
        ->check(CLI::Validator(
            [](std::string& list) {
                return lp::ParseColumnList(list) ? std::string()
                                                 : "unknown or no column in \"" + list + "\"";
            },
            "LIST"));
    cmd->add_option("--sort", args->sort, "number (the grids' order) or name (default: number)")
        ->check(CLI::IsMember({"number", "name"}));
    cmd->add_option("--group", args->group, "only favourite group N (1-based)")
        ->check(CLI::Range(1, chanforge::kFavoriteGroupsMax));
    cmd->add_option("--page-columns", args->pageColumns,
                    "PDF: columns of entries side by side on a page (default: 1)")
        ->check(CLI::Range(1, lp::kMaxPageColumns));
    OnRun(cmd, ctx, [args](const Context& c) { return RunExport(c, *args); });
}

} // namespace cli
