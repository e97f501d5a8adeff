#include "chanforge/document/Document.h"

#include "chanforge/check/ModelFit.h"
#include "chanforge/codec/BlankImage.h"
#include "chanforge/codec/CExport.h"
#include "chanforge/codec/FlashImageCodec.h"
#include "chanforge/editing/ChannelName.h"
#include "chanforge/xls/ChannelCsv.h"
#include "chanforge/xls/ChannelWorkbook.h"
#include "utils/Files.h"
#include "utils/TempFiles.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

namespace chanforge::document {

namespace {

using codec::CodecResult;
using codec::FlashImageCodec;

DocResult Failure(DocStatus status, const char* message, std::string detail) {
    return {status, message, std::move(detail)};
}

/// What went wrong with a file, naming it: with several files open, the operator must see which.
std::string AboutFile(const std::string& what, const std::string& path) {
    return what.empty() ? path : what + ": " + path;
}

std::span<const std::uint8_t> BytesOf(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

/// The image inside a work file: after its channel-file header, or all of it without one.
std::span<const std::uint8_t> ImageOf(std::span<const std::uint8_t> work) {
    HeaderState ignored;
    return codec::ReadChannelHeader(work, ignored) ? work.subspan(codec::kChannelHeaderSize) : work;
}

/// An image the model makes less sense of than another model does is not opened as garbage.
/// loaded and decoded are what the model's own decode of the image gave.
DocResult RefuseOtherModel(std::span<const std::uint8_t> image, const Model& model,
                           tabstore::CQoDB& loaded, const CodecResult& decoded) {
    const check::ModelVerdict verdict =
        check::JudgeDecoded(image, model.layout, model.preset, loaded, decoded);
    if (verdict.Fits())
        return {};
    DocResult refused{DocStatus::OtherModel, {}, {}};
    refused.sentence = check::OtherModelSentence(verdict);
    refused.message = refused.sentence.English();
    refused.likelyModels = check::LikelyModels(verdict);
    return refused;
}

} // namespace

/// "rows 2, 7, 9" (the first 20, then how many more).
std::string RowList(const std::vector<std::uint32_t>& rows) {
    constexpr std::size_t kShown = 20;
    std::string text = "rows";
    for (std::size_t i = 0; i < std::min(rows.size(), kShown); ++i)
        text += (i == 0 ? " " : ", ") + std::to_string(rows[i]);
    if (rows.size() > kShown)
        text += " and " + std::to_string(rows.size() - kShown) + " more";
    return text;
}

namespace {

std::string ExtensionOf(const std::string& path) {
    // The rule was made for the file dialog's full paths; on a relative path it would take
    // d.xls for a channel file but dd.xls for a workbook.
    std::error_code failed;
    const std::filesystem::path absolute = std::filesystem::absolute(path, failed);
    const std::string full = failed ? path : absolute.string();
    const std::size_t dot = full.rfind('.');
    if (dot == std::string::npos || dot < 2 || dot + 1 >= full.size())
        return {};
    return full.substr(dot + 1);
}

/// The sheet's rows, or a CSV file's lines, named in a message.
std::string PlacesOf(const std::string& path, const std::vector<std::uint32_t>& rows) {
    std::string text = RowList(rows);
    return IsCsvPath(path) ? "lines" + text.substr(4) : text;
}

} // namespace

bool IsWorkbookPath(const std::string& path) {
    const std::string extension = ExtensionOf(path);
    return extension == "xls" || extension == "cvs";
}

bool IsCsvPath(const std::string& path) {
    return ExtensionOf(path) == "csv";
}

bool IsChannelSheetPath(const std::string& path) {
    return IsWorkbookPath(path) || IsCsvPath(path);
}

Document::Document() : Document(Model::Stored()) {}

Document::Document(const FlashLayout& layout) : Document(Model::OfLayout(layout)) {}

Document::Document(Model model) : model_(std::move(model)) {
    workFileProblem_ = utils::CreateGuardedTempFile("chanforge-work", ".bin", workFile_).message;
    if (!workFile_.empty())
        receivedFile_ = workFile_ + ".received";
}

Document::~Document() {
    DiscardReceived();
    utils::RemoveGuardedTempFile(workFile_);
}

DocResult Document::Open(const std::string& path) {
    const bool sheet = IsChannelSheetPath(path);
    DocResult result = sheet ? OpenChannelSheet(path) : OpenChannelFile(path);
    if (result.ok())
        result.tables = sheet ? TableScope::ChannelTable : TableScope::AllTables;
    return result;
}

DocResult Document::Open(const std::vector<std::string>& paths) {
    DocResult result;
    for (const std::string& path : paths) {
        result = Open(path);
        if (!result.ok())
            return result;
    }
    return result;
}

DocResult Document::OpenChannelFile(const std::string& path) {
    std::vector<std::uint8_t> opened;
    if (const utils::FileResult read = utils::ReadWholeFile(path, opened); !read.ok())
        return Failure(DocStatus::OpenFailed, kOpenFailedMessage, AboutFile(read.message, path));
    // A spreadsheet of a newer format, whatever its name: say how to bring it.
    if (const auto other = xls::OtherSpreadsheet(opened))
        return {DocStatus::WorkbookFailed, xls::WorkbookMessage(*other), path};
    DocResult result = AdoptImage(opened);
    if (result.status == DocStatus::OpenFailed || result.status == DocStatus::OtherModel)
        result.detail = AboutFile(result.detail, path);
    return result;
}

DocResult Document::AdoptImage(std::span<const std::uint8_t> file) {
    // A bare image gets the held header put in front, after which the codec finds one: the
    // operator is asked before that, and a No leaves it unopened.
    const bool bare = !file.empty() && !codec::StartsWithChannelMagic(file) &&
                      !codec::StartsWithVersionMagic(file);
    if (bare && !(ask_ && ask_(kHeaderQuestion)))
        return Failure(DocStatus::OpenFailed, kOpenFailedMessage, "the file has no header");
    HeaderState header = header_;
    return Adopt(codec::ToWorkFile(file, header), header);
}

DocResult Document::AdoptReceived() {
    std::vector<std::uint8_t> work;
    const utils::FileResult read = utils::ReadWholeFile(receivedFile_, work);
    DiscardReceived();
    if (!read.ok())
        return Failure(DocStatus::OpenFailed, kOpenFailedMessage,
                       AboutFile(read.message, receivedFile_));
    DocResult result = Adopt(work, header_);
    if (result.ok())
        result.tables = TableScope::AllTables;
    return result;
}

void Document::DiscardReceived() {
    if (receivedFile_.empty())
        return;
    std::error_code ignored; // absent when nothing was received
    std::filesystem::remove(receivedFile_, ignored);
}

DocResult Document::Examine(std::span<const std::uint8_t> file) const {
    HeaderState header = header_;
    const std::vector<std::uint8_t> work = codec::ToWorkFile(file, header);
    tabstore::CQoDB scratch;
    DocumentValues values = values_;
    return Decode(work, scratch, values, header);
}

DocResult Document::Decode(const std::vector<std::uint8_t>& work, tabstore::CQoDB& into,
                           DocumentValues& values, HeaderState& header) const {
    const FlashImageCodec codec(model_.layout);
    const auto ask = [this] { return ask_ && ask_(kHeaderQuestion); };
    const CodecResult result = codec.Load(work, {into, values, header}, ask);
    if (result.status == codec::CodecStatus::NoHeader)
        return Failure(DocStatus::OpenFailed, kOpenFailedMessage, result.detail);
    if (DocResult other = RefuseOtherModel(ImageOf(work), model_, into, result); !other.ok())
        return other;
    if (!result.ok())
        return Failure(DocStatus::OpenFailed, kOpenFailedMessage, result.detail);
    return {};
}

DocResult Document::Adopt(const std::vector<std::uint8_t>& work, HeaderState header) {
    // Decoded into a store of its own: a file that does not load leaves the open database,
    // its work file and its header exactly as they were.
    tabstore::CQoDB loaded;
    DocumentValues values = values_;
    if (DocResult decoded = Decode(work, loaded, values, header); !decoded.ok())
        return decoded;
    if (workFile_.empty())
        return Failure(DocStatus::WorkFileFailed, kWorkFileMessage, workFileProblem_);
    if (const utils::FileResult written = utils::ReplaceFile(workFile_, work); !written.ok())
        return Failure(DocStatus::WorkFileFailed, kWorkFileMessage, written.message);
    db_.ReplaceWith(loaded);
    values_ = values;
    header_ = header;
    return {};
}

DocResult Document::SaveToFile(const std::string& path) {
    const bool sheet = IsChannelSheetPath(path);
    DocResult result = sheet ? SaveChannelSheet(path) : SaveChannelFile(path);
    if (result.ok())
        result.tables = sheet ? TableScope::ChannelTable : TableScope::AllTables;
    return result;
}

DocResult Document::SaveChannelFile(const std::string& path) {
    std::vector<std::uint8_t> work;
    if (!utils::ReadWholeFile(workFile_, work).ok())
        return Failure(DocStatus::SaveFailed, kSaveFailedMessage, "cannot read the work file");
    std::vector<std::uint8_t> saved = codec::ToSavedFile(work, header_);
    const FlashImageCodec codec(model_.layout);
    const CodecResult result = codec.Save(saved, header_.versionFile, {db_, values_, header_});
    if (!result.ok())
        return Failure(DocStatus::SaveFailed, kSaveFailedMessage, result.detail);
    if (header_.versionFile)
        codec::StampVersionChecksum(saved);
    if (const utils::FileResult written = utils::ReplaceFile(path, saved); !written.ok())
        return Failure(DocStatus::SaveFailed, kSaveFailedMessage, written.message);
    return {};
}

DocResult Document::PrepareSend() {
    if (db_.Size(kChannelTable) == 0 || db_.Size(kFavoriteTable) == 0)
        return Failure(DocStatus::UploadEmpty, kUploadEmptyMessage, {});
    std::vector<std::uint8_t> work;
    if (!utils::ReadWholeFile(workFile_, work).ok())
        return Failure(DocStatus::WorkFileFailed, kSaveFailedMessage, "cannot read the work file");
    // The receiver always gets a channel file, whatever form the database was opened in.
    const FlashImageCodec codec(model_.layout);
    const CodecResult result = codec.Save(work, false, {db_, values_, header_});
    if (!result.ok())
        return Failure(DocStatus::SaveFailed, kSaveFailedMessage, result.detail);
    if (!utils::ReplaceFile(workFile_, work).ok())
        return Failure(DocStatus::WorkFileFailed, kSaveFailedMessage, "cannot write the work file");
    return {};
}

DocResult Document::ExportDefaultChannelTable(const std::string& path) {
    const std::string source = codec::DefaultChannelTableSource(db_);
    if (const utils::FileResult written = utils::ReplaceFile(path, BytesOf(source)); !written.ok())
        return Failure(DocStatus::SaveFailed, kSaveFailedMessage, written.message);
    return {};
}

DocResult Document::OpenChannelSheet(const std::string& path) {
    const std::size_t nameBytes = Layout().ChannelNameBytes();
    xls::NameImport names{
        [&](std::string_view text, std::uint8_t codeTable) -> xls::ImportedName {
            editing::FittedName fitted =
                editing::FitText(text, codeTable, nameBytes, cutLongNames_);
            if (!fitted.Stores())
                return {std::nullopt, editing::RefusedNamePhrase(fitted, codeTable, nameBytes)};
            return {std::move(fitted.stored), {}};
        },
        {}};
    xls::RefusedCell cell;
    const xls::WorkbookResult result = IsCsvPath(path)
                                           ? xls::ImportChannelCsv(path, db_, &names, &cell)
                                           : xls::ImportChannelWorkbook(path, db_, &names, &cell);
    const bool named = result == xls::WorkbookResult::CellRefused ||
                       result == xls::WorkbookResult::CsvMalformed ||
                       result == xls::WorkbookResult::NamesRefused;
    if (named) {
        // The operator corrects the file: the refusal names the row or line and the column.
        DocResult refused{DocStatus::WorkbookFailed, xls::WorkbookMessage(result), {}};
        refused.sentence = xls::RefusedCellText(cell);
        if (result != xls::WorkbookResult::NamesRefused) {
            refused.detail = refused.sentence.English();
        } else {
            // Names read through their code tables; every row refused, for a long list.
            refused.detail = refused.sentence.EnglishUtf8();
            if (names.refusedRows.size() > 1)
                refused.detail += "; " + PlacesOf(path, names.refusedRows);
        }
        return refused;
    }
    if (result != xls::WorkbookResult::Ok)
        return {DocStatus::WorkbookFailed, xls::WorkbookMessage(result), path};
    return {};
}

DocResult Document::SaveChannelSheet(const std::string& path) {
    const xls::WorkbookResult result = IsCsvPath(path)
                                           ? xls::ExportChannelCsv(db_, path, csvSeparator_)
                                           : xls::ExportChannelWorkbook(db_, path);
    if (result != xls::WorkbookResult::Ok)
        return {DocStatus::WorkbookFailed, xls::WorkbookMessage(result), path};
    return {};
}

DocResult WriteBlankImage(const FlashLayout& layout, const std::string& path) {
    std::vector<std::uint8_t> file;
    if (const CodecResult made = codec::MakeBlankImage(layout, file); !made.ok())
        return Failure(DocStatus::SaveFailed, kSaveFailedMessage, made.detail);
    if (const utils::FileResult written = utils::ReplaceFile(path, file); !written.ok())
        return Failure(DocStatus::SaveFailed, kSaveFailedMessage, written.message);
    return {};
}

} // namespace chanforge::document
