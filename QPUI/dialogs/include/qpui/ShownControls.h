// What a record editor's controls showed when it opened. On OK a field whose control the
// operator left alone keeps its stored value, even one the control could not show (an index
// past its entries, bits it has no control for, bytes after a name's end), so OK without a
// change changes nothing.
#pragma once

#include <QHash>
#include <QVariant>

class QWidget;

namespace qpui {

class CShownControls {
  public:
    /// Remembers what every drop-down, line edit, check box and radio button under dialog shows.
    void Remember(const QWidget& dialog);
    /// Forgets what was remembered: every control then counts as changed, as for a new record,
    /// whose fields all come from the controls.
    void Forget() { shown_.clear(); }
    /// The control shows something else than when remembered, or was not remembered.
    bool Changed(const QWidget* control) const;
    /// Any of the controls changed.
    bool AnyChanged(std::initializer_list<const QWidget*> controls) const;

  private:
    static QVariant Shown(const QWidget* control);

    QHash<const QWidget*, QVariant> shown_;
};

} // namespace qpui
