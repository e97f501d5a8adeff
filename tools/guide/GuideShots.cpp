// chanforge-guide-shots SAMPLE LANGUAGE FOLDER [WIDTHxHEIGHT]: the guide's pictures, taken from
// the window itself (offscreen) on a bundled sample database, so they show what the program shows
// today. scripts/screenshots.sh runs it for other models and window sizes.
#include "ChannelGrid.h"
#include "CheckCommands.h"
#include "FleetDialog.h"
#include "Languages.h"
#include "LeftBottomView.h"
#include "MainFrame.h"
#include "MergeDialog.h"
#include "RightView.h"
#include "TransponderUpdateDialog.h"

#include "chanforge/TableAccess.h"
#include "chanforge/document/Document.h"
#include "policy/Presets.h"
#include "qpui/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <functional>

namespace {

/// Runs `open`, grabs the modal dialog it shows into `file`, then closes it.
bool GrabDialog(const std::function<void()>& open, const QString& file) {
    bool saved = false;
    QTimer::singleShot(50, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            saved = dialog->grab().save(file);
            dialog->reject();
        }
    });
    open();
    return saved;
}

QSize WindowSize(const char* text) {
    const QStringList parts = QString::fromLatin1(text).split(QLatin1Char('x'));
    bool wide = false;
    bool high = false;
    const QSize size =
        parts.size() == 2 ? QSize(parts[0].toInt(&wide), parts[1].toInt(&high)) : QSize();
    return wide && high && size.width() >= 320 && size.height() >= 240 ? size : QSize();
}

/// Send to several receivers as it opens on a machine with four USB adapters, three ticked.
bool GrabFleetDialog(const QString& file) {
    std::vector<serlink::PortInfo> ports = {{"ttyS0", "/dev/ttyS0", ""}};
    for (int i = 0; i < 4; ++i)
        ports.push_back({"ttyUSB" + std::to_string(i), "/dev/ttyUSB" + std::to_string(i),
                         "USB serial adapter"});
    chanforge::app::CFleetDialog dialog({}, {}, {}, ports);
    for (int i = 0; i < 3; ++i)
        dialog.Ports().topLevelItem(i)->setCheckState(0, Qt::Checked);
    return GrabDialog([&] { dialog.exec(); }, file);
}

/// Astra 19.2E of the sample as a table lists it later: 11836 moved, 12266 gone, 12603 new.
constexpr char kAstraLater[] = R"xml(<?xml version="1.0" encoding="UTF-8"?>
<satellites>
	<sat name="Astra 19.2E" flags="1" position="192">
		<transponder frequency="11838000" symbol_rate="27500000" polarization="0" fec_inner="3"/>
		<transponder frequency="11953000" symbol_rate="27500000" polarization="0" fec_inner="3"/>
		<transponder frequency="12109000" symbol_rate="27500000" polarization="0" fec_inner="3"/>
		<transponder frequency="11494000" symbol_rate="22000000" polarization="0" fec_inner="3"/>
		<transponder frequency="12603000" symbol_rate="22000000" polarization="1" fec_inner="3"/>
	</sat>
</satellites>
)xml";

/// Update transponders compared with that table.
bool GrabTransponderDialog(chanforge::app::CMainFrame& frame, const QString& file) {
    QTemporaryDir dir;
    QFile table(dir.filePath(QStringLiteral("satellites.xml")));
    if (!table.open(QIODevice::WriteOnly) || table.write(kAstraLater) < 0)
        return false;
    table.close();
    chanforge::app::CTransponderUpdateDialog dialog(frame.Context().Store(),
                                                    frame.Context().Product(), &frame);
    dialog.UseFile(table.fileName());
    return GrabDialog([&] { dialog.exec(); }, file);
}

/// A neighbour's list: the sample with three channels on a satellite this one lacks.
void AddNeighbourChannels(chanforge::document::Document& theirs) {
    using namespace chanforge;
    auto sat = ZeroRecord<Satellite_Info_Tag>();
    sat.SatID = 9;
    sat.Degree = 70;
    std::snprintf(sat.Name, sizeof sat.Name, "Eutelsat 7E");
    AppendCopy(theirs.Store(), kSatelliteTable, sat);
    auto tp = ZeroRecord<Transponder_Info_Tag>();
    tp.SatID = 9;
    tp.TPID = 1;
    tp.Frequency = 11492;
    tp.SymbolRate = 30000;
    tp.PolFEC = 1;
    AppendCopy(theirs.Store(), kTransponderTable, tp);
    for (const char* name : {"Eutelsat News", "Eutelsat Sport", "Eutelsat Music"}) {
        auto ch = ZeroRecord<Channel_Info_Tag>();
        ch.SatID = 9;
        ch.TPID = 1;
        ch.ServiceID = static_cast<std::uint16_t>(700 + theirs.Store().Size(kChannelTable));
        ch.Attributes = attr::kTV;
        ch.ProgramNum = static_cast<std::uint16_t>(theirs.Store().Size(kChannelTable) + 1);
        std::snprintf(ch.Name, sizeof ch.Name, "%s", name);
        AppendCopy(theirs.Store(), kChannelTable, ch);
    }
}

/// Merge from that list, its new channels shown first.
bool GrabMergeDialog(chanforge::app::CMainFrame& frame, const QString& sample,
                     const QString& file) {
    using namespace chanforge;
    const codec::FlashLayout layout = frame.Context().Document().Layout();
    document::Document theirs(layout);
    if (!theirs.Open(QFile::encodeName(sample).toStdString()).ok())
        return false;
    AddNeighbourChannels(theirs);
    merge::Incoming incoming;
    if (!merge::ReadIncoming({theirs.Store(), theirs.Values(), layout}, layout, incoming))
        return false;
    app::CMergeDialog dialog(
        QStringLiteral("neighbour.bin"), incoming,
        [&](const merge::MergeOptions& options, const editing::LeftOut& leftOut) {
            return merge::PlanMerge(frame.Context().Store(), layout, incoming, options, leftOut);
        },
        &frame);
    if (auto* lines = dialog.findChild<QTableWidget*>(QStringLiteral("mergeLines")))
        lines->scrollToBottom();
    return GrabDialog([&] { dialog.exec(); }, file);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QSize size = argc == 5 ? WindowSize(argv[4]) : QSize(1024, 768);
    if ((argc != 4 && argc != 5) || !size.isValid()) {
        std::fprintf(stderr,
                     "usage: chanforge-guide-shots SAMPLE LANGUAGE FOLDER [WIDTHxHEIGHT]\n");
        return 2;
    }
    chanforge::app::ChooseLanguage(QString::fromLatin1(argv[2]));
    chanforge::app::InstallTranslators(app);
    policy::EnsureStartupPolicy();
    qpui::SetMessageHandler([](qpui::MessageKind, const QString& text) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return QMessageBox::No;
    });
    const QDir folder(QString::fromLocal8Bit(argv[3]));
    chanforge::document::Document document;
    chanforge::app::CMainFrame frame(document);
    frame.resize(size);
    frame.show();
    if (!frame.OpenPath(QString::fromLocal8Bit(argv[1])))
        return 1;
    frame.LeftBottom().Tree().expandAll();
    QApplication::processEvents();
    bool ok = frame.grab().save(folder.filePath(QStringLiteral("main.png")));
    ok = GrabDialog([&] { frame.Configuration(); },
                    folder.filePath(QStringLiteral("configuration.png"))) &&
         ok;
    ok = GrabDialog([&] { frame.Receive(); }, folder.filePath(QStringLiteral("receive.png"))) && ok;
    ok = GrabDialog([&] { frame.Right().TV().NewChannel(); },
                    folder.filePath(QStringLiteral("channel.png"))) &&
         ok;
    ok = GrabFleetDialog(folder.filePath(QStringLiteral("several.png"))) && ok;
    ok = GrabTransponderDialog(frame, folder.filePath(QStringLiteral("transponders.png"))) && ok;
    ok = GrabMergeDialog(frame, QString::fromLocal8Bit(argv[1]),
                         folder.filePath(QStringLiteral("merge.png"))) &&
         ok;
    frame.Checks().CheckAction()->trigger();
    QApplication::processEvents();
    ok = frame.grab().save(folder.filePath(QStringLiteral("check.png"))) && ok;
    return ok ? 0 : 1;
}
