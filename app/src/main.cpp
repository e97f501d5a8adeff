// chanforge: the desktop program. Optional arguments are files to open, in order.
#include "GuideWindow.h"
#include "Languages.h"
#include "MainFrame.h"

#include "chanforge/document/Document.h"
#include "policy/Presets.h"
#include "qpui/MessageBox.h"
#include "utils/Report.h"
#include "utils/TempFiles.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

/// --help and --version answer on the terminal and end the program before any window (or
/// display) is needed; -- ends the options, so a file of that name still opens.
bool AnsweredInfoOption(int argc, char* argv[]) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf(
                "Usage: chanforge [FILE...]\n"
                "Edit the channel list of a digital TV receiver. Each FILE (a channel file,\n"
                "a version file, an .xls workbook or a .csv channel sheet) is opened in order.\n\n"
                "  -h, --help     show this help and exit\n"
                "  --version      show the version and exit\n\n"
                "Settings: the file named by CHANFORGE_SETTINGS, else the per-user store.\n"
                "The same system for scripts: chanforge-cli --help\n");
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("chanforge %s\n", CHANFORGE_VERSION);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (AnsweredInfoOption(argc, argv))
        return 0;
    utils::TidyTempFiles();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Chanforge"));
    chanforge::app::InstallTranslators(app);
    new chanforge::app::CGuideKey(app);
    utils::SetReportHook([](utils::ReportLevel level, const std::string& message) {
        qpui::ShowMessage(nullptr,
                          level == utils::ReportLevel::Error ? qpui::MessageKind::Stop
                                                             : qpui::MessageKind::Information,
                          QString::fromLocal8Bit(message.c_str()));
    });
    // The configuration dialog's choice survives restarts: only a first start writes a model.
    policy::EnsureStartupPolicy();

    // The model chosen now holds until the next start, whatever Configuration stores meanwhile.
    chanforge::document::Document document(chanforge::document::Model::Stored());
    if (document.WorkFilePath().empty()) {
        qpui::ShowStop(nullptr,
                       QCoreApplication::translate(
                           "main", "Cannot create the work file in the temporary directory."));
        return 1;
    }
    chanforge::app::CMainFrame frame(document);
    frame.show();
    QStringList files = QApplication::arguments().mid(1);
    files.removeOne(QStringLiteral("--"));
    for (const QString& file : files)
        if (!frame.OpenPath(file))
            break;
    return QApplication::exec();
}
