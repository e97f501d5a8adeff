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

int main(int argc, char* argv[]) {
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
    const QStringList files = QApplication::arguments().mid(1);
    for (const QString& file : files)
        if (!frame.OpenPath(file))
            break;
    return QApplication::exec();
}
