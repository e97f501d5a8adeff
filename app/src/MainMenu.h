// The menu bar: every command of the window where a new user looks for it, each with its
// accelerator shown. Grid commands act on the channel grid that had the focus last.
#pragma once

#include "MainActions.h"

#include <QString>

namespace chanforge::app {

class CMainFrame;

void BuildMenuBar(CMainFrame& frame, const MainActions& actions);

/// The keyboard shortcuts of the window, its grids and lists, as the Help menu lists them.
QString ShortcutsText();

} // namespace chanforge::app
