// A reference list: the channels whose numbering, favourites and flags the open database is to
// take, read from another database file of any model, a workbook, or a text list.
#pragma once

#include "chanforge/document/Document.h"
#include "chanforge/reference/Service.h"
#include "chanforge/reference/TextList.h"
#include "utils/Phrase.h"
#include "utils/Translatable.h"

#include <string>
#include <vector>

namespace chanforge::reference {

struct Reference {
    std::vector<Service> entries;      ///< in the list's own order
    std::vector<std::string> groups;   ///< favourite group names, group k at k-1; none for text
    bool carriesMarks = false;         ///< favourites, locks and skips are the list's to give
    std::vector<LineProblem> problems; ///< text list lines that were not read
    TextEncoding encoding = TextEncoding::Ascii; ///< how a text list's bytes were read
};

inline constexpr const char* kEmptyReferenceMessage =
    CF_TR_NOOP("Reference", "The reference list holds no channels");

enum class ReferenceStatus {
    Ok,
    OpenFailed,
    Empty,
    OtherModel, ///< a database whose bytes make more sense as another model's
};

struct [[nodiscard]] ReferenceResult {
    ReferenceStatus status = ReferenceStatus::Ok;
    std::string message; ///< the operator's text; empty on success
    std::string detail;
    /// OtherModel: the sentence naming the model(s) the file looks like, and their names.
    utils::Phrase sentence{};
    std::vector<std::string> likelyModels{};

    bool ok() const { return status == ReferenceStatus::Ok; }
};

/// The channels and groups of a store, read as `layout`'s model keeps them.
Reference ReferenceFromStore(tabstore::CQoDB& db, const codec::FlashLayout& layout);

struct ReferenceSource {
    std::string path;
    codec::FlashLayout layout; ///< the model a database file is for
    document::AskYesNo ask;    ///< "Cannot read file header. Continue?" for a bare image
};

/// Whether the file at path is read as a database, which needs its model to be known.
bool NeedsModel(const std::string& path);

/// Reads the reference at source.path: a workbook by its extension, a text list when its first
/// line is text (refused when it holds a NUL byte), else a database file opened as Open does
/// with the source's model. A workbook's rows name satellites and transponders of the open database
/// (`db` under `layout`), as they do when one is opened.
ReferenceResult LoadReference(const ReferenceSource& source, tabstore::CQoDB& db,
                              const codec::FlashLayout& layout, Reference& out);

} // namespace chanforge::reference
