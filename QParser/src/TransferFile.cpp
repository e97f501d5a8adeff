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
    if (path.empty() || !FolderTakesFiles(path)) return false;
    m_writing.emplace();
    m_target = path;
    return true;
}

bool TransferFile::Open(const std::string& path) {
    Close();
    m_reading = std::make_unique<QFile>(ToQString(path));
    if (m_reading->open(QIODevice::ReadOnly)) return true;
    m_reading.reset();
    return false;
}

void TransferFile::Close() {
    m_writing.reset(); // nothing was written yet: the target stays as it was
    m_reading.reset();
}

bool TransferFile::IsOpen() const { return m_writing || m_reading; }

std::int64_t TransferFile::Size() const {
    if (m_writing) return static_cast<std::int64_t>(m_writing->size());
    return m_reading ? m_reading->size() : 0;
}

bool TransferFile::Append(const unsigned char* bytes, int count) {
    return m_writing && WriteAt(static_cast<std::int64_t>(m_writing->size()), bytes, count);
}

bool TransferFile::WriteAt(std::int64_t offset, const unsigned char* bytes, int count) {
    if (!m_writing || offset < 0 || count < 0) return false;
    const auto end = static_cast<std::size_t>(offset) + static_cast<std::size_t>(count);
    if (end > m_writing->size()) m_writing->resize(end); // a gap reads as zero bytes
    std::copy(bytes, bytes + count, m_writing->begin() + offset);
    return true;
}

bool TransferFile::Commit() {
    if (!m_writing) return false;
    const bool committed = utils::ReplaceFile(m_target, *m_writing).ok();
    m_writing.reset();
    return committed;
}

std::int64_t TransferFile::ReadAt(std::int64_t offset, unsigned char* bytes, int count) {
    if (!m_reading || offset < 0 || !m_reading->seek(offset)) return -1;
    return m_reading->read(reinterpret_cast<char*>(bytes), count);
}

} // namespace qparser
