// CStartHint: what the channel pane shows while no database is open: how to start, with buttons
// that run the window's own Receive, Open and Guide commands.
#pragma once

#include "tabstore/QoDB.h"

#include <QWidget>

class QAction;
class QVBoxLayout;

namespace chanforge::app {

class CStartHint : public QWidget {
    Q_OBJECT
  public:
    explicit CStartHint(QWidget* parent = nullptr);

    /// One button per action, in this order; each triggers its action and names its key.
    void UseActions(QAction* receive, QAction* open, QAction* guide);

  private:
    void AddButton(const char* name, const QString& text, QAction* action);

    QVBoxLayout* buttons_ = nullptr;
};

/// Nothing to show or edit: every table of the store is empty (nothing opened or received yet).
bool HoldsNothing(const tabstore::CQoDB& db);

} // namespace chanforge::app
