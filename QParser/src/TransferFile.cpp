#include "TransferFile.h"

namespace qparser {

namespace {
QString ToQString(const std::string& path) {
    return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
}
} // namespace

bool TransferFile::Create(const std::string& path) {
    Close();
    m_writing = std::make_unique<QSaveFile>(ToQString(path));
    if (m_writing->open(QIODevice::WriteOnly)) return true;
    m_writing.reset();
    return false;
}

bool TransferFile::Open(const std::string& path) {
    Close();
    m_reading = std::make_unique<QFile>(ToQString(path));
    if (m_reading->open(QIODevice::ReadOnly)) return true;
    m_reading.reset();
    return false;
}

void TransferFile::Close() {
    if (m_writing) m_writing->cancelWriting();
    m_writing.reset(); // an uncommitted save file removes its temporary file
    m_reading.reset();
}

bool TransferFile::IsOpen() const { return m_writing || m_reading; }

std::int64_t TransferFile::Size() const {
    if (m_writing) return m_writing->size();
    return m_reading ? m_reading->size() : 0;
}

bool TransferFile::Append(const unsigned char* bytes, int count) {
    if (!m_writing || !m_writing->seek(m_writing->size())) return false;
    return m_writing->write(reinterpret_cast<const char*>(bytes), count) == count &&
           m_writing->flush();
}

bool TransferFile::WriteAt(std::int64_t offset, const unsigned char* bytes, int count) {
    if (!m_writing || !m_writing->seek(offset)) return false;
    return m_writing->write(reinterpret_cast<const char*>(bytes), count) == count &&
           m_writing->flush();
}

bool TransferFile::Commit() {
    if (!m_writing) return false;
    const bool committed = m_writing->commit();
    m_writing.reset();
    return committed;
}

std::int64_t TransferFile::ReadAt(std::int64_t offset, unsigned char* bytes, int count) {
    if (!m_reading || offset < 0 || !m_reading->seek(offset)) return -1;
    return m_reading->read(reinterpret_cast<char*>(bytes), count);
}

} // namespace qparser
