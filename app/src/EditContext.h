// What every pane edits through: the document's store and model, the shared channel
// clipboard and the undo stack. Each change runs as one undo step and is announced, so the
// main window can track unsaved work; the panes never talk to each other through it.
#pragma once

#include "chanforge/document/Document.h"
#include "chanforge/editing/ChannelClipboard.h"
#include "chanforge/editing/Product.h"
#include "chanforge/editing/UndoStack.h"
#include "qpui/ChannelSlot.h"

#include <QObject>

#include <string>

namespace chanforge::app {

class CEditContext : public QObject {
    Q_OBJECT
  public:
    CEditContext(document::Document& document, bool simpleColumns, QObject* parent = nullptr);

    tabstore::CQoDB& Store() { return document_.Store(); }
    document::Document& Document() { return document_; }
    /// The product of the document's model: what every editor, list and transfer offers.
    editing::Product Product() const { return document_.Layout().product; }
    /// The document's channel slot, for the channel editors and the description.
    qpui::ChannelSlot ChannelSlot() const;
    /// The document works in another model from now on (a file opened as that model); every
    /// grid and list shows that model's columns.
    void ChangeModel(document::Model model);
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
    /// Simple or Detail columns were chosen, or the model changed: every grid and list shows
    /// its columns anew.
    void ColumnsChanged();
    /// The document's model changed: the title, the status bar and the panes follow it.
    void ModelChanged();

  private:
    void AfterEdit();

    document::Document& document_;
    bool simpleColumns_;
    editing::ChannelClipboard clipboard_;
    editing::CUndoStack undo_;
};

} // namespace chanforge::app
