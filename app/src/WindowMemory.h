// What the window remembers between runs, beside the product policy in the settings store:
// its size, the splitter positions, how the grids were sorted, the files opened last and the
// folder they came from.
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

    /// The column a channel grid was sorted by (-1: channel order) and its direction.
    struct Sort {
        int column = -1;
        bool descending = false;
    };
    static Sort GridSort(const QString& grid);
    static void SetGridSort(const QString& grid, Sort sort);

    /// The folder of the file opened or saved last; empty before the first.
    static QString LastFolder();
    static void SetLastFolderOf(const QString& path);
};

} // namespace chanforge::app
