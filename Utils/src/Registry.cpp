// The settings store over QSettings: the registry on Windows, an INI file elsewhere.
//
// INI files have no value types, so each value carries its type the way registry exports do:
// "dword:0001c200" for a number, "sz:text" for a string. A value of the other type, or a number
// that is not exactly 4 bytes, reads as missing. QSettings writes through a temporary file and
// renames it, so a crash in the middle of a write leaves the previous store readable.
#include "utils/Registry.h"

#include "utils/Report.h"

#include <QSettings>
#include <QString>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>

namespace {

const char* const kBaseKey = "SOFTWARE/Rixatel/ST";
const char* const kKeyFailed = "Registry Key Creation is failed...";
const char* const kSetFailed = "Registry SetValue is failed...";
const char* const kDefaultNumberFailed = "Registry SetValue 'Installed Path' is failed...";
const QString kNumberTag = QStringLiteral("dword:");
const QString kStringTag = QStringLiteral("sz:");

std::mutex pathMutex;
std::string& ExplicitPath() {
    static std::string path;
    return path;
}

QString StorePath() {
    std::string path = utils::SettingsPath();
    return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
}

/// An open key of the store, or null after reporting that it cannot be opened.
std::unique_ptr<QSettings> OpenKey(const char* subKey) {
    auto settings = std::make_unique<QSettings>(StorePath(), QSettings::IniFormat);
    if (settings->status() != QSettings::NoError) {
        utils::Report(utils::ReportLevel::Error, kKeyFailed);
        return nullptr;
    }
    settings->beginGroup(kBaseKey);
    if (subKey != nullptr)
        settings->beginGroup(QString::fromLatin1(subKey));
    return settings;
}

QString ValueKey(const char* valueName) {
    return QString::fromLatin1(valueName);
}

bool Commit(QSettings& settings) {
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::optional<std::uint32_t> StoredNumber(const QSettings& settings, const char* valueName) {
    const QString text = settings.value(ValueKey(valueName)).toString();
    const QString digits = text.mid(kNumberTag.size());
    if (!text.startsWith(kNumberTag) || digits.size() != 8)
        return std::nullopt;
    bool ok = false;
    const auto value = digits.toUInt(&ok, 16);
    return ok ? std::optional<std::uint32_t>(value) : std::nullopt;
}

std::optional<QString> StoredString(const QSettings& settings, const char* valueName) {
    const QVariant value = settings.value(ValueKey(valueName));
    const QString text = value.toString();
    if (!value.isValid() || !text.startsWith(kStringTag))
        return std::nullopt;
    return text.mid(kStringTag.size());
}

QString EncodeNumber(std::uint32_t value) {
    return kNumberTag + QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0'));
}

QString EncodeString(const char* value) {
    return kStringTag + QString::fromLatin1(value);
}

void CopyOut(const QString& text, char* result) {
    const QByteArray bytes = text.toLatin1();
    const auto length = std::min<qsizetype>(bytes.size(), kRegistryStringSize - 1);
    std::memcpy(result, bytes.constData(), static_cast<std::size_t>(length));
    result[length] = '\0';
}

int WriteValue(const char* subKey, const char* valueName, const QString& encoded) {
    if (valueName == nullptr)
        return 0;
    auto settings = OpenKey(subKey);
    if (!settings)
        return 0;
    settings->setValue(ValueKey(valueName), encoded);
    if (!Commit(*settings)) {
        utils::Report(utils::ReportLevel::Error, kSetFailed);
        return 0;
    }
    return 1;
}

} // namespace

namespace utils {

void SetSettingsPath(const std::string& path) {
    std::lock_guard guard(pathMutex);
    ExplicitPath() = path;
}

std::string SettingsPath() {
    {
        std::lock_guard guard(pathMutex);
        if (!ExplicitPath().empty())
            return ExplicitPath();
    }
    if (const char* fromEnvironment = std::getenv("CHANFORGE_SETTINGS");
        fromEnvironment != nullptr && *fromEnvironment != '\0')
        return fromEnvironment;
    const QSettings platform(QSettings::IniFormat, QSettings::UserScope,
                             QStringLiteral("Chanforge"), QStringLiteral("Chanforge"));
    return platform.fileName().toStdString();
}

} // namespace utils

int GetRegistry(const char* subKey, const char* valueName, std::uint32_t* result,
                std::uint32_t defaultValue) {
    if (valueName == nullptr || result == nullptr)
        return 0;
    auto settings = OpenKey(subKey);
    if (!settings)
        return 0;
    if (auto stored = StoredNumber(*settings, valueName)) {
        *result = *stored;
        return 1;
    }
    *result = defaultValue;
    settings->setValue(ValueKey(valueName), EncodeNumber(defaultValue));
    if (!Commit(*settings)) {
        utils::Report(utils::ReportLevel::Error, kDefaultNumberFailed);
        return 0;
    }
    return 1;
}

int GetRegistry(const char* subKey, const char* valueName, char* result, const char* defaultValue) {
    if (valueName == nullptr || result == nullptr)
        return 0;
    auto settings = OpenKey(subKey);
    if (!settings)
        return 0;
    if (auto stored = StoredString(*settings, valueName)) {
        CopyOut(*stored, result);
        return 1;
    }
    const char* fallback = defaultValue != nullptr ? defaultValue : "";
    CopyOut(QString::fromLatin1(fallback), result);
    settings->setValue(ValueKey(valueName), EncodeString(fallback));
    if (!Commit(*settings)) {
        utils::Report(utils::ReportLevel::Error, kSetFailed);
        return 0;
    }
    return 1;
}

int SetRegistry(const char* subKey, const char* valueName, std::uint32_t value) {
    return WriteValue(subKey, valueName, EncodeNumber(value));
}

int SetRegistry(const char* subKey, const char* valueName, const char* value) {
    if (value == nullptr)
        return 0;
    return WriteValue(subKey, valueName, EncodeString(value));
}

int DeleteRegistryKey(const char* subKey) {
    auto settings = OpenKey(nullptr);
    if (!settings)
        return 0;
    settings->remove(subKey != nullptr ? QString::fromLatin1(subKey) : QString());
    if (!Commit(*settings)) {
        utils::Report(utils::ReportLevel::Error, kSetFailed);
        return 0;
    }
    return 1;
}

int HasRegistryValue(const char* subKey, const char* valueName) {
    if (valueName == nullptr)
        return 0;
    auto settings = OpenKey(subKey);
    return settings && settings->contains(ValueKey(valueName)) ? 1 : 0;
}
