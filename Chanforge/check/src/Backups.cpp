#include "chanforge/check/Backups.h"

#include "utils/Files.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimeZone>

#include <algorithm>

namespace chanforge::check {

namespace {

constexpr const char* kTimeFormat = "yyyyMMdd-HHmmss-zzz";
constexpr int kChecksumDigits = 16;

std::string Checksum(std::span<const std::uint8_t> bytes) {
    const QByteArray hash =
        QCryptographicHash::hash(QByteArrayView(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<qsizetype>(bytes.size())),
                                 QCryptographicHash::Sha256);
    return hash.toHex().left(kChecksumDigits).toStdString();
}

/// Model names become file-name safe; the underscore is kept for the name's own separators.
QString SafeModel(std::string_view model) {
    QString safe = QString::fromUtf8(model.data(), static_cast<qsizetype>(model.size()));
    safe.replace(QRegularExpression("[^A-Za-z0-9-]"), "-");
    return safe.isEmpty() ? QStringLiteral("model") : safe;
}

/// MODEL_TIME_CHECKSUM.bin, or MODEL_TIME_CHECKSUM-N.bin when that name was taken.
const QRegularExpression& NamePattern() {
    static const QRegularExpression pattern(
        "^([A-Za-z0-9-]+)_(\\d{8}-\\d{6}-\\d{3})_([0-9a-f]{16})(?:-\\d+)?\\.bin$");
    return pattern;
}

/// Writes bytes under the first free name of base, base-2, base-3 ...; a backup that exists is
/// never replaced.
bool WriteNew(const QDir& dir, const QString& base, std::span<const std::uint8_t> bytes,
              QString& written) {
    for (int n = 1; n < 1000; ++n) {
        const QString name = n == 1 ? base + ".bin" : base + "-" + QString::number(n) + ".bin";
        const utils::FileResult r = utils::WriteNewFile(dir.filePath(name).toStdString(), bytes);
        if (r.status == utils::FileStatus::Exists)
            continue;
        if (r.ok())
            written = dir.filePath(name);
        return r.ok();
    }
    return false;
}

} // namespace

BackupStore::BackupStore(std::string folder) : folder_(std::move(folder)) {
    if (!folder_.empty())
        return;
    const QByteArray env = qgetenv("CHANFORGE_BACKUP_DIR");
    folder_ = !env.isEmpty()
                  ? env.toStdString()
                  : (QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/backups")
                        .toStdString();
}

BackupResult BackupStore::Keep(std::span<const std::uint8_t> image, std::string_view model,
                               std::int64_t msecsSinceEpoch) const {
    const QDir dir(QString::fromStdString(folder_));
    if (!dir.mkpath("."))
        return {BackupStatus::CannotWrite, {}, "cannot create " + folder_};
    const QDateTime when = msecsSinceEpoch < 0
                               ? QDateTime::currentDateTimeUtc()
                               : QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, Qt::UTC);
    const QString base = SafeModel(model) + "_" + when.toString(kTimeFormat) + "_" +
                         QString::fromStdString(Checksum(image));
    QString written;
    if (!WriteNew(dir, base, image, written))
        return {BackupStatus::CannotWrite, {}, "cannot write a backup into " + folder_};
    const std::vector<BackupEntry> kept = List(SafeModel(model).toStdString());
    for (std::size_t i = kKeptPerModel; i < kept.size(); ++i)
        QFile::remove(QString::fromStdString(kept[i].path));
    return {BackupStatus::Ok, written.toStdString(), {}};
}

std::vector<BackupEntry> BackupStore::List(std::string_view model) const {
    const QDir dir(QString::fromStdString(folder_));
    std::vector<BackupEntry> entries;
    for (const QString& name : dir.entryList({"*.bin"}, QDir::Files)) {
        const QRegularExpressionMatch m = NamePattern().match(name);
        if (!m.hasMatch())
            continue;
        const std::string owner = m.captured(1).toStdString();
        if (!model.empty() && owner != SafeModel(model).toStdString())
            continue;
        QDateTime when = QDateTime::fromString(m.captured(2), kTimeFormat);
        when.setTimeZone(QTimeZone::utc());
        entries.push_back({dir.filePath(name).toStdString(), owner, when.toMSecsSinceEpoch(),
                           m.captured(3).toStdString()});
    }
    std::sort(entries.begin(), entries.end(), [](const BackupEntry& a, const BackupEntry& b) {
        return a.msecsSinceEpoch != b.msecsSinceEpoch ? a.msecsSinceEpoch > b.msecsSinceEpoch
                                                      : a.path > b.path;
    });
    return entries;
}

BackupResult BackupStore::Read(const BackupEntry& entry, std::vector<std::uint8_t>& bytes) const {
    if (!utils::ReadWholeFile(entry.path, bytes).ok())
        return {BackupStatus::CannotRead, entry.path, "cannot read " + entry.path};
    if (Checksum(bytes) != entry.checksum)
        return {BackupStatus::ChecksumMismatch, entry.path,
                entry.path + " no longer matches its checksum"};
    return {BackupStatus::Ok, entry.path, {}};
}

} // namespace chanforge::check
