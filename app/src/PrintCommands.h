// CPrintCommands: the channel list on paper and in files to hand on. Print and Print preview
// go through Qt's print dialogs; Export writes PDF, CSV or HTML. Each first asks what the list
// holds (CListOptionsDialog); the pages and files come from the listprint library.
#pragma once

#include "ListOptionsDialog.h"

#include "chanforge/listprint/ChannelList.h"
#include "chanforge/listprint/ListFiles.h"

#include <QObject>

#include <optional>

class QAction;
class QMenu;
class QPrinter;

namespace chanforge::app {

class CMainFrame;

class CPrintCommands : public QObject {
    Q_OBJECT
  public:
    explicit CPrintCommands(CMainFrame& frame);

    QAction* PrintAction() const { return print_; }
    QAction* PreviewAction() const { return preview_; }
    /// Adds Print, Print preview and the Export submenu to the File menu.
    void AddTo(QMenu& file);

    void Print();
    void Preview();
    void Export(listprint::ListFormat format);

  private:
    /// Asks what the list holds and builds it; nullopt when the operator cancels.
    std::optional<std::pair<listprint::ChannelList, ListChoice>> AskList(bool paged);
    void PaintOn(QPrinter& printer, const listprint::ChannelList& list, int pageColumns);

    CMainFrame& frame_;
    QAction* print_ = nullptr;
    QAction* preview_ = nullptr;
    QAction* exportPdf_ = nullptr;
    QAction* exportCsv_ = nullptr;
    QAction* exportHtml_ = nullptr;
};

} // namespace chanforge::app
