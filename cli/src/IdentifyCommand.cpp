// identify: which receiver model each file's bytes belong to, as the open commands decide it.
#include "Commands.h"
#include "Printf.h"

#include "chanforge/check/ModelFit.h"
#include "chanforge/codec/ChannelFile.h"
#include "utils/Files.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <memory>

namespace cli {

namespace {

namespace check = chanforge::check;
namespace codec = chanforge::codec;

struct FileFits {
    std::string file;
    std::string problem; ///< the file could not be read
    std::vector<check::ModelFit> fits;

    /// The best fit makes sense of something; a blank or foreign file has no model.
    bool HasLikelyModel() const {
        return !fits.empty() && fits.front().Decodes() && fits.front().Score() > 0;
    }
};

FileFits Identify(const std::string& file) {
    FileFits result{file, {}, {}};
    std::vector<std::uint8_t> bytes;
    if (const utils::FileResult read = utils::ReadWholeFile(file, bytes); !read.ok()) {
        result.problem = read.message;
        return result;
    }
    // Channel and version files alike become a channel file; anything else is a bare image.
    const std::vector<std::uint8_t> work = codec::ToWorkFile(bytes, codec::HeaderState{});
    codec::HeaderState header;
    const bool headed =
        codec::ReadChannelHeader(work, header) && codec::StartsWithChannelMagic(bytes);
    const std::span<const std::uint8_t> image =
        headed || codec::StartsWithVersionMagic(bytes)
            ? std::span<const std::uint8_t>(work).subspan(codec::kChannelHeaderSize)
            : std::span<const std::uint8_t>(bytes);
    result.fits = check::IdentifyImage(image);
    return result;
}

std::string Name(const check::ModelFit& fit) {
    return fit.preset != nullptr ? std::string(fit.preset->name) : std::string("?");
}

std::string CountsText(const check::RecordCounts& c) {
    return std::to_string(c.satellites) + " satellites, " + std::to_string(c.transponders) +
           " transponders, " + std::to_string(c.multiplexes) + " multiplexes, " +
           std::to_string(c.cableMuxes) + " cable multiplexes, " + std::to_string(c.providers) +
           " providers, " + std::to_string(c.tvChannels) + " TV and " +
           std::to_string(c.radioChannels) + " radio channels, " +
           std::to_string(c.favoriteGroups) + " favourite groups";
}

void PrintText(std::ostream& out, const FileFits& f) {
    out << f.file << ":";
    if (!f.problem.empty()) {
        out << " " << f.problem << "\n";
        return;
    }
    out << (f.HasLikelyModel() ? "\n" : " no model makes sense of it\n");
    for (const check::ModelFit& fit : f.fits) {
        if (!fit.Decodes()) {
            Printf(out, "  %-8s does not decode: %s\n", Name(fit).c_str(), fit.problem.c_str());
            continue;
        }
        Printf(out, "  %-8s score %6lld  %u of %u records make no sense; %s\n", Name(fit).c_str(),
               static_cast<long long>(fit.Score()), fit.doubtful, fit.records,
               CountsText(fit.counts).c_str());
    }
}

nlohmann::ordered_json Json(const check::ModelFit& fit) {
    nlohmann::ordered_json model = {{"model", Name(fit)}, {"decodes", fit.Decodes()}};
    if (!fit.Decodes()) {
        model["problem"] = fit.problem;
        return model;
    }
    const check::RecordCounts& c = fit.counts;
    model["score"] = fit.Score();
    model["records"] = fit.records;
    model["doubtful"] = fit.doubtful;
    model["counts"] = {{"satellites", c.satellites},        {"transponders", c.transponders},
                       {"multiplexes", c.multiplexes},      {"cable_muxes", c.cableMuxes},
                       {"providers", c.providers},          {"tv_channels", c.tvChannels},
                       {"radio_channels", c.radioChannels}, {"favorite_groups", c.favoriteGroups}};
    return model;
}

nlohmann::ordered_json Json(const FileFits& f) {
    nlohmann::ordered_json file = {{"file", f.file}};
    if (!f.problem.empty()) {
        file["error"] = f.problem;
        return file;
    }
    file["likely"] = f.HasLikelyModel() ? nlohmann::ordered_json(Name(f.fits.front()))
                                        : nlohmann::ordered_json(nullptr);
    file["models"] = nlohmann::ordered_json::array();
    for (const check::ModelFit& fit : f.fits)
        file["models"].push_back(Json(fit));
    return file;
}

int RunIdentify(const Context& ctx, const std::vector<std::string>& files, bool json) {
    int status = kOk;
    nlohmann::ordered_json all = nlohmann::ordered_json::array();
    for (const std::string& file : files) {
        const FileFits fits = Identify(file);
        if (!fits.HasLikelyModel())
            status = kFailed;
        if (json)
            all.push_back(Json(fits));
        else
            PrintText(ctx.Out(), fits);
    }
    if (json)
        ctx.Out() << all.dump(2) << "\n";
    return status;
}

} // namespace

void RegisterIdentifyCommand(CLI::App& app, Context& ctx) {
    struct Options {
        std::vector<std::string> files;
        bool json = false;
    };
    auto options = std::make_shared<Options>();
    CLI::App* cmd = app.add_subcommand(
        "identify", "which receiver models decode each file, most plausible first");
    cmd->add_option("FILE", options->files, "channel or version files, or bare images")->required();
    cmd->add_flag("--json", options->json, "print JSON");
    OnRun(cmd, ctx,
          [options](const Context& c) { return RunIdentify(c, options->files, options->json); });
}

} // namespace cli
