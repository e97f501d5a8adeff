// Keyboard travel between the panes: F6 and Shift+F6 step to the next or previous pane and
// back into the list that had the focus there last. Tab moves between the lists themselves.
#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class QAction;
class QWidget;

namespace chanforge::app {

class CPaneCycle : public QObject {
    Q_OBJECT
  public:
    /// panes in the order F6 visits them; hidden ones are passed over.
    CPaneCycle(QWidget& window, std::vector<QWidget*> panes);

    QAction* NextAction() const { return next_; }
    QAction* PreviousAction() const { return previous_; }
    void Step(int by);

  private:
    /// Where the focus goes in pane: the widget that had it last, else its first list.
    QWidget* Target(std::size_t pane) const;
    int PaneOfFocus() const;

    std::vector<QPointer<QWidget>> panes_; ///< the window may destroy them before this
    std::vector<QPointer<QWidget>> last_;
    QAction* next_ = nullptr;
    QAction* previous_ = nullptr;
};

} // namespace chanforge::app
