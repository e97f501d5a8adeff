// The virtual receiver as a separate process on its own pseudo-terminal, for tests that drive
// the transfer dialogs the way an operator would. CHANFORGE_STBSIM names the program.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace chanforge::testkit {

class StbSimProcess {
  public:
    /// Starts the receiver; Path() stays empty when it did not come up.
    explicit StbSimProcess(const QStringList& arguments) {
        process_.start(QStringLiteral(CHANFORGE_STBSIM),
                       arguments + QStringList{QStringLiteral("--verbose")});
        // Its first line on standard output is the pseudo-terminal to open.
        while (!process_.canReadLine() && process_.waitForReadyRead(10000)) {
        }
        if (process_.canReadLine())
            path_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~StbSimProcess() { Stop(); }
    StbSimProcess(const StbSimProcess&) = delete;
    StbSimProcess& operator=(const StbSimProcess&) = delete;

    const QString& Path() const { return path_; }

    /// Waits for the end of a receiver started with a session count (or ends it); its exit
    /// status: 0 when every conversation completed as it sees it, -1 when it did not end.
    int Stop(int waitMs = 10000) {
        if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(waitMs)) {
            process_.terminate();
            process_.waitForFinished(waitMs);
        }
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
            return -1;
        }
        log_ += QString::fromLocal8Bit(process_.readAllStandardError());
        return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    }
    /// What it logged about its conversations (after Stop).
    const QString& Log() const { return log_; }

  private:
    QProcess process_;
    QString path_;
    QString log_;
};

} // namespace chanforge::testkit
