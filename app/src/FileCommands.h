// CFileCommands: the window's file commands. Open, Open Recent, Save to file, Receive, Send and
// Export C table run through the document, which says what each replaced or wrote; this class
// tells the operator what failed, remembers the state saved last and the name of the file the
// window shows. The main window only wires the actions to it.
#pragma once

#include "chanforge/document/Document.h"

#include <QObject>
#include <QString>

#include <cstdint>

namespace chanforge::app {

class CMainFrame;

class CFileCommands : public QObject {
    Q_OBJECT
  public:
    CFileCommands(CMainFrame& frame, document::Document& document);

    /// Opens a channel file or workbook as Open does; false when it failed (the operator was told).
    bool OpenPath(const QString& path);
    /// Saves as Save to file does; false when it failed.
    bool SaveTo(const QString& path);
    /// Name of the file the database was opened from or saved to; empty for one received.
    const QString& FileName() const { return fileName_; }
    /// Whether the tables differ from the last open or save.
    bool IsModified() const;
    /// Asks whether to save unsaved changes; false when the operator cancels.
    bool MaybeSave();

    void Open();
    /// A file chosen outside the file dialog (Open Recent, a drop): opened once unsaved changes
    /// are dealt with.
    void OpenChosen(const QString& path);
    void Save();
    void Receive();
    void Send();
    /// The open database to every ticked port at once, each verified by its read-back.
    void SendToSeveral();
    void ExportDefaultTable();
    /// After every table was replaced: a fresh history, saved as it is, under this name.
    void TablesReplaced(const QString& name);
    /// Tells a failed open, save or restore; true when the result is a success.
    bool Report(const document::DocResult& result);

  private:
    /// What every send needs first: a list with channels and groups, the check passed, the
    /// work file written; false after telling the operator why not.
    bool PrepareSend();
    QString AskSaveChannelData();
    void MarkSaved();
    /// A workbook holds the channel table only: it saves everything only when nothing else
    /// changed since the last full save.
    bool WorkbookHoldsEveryChange() const;
    static QString WorkbookKeepsChannelsOnly();
    /// After a workbook import: says how many channels name records the tables lack.
    void TellUnresolved();

    CMainFrame& frame_;
    document::Document& document_;
    std::uint64_t savedState_ = 0;
    QString fileName_;
};

} // namespace chanforge::app
