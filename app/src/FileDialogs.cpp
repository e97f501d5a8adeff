#include "FileDialogs.h"

#include "WindowMemory.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace chanforge::app {

QString ExtensionOfFilter(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

namespace {

QString Ask(QWidget* parent, const QString& title, const QStringList& filters,
            QFileDialog::AcceptMode mode, const QString& suggested = {},
            int* chosenFilter = nullptr) {
    QFileDialog dialog(parent, title, CWindowMemory::LastFolder());
    dialog.setObjectName(QStringLiteral("fileDialog"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    // The same dialog on every desktop, which the window tests can drive.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(ExtensionOfFilter(filters.value(0)));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& filter) { dialog.setDefaultSuffix(ExtensionOfFilter(filter)); });
    if (const QFileInfo file(suggested); !suggested.isEmpty() && file.dir().exists()) {
        dialog.setDirectory(file.dir());
        for (const QString& filter : filters)
            if (ExtensionOfFilter(filter).compare(file.suffix(), Qt::CaseInsensitive) == 0) {
                dialog.selectNameFilter(filter);
                dialog.setDefaultSuffix(file.suffix());
                break;
            }
        dialog.selectFile(file.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().front();
    CWindowMemory::SetLastFolderOf(path);
    if (chosenFilter != nullptr)
        *chosenFilter = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
    return path;
}

} // namespace

QString AskSavePath(QWidget* parent, const QString& title, const QStringList& filters,
                    const QString& suggested, int* chosenFilter) {
    return Ask(parent, title, filters, QFileDialog::AcceptSave, suggested, chosenFilter);
}

QString AskOpenPath(QWidget* parent, const QString& title, const QStringList& filters) {
    return Ask(parent, title, filters, QFileDialog::AcceptOpen);
}

} // namespace chanforge::app
