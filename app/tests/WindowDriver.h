// Drives modal dialogs and popup menus from a window test: the gesture that opens one runs
// its own event loop, so the test hands over what to do once it is open.
#pragma once

#include "qpui/MessageBox.h"

#include <QApplication>
#include <QMenu>
#include <QStringList>
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

/// While it lives, every message box the window would show is recorded in texts and answered
/// with answer, read when the box is shown so that a test may change it between steps.
class MessageRecorder {
  public:
    MessageRecorder(QStringList& texts, const QMessageBox::StandardButton& answer)
        : previous_(
              qpui::SetMessageHandler([&texts, &answer](qpui::MessageKind, const QString& text) {
                  texts << text;
                  return answer;
              })) {}
    ~MessageRecorder() { qpui::SetMessageHandler(previous_); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

  private:
    qpui::MessageHandler previous_;
};

} // namespace chanforge::app::test
