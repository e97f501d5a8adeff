// Message boxes of the program: caption "Chanforge", fixed texts, the icon by kind.
// Tests install a handler that answers instead of a modal box.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace qpui {

enum class MessageKind {
    Information,
    Error,
    Stop,
    Question,
    QuestionWithCancel,
    QuestionOkCancel,
    WarningOfferingRestore ///< a warning with "Restore…" (answers Yes) and Close
};

/// Answers QMessageBox::Ok, Yes, No, Cancel or Close.
using MessageHandler = std::function<QMessageBox::StandardButton(MessageKind, const QString&)>;

/// Replaces the modal boxes (an empty handler restores them); returns the previous handler.
MessageHandler SetMessageHandler(MessageHandler handler);

QMessageBox::StandardButton ShowMessage(QWidget* parent, MessageKind kind, const QString& text);

inline void ShowError(QWidget* parent, const QString& text) {
    ShowMessage(parent, MessageKind::Error, text);
}
inline void ShowStop(QWidget* parent, const QString& text) {
    ShowMessage(parent, MessageKind::Stop, text);
}
inline void ShowInformation(QWidget* parent, const QString& text) {
    ShowMessage(parent, MessageKind::Information, text);
}
inline bool AskYesNo(QWidget* parent, const QString& text) {
    return ShowMessage(parent, MessageKind::Question, text) == QMessageBox::Yes;
}

} // namespace qpui
