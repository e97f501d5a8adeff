#include "chanforge/reference/Reference.h"

#include "chanforge/codec/ChannelFile.h"
#include "chanforge/editing/FavoriteGroups.h"
#include "chanforge/xls/ChannelWorkbook.h"
#include "utils/Files.h"

namespace chanforge::reference {

namespace {

ReferenceResult Failed(std::string message, std::string detail) {
    return {ReferenceStatus::OpenFailed, std::move(message), std::move(detail)};
}

bool IsDatabase(std::span<const std::uint8_t> bytes) {
    return codec::StartsWithChannelMagic(bytes) || codec::StartsWithVersionMagic(bytes) ||
           !LooksLikeText(bytes);
}

/// The bytes already read, opened as Open does with the source's model: another model's
/// database is refused by name, never read as garbage.
ReferenceResult FromDatabase(const ReferenceSource& source, std::span<const std::uint8_t> bytes,
                             Reference& out) {
    document::Document doc(source.layout);
    doc.SetQuestionHandler(source.ask);
    if (const document::DocResult opened = doc.AdoptImage(bytes); !opened.ok()) {
        ReferenceResult failed = Failed(opened.message, source.path);
        if (opened.status == document::DocStatus::OtherModel) {
            failed.status = ReferenceStatus::OtherModel;
            failed.sentence = opened.sentence;
            failed.likelyModels = opened.likelyModels;
        } else if (!opened.detail.empty()) {
            failed.detail = opened.detail + ": " + source.path;
        }
        return failed;
    }
    out = ReferenceFromStore(doc.Store(), source.layout);
    return {};
}

ReferenceResult FromWorkbook(const ReferenceSource& source, tabstore::CQoDB& db,
                             const codec::FlashLayout& layout, Reference& out) {
    tabstore::CQoDB sheet;
    if (const xls::WorkbookResult read = xls::ImportChannelWorkbook(source.path, sheet);
        read != xls::WorkbookResult::Ok)
        return Failed(xls::WorkbookMessage(read), source.path);
    out = {};
    out.entries = ServicesOf(sheet, db, layout);
    out.carriesMarks = true;
    return {};
}

} // namespace

Reference ReferenceFromStore(tabstore::CQoDB& db, const codec::FlashLayout& layout) {
    Reference ref;
    ref.entries = ServicesOf(db, db, layout);
    ref.carriesMarks = true;
    for (const editing::FavoriteGroupName& group : editing::FavoriteGroups(db)) {
        if (group.index >= kFavoriteGroupsMax)
            break;
        ref.groups.resize(group.index + 1);
        ref.groups[group.index] = group.name;
    }
    return ref;
}

bool NeedsModel(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    return !document::IsWorkbookPath(path) && utils::ReadWholeFile(path, bytes).ok() &&
           IsDatabase(bytes);
}

ReferenceResult LoadReference(const ReferenceSource& source, tabstore::CQoDB& db,
                              const codec::FlashLayout& layout, Reference& out) {
    ReferenceResult result;
    std::vector<std::uint8_t> bytes;
    if (document::IsWorkbookPath(source.path)) {
        result = FromWorkbook(source, db, layout, out);
    } else if (const utils::FileResult read = utils::ReadWholeFile(source.path, bytes);
               !read.ok()) {
        return Failed(document::kOpenFailedMessage, read.message + ": " + source.path);
    } else if (!IsDatabase(bytes)) {
        if (const std::optional<NulByte> nul = FindNulByte(bytes))
            return Failed(kNotTextMessage, source.path + ", line " + std::to_string(nul->line) +
                                               ", byte " + std::to_string(nul->column) +
                                               ": a NUL byte (0x00)");
        TextList list = ParseTextList(bytes);
        out = {};
        out.entries = std::move(list.entries);
        out.problems = std::move(list.problems);
        out.encoding = list.encoding;
    } else {
        result = FromDatabase(source, bytes, out);
    }
    if (result.ok() && out.entries.empty()) {
        // A list none of whose lines read says why at its first line.
        std::string detail = source.path;
        if (!out.problems.empty())
            detail += ", line " + std::to_string(out.problems.front().line) + ": " +
                      LineFaultText(out.problems.front().fault);
        return {ReferenceStatus::Empty, kEmptyReferenceMessage, detail};
    }
    return result;
}

} // namespace chanforge::reference
