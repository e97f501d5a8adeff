#include "qpui/MessageBox.h"

#include <QCoreApplication>

#include <utility>

namespace qpui {

namespace {

MessageHandler& Handler() {
    static MessageHandler handler;
    return handler;
}

} // namespace

MessageHandler SetMessageHandler(MessageHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

QMessageBox::StandardButton ShowMessage(QWidget* parent, MessageKind kind, const QString& text) {
    if (Handler())
        return Handler()(kind, text);
    const QString caption = QCoreApplication::translate("qpui::MessageBox", "Chanforge");
    switch (kind) {
    case MessageKind::Information:
        return QMessageBox::information(parent, caption, text);
    case MessageKind::Error:
    case MessageKind::Stop:
        return QMessageBox::critical(parent, caption, text);
    case MessageKind::Question:
        return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No);
    case MessageKind::QuestionWithCancel:
        return QMessageBox::question(parent, caption, text,
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    case MessageKind::QuestionOkCancel:
        return QMessageBox::question(parent, caption, text, QMessageBox::Ok | QMessageBox::Cancel);
    }
    return QMessageBox::NoButton;
}

} // namespace qpui
