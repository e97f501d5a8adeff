#include "BackupName.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTimeZone>

#include <array>

namespace chanforge::check {

namespace {

constexpr const char* kTimeFormat = "yyyyMMdd-HHmmss-zzz";

struct KindWord {
    BackupKind kind;
    const char* word;
};

constexpr std::array<KindWord, 3> kKindWords{{{BackupKind::Received, "received"},
                                              {BackupKind::Sent, "sent"},
                                              {BackupKind::ReadBack, "readback"}}};

const QRegularExpression& NamePattern() {
    static const QRegularExpression pattern(
        "^([A-Za-z0-9-]+)_(\\d{8}-\\d{6}-\\d{3})_([0-9a-f]{16})"
        "(?:_(received|sent|readback)(?:_(\\d{1,9})tv-(\\d{1,9})radio)?)?(?:-\\d+)?\\.bin$");
    return pattern;
}

BackupKind KindOf(const QString& word) {
    for (const KindWord& k : kKindWords)
        if (word == QLatin1String(k.word))
            return k.kind;
    return BackupKind::Unknown;
}

QString WordOf(BackupKind kind) {
    for (const KindWord& k : kKindWords)
        if (kind == k.kind)
            return QLatin1String(k.word);
    return {};
}

} // namespace

QString SafeModel(std::string_view model) {
    QString safe = QString::fromUtf8(model.data(), static_cast<qsizetype>(model.size()));
    safe.replace(QRegularExpression("[^A-Za-z0-9-]"), "-");
    return safe.isEmpty() ? QStringLiteral("model") : safe;
}

QString BackupBaseName(const BackupName& name) {
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(name.msecsSinceEpoch, QTimeZone::utc());
    QString base = QString::fromStdString(name.model) + "_" + when.toString(kTimeFormat) + "_" +
                   QString::fromStdString(name.checksum);
    if (name.kind == BackupKind::Unknown)
        return base;
    base += "_" + WordOf(name.kind);
    if (name.channels)
        base += QStringLiteral("_%1tv-%2radio").arg(name.channels->tv).arg(name.channels->radio);
    return base;
}

std::optional<BackupName> ParseBackupName(const QString& fileName) {
    const QRegularExpressionMatch m = NamePattern().match(fileName);
    if (!m.hasMatch())
        return std::nullopt;
    QDateTime when = QDateTime::fromString(m.captured(2), kTimeFormat);
    when.setTimeZone(QTimeZone::utc());
    BackupName name{m.captured(1).toStdString(), when.toMSecsSinceEpoch(),
                    m.captured(3).toStdString(), KindOf(m.captured(4)), std::nullopt};
    if (m.hasCaptured(5))
        name.channels = ChannelCounts{m.captured(5).toULongLong(), m.captured(6).toULongLong()};
    return name;
}

} // namespace chanforge::check
