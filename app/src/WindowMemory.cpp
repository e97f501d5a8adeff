#include "WindowMemory.h"

#include "utils/Registry.h"

#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QSettings>
#include <QSplitter>

namespace chanforge::app {

namespace {

/// The settings file the policy lives in, under a group of the window's own.
struct WindowSettings {
    QSettings settings{QString::fromStdString(utils::SettingsPath()), QSettings::IniFormat};
    WindowSettings() { settings.beginGroup(QStringLiteral("Window")); }
};

} // namespace

bool CWindowMemory::RestoreLayout(QMainWindow& window, QSplitter& outer, QSplitter& inner) {
    WindowSettings s;
    const QByteArray geometry = s.settings.value(QStringLiteral("geometry")).toByteArray();
    if (geometry.isEmpty() || !window.restoreGeometry(geometry))
        return false;
    outer.restoreState(s.settings.value(QStringLiteral("outerSplitter")).toByteArray());
    inner.restoreState(s.settings.value(QStringLiteral("innerSplitter")).toByteArray());
    return true;
}

void CWindowMemory::SaveLayout(const QMainWindow& window, const QSplitter& outer,
                               const QSplitter& inner) {
    WindowSettings s;
    s.settings.setValue(QStringLiteral("geometry"), window.saveGeometry());
    s.settings.setValue(QStringLiteral("outerSplitter"), outer.saveState());
    s.settings.setValue(QStringLiteral("innerSplitter"), inner.saveState());
}

QStringList CWindowMemory::RecentFiles() {
    WindowSettings s;
    QStringList files = s.settings.value(QStringLiteral("recentFiles")).toStringList();
    files.removeDuplicates();
    return files.mid(0, kRecentFilesMax);
}

void CWindowMemory::AddRecentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = RecentFiles();
    files.removeAll(absolute);
    files.prepend(absolute);
    WindowSettings s;
    s.settings.setValue(QStringLiteral("recentFiles"), files.mid(0, kRecentFilesMax));
}

CWindowMemory::Sort CWindowMemory::GridSort(const QString& grid) {
    WindowSettings s;
    const QStringList stored = s.settings.value(grid + QStringLiteral("Sort")).toStringList();
    bool number = false;
    const int column = stored.value(0).toInt(&number);
    if (stored.size() != 2 || !number)
        return {};
    return {column, stored[1] == QStringLiteral("descending")};
}

void CWindowMemory::SetGridSort(const QString& grid, Sort sort) {
    WindowSettings s;
    s.settings.setValue(
        grid + QStringLiteral("Sort"),
        QStringList{QString::number(sort.column),
                    sort.descending ? QStringLiteral("descending") : QStringLiteral("ascending")});
}

QString CWindowMemory::LastFolder() {
    WindowSettings s;
    const QString folder = s.settings.value(QStringLiteral("lastFolder")).toString();
    return QDir(folder).exists() ? folder : QString();
}

void CWindowMemory::SetLastFolderOf(const QString& path) {
    WindowSettings s;
    s.settings.setValue(QStringLiteral("lastFolder"), QFileInfo(path).absolutePath());
}

} // namespace chanforge::app
