// The settings store over QSettings: the registry on Windows, an INI file elsewhere.
//
// INI files have no value types, so each value carries its type the way registry exports do:
// "dword:0001c200" for a number, "sz:text" for a string. A value of the other type, or a number
// that is not exactly 4 bytes, reads as missing. QSettings writes through a temporary file and
// renames it, so a crash in the middle of a write leaves the previous store readable.
#include "utils/Registry.h"

#include "utils/Files.h"
#include "utils/Report.h"

#include <QSettings>
#include <QString>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

const char* const kBaseKey = "SOFTWARE/Rixatel/ST";
const char* const kKeyFailed = "Registry Key Creation is failed...";
const char* const kSetFailed = "Registry SetValue is failed...";
const char* const kDefaultNumberFailed = "Registry SetValue 'Installed Path' is failed...";
const char* const kReadOnly = "The settings are read-only for this command";
const QString kNumberTag = QStringLiteral("dword:");
const QString kStringTag = QStringLiteral("sz:");
/// Far above any store the system writes; a larger file is something else.
constexpr std::uint64_t kMaxStoreBytes = 1 << 20;

std::mutex pathMutex;
std::string& ExplicitPath() {
    static std::string path;
    return path;
}
std::atomic<bool> readOnlyStore{false};
std::atomic<unsigned> failedWrites{0};

/// Every write that did not reach the store ends here, so a command can tell it failed.
int WriteFailed() {
    ++failedWrites;
    return 0;
}

std::string_view Trimmed(std::string_view line) {
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

/// Where QSettings puts every value of kBaseKey: the section is its first part, each key starts
/// with the rest, a backslash for each slash.
constexpr std::string_view kStoreSection = "SOFTWARE";
constexpr std::string_view kStoreKeyPrefix = "Rixatel\\ST\\";
/// The groups the window keeps beside the registry values (its geometry, recent files,
/// language, list options); their keys are its own.
constexpr std::string_view kWindowGroups[] = {"Window", "ChannelList"};

/// Whether a key of the store's section lies under the base key.
bool IsOurKey(std::string_view key) {
    std::string normal(key);
    std::replace(normal.begin(), normal.end(), '/', '\\');
    return normal.starts_with(kStoreKeyPrefix) && normal.size() > kStoreKeyPrefix.size();
}

std::string LineProblem(std::size_t number, std::string_view what) {
    return "line " + std::to_string(number + 1) + " " + std::string(what);
}

/// Why text is not a store of this program; empty when it is. Only the lines QSettings writes
/// for our key path count as ours: any other section or key means the file belongs to someone
/// else (a note with headings, another program's settings) and must not be rewritten.
std::string StoreTextProblem(std::string_view text) {
    if (text.find('\0') != std::string_view::npos)
        return "it holds binary data";
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return {}; // empty: the first write fills it
    bool settings = false, continued = false, inOurSection = false, inWindowGroup = false;
    std::size_t number = 0;
    for (std::size_t start = 0; start < text.size(); ++number) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = Trimmed(text.substr(start, end - start));
        start = end + 1;
        const bool wasContinued = std::exchange(continued, false);
        if (wasContinued || line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        settings = true;
        if (line.front() == '[' && line.back() == ']') {
            const std::string_view section = line.substr(1, line.size() - 2);
            inOurSection = section == kStoreSection;
            if (!inOurSection && std::find(std::begin(kWindowGroups), std::end(kWindowGroups),
                                           section) == std::end(kWindowGroups))
                return LineProblem(number, "is a section of another program");
            inWindowGroup = !inOurSection;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0)
            return LineProblem(number, "is neither a [section], a key=value nor a comment");
        if (!inWindowGroup && (!inOurSection || !IsOurKey(Trimmed(line.substr(0, equals)))))
            return LineProblem(number, "is a key of another program");
        continued = line.back() == '\\';
    }
    return settings ? std::string() : "it holds no settings";
}

/// Why the file at path cannot be the store; empty when it can, or does not exist.
std::string StoreFileProblem(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {}; // nothing there yet: the first write creates it, or reports why it cannot
    if (!S_ISREG(st.st_mode))
        return "it is not a regular file";
    std::vector<std::uint8_t> bytes;
    if (const utils::FileResult read = utils::ReadWholeFile(path, bytes, kMaxStoreBytes);
        !read.ok())
        return read.message;
    return StoreTextProblem({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

/// A refused store is reported once: every later call would only say it again.
void ReportRefusedStore(const std::string& problem) {
    static std::mutex reportMutex;
    static std::string reported;
    {
        const std::lock_guard guard(reportMutex);
        if (reported == problem)
            return;
        reported = problem;
    }
    utils::Report(utils::ReportLevel::Error, problem);
}

QString StorePath() {
    std::string path = utils::SettingsPath();
    return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
}

/// An open key of the store, or null after reporting that it cannot be opened.
std::unique_ptr<QSettings> OpenKey(const char* subKey) {
    if (const std::string problem = utils::SettingsStoreProblem(); !problem.empty()) {
        ReportRefusedStore(problem);
        return nullptr;
    }
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

/// A key to change, or null after reporting why the store may not change.
std::unique_ptr<QSettings> OpenKeyToWrite(const char* subKey) {
    if (readOnlyStore) {
        utils::Report(utils::ReportLevel::Error, kReadOnly);
        return nullptr;
    }
    return OpenKey(subKey);
}

int WriteValue(const char* subKey, const char* valueName, const QString& encoded) {
    if (valueName == nullptr)
        return 0;
    auto settings = OpenKeyToWrite(subKey);
    if (!settings)
        return WriteFailed();
    settings->setValue(ValueKey(valueName), encoded);
    if (!Commit(*settings)) {
        utils::Report(utils::ReportLevel::Error, kSetFailed);
        return WriteFailed();
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

std::string SettingsStoreProblem() {
    const std::string path = SettingsPath();
    const std::string problem = StoreFileProblem(path);
    return problem.empty() ? problem : "Not a settings file: " + path + " (" + problem + ")";
}

void SetSettingsReadOnly(bool readOnly) {
    readOnlyStore = readOnly;
}

unsigned FailedSettingsWrites() {
    return failedWrites;
}

} // namespace utils

int GetRegistry(const char* subKey, const char* valueName, std::uint32_t* result,
                std::uint32_t defaultValue) {
    if (valueName == nullptr || result == nullptr)
        return 0;
    *result = defaultValue; // also the answer when the store cannot be read
    auto settings = OpenKey(subKey);
    if (!settings)
        return 0;
    if (auto stored = StoredNumber(*settings, valueName)) {
        *result = *stored;
        return 1;
    }
    if (readOnlyStore)
        return 1;
    settings->setValue(ValueKey(valueName), EncodeNumber(defaultValue));
    if (!Commit(*settings)) {
        utils::Report(utils::ReportLevel::Error, kDefaultNumberFailed);
        return WriteFailed();
    }
    return 1;
}

int GetRegistry(const char* subKey, const char* valueName, char* result, const char* defaultValue) {
    if (valueName == nullptr || result == nullptr)
        return 0;
    const char* fallback = defaultValue != nullptr ? defaultValue : "";
    CopyOut(QString::fromLatin1(fallback), result); // also the answer when the store cannot be read
    auto settings = OpenKey(subKey);
    if (!settings)
        return 0;
    if (auto stored = StoredString(*settings, valueName)) {
        CopyOut(*stored, result);
        return 1;
    }
    if (readOnlyStore)
        return 1;
    settings->setValue(ValueKey(valueName), EncodeString(fallback));
    if (!Commit(*settings)) {
        utils::Report(utils::ReportLevel::Error, kSetFailed);
        return WriteFailed();
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
    auto settings = OpenKeyToWrite(nullptr);
    if (!settings)
        return WriteFailed();
    settings->remove(subKey != nullptr ? QString::fromLatin1(subKey) : QString());
    if (!Commit(*settings)) {
        utils::Report(utils::ReportLevel::Error, kSetFailed);
        return WriteFailed();
    }
    return 1;
}

int HasRegistryValue(const char* subKey, const char* valueName) {
    if (valueName == nullptr)
        return 0;
    auto settings = OpenKey(subKey);
    return settings && settings->contains(ValueKey(valueName)) ? 1 : 0;
}
