// Drives modal dialogs and popup menus from a window test: the gesture that opens one runs
// its own event loop, so the test hands over what to do once it is open.
#pragma once

#include "qpui/MessageBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace chanforge::app::test {

inline void WhenPopup(std::function<void(QMenu*)> fn) {
    QTimer::singleShot(
        0, [fn = std::move(fn)] { fn(qobject_cast<QMenu*>(QApplication::activePopupWidget())); });
}

inline void WhenModal(std::function<void(QWidget*)> fn) {
    QTimer::singleShot(0, [fn = std::move(fn)] { fn(QApplication::activeModalWidget()); });
}

/// Runs fn on the modal dialog of type T once it is open. It polls, so a dialog that opens only
/// after another one (or after a message) is found as well.
template <class T = QWidget> void WhenDialog(std::function<void(T*)> fn, int tries = 200) {
    QTimer::singleShot(10, [fn = std::move(fn), tries] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()))
            fn(dialog);
        else if (tries > 0)
            WhenDialog<T>(fn, tries - 1);
    });
}

/// Types path into the file dialog that opens next and accepts it, with filter chosen first
/// when given.
inline void WhenFileDialog(const QString& path, const QString& filter = {}) {
    WhenDialog<QFileDialog>([path, filter](QFileDialog* files) {
        if (!filter.isEmpty())
            files->selectNameFilter(filter);
        // The dialog offers the file opened last, selected; typing a name lets go of it.
        files->findChild<QListView*>(QStringLiteral("listView"))->clearSelection();
        auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    });
}

/// Opens the context menu of widget (a view's viewport) with the mouse at `at` and hands the
/// menu to fn.
inline void RightClick(QWidget* widget, QPoint at, std::function<void(QMenu*)> fn) {
    WhenPopup(std::move(fn));
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
}

/// A file's bytes; empty when it cannot be read.
inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Texts of one column of model, top to bottom.
inline QStringList ColumnTexts(const QAbstractItemModel& model, int column) {
    QStringList out;
    for (int row = 0; row < model.rowCount(); ++row)
        out << model.index(row, column).data().toString();
    return out;
}

/// Starts a drag with the mouse (press, then moves past the drag distance) and lets what it
/// carries land on target at to. The offscreen platform ends every drag at once, so the enter,
/// move and drop events the platform would send are sent here.
inline void DragAndDrop(QAbstractItemView& source, QPoint from, QWidget* target, QPoint to) {
    QTest::mousePress(source.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(source.viewport(), from + QPoint(1, 0));
    QTest::mouseMove(source.viewport(), from + QPoint(QApplication::startDragDistance() + 4, 0));
    QTest::mouseRelease(source.viewport(), Qt::LeftButton, {}, from);
    const std::unique_ptr<QMimeData> mime(
        source.model()->mimeData(source.selectionModel()->selectedIndexes()));
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(to, actions, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(to, actions, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &move);
    QVERIFY(move.isAccepted());
    // While dragging, a list marks the row the drop lands on with its current row.
    if (auto* list = qobject_cast<QAbstractItemView*>(target->parentWidget()))
        QCOMPARE(list->currentIndex().row(), list->indexAt(to).row());
    QDropEvent drop(QPointF(to), actions, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
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
