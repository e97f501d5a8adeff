// The commands of a channel grid. Each one runs a GUI-free editing operation as an undo step;
// the grid only asks the operator and shows the outcome.
#include "ChannelGrid.h"
#include "EditText.h"

#include "chanforge/TableAccess.h"
#include "chanforge/editing/ChannelColumns.h"
#include "chanforge/editing/ChannelMove.h"
#include "chanforge/editing/EditorInputs.h"
#include "qpui/DlgCHAddUpdate.h"
#include "qpui/DlgDescription.h"
#include "qpui/DlgMuxCHAddUpdate.h"
#include "qpui/MessageBox.h"

#include <QApplication>
#include <QScrollBar>

#include <memory>
#include <optional>

namespace chanforge::app {

using namespace editing;

namespace {

constexpr TableMask kChannels = TableBit(kChannelTable);

/// Runs the editor New and Update choose for the filter; the edited channel, or none.
std::optional<Channel_Info_Tag> RunEditor(QWidget* parent, CEditContext& context,
                                          const ChannelFilter& filter,
                                          const Channel_Info_Tag& channel, bool tvMode) {
    const Product product = context.Product();
    const EditorInputs in = GatherEditorInputs(context.Store(), filter, product);
    std::unique_ptr<qpui::CChannelEditorBase> dialog;
    if (in.kind == EditorKind::Satellite) {
        auto satellite = std::make_unique<qpui::CDlgCHAddUpdate>(parent, context.ChannelSlot());
        for (const auto& s : in.satellites)
            satellite->AddSatList(&s);
        for (const auto& tp : in.transponders)
            satellite->AddTPList(&tp);
        dialog = std::move(satellite);
    } else {
        auto mux = std::make_unique<qpui::CDlgMuxCHAddUpdate>(parent, context.ChannelSlot());
        for (const auto& m : in.muxes)
            mux->AddMuxList(&m);
        for (const auto& tp : in.transponders)
            mux->AddMuxList(&tp);
        for (int id : in.cableIds)
            mux->AddMuxList(id);
        dialog = std::move(mux);
    }
    for (const auto& p : in.providers)
        dialog->AddBroadcastList(&p);
    dialog->SetChannelMode(tvMode);
    dialog->SetChannelInfo(&channel);
    if (dialog->DoModal() != QDialog::Accepted)
        return std::nullopt;
    return dialog->GetChannelInfo();
}

} // namespace

void CChannelGrid::Report(EditResult result) {
    if (const QString message = EditText(result); !message.isEmpty())
        qpui::ShowError(this, message);
}

void CChannelGrid::NewChannel() {
    const Channel_Info_Tag preset =
        PrepareNewChannel(context_.Store(), filter_, context_.Product());
    const auto edited = RunEditor(this, context_, filter_, preset, kind_ == ChannelKind::TV);
    if (!edited)
        return;
    const std::uint32_t added =
        context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "New"), kChannels, [&] {
            // Keys change when the table is regrouped: copied keys would name other channels.
            context_.Clipboard().Clear();
            return AddNewChannel(context_.Store(), *edited, kind_, filter_, context_.Product());
        });
    emit ChannelsChanged(added != 0 ? RowIds{added} : RowIds{});
}

void CChannelGrid::UpdateChannel() {
    const std::uint32_t key = FocusKey();
    const auto* channel = GetRow<Channel_Info_Tag>(context_.Store(), kChannelTable, key);
    if (channel == nullptr)
        return;
    const auto edited = RunEditor(this, context_, filter_, *channel, IsTV(*channel));
    if (!edited)
        return;
    Report(context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Update"), kChannels,
                         [&] { return editing::UpdateChannel(context_.Store(), key, *edited); }));
    Refill();
}

void CChannelGrid::DeleteOrRemove() {
    const RowIds selected = SelectedKeys();
    if (selected.empty())
        return;
    if (filter_.mode == FilterMode::Favorite) {
        RowIds remaining;
        for (std::uint32_t key : model_.Rows())
            if (std::find(selected.begin(), selected.end(), key) == selected.end())
                remaining.push_back(key);
        const EditResult result =
            context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Remove from FAV"), kChannels, [&] {
                return RemoveFromFavorite(context_.Store(), selected, remaining, filter_.favorite,
                                          context_.Product());
            });
        Report(result);
        Refill();
        return;
    }
    const QString question = selected.size() == 1 ? tr("Would you like to delete selected item?")
                                                  : tr("Delete %n channel(s)?", nullptr,
                                                       static_cast<int>(selected.size()));
    if (!qpui::AskYesNo(this, question))
        return;
    context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Delete"), kChannels,
                  [&] { return DeleteChannels(context_.Store(), selected); });
    context_.Clipboard().Clear();
    emit ChannelsChanged({});
}

void CChannelGrid::Copy() {
    const RowIds selected = SelectedKeys();
    if (!selected.empty())
        CopyChannels(context_.Clipboard(), selected, kind_);
}

void CChannelGrid::Paste(bool quiet) {
    ChannelClipboard& clipboard = context_.Clipboard();
    if (quiet && !clipboard.Holds(kind_))
        return;
    RowIds pasted;
    const EditResult result =
        context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Paste"), kChannels, [&] {
            return PasteChannels(context_.Store(), clipboard, kind_, filter_, context_.Product(),
                                 &pasted);
        });
    Report(result);
    if (result == EditResult::Ok)
        emit ChannelsChanged(pasted);
}

void CChannelGrid::MoveHere() {
    const std::uint32_t target = FocusKey();
    if (target == 0)
        return;
    const RowIds moved = context_.Clipboard().keys;
    const EditResult result =
        context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Move here"), kChannels, [&] {
            return MoveClipboardHere(context_.Store(), context_.Clipboard(), target, kind_,
                                     context_.Product());
        });
    Report(result);
    if (result != EditResult::Ok)
        return;
    Refill();
    Select(moved);
    ScrollToRows(moved);
}

void CChannelGrid::ReorderTo(std::uint32_t dropKey) {
    const RowIds selected = SelectedKeys();
    if (selected.empty() || dropKey == 0)
        return;
    if (filter_.mode == FilterMode::Favorite) {
        const RowIds order = ReorderRows(model_.Rows(), selected, dropKey);
        context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Reorder"), kChannels, [&] {
            RenumberFavoritePositions(context_.Store(), order, filter_.favorite,
                                      context_.Product());
        });
        model_.SetRows(order, FavoriteGroupOf(filter_));
    } else {
        context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Move"), kChannels, [&] {
            MoveChannels(context_.Store(), selected, dropKey, kind_, context_.Product());
        });
        Refill();
    }
    Select(selected);
    ScrollToRows(selected);
}

void CChannelGrid::SetFlag(std::uint16_t bit, bool on) {
    const RowIds selected = SelectedKeys();
    if (selected.empty())
        return;
    //: Undo step: channels marked locked (parental lock). Short.
    const char* lock = QT_TRANSLATE_NOOP("UndoSteps", "Lock");
    //: Undo step: channels marked to be skipped when zapping. Short.
    const char* skip = QT_TRANSLATE_NOOP("UndoSteps", "Skip");
    context_.Edit(bit == attr::kLocked ? lock : skip, kChannels,
                  [&] { SetAttributeBits(context_.Store(), selected, bit, on); });
    model_.Redraw();
}

void CChannelGrid::SelectWhere(SelectWhat what) {
    ApplySelection(editing::SelectRows(context_.Store(), model_.Rows(), what, context_.Product()));
}

void CChannelGrid::Invert() {
    Selection current(model_.Rows().size(), false);
    for (const QModelIndex& index : selectionModel()->selectedRows())
        current[static_cast<std::size_t>(index.row())] = true;
    ApplySelection(InvertSelection(current));
}

void CChannelGrid::Search() {
    emit SearchRequested();
}

bool CChannelGrid::FindNext(const QString& text, bool forward) {
    const Selection found = SearchByName(context_.Store(), model_.Rows(), text.toStdString());
    const QModelIndex current = currentIndex();
    const std::optional<std::size_t> row = NextSelected(
        found, current.isValid() ? static_cast<std::size_t>(current.row()) : found.size(), forward);
    if (!row)
        return false;
    const QModelIndex at = model_.index(static_cast<int>(*row), kColName);
    setCurrentIndex(at);
    Select({model_.KeyAt(at.row())});
    scrollTo(at);
    return true;
}

bool CChannelGrid::SearchFor(const QString& text) {
    const Selection found = SearchByName(context_.Store(), model_.Rows(), text.toStdString());
    ApplySelection(found);
    const RowIds keys = editing::SelectedKeys(model_.Rows(), found);
    if (keys.empty())
        return false;
    setCurrentIndex(model_.index(model_.RowOf(keys.front()), kColName));
    Select(keys);
    ScrollToRows(keys);
    return true;
}

void CChannelGrid::Describe() {
    const std::uint32_t key = FocusKey();
    if (key == 0)
        return;
    const DescriptionRecords records = GatherDescription(context_.Store(), key);
    if (!records.channel)
        return;
    qpui::CDlgDescription dialog(this, context_.ChannelSlot());
    dialog.SetChannelInfo(&*records.channel);
    dialog.SetSatelliteInfo(records.satellite ? &*records.satellite : nullptr);
    dialog.SetTransponderInfo(records.transponder ? &*records.transponder : nullptr);
    dialog.SetBroadcastInfo(records.provider ? &*records.provider : nullptr);
    dialog.DoModal();
}

std::size_t CChannelGrid::ApplyDrop(DragCode targetCode, std::uint32_t key) {
    const RowIds selected = SelectedKeys();
    if (selected.empty())
        return 0;
    tabstore::CQoDB& db = context_.Store();
    const Product product = context_.Product();
    std::size_t stayed = 0;
    switch (targetCode) {
    case kDragSatellite:
        stayed = context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Drop on satellite"), kChannels,
                               [&] { return DropOnSatellite(db, selected, key, product); });
        break;
    case kDragMux:
        context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Drop on multiplex"), kChannels,
                      [&] { DropOnMux(db, selected, key, product); });
        break;
    case kDragTransponder:
        context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Drop on transponder"), kChannels,
                      [&] { DropOnTransponder(db, selected, key); });
        break;
    case kDragProvider:
        context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Drop on provider"), kChannels,
                      [&] { DropOnProvider(db, selected, key); });
        break;
    case kDragFavorite:
        Report(context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Add to favourite group"), kChannels,
                             [&] { return AddToFavorite(db, selected, key + 1, kind_, product); }));
        break;
    case kDragGenre:
        context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Set genre"), kChannels,
                      [&] { SetGenre(db, selected, key); });
        break;
    case kDragTV:
    case kDragRadio:
        if (targetCode == DragCodeOf())
            ReorderTo(key);
        return 0;
    default:
        return 0;
    }
    Refill();
    return stayed;
}

} // namespace chanforge::app
