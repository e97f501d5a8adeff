// The open channel database of the program: the tables, the values kept beside them, the header
// carried from the last load to the next save, and the work file every transfer passes through.
// The main window and the command line run the same file commands through this class. It shows
// nothing: failures come back as results carrying the operator's message text.
#pragma once

#include "chanforge/Records.h"
#include "chanforge/codec/ChannelFile.h"
#include "chanforge/codec/FlashLayout.h"
#include "chanforge/document/Model.h"
#include "tabstore/QoDB.h"
#include "utils/Phrase.h"
#include "utils/Translatable.h"

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace chanforge::document {

using codec::FlashLayout;
using codec::HeaderState;

inline constexpr const char* kHeaderQuestion =
    CF_TR_NOOP("Document", "Cannot read file header. Continue?");
inline constexpr const char* kOpenFailedMessage =
    CF_TR_NOOP("Document", "Cannot open or invalid version file");
inline constexpr const char* kSaveFailedMessage =
    CF_TR_NOOP("Document", "Cannot save channel file");
inline constexpr const char* kUploadEmptyMessage =
    CF_TR_NOOP("Document", "Upload data is empty or invalid");
inline constexpr const char* kWorkFileMessage =
    CF_TR_NOOP("Document", "Cannot write the work file in the temporary folder");

enum class DocStatus {
    Ok,
    OpenFailed,     ///< file unreadable, header declined, or the image does not decode
    SaveFailed,     ///< nothing was written; an existing target is untouched
    UploadEmpty,    ///< no channels or no favourite groups to send
    WorkFileFailed, ///< the work file could not be created or written
    WorkbookFailed,
    OtherModel, ///< the bytes make more sense as another model's database; nothing changed
};

/// Which tables an open replaced or a save wrote.
enum class TableScope {
    None,
    ChannelTable, ///< a workbook or CSV file: the channel table alone
    AllTables,    ///< a channel file
};

struct [[nodiscard]] DocResult {
    DocStatus status = DocStatus::Ok;
    std::string message; ///< the system's text for the operator; empty on success
    std::string detail;  ///< what exactly went wrong (table and limit, path), may be empty
    TableScope tables = TableScope::None; ///< set by Open and SaveToFile when they succeed
    /// OtherModel: the sentence naming the model(s) the bytes look like (message holds it in
    /// English), and their names, most plausible first.
    utils::Phrase sentence{};
    std::vector<std::string> likelyModels{};

    bool ok() const { return status == DocStatus::Ok; }
};

/// Answers a Yes/No question; true means Yes.
using AskYesNo = std::function<bool(const std::string& question)>;

/// True for a path whose extension (text after the last full stop at position 2 or later of the
/// absolute path, case-sensitive) is "xls" or "cvs".
bool IsWorkbookPath(const std::string& path);
/// True for a path whose extension, taken as for IsWorkbookPath, is "csv": the channel sheet as
/// CSV.
bool IsCsvPath(const std::string& path);
/// A file that carries the channel table alone: a workbook or the channel sheet as CSV.
bool IsChannelSheetPath(const std::string& path);

class Document {
  public:
    /// A document of the model stored in the settings now.
    Document();
    explicit Document(Model model);
    explicit Document(const FlashLayout& layout);
    ~Document(); ///< deletes the work file
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    tabstore::CQoDB& Store() { return db_; }
    DocumentValues& Values() { return values_; }
    const DocumentValues& Values() const { return values_; }
    const HeaderState& Header() const { return header_; }
    /// Temporary channel file in the system's temporary directory; empty if it could not be made.
    const std::string& WorkFilePath() const { return workFile_; }
    /// Where a receive writes what it receives, beside the work file; empty without one.
    const std::string& ReceivedPath() const { return receivedFile_; }
    /// The model the tables belong to: every load, save, transfer and editor uses this one.
    const Model& GetModel() const { return model_; }
    const FlashLayout& Layout() const { return model_.layout; }
    /// Works in another model from now on (a file the operator chose to open as that model).
    /// The tables are not converted: the caller opens that model's file next.
    void ChangeModel(Model model) { model_ = std::move(model); }

    /// A workbook holding names longer than the model keeps is refused, naming its rows, unless
    /// the operator chose to have them cut.
    void CutLongNames(bool cut) { cutLongNames_ = cut; }

    /// The separator Save to file writes a CSV file with: ',', ';' or '\t' (comma unless set).
    void SetCsvSeparator(char separator) { csvSeparator_ = separator; }

    /// Asked when a file has no channel-file header; without a handler the answer is No.
    void SetQuestionHandler(AskYesNo ask) { ask_ = std::move(ask); }

    /// Open: a workbook or CSV file replaces the channel table; any other file is decoded into
    /// fresh tables and, only once that succeeded, becomes the work file and replaces the open
    /// database. The result says which of the two happened.
    DocResult Open(const std::string& path);
    /// Opens each path in order; stops at the first failure. The result says what the last
    /// open replaced.
    DocResult Open(const std::vector<std::string>& paths);
    /// Save to file: a workbook or CSV export (the channel table only), else the work file with the
    /// tables written into it, as a version file (checksum at offset 61) when the last header
    /// loaded carried one.
    DocResult SaveToFile(const std::string& path);
    /// Takes the image a receive left at ReceivedPath(): decoded first, then it becomes the work
    /// file and the tables are replaced. The received file is gone afterwards either way; on
    /// failure nothing else changes.
    DocResult AdoptReceived();
    /// Takes an image handed over as bytes (a backup restored, a channel file read elsewhere):
    /// a channel file, or a bare image where the header question allows it. As Open, refused
    /// when the bytes belong to another model.
    DocResult AdoptImage(std::span<const std::uint8_t> file);
    /// What AdoptImage would say of the bytes, changing nothing: Ok, OtherModel, or why they
    /// are no database (a receive judges its file with this before it says it is complete).
    DocResult Examine(std::span<const std::uint8_t> file) const;
    /// Removes what a receive left at ReceivedPath() without taking it.
    void DiscardReceived();
    /// Writes the tables into the work file as a channel file, ready to be sent.
    DocResult PrepareSend();
    /// Writes the channel table as C source (the default channel table of the firmware).
    DocResult ExportDefaultChannelTable(const std::string& path);

  private:
    DocResult OpenChannelFile(const std::string& path);
    DocResult OpenChannelSheet(const std::string& path);
    DocResult SaveChannelFile(const std::string& path);
    DocResult SaveChannelSheet(const std::string& path);
    DocResult Adopt(const std::vector<std::uint8_t>& work, HeaderState header);
    /// Decodes a work file into the given tables under the document's model, judging first
    /// whether the bytes are that model's.
    DocResult Decode(const std::vector<std::uint8_t>& work, tabstore::CQoDB& into,
                     DocumentValues& values, HeaderState& header) const;

    Model model_;
    tabstore::CQoDB db_;
    bool cutLongNames_ = false;
    char csvSeparator_ = ',';
    DocumentValues values_;
    HeaderState header_;
    AskYesNo ask_;
    std::string workFile_;
    std::string receivedFile_;
    std::string workFileProblem_; ///< why there is no work file: the folder and the cause
};

/// Writes an empty database for the layout: erased flash with blank blocks, as a channel file.
DocResult WriteBlankImage(const FlashLayout& layout, const std::string& path);

} // namespace chanforge::document
