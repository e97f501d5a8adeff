#include "TransferFile.h"

#include "utils/Files.h"

#include <algorithm>
#include <filesystem>
#include <unistd.h>

namespace qparser {

namespace {
QString ToQString(const std::string& path) {
    return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
}

/// A receive that could never be saved fails before the conversation starts, not after it.
bool FolderTakesFiles(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return ::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) == 0;
}
} // namespace

bool TransferFile::Create(const std::string& path) {
    Close();
    if (path.empty() || !FolderTakesFiles(path))
        return false;
    writing_.emplace();
    target_ = path;
    return true;
}

bool TransferFile::Open(const std::string& path) {
    Close();
    reading_ = std::make_unique<QFile>(ToQString(path));
    if (reading_->open(QIODevice::ReadOnly))
        return true;
    reading_.reset();
    return false;
}

void TransferFile::Close() {
    writing_.reset(); // nothing was written yet: the target stays as it was
    reading_.reset();
}

std::int64_t TransferFile::Size() const {
    if (writing_)
        return static_cast<std::int64_t>(writing_->size());
    return reading_ ? reading_->size() : 0;
}

bool TransferFile::Append(const unsigned char* bytes, int count) {
    return writing_ && WriteAt(static_cast<std::int64_t>(writing_->size()), bytes, count);
}

bool TransferFile::WriteAt(std::int64_t offset, const unsigned char* bytes, int count) {
    if (!writing_ || offset < 0 || count < 0)
        return false;
    const auto end = static_cast<std::size_t>(offset) + static_cast<std::size_t>(count);
    if (end > writing_->size())
        writing_->resize(end); // a gap reads as zero bytes
    std::copy(bytes, bytes + count, writing_->begin() + offset);
    return true;
}

bool TransferFile::Commit() {
    if (!writing_)
        return false;
    const bool committed = utils::ReplaceFile(target_, *writing_).ok();
    writing_.reset();
    return committed;
}

std::int64_t TransferFile::ReadAt(std::int64_t offset, unsigned char* bytes, int count) {
    if (!reading_ || offset < 0 || !reading_->seek(offset))
        return -1;
    return reading_->read(reinterpret_cast<char*>(bytes), count);
}

} // namespace qparser
