// A QApplication for dialog tests, on the offscreen platform, and a recorder for messages.
#pragma once

#include "qpui/ChannelSlot.h"
#include "qpui/MessageBox.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QInputDevice>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

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

/// The control of a dialog by name; throws when it has none.
template <class W> W* Child(QObject& parent, const char* name) {
    W* w = parent.findChild<W*>(name);
    if (w == nullptr)
        throw std::runtime_error(std::string("no control ") + name);
    return w;
}

/// Replaces an edit's text by typing, as the operator does.
inline void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

/// Chooses an entry of a drop-down by its text.
inline void Choose(QComboBox* combo, const QString& text) {
    const int at = combo->findText(text);
    if (at < 0)
        throw std::runtime_error("no entry " + text.toStdString());
    combo->setCurrentIndex(at);
}

/// Clicks OK with the mouse; true when the dialog closed with OK.
inline bool ClickOk(QDialog& dlg) {
    dlg.show();
    QTest::mouseClick(dlg.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
    return dlg.result() == QDialog::Accepted;
}

inline QStringList Entries(const QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
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
