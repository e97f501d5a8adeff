// What the window remembers between runs, beside the product policy in the settings store:
// its size, the splitter positions, the files opened last and the folder they came from.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QMainWindow;
class QSplitter;

namespace chanforge::app {

inline constexpr int kRecentFilesMax = 8;

class CWindowMemory {
  public:
    /// Gives the window and splitters the size and positions they had; false the first time.
    static bool RestoreLayout(QMainWindow& window, QSplitter& outer, QSplitter& inner);
    static void SaveLayout(const QMainWindow& window, const QSplitter& outer,
                           const QSplitter& inner);

    /// Newest first, at most kRecentFilesMax, each once.
    static QStringList RecentFiles();
    static void AddRecentFile(const QString& path);

    /// The folder of the file opened or saved last; empty before the first.
    static QString LastFolder();
    static void SetLastFolderOf(const QString& path);
};

} // namespace chanforge::app
