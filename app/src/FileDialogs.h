// The file dialogs of the window: they start in the folder used last, and a name typed
// without extension gets the one of the chosen filter, so the Open dialog finds it again.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace chanforge::app {

/// "bin" for "Local file (*.bin)"; empty for a filter of every file.
QString ExtensionOfFilter(const QString& filter);

/// Asks for a file to write; the replace question comes before an existing file is chosen.
/// suggested: the file the dialog starts with, in its folder and under its name (the first
/// filter of its extension is chosen). Empty when cancelled; chosenFilter, when given, receives
/// the index of the filter chosen.
QString AskSavePath(QWidget* parent, const QString& title, const QStringList& filters,
                    const QString& suggested = {}, int* chosenFilter = nullptr);
/// Asks for a file to open; empty when cancelled.
QString AskOpenPath(QWidget* parent, const QString& title, const QStringList& filters);

} // namespace chanforge::app
