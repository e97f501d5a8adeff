#include "FileIO.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

namespace chanforge::codec::detail {

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    if (path.empty()) return false;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return false;
    const qint64 size = file.size();
    if (size < 0 || static_cast<std::uint64_t>(size) > kMaxFileSize) return false;
    bytes.resize(static_cast<std::size_t>(size));
    if (size == 0) return true;
    return file.read(reinterpret_cast<char*>(bytes.data()), size) == size;
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (path.empty()) return false;
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (size > 0 && file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace chanforge::codec::detail
