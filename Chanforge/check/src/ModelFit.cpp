#include "chanforge/check/ModelFit.h"

#include "Context.h"
#include "Plausible.h"

#include "chanforge/TableAccess.h"
#include "tabstore/QoDB.h"

#include <algorithm>
#include <optional>
#include <set>

namespace chanforge::check {

namespace {

/// A doubtful record weighs more than a sound one: a wrong layout still reads some slots right.
constexpr std::int64_t kDoubtPenalty = 3;

/// What a record tells about the layout it was read with.
enum class Sense {
    Sound,    ///< values a receiver uses, naming records that exist
    Dangling, ///< sound in itself, but naming a record the tables lack: a list can hold that
    Doubtful, ///< values no receiver stores: read across record borders
};

class Tally {
  public:
    explicit Tally(const codec::FlashLayout& layout) : product_(layout.product) {}

    void Count(tabstore::CQoDB& db, RecordCounts& counts) {
        ForEachRow<Satellite_Info_Tag>(db, kSatelliteTable, [&](const Satellite_Info_Tag& s) {
            ++counts.satellites;
            Judge(SatelliteMakesSense(s, product_.TwoTuners()), true);
        });
        ForEachRow<Transponder_Info_Tag>(db, kTransponderTable, [&](const Transponder_Info_Tag& t) {
            const bool multiplex = product_.Combination() && t.SatID == 1;
            ++(multiplex ? counts.multiplexes : counts.transponders);
            Judge(multiplex || TransponderMakesSense(t),
                  !dangling_.contains({kTransponderTable, t.RowID}));
        });
        counts.multiplexes += Count(db, kTerrestrialMuxTable);
        counts.cableMuxes = Count(db, kCableMuxTable);
        ForEachRow<Broadcast_Info_Tag>(db, kProviderTable, [&](const Broadcast_Info_Tag& p) {
            ++counts.providers;
            Judge(NameMakesSense(p.Name, sizeof p.Name), true);
        });
        ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
            ++(IsTV(ch) ? counts.tvChannels : counts.radioChannels);
            Judge(ChannelMakesSense(ch), !dangling_.contains({kChannelTable, ch.RowID}));
        });
        counts.favoriteGroups = Count(db, kFavoriteTable);
    }

    /// Channels and transponders that name records the tables lack.
    void NoteDangling(const Findings& findings) {
        for (const Finding& f : findings)
            if (f.rule == Rule::MissingSatellite || f.rule == Rule::MissingTransponder ||
                f.rule == Rule::ForeignTransponder || f.rule == Rule::MissingProvider)
                for (std::uint32_t row : f.rows)
                    dangling_.insert({f.table, row});
    }

    std::uint32_t Sound() const { return sound_; }
    std::uint32_t Doubtful() const { return doubtful_; }

  private:
    void Judge(bool inItself, bool resolved) {
        const Sense sense = !inItself ? Sense::Doubtful : resolved ? Sense::Sound : Sense::Dangling;
        sound_ += sense == Sense::Sound ? 1 : 0;
        doubtful_ += sense == Sense::Doubtful ? 1 : 0;
    }
    static std::uint32_t Count(tabstore::CQoDB& db, std::uint8_t table) {
        return static_cast<std::uint32_t>(db.Size(table));
    }

    policy::ProductKind product_;
    std::set<std::pair<std::uint8_t, std::uint32_t>> dangling_; ///< table, RowID
    std::uint32_t sound_ = 0;
    std::uint32_t doubtful_ = 0;
};

/// What a layout makes of the image, from what its decode read into db.
ModelFit Scored(tabstore::CQoDB& db, const codec::CodecResult& decoded,
                const codec::FlashLayout& layout, const policy::ProductPreset* preset) {
    ModelFit fit;
    fit.preset = preset;
    fit.status = decoded.status;
    fit.problem = decoded.detail;
    if (!decoded.ok())
        return fit;
    DocumentValues values;
    detail::Context ctx{db, values, layout, detail::ModelOf(layout), {}, {}, {}, {}};
    detail::Resolve(ctx);
    Findings references;
    detail::CheckReferences(ctx, references);
    Tally tally(layout);
    tally.NoteDangling(references);
    tally.Count(db, fit.counts);
    const RecordCounts& c = fit.counts;
    fit.records = c.satellites + c.transponders + c.multiplexes + c.cableMuxes + c.providers +
                  c.tvChannels + c.radioChannels;
    fit.sound = tally.Sound();
    fit.doubtful = tally.Doubtful();
    return fit;
}

ModelFit Fit(std::span<const std::uint8_t> image, const codec::FlashLayout& layout,
             const policy::ProductPreset* preset) {
    tabstore::CQoDB db;
    DocumentValues values;
    const codec::CodecResult decoded = codec::DecodeImage(image, layout, db, values);
    return Scored(db, decoded, layout, preset);
}

/// The records a fit counts: no decode into db can score more than one for each.
std::int64_t RecordsIn(tabstore::CQoDB& db) {
    std::int64_t records = 0;
    for (const TableId table : {kSatelliteTable, kTransponderTable, kTerrestrialMuxTable,
                                kCableMuxTable, kProviderTable, kChannelTable})
        records += db.Size(table);
    return records;
}

std::vector<const policy::ProductPreset*> AllPresets() {
    std::vector<const policy::ProductPreset*> presets;
    for (const policy::ProductPreset& p : policy::ConfigurablePresets())
        presets.push_back(&p);
    presets.push_back(&policy::StartupPreset());
    return presets;
}

bool MorePlausible(const ModelFit& a, const ModelFit& b) {
    if (a.Decodes() != b.Decodes())
        return a.Decodes();
    return a.Score() > b.Score();
}

/// Whether rival makes more sense of the image than the chosen model: a better balance is not
/// enough, it must also read more sound records, so a list with a few odd records of its own
/// is never given to a model that reads a handful of slots of it and nothing else.
bool Outdoes(const ModelFit& rival, const ModelFit& chosen) {
    if (!chosen.Decodes())
        return rival.Decodes() && rival.records > 0;
    return rival.Score() > chosen.Score() && rival.sound > chosen.sound;
}

/// A model's fit when it outdoes chosen. Most images open as their own model, so a decode
/// holding no more records than the chosen model reads sound is not scored.
std::optional<ModelFit> Rival(std::span<const std::uint8_t> image,
                              const policy::ProductPreset& preset, const ModelFit& chosen) {
    const codec::FlashLayout layout = codec::FlashLayout::FromPreset(preset);
    tabstore::CQoDB db;
    DocumentValues values;
    const codec::CodecResult decoded = codec::DecodeImage(image, layout, db, values);
    if (!decoded.ok() || (chosen.Decodes() && RecordsIn(db) <= chosen.sound))
        return std::nullopt;
    ModelFit fit = Scored(db, decoded, layout, &preset);
    if (!Outdoes(fit, chosen))
        return std::nullopt;
    return fit;
}

ModelVerdict Judge(std::span<const std::uint8_t> image, ModelFit chosen) {
    ModelVerdict verdict{std::move(chosen), {}};
    for (const policy::ProductPreset* preset : AllPresets())
        if (std::optional<ModelFit> fit = Rival(image, *preset, verdict.chosen))
            verdict.better.push_back(std::move(*fit));
    std::stable_sort(verdict.better.begin(), verdict.better.end(), MorePlausible);
    return verdict;
}

std::string ModelName(const policy::ProductPreset* preset) {
    return preset != nullptr ? std::string(preset->name) : std::string();
}

utils::Phrase Say(const char* source, std::vector<utils::Phrase> args = {}) {
    return {"Check", source, std::move(args)};
}

/// "model D", "model A or B", or the configured model where the settings hold no preset.
utils::Phrase ModelPhrase(const std::vector<std::string>& names) {
    if (names.empty() || names.front().empty())
        return Say(CF_TR_NOOP("Check", "the configured model"));
    std::string joined = names.front();
    for (std::size_t i = 1; i < names.size(); ++i)
        joined += (i + 1 == names.size() ? " / " : ", ") + names[i];
    return Say(CF_TR_NOOP("Check", "model %1"), {utils::Phrase::Verbatim(joined)});
}

} // namespace

std::int64_t ModelFit::Score() const {
    return static_cast<std::int64_t>(sound) - kDoubtPenalty * doubtful;
}

ModelFit FitImage(std::span<const std::uint8_t> image, const codec::FlashLayout& layout) {
    return Fit(image, layout, nullptr);
}

std::vector<ModelFit> IdentifyImage(std::span<const std::uint8_t> image) {
    std::vector<ModelFit> fits;
    for (const policy::ProductPreset* preset : AllPresets())
        fits.push_back(Fit(image, codec::FlashLayout::FromPreset(*preset), preset));
    std::stable_sort(fits.begin(), fits.end(), MorePlausible);
    return fits;
}

ModelVerdict JudgeModel(std::span<const std::uint8_t> image, const codec::FlashLayout& layout,
                        const policy::ProductPreset* chosen) {
    return Judge(image, Fit(image, layout, chosen));
}

ModelVerdict JudgeDecoded(std::span<const std::uint8_t> image, const codec::FlashLayout& layout,
                          const policy::ProductPreset* chosen, tabstore::CQoDB& db,
                          const codec::CodecResult& decoded) {
    return Judge(image, Scored(db, decoded, layout, chosen));
}

std::vector<std::string> LikelyModels(const ModelVerdict& verdict) {
    std::vector<std::string> names;
    for (const ModelFit& fit : verdict.better)
        if (!MorePlausible(verdict.better.front(), fit))
            names.push_back(ModelName(fit.preset));
    return names;
}

utils::Phrase OtherModelSentence(const ModelVerdict& verdict) {
    if (verdict.Fits())
        return {};
    const ModelFit& best = verdict.better.front();
    const ModelFit& chosen = verdict.chosen;
    const utils::Phrase likely = ModelPhrase(LikelyModels(verdict));
    const utils::Phrase asChosen = ModelPhrase({ModelName(chosen.preset)});
    const RecordCounts& c = best.counts;
    const utils::Phrase holds =
        Say(CF_TR_NOOP("Check", "as %1 it holds %2 satellites, %3 transponders or multiplexes and "
                                "%4 channels"),
            {likely, detail::Num(c.satellites),
             detail::Num(c.transponders + c.multiplexes + c.cableMuxes),
             detail::Num(c.tvChannels + c.radioChannels)});
    utils::Phrase makes;
    if (!chosen.Decodes())
        makes = Say(CF_TR_NOOP("Check", "as %1 it cannot be read"), {asChosen});
    else if (chosen.records == 0)
        makes = Say(CF_TR_NOOP("Check", "as %1 it holds nothing"), {asChosen});
    else
        makes = Say(CF_TR_NOOP("Check", "as %1, %2 of its %3 records make no sense"),
                    {asChosen, detail::Num(chosen.doubtful), detail::Num(chosen.records)});
    return Say(CF_TR_NOOP("Check", "This file looks like a %1 database, not %2: %3; %4."),
               {likely, asChosen, holds, makes});
}

} // namespace chanforge::check
