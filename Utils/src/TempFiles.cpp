#include "utils/TempFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>
#include <signal.h>
#include <unistd.h>

namespace utils {

namespace {

/// The signal handler may only use fixed storage: a few slots of path bytes, each published by
/// its flag once written.
constexpr int kSlots = 16;
constexpr std::size_t kPathMax = 4096;
char guardedPaths[kSlots][kPathMax];
std::atomic<bool> guardedInUse[kSlots];
std::mutex slotLock;

const QString kPrefixes = QStringLiteral("chanforge-[a-z]+");

void Guard(const std::string& path) {
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

void Unguard(const std::string& path) {
    const std::lock_guard lock(slotLock);
    for (int i = 0; i < kSlots; ++i)
        if (guardedInUse[i] && path == guardedPaths[i])
            guardedInUse[i] = false;
}

void RemoveGuardedAndDie(int signal) {
    for (int i = 0; i < kSlots; ++i)
        if (guardedInUse[i])
            ::unlink(guardedPaths[i]);
    ::signal(signal, SIG_DFL);
    ::raise(signal); // ends as the signal would have, so the parent sees why
}

bool ProcessIsGone(qint64 pid) {
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

std::string CreateGuardedTempFile(const std::string& prefix, const std::string& suffix) {
    QTemporaryFile file(QStringLiteral("%1/%2-%3-XXXXXX%4")
                            .arg(QDir::tempPath(), QString::fromStdString(prefix))
                            .arg(::getpid())
                            .arg(QString::fromStdString(suffix)));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    const std::string path = file.fileName().toStdString();
    Guard(path);
    return path;
}

void RemoveGuardedTempFile(const std::string& path) {
    if (path.empty())
        return;
    QFile::remove(QString::fromStdString(path));
    Unguard(path);
}

int TidyTempFiles() {
    static const QRegularExpression name(QStringLiteral("^%1-(\\d+)-").arg(kPrefixes));
    int removed = 0;
    const QDir temp(QDir::tempPath());
    for (const QString& file :
         temp.entryList({QStringLiteral("chanforge-*")}, QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = name.match(file);
        if (match.hasMatch() && ProcessIsGone(match.captured(1).toLongLong()) &&
            QFile::remove(temp.filePath(file)))
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
