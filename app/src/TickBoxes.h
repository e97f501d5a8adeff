// CTickBoxes: the tick box on each line of a preview, so that the operator can leave out a line
// that is wrong instead of cancelling the whole change. Every line starts ticked; Space toggles
// the selected lines and "Tick all" / "Tick none" set every one. A line is an item of the first
// column that carries a check state, in the view's order from the top; a selected row without
// one belongs to the nearest line above it in the tree (a group's channel to its group).
#pragma once

#include "chanforge/editing/LeftOut.h"

#include <QObject>

class QAbstractItemView;
class QHBoxLayout;

namespace chanforge::app {

class CTickBoxes : public QObject {
    Q_OBJECT
  public:
    explicit CTickBoxes(QAbstractItemView& view);

    /// The "Tick all" and "Tick none" buttons, for the dialog to place.
    QHBoxLayout* Buttons(QWidget* parent);
    /// The lines without a tick, counted from the first line of the view.
    editing::LeftOut Unticked() const;
    /// The check state a line starts with, for a dialog that fills its view afresh.
    static Qt::CheckState StateFor(bool leftOut);

  signals:
    /// Some tick changed; the dialog counts again. One that fills its view afresh connects
    /// queued: the item whose tick changed is still in use when this is sent.
    void Changed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SetAll(Qt::CheckState state);
    void ToggleSelected();

    QAbstractItemView& view_;
    bool batch_ = false; ///< many ticks change at once: one Changed at the end
};

} // namespace chanforge::app
