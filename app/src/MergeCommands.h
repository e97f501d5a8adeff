// CMergeCommands: File → Merge from… (another list's channels added with the records they need,
// from a preview of every channel, as one undo step). The menu only adds the action.
#pragma once

#include <QObject>
#include <QStringList>

class QAction;

namespace chanforge::app {

class CMainFrame;

class CMergeCommands : public QObject {
    Q_OBJECT
  public:
    explicit CMergeCommands(CMainFrame& frame);

    QAction* MergeAction() const { return merge_; }

    /// Asks for the other list (a database, or a workbook and then its channel file) and
    /// previews the merge.
    void MergeFrom();
    /// Opens the files as one list (a database, or a channel file and its workbook), detecting
    /// its model, shows the preview and, on Apply, merges it as one undo step. False when
    /// nothing was merged.
    bool MergeFromFiles(const QStringList& files);

  private:
    CMainFrame& frame_;
    QAction* merge_ = nullptr;
};

} // namespace chanforge::app
