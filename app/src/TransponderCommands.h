// CTransponderCommands: File → Update transponders… (the comparison with a table, then one undo
// step). A transponder deleted with channels on it is deleted only once the operator has read
// their names in the question.
#pragma once

#include <QObject>

class QAction;

namespace chanforge::app {

class CMainFrame;
class CTransponderUpdateDialog;

class CTransponderCommands : public QObject {
    Q_OBJECT
  public:
    explicit CTransponderCommands(CMainFrame& frame);

    QAction* UpdateAction() const { return update_; }

    /// Shows the comparison and applies what the operator kept. False when nothing changed.
    bool UpdateTransponders();

  private:
    /// Yes to deleting the ticked gone transponders with their channels (true when none has any).
    bool AskDeleteInUse(const CTransponderUpdateDialog& dialog);

    CMainFrame& frame_;
    QAction* update_ = nullptr;
};

} // namespace chanforge::app
