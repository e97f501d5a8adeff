// CListCommands: New, Update, Delete and Description of the satellite, transponder, cable
// multiplex and provider lists, and the transponder move of a drop on the satellite list. Each
// command asks the operator, runs one network edit as one undo step and tells the main window
// what changed; the editing itself is the editing library's.
#pragma once

#include "chanforge/editing/DeliveryLists.h"
#include "chanforge/editing/EditResult.h"

#include <QObject>
#include <QPoint>

class QAction;
class QMenu;

namespace chanforge::app {

class CEditContext;
class CRecordList;

/// What a network edit did, for the main window's relay.
enum class ListEdit { New, Update, Delete, Move };

class CListCommands : public QObject {
    Q_OBJECT
  public:
    CListCommands(CEditContext& context, CRecordList& list);

    /// Enter, Delete and Ctrl+N; false for keys the list handles itself.
    bool HandleKey(int key, Qt::KeyboardModifiers modifiers);
    void ShowMenu(const QPoint& globalPos);

    void New();
    void Update();
    void Delete();
    /// Satellites, transponders and providers; cable multiplexes have no description.
    void Describe();
    /// Moves the selected transponders to the satellite stored under satelliteRow.
    void MoveTransponders(std::uint32_t satelliteRow);

  signals:
    /// The tables changed; the list itself already shows the new state.
    void Edited(editing::ListKind kind, ListEdit edit);

  private:
    editing::ListKind Kind() const;
    bool Describes() const { return Kind() != editing::ListKind::CableMux; }
    void BuildMenu();
    void NewSatellite();
    void NewTransponder();
    void NewCableMux();
    void NewProvider();
    void UpdateSatellite(std::uint32_t key);
    void UpdateTransponder(std::uint32_t key);
    void UpdateCableMux(std::uint32_t key);
    void UpdateProvider(std::uint32_t key);
    editing::EditResult DeleteRows(const editing::RowIds& keys);
    /// The question before a delete; it names the channels the delete takes along.
    QString DeleteQuestion(const editing::RowIds& keys) const;
    /// "transponder 11,836 H", as the delete question names one record.
    QString RecordText(std::uint32_t key) const;
    /// Refills the list, selects key (0: nothing) and announces the edit; or shows the refusal.
    void Finish(editing::EditResult result, ListEdit edit, std::uint32_t key);
    bool Report(editing::EditResult result);

    CEditContext& context_;
    CRecordList& list_;
    QMenu* menu_ = nullptr;
    QAction* update_ = nullptr;
    QAction* delete_ = nullptr;
    QAction* describe_ = nullptr;
};

} // namespace chanforge::app
