#include "FileIO.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace chanforge::codec::detail {

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string* why) {
    const auto fail = [why](const char* reason) {
        if (why != nullptr) *why = reason;
        return false;
    };
    if (path.empty()) return fail("no file name");
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error) return fail("cannot read the file");
    if (!std::filesystem::is_regular_file(status)) return fail("not a regular file");
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return fail("cannot read the file");
    const qint64 size = file.size();
    if (size < 0 || static_cast<std::uint64_t>(size) > kMaxFileSize) return fail("the file is too large");
    bytes.resize(static_cast<std::size_t>(size));
    if (size == 0) return true;
    return file.read(reinterpret_cast<char*>(bytes.data()), size) == size;
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (path.empty()) return false;
    // The temporary file sits beside the target, so the rename never crosses file systems.
    const QFileInfo target(QString::fromStdString(path));
    QTemporaryFile temp(target.absolutePath() + "/." + target.fileName() + ".XXXXXX");
    if (!temp.open()) return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (size > 0 && temp.write(reinterpret_cast<const char*>(bytes.data()), size) != size)
        return false;
    if (!temp.flush()) return false;
    // Keep the target's permissions when it exists; a new file gets the usual ones.
    temp.setPermissions(target.exists() ? target.permissions()
                                        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                              QFile::ReadOther);
    temp.close();
    std::error_code error;
    std::filesystem::rename(temp.fileName().toStdString(), path, error);
    if (error) return false;
    temp.setAutoRemove(false); // it is the target now
    return true;
}

} // namespace chanforge::codec::detail
