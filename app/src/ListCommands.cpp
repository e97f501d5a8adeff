#include "ListCommands.h"

#include "EditContext.h"
#include "EditText.h"
#include "PhraseText.h"
#include "RecordList.h"
#include "chanforge/TableAccess.h"
#include "chanforge/editing/DeliveryText.h"
#include "chanforge/editing/NetworkEdits.h"
#include "qpui/DlgCableMuxAddUpdate.h"
#include "qpui/DlgDescription.h"
#include "qpui/DlgProviderName.h"
#include "qpui/DlgTPAddUpdate.h"
#include "qpui/MessageBox.h"
#include "qpui/SatelliteEditor.h"

#include <QMenu>

#include <memory>
#include <optional>

namespace chanforge::app {

using namespace editing;

namespace {

std::optional<Satellite_Info_Tag> RunSatelliteEditor(QWidget* parent, Product product,
                                                     const Satellite_Info_Tag& satellite) {
    std::unique_ptr<qpui::CSatelliteEditor> dialog;
    if (product.TwoTuners())
        dialog = std::make_unique<qpui::CDlgSAT2AddUpdate>(parent, product);
    else
        dialog = std::make_unique<qpui::CDlgSATAddUpdate>(parent, product);
    dialog->SetSatelliteInfo(&satellite);
    if (dialog->DoModal() != QDialog::Accepted)
        return std::nullopt;
    return dialog->GetSatelliteInfo();
}

std::optional<Transponder_Info_Tag> RunTransponderEditor(QWidget* parent, CEditContext& context,
                                                         const Transponder_Info_Tag& transponder) {
    qpui::CDlgTPAddUpdate dialog(parent, context.Product());
    // The satellites the satellite list shows: never the terrestrial stand-in.
    for (std::uint32_t key : ListRows(context.Store(), ListKind::Satellite, context.Product()))
        if (const auto* sat = GetRow<Satellite_Info_Tag>(context.Store(), kSatelliteTable, key))
            dialog.AddSatList(sat);
    dialog.SetTransponderInfo(&transponder);
    if (dialog.DoModal() != QDialog::Accepted)
        return std::nullopt;
    return dialog.GetTransponderInfo();
}

std::optional<CableMux_Info_Tag> RunCableEditor(QWidget* parent, Product product,
                                                const CableMux_Info_Tag& mux) {
    qpui::CDlgCableMuxAddUpdate dialog(parent, product);
    dialog.SetCableInfo(&mux);
    if (dialog.DoModal() != QDialog::Accepted)
        return std::nullopt;
    return dialog.GetCableInfo();
}

std::optional<std::string> RunProviderName(QWidget* parent, qpui::ProviderNameMode mode,
                                           const QString& name) {
    qpui::CDlgProviderName dialog(mode, parent);
    dialog.SetText(name);
    if (dialog.DoModal() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Name().toStdString();
}

/// The tables a delete in the list changes.
TableMask DeleteMask(ListKind kind) {
    switch (kind) {
    case ListKind::Satellite:
        return kSatelliteDeleteTables;
    case ListKind::Transponder:
        return kTransponderEditTables;
    case ListKind::CableMux:
        return kCableMuxDeleteTables;
    default:
        return kProviderEditTables;
    }
}

} // namespace

CListCommands::CListCommands(CEditContext& context, CRecordList& list)
    : QObject(&list), context_(context), list_(list) {}

ListKind CListCommands::Kind() const {
    return list_.Model().Kind();
}

bool CListCommands::HandleKey(int key, Qt::KeyboardModifiers modifiers) {
    if ((modifiers & Qt::ControlModifier) != 0) {
        if (key != Qt::Key_N)
            return false;
        New();
        return true;
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!Describes())
            return false;
        Describe();
        return true;
    case Qt::Key_Delete:
        Delete();
        return true;
    default:
        return false;
    }
}

void CListCommands::BuildMenu() {
    menu_ = new QMenu(&list_);
    menu_->setObjectName("listMenu");
    menu_->addAction(tr("New...\tCtrl+N"), this, &CListCommands::New);
    update_ = menu_->addAction(tr("Update..."), this, &CListCommands::Update);
    delete_ = menu_->addAction(tr("Delete\tDelete"), this, &CListCommands::Delete);
    if (!Describes())
        return;
    menu_->addSeparator();
    describe_ = menu_->addAction(tr("Description...\tEnter"), this, &CListCommands::Describe);
}

void CListCommands::ShowMenu(const QPoint& globalPos) {
    if (menu_ == nullptr)
        BuildMenu();
    const bool any = list_.FocusKey() != 0;
    for (QAction* item : {update_, delete_, describe_})
        if (item != nullptr)
            item->setEnabled(any);
    menu_->exec(globalPos);
}

bool CListCommands::Report(EditResult result) {
    if (const QString message = EditText(result); !message.isEmpty())
        qpui::ShowError(&list_, message);
    return result == EditResult::Ok;
}

void CListCommands::Finish(EditResult result, ListEdit edit, std::uint32_t key) {
    if (!Report(result))
        return;
    if (edit != ListEdit::New && Kind() != ListKind::Provider)
        context_.Clipboard().Clear(); // channels may be gone or on another transponder
    list_.Model().Refill();
    emit Edited(Kind(), edit);
    if (key != 0)
        list_.SelectKey(key);
}

void CListCommands::New() {
    switch (Kind()) {
    case ListKind::Satellite:
        NewSatellite();
        break;
    case ListKind::Transponder:
        NewTransponder();
        break;
    case ListKind::CableMux:
        NewCableMux();
        break;
    case ListKind::Provider:
        NewProvider();
        break;
    case ListKind::TerrestrialMux:
        break;
    }
}

void CListCommands::NewSatellite() {
    const auto edited = RunSatelliteEditor(&list_, context_.Product(), Satellite_Info_Tag{});
    if (!edited)
        return;
    const NewRecord added =
        context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "New satellite"), kSatelliteEditTables,
                      [&] { return editing::NewSatellite(context_.Store(), *edited); });
    Finish(added.result, ListEdit::New, added.key);
}

void CListCommands::NewTransponder() {
    Transponder_Info_Tag blank{};
    blank.SatID = static_cast<std::uint8_t>(list_.Model().SatelliteId());
    const auto edited = RunTransponderEditor(&list_, context_, blank);
    if (!edited)
        return;
    const NewRecord added = context_.Edit(
        QT_TRANSLATE_NOOP("UndoSteps", "New transponder"), kTransponderNewTables, [&] {
            return editing::NewTransponder(context_.Store(), *edited, context_.Document().Values());
        });
    Finish(added.result, ListEdit::New, added.key);
}

void CListCommands::NewCableMux() {
    const auto edited = RunCableEditor(&list_, context_.Product(), CableMux_Info_Tag{});
    if (!edited)
        return;
    const NewRecord added =
        context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "New multiplex"), kCableMuxEditTables, [&] {
            return editing::NewCableMux(context_.Store(), *edited, context_.Document().Values());
        });
    Finish(added.result, ListEdit::New, added.key);
}

void CListCommands::NewProvider() {
    const auto name = RunProviderName(&list_, qpui::ProviderNameMode::New, QString());
    if (!name)
        return;
    const NewRecord added =
        context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "New provider"), kProviderEditTables,
                      [&] { return editing::NewProvider(context_.Store(), *name); });
    Finish(added.result, ListEdit::New, added.key);
}

void CListCommands::Update() {
    const std::uint32_t key = list_.FocusKey();
    if (key == 0)
        return;
    switch (Kind()) {
    case ListKind::Satellite:
        UpdateSatellite(key);
        break;
    case ListKind::Transponder:
        UpdateTransponder(key);
        break;
    case ListKind::CableMux:
        UpdateCableMux(key);
        break;
    case ListKind::Provider:
        UpdateProvider(key);
        break;
    case ListKind::TerrestrialMux:
        break;
    }
}

void CListCommands::UpdateSatellite(std::uint32_t key) {
    const auto* stored = GetRow<Satellite_Info_Tag>(context_.Store(), kSatelliteTable, key);
    if (stored == nullptr)
        return;
    const auto edited = RunSatelliteEditor(&list_, context_.Product(), *stored);
    if (!edited)
        return;
    Finish(context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Update satellite"), kSatelliteEditTables,
                         [&] { return editing::UpdateSatellite(context_.Store(), key, *edited); }),
           ListEdit::Update, key);
}

void CListCommands::UpdateTransponder(std::uint32_t key) {
    const auto* stored = GetRow<Transponder_Info_Tag>(context_.Store(), kTransponderTable, key);
    if (stored == nullptr)
        return;
    const auto edited = RunTransponderEditor(&list_, context_, *stored);
    if (!edited)
        return;
    // A changed satellite moves the transponder, and its channels follow.
    Finish(
        context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Update transponder"), kTransponderEditTables,
                      [&] { return editing::UpdateTransponder(context_.Store(), key, *edited); }),
        ListEdit::Update, key);
}

void CListCommands::UpdateCableMux(std::uint32_t key) {
    const auto* stored = GetRow<CableMux_Info_Tag>(context_.Store(), kCableMuxTable, key);
    if (stored == nullptr)
        return;
    const auto edited = RunCableEditor(&list_, context_.Product(), *stored);
    if (!edited)
        return;
    Finish(context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Update multiplex"), kCableMuxEditTables,
                         [&] { return editing::UpdateCableMux(context_.Store(), key, *edited); }),
           ListEdit::Update, key);
}

void CListCommands::UpdateProvider(std::uint32_t key) {
    const auto* stored = GetRow<Broadcast_Info_Tag>(context_.Store(), kProviderTable, key);
    if (stored == nullptr)
        return;
    const auto name = RunProviderName(
        &list_, qpui::ProviderNameMode::Update,
        QString::fromLatin1(stored->Name, qstrnlen(stored->Name, sizeof stored->Name)));
    if (!name)
        return;
    Finish(context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Update provider"), kProviderEditTables,
                         [&] { return editing::RenameProvider(context_.Store(), key, *name); }),
           ListEdit::Update, key);
}

EditResult CListCommands::DeleteRows(const RowIds& keys) {
    tabstore::CQoDB& db = context_.Store();
    switch (Kind()) {
    case ListKind::Satellite:
        return DeleteSatellites(db, keys);
    case ListKind::Transponder:
        return DeleteTransponders(db, keys);
    case ListKind::CableMux:
        return DeleteCableMuxes(db, keys);
    case ListKind::Provider:
        return DeleteProviders(db, keys);
    case ListKind::TerrestrialMux:
        break;
    }
    return EditResult::Nothing;
}

QString CListCommands::RecordText(std::uint32_t key) const {
    tabstore::CQoDB& db = context_.Store();
    switch (Kind()) {
    case ListKind::Satellite:
        if (const auto* sat = GetRow<Satellite_Info_Tag>(db, kSatelliteTable, key))
            return tr("satellite %1")
                .arg(QString::fromLatin1(sat->Name, qstrnlen(sat->Name, sizeof sat->Name)));
        break;
    case ListKind::Transponder:
        if (const auto* tp = GetRow<Transponder_Info_Tag>(db, kTransponderTable, key))
            return tr("transponder %1 %2")
                .arg(QString::fromStdString(Grouped(tp->Frequency)))
                .arg((tp->PolFEC & 1) != 0 ? QStringLiteral("H") : QStringLiteral("V"));
        break;
    case ListKind::CableMux:
        if (const auto* mux = GetRow<CableMux_Info_Tag>(db, kCableMuxTable, key))
            return tr("multiplex %1")
                .arg(QString::fromStdString(CableFrequencyText(mux->Frequency)));
        break;
    default:
        break;
    }
    return {};
}

QString CListCommands::DeleteQuestion(const RowIds& keys) const {
    const std::size_t channels = ChannelsDeletedWith(context_.Store(), Kind(), keys);
    if (channels == 0)
        return tr("Would you like to delete selected item?");
    const int n = static_cast<int>(channels);
    if (keys.size() == 1)
        return tr("Delete %1 and its %n channel(s)?", nullptr, n).arg(RecordText(keys.front()));
    // Two records or more from here; other languages still count them in their own forms.
    const int records = static_cast<int>(keys.size());
    const QString many = Kind() == ListKind::Satellite
                             ? tr("Delete %n satellites and their %1?", nullptr, records)
                         : Kind() == ListKind::Transponder
                             ? tr("Delete %n transponders and their %1?", nullptr, records)
                             : tr("Delete %n multiplexes and their %1?", nullptr, records);
    return many.arg(tr("%n channel(s)", nullptr, n));
}

void CListCommands::Delete() {
    const RowIds keys = list_.SelectedKeys();
    if (keys.empty() || !qpui::AskYesNo(&list_, DeleteQuestion(keys)))
        return;
    Finish(context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Delete"), DeleteMask(Kind()),
                         [&] { return DeleteRows(keys); }),
           ListEdit::Delete, 0);
}

void CListCommands::MoveTransponders(std::uint32_t satelliteRow) {
    const RowIds keys = list_.SelectedKeys();
    if (Kind() != ListKind::Transponder || keys.empty())
        return;
    Finish(context_.Edit(
               QT_TRANSLATE_NOOP("UndoSteps", "Move transponders"), kTransponderEditTables,
               [&] { return editing::MoveTransponders(context_.Store(), keys, satelliteRow); }),
           ListEdit::Move, 0);
}

void CListCommands::Describe() {
    const std::uint32_t key = list_.FocusKey();
    if (key == 0 || !Describes())
        return;
    tabstore::CQoDB& db = context_.Store();
    if (Kind() == ListKind::Provider) {
        if (const auto records = DescribeProvider(db, key); records.provider)
            qpui::ShowInformation(&list_, Translated(ProviderDescription(*records.provider)));
        return;
    }
    const DescriptionRecords records =
        Kind() == ListKind::Satellite ? DescribeSatellite(db, key) : DescribeTransponder(db, key);
    if (!records.satellite && !records.transponder)
        return;
    qpui::CDlgDescription dialog(&list_, context_.ChannelSlot());
    dialog.SetSatelliteInfo(records.satellite ? &*records.satellite : nullptr);
    dialog.SetTransponderInfo(records.transponder ? &*records.transponder : nullptr);
    dialog.DoModal();
}

} // namespace chanforge::app
