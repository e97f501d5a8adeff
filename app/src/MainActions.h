// The window-wide commands, made once and shared by the toolbar, the menu bar and the
// shortcuts, so every accelerator belongs to exactly one action.
#pragma once

class QAction;

namespace chanforge::app {

struct MainActions {
    QAction* open = nullptr;
    QAction* save = nullptr;
    QAction* exportTable = nullptr;
    QAction* quit = nullptr;
    QAction* receive = nullptr;
    QAction* send = nullptr;
    QAction* sendSeveral = nullptr;
    QAction* configuration = nullptr;
    QAction* refresh = nullptr;
    QAction* simpleColumns = nullptr; ///< checkable: Simple (checked) or Detail columns
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* about = nullptr;
    QAction* guide = nullptr;
    QAction* shortcuts = nullptr;
};

class CMainFrame;

/// Makes the actions, connected to the frame's commands and carrying their accelerators.
MainActions CreateMainActions(CMainFrame& frame);

} // namespace chanforge::app
