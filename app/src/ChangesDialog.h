// CChangesDialog: a list of what changes between two databases, before a send (with Send and
// Cancel), after a verification, or on demand (with Close).
#pragma once

#include "chanforge/check/Diff.h"

#include <QDialog>

class QTreeWidget;

namespace chanforge::app {

class CChangesDialog : public QDialog {
    Q_OBJECT
  public:
    enum class Buttons { Close, SendOrCancel };

    CChangesDialog(const QString& title, const QString& intro, const check::Changes& changes,
                   Buttons buttons, QWidget* parent = nullptr);
    /// Shows the changes with a Close button ("No differences." instead of intro when none).
    static void Show(QWidget* parent, const QString& title, const QString& intro,
                     const check::Changes& changes);

    QTreeWidget& List() { return *list_; }

  private:
    QTreeWidget* list_ = nullptr;
};

} // namespace chanforge::app
