// Drives modal dialogs and popup menus from a window test: the gesture that opens one runs
// its own event loop, so the test hands over what to do once it is open.
#pragma once

#include <QApplication>
#include <QMenu>
#include <QTimer>

#include <functional>

namespace chanforge::app::test {

inline void WhenPopup(std::function<void(QMenu*)> fn) {
    QTimer::singleShot(
        0, [fn = std::move(fn)] { fn(qobject_cast<QMenu*>(QApplication::activePopupWidget())); });
}

inline void WhenModal(std::function<void(QWidget*)> fn) {
    QTimer::singleShot(0, [fn = std::move(fn)] { fn(QApplication::activeModalWidget()); });
}

/// The item of menu whose text, without its mnemonic and accelerator, starts with prefix.
inline QAction* MenuItem(const QMenu* menu, const QString& prefix) {
    for (QAction* action : menu->actions())
        if (action->text()
                .remove(QLatin1Char('&'))
                .section(QLatin1Char('\t'), 0, 0)
                .startsWith(prefix))
            return action;
    return nullptr;
}

} // namespace chanforge::app::test
