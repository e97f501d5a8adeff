// What every pane edits through: the document's store, the product, the shared channel
// clipboard and the undo stack. Each change runs as one undo step and is announced, so the
// main window can track unsaved work; the panes never talk to each other through it.
#pragma once

#include "chanforge/document/Document.h"
#include "chanforge/editing/ChannelClipboard.h"
#include "chanforge/editing/Product.h"
#include "chanforge/editing/UndoStack.h"

#include <QObject>

#include <string>

namespace chanforge::app {

class CEditContext : public QObject {
    Q_OBJECT
  public:
    CEditContext(document::Document& document, editing::Product product, bool simpleColumns,
                 QObject* parent = nullptr);

    tabstore::CQoDB& Store() { return document_.Store(); }
    document::Document& Document() { return document_; }
    editing::Product Product() const { return product_; }
    bool SimpleColumns() const { return simpleColumns_; }
    /// Switches between Simple and Detail columns; the choice is kept for the next run.
    void SetSimpleColumns(bool simple);
    editing::ChannelClipboard& Clipboard() { return clipboard_; }
    editing::CUndoStack& Undo() { return undo_; }

    /// Runs fn as one undo step over the tables in mask and announces the change.
    template <class Fn> auto Edit(const char* label, editing::TableMask mask, Fn&& fn) {
        struct Announce {
            CEditContext& context;
            ~Announce() { context.AfterEdit(); }
        } announce{*this};
        emit AboutToEdit();
        return undo_.Record(Store(), mask, label, std::forward<Fn>(fn));
    }

  signals:
    /// An edit is about to begin: the panes still show the state before it.
    void AboutToEdit();
    /// The tables changed (an edit, undo or redo).
    void Changed();
    /// Simple or Detail columns were chosen: every grid and list shows its columns anew.
    void ColumnsChanged();

  private:
    void AfterEdit();

    document::Document& document_;
    editing::Product product_;
    bool simpleColumns_;
    editing::ChannelClipboard clipboard_;
    editing::CUndoStack undo_;
};

} // namespace chanforge::app
