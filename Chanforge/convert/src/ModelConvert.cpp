#include "chanforge/convert/ModelConvert.h"

#include "Losses.h"
#include "chanforge/TableAccess.h"
#include "chanforge/codec/BlankImage.h"
#include "chanforge/codec/FlashImageCodec.h"
#include "chanforge/document/Document.h"
#include "utils/Files.h"

#include <cstdio>
#include <cstring>

namespace chanforge::convert {

namespace {

using detail::Pending;

template <class T> void CopyTable(tabstore::CQoDB& from, tabstore::CQoDB& to, TableId table) {
    ForEachRow<T>(from, table, [&](const T& rec) {
        auto row = CopyRow(rec);
        if (to.Add(table, rec.RowID, AsBuffer(row.get())) >= 0)
            row.release();
    });
}

/// The blank image of the target model, and what it loads as: its own favourite groups and the
/// values its layout starts from.
struct Target {
    std::vector<std::uint8_t> file;
    tabstore::CQoDB blank;
    tabstore::CQoDB copy;
    DocumentValues values;
    codec::HeaderState header;
    std::vector<Pending> losses;
};

codec::CodecResult LoadBlank(const codec::FlashLayout& target, Target& t) {
    if (codec::CodecResult made = codec::MakeBlankImage(target, t.file); !made.ok())
        return made;
    return codec::FlashImageCodec(target).Load(t.file, {t.blank, t.values, t.header},
                                               [] { return false; });
}

bool DefaultGroupName(const Favorite_Info_Tag& group) {
    char name[sizeof group.Name];
    std::snprintf(name, sizeof name, "Favorite %u", group.RowID);
    return std::strncmp(name, group.Name, sizeof name) == 0;
}

/// The target's own groups, named as the source names them. A source group past them that was
/// named is a loss; an unnamed empty one is only a slot.
void TakeGroups(tabstore::CQoDB& source, Target& t) {
    CopyTable<Favorite_Info_Tag>(t.blank, t.copy, kFavoriteTable);
    std::vector<std::uint32_t> past;
    // The names are one argument: quoted, joined by commas, as the receiver's bytes.
    std::string names;
    ForEachRow<Favorite_Info_Tag>(source, kFavoriteTable, [&](const Favorite_Info_Tag& g) {
        if (auto* own = GetRow<Favorite_Info_Tag>(t.copy, kFavoriteTable, g.RowID)) {
            std::memcpy(own->Name, g.Name, sizeof own->Name);
        } else if (!DefaultGroupName(g)) {
            past.push_back(g.RowID);
            names += (names.empty() ? "\"" : ", \"") +
                     std::string(g.Name, strnlen(g.Name, sizeof g.Name)) + "\"";
        }
    });
    if (!past.empty())
        t.losses.push_back(
            {{kFavoriteTable, past,
              utils::Phrase("Convert",
                            CF_TR_NOOP("Convert", "Favourite groups %1 are past the %2 groups the "
                                                  "other model keeps"),
                            {utils::Phrase::Verbatim(names),
                             utils::Phrase::Number(t.blank.Size(kFavoriteTable))})},
             detail::Drop::Nothing});
}

/// A model that shows the receiver's own number reads the channel number from it.
void ShowNumbers(tabstore::CQoDB& copy, const codec::FlashLayout& target) {
    if (!target.product.UsesShowNum())
        return;
    ForEachRow<Channel_Info_Tag>(copy, kChannelTable, [](Channel_Info_Tag& ch) {
        if (ch.ShowNum == 0)
            ch.ShowNum = ch.ProgramNum;
    });
}

/// The copy as the target will hold it, every loss dropped from it and listed.
codec::CodecResult Prepare(const Database& source, const codec::FlashLayout& target, Target& t) {
    if (codec::CodecResult loaded = LoadBlank(target, t); !loaded.ok())
        return loaded;
    CopyTable<Satellite_Info_Tag>(source.db, t.copy, kSatelliteTable);
    CopyTable<SMux_Info_Tag>(source.db, t.copy, kTerrestrialMuxTable);
    CopyTable<CableMux_Info_Tag>(source.db, t.copy, kCableMuxTable);
    CopyTable<Broadcast_Info_Tag>(source.db, t.copy, kProviderTable);
    CopyTable<Transponder_Info_Tag>(source.db, t.copy, kTransponderTable);
    CopyTable<Channel_Info_Tag>(source.db, t.copy, kChannelTable);
    for (Pending& p : detail::StructuralLosses(t.copy, source.layout, target)) {
        detail::DescribeLoss(t.copy, p, target);
        detail::DropLoss(t.copy, p, target);
        t.losses.push_back(std::move(p));
    }
    detail::SecondTunerAsFirst(t.copy, source.layout, target);
    TakeGroups(source.db, t);
    ShowNumbers(t.copy, target);
    // Trailers and the favourite header belong to the target's layout; the counters to the data.
    t.values.MaxTPID = source.values.MaxTPID;
    t.values.MaxTVNumber = source.values.MaxTVNumber;
    t.values.MaxRadioNumber = source.values.MaxRadioNumber;
    for (Pending& p : detail::CheckedLosses(t.copy, t.values, target)) {
        detail::DescribeLoss(t.copy, p, target);
        detail::DropLoss(t.copy, p, target);
        t.losses.push_back(std::move(p));
    }
    return {};
}

std::vector<Loss> LossesOf(std::vector<Pending>& pending) {
    std::vector<Loss> out;
    for (Pending& p : pending)
        out.push_back(std::move(p.loss));
    return out;
}

ConvertResult Failed(std::string detail) {
    return {ConvertStatus::Failed, {}, document::kSaveFailedMessage, std::move(detail)};
}

} // namespace

std::vector<Loss> LossesForModel(const Database& source, const codec::FlashLayout& target) {
    Target t;
    if (!Prepare(source, target, t).ok())
        return {};
    return LossesOf(t.losses);
}

bool CopyForModel(const Database& source, const codec::FlashLayout& target, ModelCopy& out) {
    Target t;
    if (!Prepare(source, target, t).ok())
        return false;
    out.db.ReplaceWith(t.copy);
    out.values = t.values;
    out.losses = LossesOf(t.losses);
    return true;
}

ConvertResult SaveForModel(const Database& source, const codec::FlashLayout& target, bool dropExtra,
                           const std::string& path) {
    Target t;
    if (codec::CodecResult prepared = Prepare(source, target, t); !prepared.ok())
        return Failed(prepared.detail);
    std::vector<Loss> losses = LossesOf(t.losses);
    if (!losses.empty() && !dropExtra)
        return {ConvertStatus::WouldLose, std::move(losses), kWouldLoseMessage, path};
    const codec::CodecResult saved =
        codec::FlashImageCodec(target).Save(t.file, false, {t.copy, t.values, t.header});
    if (!saved.ok())
        return Failed(saved.detail);
    if (const utils::FileResult written = utils::ReplaceFile(path, t.file); !written.ok())
        return Failed(written.message);
    return {ConvertStatus::Ok, std::move(losses), {}, {}};
}

} // namespace chanforge::convert
