// Times the window with 10,000 channels on the offscreen platform: a filter change that
// refills both grids, a header sort, and start-up to a shown database. Prints median figures.
#include "ChannelGrid.h"
#include "LeftTopView.h"
#include "MainFrame.h"
#include "RightView.h"
#include "SampleData.h"

#include "chanforge/codec/FlashLayout.h"
#include "chanforge/editing/ChannelColumns.h"
#include "policy/Policy.h"
#include "policy/Presets.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace chanforge;

namespace {

double MedianMs(int runs, const std::function<void()>& fn) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        fn();
        QApplication::processEvents();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const QString settings = QDir::temp().filePath(QStringLiteral("chanforge-gui-bench.ini"));
    setenv("CHANFORGE_SETTINGS", settings.toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    // Model C with its channel block stretched to 240 sectors of 43 slots: room for 10,000.
    policy::SelectPreset(*policy::FindPreset("C"), 0);
    SetFlashCHBlockInfo(49152, 240, 92, 16);
    const QString blank = QDir::temp().filePath(QStringLiteral("chanforge-bench-blank.bin"));
    const QString sample = QDir::temp().filePath(QStringLiteral("chanforge-bench-10k.bin"));
    {
        document::Document maker;
        if (!document::WriteBlankImage(codec::FlashLayout::FromPolicy(), blank.toStdString())
                 .ok() ||
            !maker.Open(blank.toStdString()).ok())
            return 1;
        testkit::Populate(maker, policy::ProductKind::Current(), 7500); // 7,500 TV, 2,500 radio
        const document::DocResult saved = maker.SaveToFile(sample.toStdString());
        if (!saved.ok()) {
            std::fprintf(stderr, "cannot save the sample: %s %s\n", saved.message.c_str(),
                         saved.detail.c_str());
            return 1;
        }
    }

    double startup = 0;
    {
        QElapsedTimer timer;
        timer.start();
        document::Document document;
        app::CMainFrame frame(document);
        frame.show();
        if (!frame.OpenPath(sample))
            return 1;
        QApplication::processEvents();
        startup = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        std::printf("channels in table: %u (TV grid %d rows, radio grid %d rows)\n",
                    document.Store().Size(kChannelTable), frame.Right().TV().Model().rowCount(),
                    frame.Right().Radio().Model().rowCount());

        const double filter = MedianMs(21, [&] {
            static int flip = 0;
            if (++flip % 2 != 0)
                frame.Right().ShowSatellite(1);
            else
                frame.Right().ShowAll();
        });
        frame.Right().ShowAll();
        const double sort = MedianMs(
            21, [&] { frame.Right().TV().horizontalHeader()->sectionClicked(editing::kColName); });
        const double sortNumber = MedianMs(21, [&] {
            frame.Right().TV().horizontalHeader()->sectionClicked(editing::kColNumber);
        });
        std::printf("filter change refilling both grids: %.1f ms median\n", filter);
        std::printf("header sort by name (TV grid, 7,500 rows): %.1f ms median\n", sort);
        std::printf("header sort by number (TV grid, 7,500 rows): %.1f ms median\n", sortNumber);
        frame.Context().Undo().Clear();
    }
    std::printf("start-up to a shown database: %.1f ms\n", startup);
    QFile::remove(blank);
    QFile::remove(sample);
    QFile::remove(settings);
    return 0;
}
