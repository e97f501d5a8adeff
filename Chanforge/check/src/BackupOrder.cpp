#include "BackupOrder.h"

#include "BackupName.h"
#include "utils/Files.h"

#include <QFileInfo>

namespace chanforge::check {

bool IsRegularFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink();
}

bool ReadWrittenOrder(const QDir& dir, QStringList& names) {
    names.clear();
    const QString path = dir.filePath(kBackupOrderFile);
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())
        return true;
    std::vector<std::uint8_t> bytes;
    if (!utils::ReadWholeFile(path.toStdString(), bytes).ok())
        return false;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()),
                                           static_cast<qsizetype>(bytes.size()));
    for (const QString& line : text.split('\n', Qt::SkipEmptyParts)) {
        // The pattern admits no separator, so a line never names a file outside the folder.
        if (ParseBackupName(line) && !names.contains(line) && IsRegularFile(dir.filePath(line)))
            names << line;
    }
    return true;
}

bool WriteWrittenOrder(const QDir& dir, const QStringList& names) {
    const QByteArray text = (names.join('\n') + '\n').toUtf8();
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.constData());
    return utils::ReplaceFile(dir.filePath(kBackupOrderFile).toStdString(),
                              {data, static_cast<std::size_t>(text.size())})
        .ok();
}

} // namespace chanforge::check
