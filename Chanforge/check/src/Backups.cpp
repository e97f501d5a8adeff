#include "chanforge/check/Backups.h"

#include "BackupName.h"
#include "BackupOrder.h"
#include "chanforge/TableAccess.h"
#include "chanforge/codec/FlashImageCodec.h"
#include "utils/Files.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QStandardPaths>

#include <algorithm>

namespace chanforge::check {

namespace {

constexpr int kChecksumDigits = 16;

std::string Checksum(std::span<const std::uint8_t> bytes) {
    const QByteArray hash =
        QCryptographicHash::hash(QByteArrayView(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<qsizetype>(bytes.size())),
                                 QCryptographicHash::Sha256);
    return hash.toHex().left(kChecksumDigits).toStdString();
}

/// The TV and radio channels of the image; none when it does not decode for the layout.
std::optional<ChannelCounts> CountChannels(std::span<const std::uint8_t> image,
                                           const codec::FlashLayout& layout) {
    tabstore::CQoDB db;
    DocumentValues values;
    codec::HeaderState header;
    if (!codec::FlashImageCodec(layout)
             .Load(image, codec::Database{db, values, header}, [] { return false; })
             .ok())
        return std::nullopt;
    ChannelCounts counts;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        counts.tv += IsTV(ch) ? 1 : 0;
        counts.radio += IsRadio(ch) ? 1 : 0;
    });
    return counts;
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
            written = name;
        return r.ok();
    }
    return false;
}

/// Removes the model's oldest written backups past the newest kKeptPerModel, and their names;
/// a name whose file would not go stays, to be tried again.
void Prune(const QDir& dir, const std::string& model, QStringList& order) {
    std::size_t seen = 0;
    for (qsizetype i = order.size() - 1; i >= 0; --i) {
        const std::optional<BackupName> name = ParseBackupName(order[i]);
        if (!name || name->model != model || ++seen <= BackupStore::kKeptPerModel)
            continue;
        if (QFile::remove(dir.filePath(order[i])))
            order.removeAt(i);
    }
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
                               BackupKind kind, const codec::FlashLayout& layout,
                               std::int64_t msecsSinceEpoch) const {
    const QDir dir(QString::fromStdString(folder_));
    if (!dir.mkpath("."))
        return {BackupStatus::CannotWrite, {}, "cannot create " + folder_};
    const BackupName name{SafeModel(model).toStdString(),
                          msecsSinceEpoch < 0 ? QDateTime::currentMSecsSinceEpoch()
                                              : msecsSinceEpoch,
                          Checksum(image), kind, CountChannels(image, layout)};
    QString written;
    if (!WriteNew(dir, BackupBaseName(name), image, written))
        return {BackupStatus::CannotWrite, {}, "cannot write a backup into " + folder_};
    const std::string path = dir.filePath(written).toStdString();
    QStringList order;
    if (!ReadWrittenOrder(dir, order))
        return {BackupStatus::CannotWrite, path,
                "kept " + path + ", but the order of the backups cannot be read"};
    order << written;
    Prune(dir, name.model, order);
    if (!WriteWrittenOrder(dir, order))
        return {BackupStatus::CannotWrite, path,
                "kept " + path + ", but the order of the backups cannot be written"};
    return {BackupStatus::Ok, path, {}};
}

std::vector<BackupEntry> BackupStore::List(std::string_view model) const {
    const QDir dir(QString::fromStdString(folder_));
    QStringList order;
    ReadWrittenOrder(dir, order); // unreadable: every file counts as one not written here
    const std::string wanted = model.empty() ? std::string() : SafeModel(model).toStdString();
    std::vector<BackupEntry> entries;
    for (const QString& file : dir.entryList({"*.bin"}, QDir::Files | QDir::NoSymLinks)) {
        const std::optional<BackupName> name = ParseBackupName(file);
        if (!name || (!wanted.empty() && name->model != wanted) ||
            !IsRegularFile(dir.filePath(file)))
            continue;
        entries.push_back({dir.filePath(file).toStdString(), name->model, name->msecsSinceEpoch,
                           name->checksum, name->kind, name->channels,
                           static_cast<std::uint64_t>(order.indexOf(file) + 1)});
    }
    std::sort(entries.begin(), entries.end(), [](const BackupEntry& a, const BackupEntry& b) {
        if (a.sequence != b.sequence)
            return a.sequence > b.sequence;
        return a.msecsSinceEpoch != b.msecsSinceEpoch ? a.msecsSinceEpoch > b.msecsSinceEpoch
                                                      : a.path > b.path;
    });
    return entries;
}

BackupResult BackupStore::Read(const BackupEntry& entry, std::vector<std::uint8_t>& bytes) const {
    if (const utils::FileResult read = utils::ReadWholeFile(entry.path, bytes); !read.ok())
        return {BackupStatus::CannotRead, entry.path, read.message + ": " + entry.path};
    if (Checksum(bytes) != entry.checksum)
        return {BackupStatus::ChecksumMismatch, entry.path,
                entry.path + " no longer matches its checksum"};
    return {BackupStatus::Ok, entry.path, {}};
}

IntactBackup BackupStore::ReadNewestIntact(std::string_view model,
                                           std::vector<std::uint8_t>& bytes) const {
    IntactBackup found;
    for (const BackupEntry& entry : List(model)) {
        found.result = Read(entry, bytes);
        if (found.result.ok()) {
            found.used = entry;
            return found;
        }
        found.damaged.push_back(entry);
    }
    bytes.clear();
    found.result = {BackupStatus::NoneIntact, {}, "no intact backup of " + std::string(model)};
    return found;
}

} // namespace chanforge::check
