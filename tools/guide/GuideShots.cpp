// chanforge-guide-shots SAMPLE LANGUAGE FOLDER: the guide's pictures, taken from the window
// itself (offscreen) on a bundled sample database, so they show what the program shows today.
#include "ChannelGrid.h"
#include "CheckCommands.h"
#include "Languages.h"
#include "MainFrame.h"
#include "RightView.h"

#include "chanforge/document/Document.h"
#include "policy/Presets.h"
#include "qpui/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTimer>

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

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: chanforge-guide-shots SAMPLE LANGUAGE FOLDER\n");
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
    frame.resize(1024, 768);
    frame.show();
    if (!frame.OpenPath(QString::fromLocal8Bit(argv[1])))
        return 1;
    QApplication::processEvents();
    bool ok = frame.grab().save(folder.filePath(QStringLiteral("main.png")));
    ok = GrabDialog([&] { frame.Configuration(); },
                    folder.filePath(QStringLiteral("configuration.png"))) &&
         ok;
    ok = GrabDialog([&] { frame.Receive(); }, folder.filePath(QStringLiteral("receive.png"))) && ok;
    ok = GrabDialog([&] { frame.Right().TV().NewChannel(); },
                    folder.filePath(QStringLiteral("channel.png"))) &&
         ok;
    frame.Checks().CheckAction()->trigger();
    QApplication::processEvents();
    ok = frame.grab().save(folder.filePath(QStringLiteral("check.png"))) && ok;
    return ok ? 0 : 1;
}
