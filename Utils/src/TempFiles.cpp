#include "utils/TempFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <mutex>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace utils {

namespace {

/// The signal handler may only use fixed storage: a few slots of path bytes, each published by
/// its flag once written.
constexpr int kSlots = 16;
constexpr std::size_t kPathMax = 4096;
char guardedPaths[kSlots][kPathMax];
std::atomic<bool> guardedInUse[kSlots];
std::mutex slotLock;

/// Work files, and the hidden temporaries a replacement of one writes beside it.
const QString kPrefixes = QStringLiteral("\\.?chanforge-[a-z]+");

} // namespace

void GuardPath(const std::string& path) {
    if (path.size() >= kPathMax)
        return;
    const std::lock_guard lock(slotLock);
    for (int i = 0; i < kSlots; ++i) {
        if (guardedInUse[i])
            continue;
        std::memcpy(guardedPaths[i], path.c_str(), path.size() + 1);
        guardedInUse[i] = true;
        return;
    }
}

void UnguardPath(const std::string& path) {
    const std::lock_guard lock(slotLock);
    for (int i = 0; i < kSlots; ++i)
        if (guardedInUse[i] && path == guardedPaths[i])
            guardedInUse[i] = false;
}

namespace {

void RemoveGuardedAndDie(int signal) {
    for (int i = 0; i < kSlots; ++i)
        if (guardedInUse[i])
            ::unlink(guardedPaths[i]);
    ::signal(signal, SIG_DFL);
    ::raise(signal); // ends as the signal would have, so the parent sees why
}

/// TMPDIR, else /tmp. Unlike QDir::tempPath, a folder that does not exist keeps its name, so a
/// failure names it, instead of becoming the empty path, which reads as / or the current folder.
std::string TempFolder() {
    const char* named = std::getenv("TMPDIR");
    std::string folder = named != nullptr && *named != '\0' ? named : "/tmp";
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

bool ProcessIsGone(qint64 pid) {
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

/// Where a temporary beside a target is written down while it exists: one small file per
/// temporary, named after the process and the temporary's path.
std::string BesideRecord(const std::string& temp) {
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016zx", std::hash<std::string>{}(temp));
    return TempFolder() + "/chanforge-beside-" + std::to_string(::getpid()) + "-" + hash;
}

bool OwnedRegularFile(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid();
}

/// Removes the temporary a gone process wrote down, only when it bears the name that process
/// gives its temporaries and is ours: the temporary folder is shared, the record may be planted.
void RemoveRecordedTemporary(const std::string& record, qint64 pid) {
    std::vector<std::uint8_t> bytes;
    if (!OwnedRegularFile(record) || !ReadWholeFile(record, bytes, kPathMax).ok())
        return;
    const std::string temp(bytes.begin(), bytes.end());
    static const QRegularExpression name(QStringLiteral("^\\..+\\.(\\d+)-\\d+\\.tmp$"));
    const QRegularExpressionMatch match =
        name.match(QString::fromStdString(std::filesystem::path(temp).filename().string()));
    if (match.hasMatch() && match.captured(1).toLongLong() == pid && OwnedRegularFile(temp))
        ::unlink(temp.c_str());
}

} // namespace

void GuardBeside(const std::string& temp) {
    GuardPath(temp);
    std::error_code failed;
    const std::string absolute = std::filesystem::absolute(temp, failed).string();
    const std::string record = BesideRecord(temp);
    GuardPath(record);
    // Without the record only a later start's sweep misses the temporary; the write goes on.
    const int fd = ::open(record.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    const std::string& text = failed ? temp : absolute;
    [[maybe_unused]] const ssize_t written = ::write(fd, text.data(), text.size());
    ::close(fd);
}

void UnguardBeside(const std::string& temp) {
    const std::string record = BesideRecord(temp);
    ::unlink(record.c_str());
    UnguardPath(record);
    UnguardPath(temp);
}

FileResult CreateGuardedTempFile(const std::string& prefix, const std::string& suffix,
                                 std::string& path) {
    const std::string folder = TempFolder();
    const std::string name =
        folder + "/" + prefix + "-" + std::to_string(::getpid()) + "-XXXXXX" + suffix;
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    const int fd = ::mkstemps(buffer.data(), static_cast<int>(suffix.size()));
    if (fd < 0)
        return {FileStatus::CannotWrite, "cannot create a file in the temporary folder " + folder +
                                             ": " + std::strerror(errno)};
    ::close(fd);
    path = buffer.data();
    GuardPath(path);
    return {};
}

void RemoveGuardedTempFile(const std::string& path) {
    if (path.empty())
        return;
    QFile::remove(QString::fromStdString(path));
    UnguardPath(path);
}

int TidyTempFiles() {
    static const QRegularExpression name(QStringLiteral("^%1-(\\d+)-").arg(kPrefixes));
    int removed = 0;
    const QDir temp(QString::fromStdString(TempFolder()));
    for (const QString& file :
         temp.entryList({QStringLiteral("chanforge-*"), QStringLiteral(".chanforge-*")},
                        QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = name.match(file);
        const qint64 pid = match.captured(1).toLongLong();
        if (!match.hasMatch() || !ProcessIsGone(pid))
            continue;
        if (file.startsWith(QStringLiteral("chanforge-beside-")))
            RemoveRecordedTemporary(temp.filePath(file).toStdString(), pid);
        if (QFile::remove(temp.filePath(file)))
            ++removed;
    }
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction action {};
        action.sa_handler = RemoveGuardedAndDie;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
    return removed;
}

} // namespace utils
