#include "ProgressLine.h"

#include <cstdio>

namespace chanforge::transfer {

namespace {
constexpr int kBarWidth = 24;
}

void ProgressLine::Update(const QString& status, int hundredths, const TransferStats& stats) {
    if (!terminal_) {
        // A log gets every status, but progress figures only in steps of ten percent.
        const bool figure = status.startsWith(QLatin1String("Downloading")) ||
                            status.startsWith(QLatin1String("Uploading"));
        if (status != lastStatus_ && (!figure || hundredths / 1000 != lastStep_))
            std::fprintf(stderr, "%s\n", status.trimmed().toLocal8Bit().constData());
        lastStatus_ = status;
        lastStep_ = hundredths / 1000;
        return;
    }
    const int filled = hundredths * kBarWidth / 10000;
    const QString bar =
        QString(filled, QLatin1Char('#')) + QString(kBarWidth - filled, QLatin1Char('.'));
    const double seconds = stats.elapsedMs / 1000.0;
    const double rate = seconds > 0 ? (stats.bytesIn + stats.bytesOut) / 1024.0 / seconds : 0.0;
    QString blocks;
    if (stats.blocksTotal > 0)
        blocks = QStringLiteral("%1/%2 blocks").arg(stats.blocksDone).arg(stats.blocksTotal);
    const QString line = QStringLiteral("[%1] %2%  %3  %4 KiB/s  %5")
                             .arg(bar)
                             .arg(hundredths / 100.0, 6, 'f', 2)
                             .arg(blocks, -16)
                             .arg(rate, 6, 'f', 1)
                             .arg(status.trimmed());
    std::fprintf(stderr, "\r%-100s", line.left(100).toLocal8Bit().constData());
    std::fflush(stderr);
    drawn_ = true;
}

void ProgressLine::Close() {
    if (drawn_)
        std::fprintf(stderr, "\n");
    drawn_ = false;
}

} // namespace chanforge::transfer
