#include "chanforge/codec/Document.h"

#include "FileIO.h"
#include "chanforge/codec/CExport.h"
#include "chanforge/codec/FlashImageCodec.h"
#include "utils/TempFiles.h"

#ifdef CHANFORGE_HAVE_WORKBOOK
#include "chanforge/xls/ChannelWorkbook.h"
#endif

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace chanforge::codec {

namespace {

DocResult Failure(DocStatus status, const char* message, std::string detail) {
    return {status, message, std::move(detail)};
}

std::string CreateWorkFile() { return utils::CreateGuardedTempFile("chanforge-work", ".bin"); }

} // namespace

bool IsWorkbookPath(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < 2 || dot + 1 >= path.size()) return false;
    const std::string extension = path.substr(dot + 1);
    return extension == "xls" || extension == "cvs";
}

Document::Document(LayoutSource layout) : layout_(std::move(layout)), workFile_(CreateWorkFile()) {}

Document::~Document() {
    utils::RemoveGuardedTempFile(workFile_);
}

DocResult Document::Open(const std::string& path) {
    return IsWorkbookPath(path) ? OpenWorkbook(path) : OpenChannelFile(path);
}

DocResult Document::Open(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        DocResult result = Open(path);
        if (!result.ok()) return result;
    }
    return {};
}

DocResult Document::OpenChannelFile(const std::string& path) {
    std::vector<std::uint8_t> opened;
    std::string why;
    if (!detail::ReadWholeFile(path, opened, &why))
        return Failure(DocStatus::OpenFailed, kOpenFailedMessage, why + ": " + path);
    HeaderState header = header_;
    std::vector<std::uint8_t> work = ToWorkFile(opened, header);
    return Adopt(std::move(work), header, [this](const std::vector<std::uint8_t>& bytes) {
        return !workFile_.empty() && detail::WriteFileAtomically(workFile_, bytes);
    });
}

DocResult Document::AdoptReceivedImage(const std::string& received) {
    std::vector<std::uint8_t> work;
    if (!detail::ReadWholeFile(received, work))
        return Failure(DocStatus::OpenFailed, kOpenFailedMessage, "cannot read " + received);
    return Adopt(std::move(work), header_, [&](const std::vector<std::uint8_t>&) {
        std::error_code error;
        if (!workFile_.empty()) std::filesystem::rename(received, workFile_, error);
        return !workFile_.empty() && !error;
    });
}

DocResult Document::Adopt(std::vector<std::uint8_t> work, HeaderState header,
                          const std::function<bool(const std::vector<std::uint8_t>&)>& keepWorkFile) {
    // Decoded into a store of its own: a file that does not load leaves the open database,
    // its work file and its header exactly as they were.
    tabstore::CQoDB loaded;
    DocumentValues values = values_;
    const FlashImageCodec codec(layout_());
    const auto ask = [this] { return ask_ && ask_(kHeaderQuestion); };
    const CodecResult result = codec.Load(work, {loaded, values, header}, ask);
    if (!result.ok()) return Failure(DocStatus::OpenFailed, kOpenFailedMessage, result.detail);
    if (!keepWorkFile(work))
        return Failure(DocStatus::WorkFileFailed, kOpenFailedMessage, "cannot write the work file");
    db_.ReplaceWith(loaded);
    values_ = values;
    header_ = header;
    return {};
}

DocResult Document::SaveToFile(const std::string& path) {
    if (IsWorkbookPath(path)) return SaveWorkbook(path);
    std::vector<std::uint8_t> work;
    if (!detail::ReadWholeFile(workFile_, work))
        return Failure(DocStatus::SaveFailed, kSaveFailedMessage, "cannot read the work file");
    std::vector<std::uint8_t> saved = ToSavedFile(work, header_);
    const FlashImageCodec codec(layout_());
    const CodecResult result = codec.Save(saved, header_.versionFile, {db_, values_, header_});
    if (!result.ok()) return Failure(DocStatus::SaveFailed, kSaveFailedMessage, result.detail);
    if (header_.versionFile) StampVersionChecksum(saved);
    if (!detail::WriteFileAtomically(path, saved))
        return Failure(DocStatus::SaveFailed, kSaveFailedMessage, "cannot write " + path);
    return {};
}

DocResult Document::PrepareSend() {
    if (db_.Size(kChannelTable) == 0 || db_.Size(kFavoriteTable) == 0)
        return Failure(DocStatus::UploadEmpty, kUploadEmptyMessage, {});
    std::vector<std::uint8_t> work;
    if (!detail::ReadWholeFile(workFile_, work))
        return Failure(DocStatus::WorkFileFailed, kSaveFailedMessage, "cannot read the work file");
    // The receiver always gets a channel file, whatever form the database was opened in.
    const FlashImageCodec codec(layout_());
    const CodecResult result = codec.Save(work, false, {db_, values_, header_});
    if (!result.ok()) return Failure(DocStatus::SaveFailed, kSaveFailedMessage, result.detail);
    if (!detail::WriteFileAtomically(workFile_, work))
        return Failure(DocStatus::WorkFileFailed, kSaveFailedMessage, "cannot write the work file");
    return {};
}

DocResult Document::ExportDefaultChannelTable(const std::string& path) {
    const std::string source = DefaultChannelTableSource(db_);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(source.data());
    if (!detail::WriteFileAtomically(path, {bytes, source.size()}))
        return Failure(DocStatus::SaveFailed, kSaveFailedMessage, "cannot write " + path);
    return {};
}

#ifdef CHANFORGE_HAVE_WORKBOOK

DocResult Document::OpenWorkbook(const std::string& path) {
    const xls::WorkbookResult result = xls::ImportChannelWorkbook(path, db_);
    if (result != xls::WorkbookResult::Ok)
        return {DocStatus::WorkbookFailed, xls::WorkbookMessage(result), path};
    return {};
}

DocResult Document::SaveWorkbook(const std::string& path) {
    const xls::WorkbookResult result = xls::ExportChannelWorkbook(db_, path);
    if (result != xls::WorkbookResult::Ok)
        return {DocStatus::WorkbookFailed, xls::WorkbookMessage(result), path};
    return {};
}

#else

DocResult Document::OpenWorkbook(const std::string& path) {
    return Failure(DocStatus::WorkbookUnavailable, kWorkbookMissingMessage, path);
}

DocResult Document::SaveWorkbook(const std::string& path) {
    return Failure(DocStatus::WorkbookUnavailable, kWorkbookMissingMessage, path);
}

#endif

} // namespace chanforge::codec
