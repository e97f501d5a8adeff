// A QApplication for dialog tests, on the offscreen platform, and a recorder for messages.
#pragma once

#include "qpui/ChannelSlot.h"
#include "qpui/MessageBox.h"

#include <QApplication>
#include <QInputDevice>

#include <cstdlib>
#include <cstring>

namespace qpui::test {

inline QApplication& App() {
    static int argc = 1;
    static char name[] = "qpui-tests";
    static char* argv[] = {name, nullptr};
    // An object, not a pointer: destroyed at exit, it releases the font libraries' caches too.
    static const bool platform = setenv("QT_QPA_PLATFORM", "offscreen", 0) == 0;
    // Touching the input device registry first makes it outlive the application: the
    // keyboard and mouse QTest creates are the application's children and leave the
    // registry when it is destroyed at exit.
    static const bool devices = (QInputDevice::devices(), true);
    static QApplication app(argc, argv);
    (void)devices;
    (void)platform;
    return app;
}

/// Two records equal byte for byte, padding included.
template <class T> bool SameBytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

/// Records every message instead of showing it; answers with answer.
class MessageRecorder {
  public:
    explicit MessageRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok)
        : answer(answer) {
        previous_ = SetMessageHandler([this](MessageKind kind, const QString& text) {
            kinds.push_back(kind);
            texts << text;
            return this->answer;
        });
    }
    ~MessageRecorder() { SetMessageHandler(previous_); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<MessageKind> kinds;
    QStringList texts;
    QMessageBox::StandardButton answer;

  private:
    MessageHandler previous_;
};

/// The stored policy's channel slot on another product.
inline ChannelSlot SlotOf(policy::ProductKind product) {
    ChannelSlot slot = ChannelSlot::Stored();
    slot.product = product;
    return slot;
}

} // namespace qpui::test
