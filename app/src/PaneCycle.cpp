#include "PaneCycle.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QWidget>

namespace chanforge::app {

namespace {

bool Reachable(const QWidget* widget) {
    return widget != nullptr && widget->isVisible() && widget->isEnabled() &&
           (widget->focusPolicy() & Qt::TabFocus) != 0;
}

} // namespace

CPaneCycle::CPaneCycle(QWidget& window, std::vector<QWidget*> panes)
    : QObject(&window), panes_(panes.begin(), panes.end()), last_(panes.size()) {
    next_ = new QAction(tr("Next pane"), &window);
    next_->setShortcut(Qt::Key_F6);
    previous_ = new QAction(tr("Previous pane"), &window);
    previous_->setShortcut(Qt::SHIFT | Qt::Key_F6);
    for (QAction* action : {next_, previous_}) {
        action->setShortcutContext(Qt::WindowShortcut);
        window.addAction(action);
    }
    connect(next_, &QAction::triggered, this, [this] { Step(1); });
    connect(previous_, &QAction::triggered, this, [this] { Step(-1); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (std::size_t i = 0; i < panes_.size(); ++i)
            if (now != nullptr && panes_[i] != nullptr && panes_[i]->isAncestorOf(now))
                last_[i] = now;
    });
}

int CPaneCycle::PaneOfFocus() const {
    const QWidget* focus = QApplication::focusWidget();
    for (std::size_t i = 0; i < panes_.size(); ++i)
        if (focus != nullptr && panes_[i] != nullptr && panes_[i]->isAncestorOf(focus))
            return static_cast<int>(i);
    return -1;
}

QWidget* CPaneCycle::Target(std::size_t pane) const {
    if (QWidget* last = last_[pane]; Reachable(last))
        return last;
    if (panes_[pane] == nullptr)
        return nullptr;
    for (QAbstractItemView* view : panes_[pane]->findChildren<QAbstractItemView*>())
        if (Reachable(view))
            return view;
    return nullptr;
}

void CPaneCycle::Step(int by) {
    const int count = static_cast<int>(panes_.size());
    int pane = PaneOfFocus();
    if (pane < 0 && by < 0)
        pane = 0; // from outside the panes, Shift+F6 starts at the last one
    for (int tried = 0; tried < count; ++tried) {
        pane = ((pane + by) % count + count) % count;
        if (QWidget* target = Target(static_cast<std::size_t>(pane))) {
            target->setFocus(by > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

} // namespace chanforge::app
