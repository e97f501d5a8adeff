// Model-based test of the editing commands: random sequences of the operations the grids, the
// lists and the tree offer, run against a database of each receiver family and checked after every
// step against a reference model (the multiset of channel contents) and the store's invariants. A
// failing sequence is shrunk and printed; turn it into a plain regression test.
#include "TestDatabase.h"
#include "chanforge/ChannelOrder.h"
#include "chanforge/codec/ChannelFile.h"
#include "chanforge/document/Document.h"
#include "chanforge/editing/ChannelClipboard.h"
#include "chanforge/editing/ChannelMove.h"
#include "chanforge/editing/ChannelQuery.h"
#include "chanforge/editing/DeliveryLists.h"
#include "chanforge/editing/Duplicates.h"
#include "chanforge/editing/EditorInputs.h"
#include "chanforge/editing/FavoriteGroups.h"
#include "chanforge/editing/NetworkEdits.h"
#include "chanforge/editing/RenamePattern.h"
#include "chanforge/editing/SortByKeys.h"
#include "chanforge/editing/UndoStack.h"
#include "chanforge/editing/UnusedRecords.h"
#include "policy/Presets.h"

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace chanforge::editing::test {
namespace {

namespace fs = std::filesystem;
using codec::FlashLayout;

// ---- The families and their starting databases --------------------------------------------

FlashLayout Preset(const char* name) {
    return FlashLayout::FromPreset(*policy::FindPreset(name));
}

FlashLayout SmallLayout(int list, int type) {
    FlashLayout l;
    l.product = {list, type};
    l.mmi = {0, 1, 20};
    l.favoriteCount = 16;
    l.sat = {4096, 1, 32};
    l.brd = {8192, 2, 20};
    l.tp = {16384, 4, l.product.Cable() ? 20u : 16u};
    l.ch = {49152, 16, 64};
    l.nameLength = 16;
    l.maxMuxCount = 8;
    return l;
}

/// Where a channel of the family can sit: (SatID, TPID) pairs that exist.
using Places = std::vector<std::pair<std::uint8_t, std::uint8_t>>;

Places Generate(const FlashLayout& layout, tabstore::CQoDB& db) {
    const Product product = layout.product;
    Places places;
    for (int g = 1; g <= 4; ++g)
        AddFavorite(db, "Group " + std::to_string(g));
    for (std::uint16_t p = 1; p <= 3; ++p)
        AddProvider(db, p, "Provider " + std::to_string(p));
    if (product.Satellite()) {
        if (product.Terrestrial())
            AddSatellite(db, 1, "Terrestrial", 0);
        for (std::uint8_t s = 2; s <= 3; ++s) {
            AddSatellite(db, s, "Sat " + std::to_string(s), static_cast<std::uint16_t>(100 * s));
            for (std::uint8_t t = 1; t <= 2; ++t) {
                const auto tpid = static_cast<std::uint8_t>(10 * s + t);
                AddTransponder(db, s, tpid, static_cast<std::uint16_t>(11000 + tpid));
                places.push_back({s, tpid});
            }
        }
    } else if (product.Cable()) {
        for (std::uint8_t m = 1; m <= 3; ++m) {
            AddCableMux(db, m, 300000u + 8000u * m);
            places.push_back({1, m});
        }
    } else {
        // The multiplexes come with the image (see WithMultiplexes).
        ForEachRow<SMux_Info_Tag>(db, kTerrestrialMuxTable, [&](const SMux_Info_Tag& m) {
            places.push_back({1, m.TPID});
        });
    }
    for (int i = 0; i < 12; ++i) {
        const bool tv = i % 3 != 2;
        const auto& [sat, tp] = places[static_cast<std::size_t>(i) % places.size()];
        Channel_Info_Tag ch = MakeChannel("C" + std::to_string(i), 0, tv, sat, tp);
        ch.ServiceID = static_cast<std::uint16_t>(1000 + i);
        ch.BroadcastID = static_cast<std::uint16_t>(1 + i % 3);
        ch.Favorite = i % 4 == 0 ? 1u : 0u;
        AddChannel(db, ch);
    }
    RenumberChannels(db);
    GroupChannels(db);
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [](Channel_Info_Tag& ch) {
        ch.ShowNum = ch.LogicalNumber = ch.ProgramNum;
    });
    return places;
}

/// Terrestrial-only receivers keep their multiplexes in sectors the editor never writes: the
/// blank image gets three of them (TPIDs 21 to 23) in the first such sector.
void WithMultiplexes(const FlashLayout& layout, const std::string& path) {
    std::vector<std::uint8_t> file(fs::file_size(path));
    std::ifstream(path, std::ios::binary)
        .read(reinterpret_cast<char*>(file.data()), static_cast<std::streamsize>(file.size()));
    std::uint8_t* sector = file.data() + codec::kChannelHeaderSize + layout.tp.start;
    std::fill(sector, sector + layout.sectorSize, std::uint8_t{0});
    for (std::uint8_t m = 0; m < 3; ++m)
        sector[m * layout.tp.chunk + 10] = static_cast<std::uint8_t>(21 + m);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
}

/// A document holding the family's generated database after one save and reload, so that the
/// tables start in the form the codec keeps.
struct Fixture {
    fs::path dir;
    FlashLayout layout;
    document::Document doc;
    Places places;

    explicit Fixture(const FlashLayout& l)
        : dir(fs::temp_directory_path() / ("chanforge-model-" + std::to_string(::getpid()))),
          layout(l), doc(l) {
        fs::create_directories(dir);
        const std::string blank = (dir / "blank.bin").string();
        const std::string start = (dir / "start.bin").string();
        RC_ASSERT(document::WriteBlankImage(layout, blank).ok());
        if (layout.product.TransponderBlockHoldsMultiplexes())
            WithMultiplexes(layout, blank);
        RC_ASSERT(doc.Open(blank).ok());
        places = Generate(layout, doc.Store());
        RC_ASSERT(doc.SaveToFile(start).ok());
        RC_ASSERT(doc.Open(start).ok());
    }
    ~Fixture() {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
};

// ---- Operations ------------------------------------------------------------------------------

// What a step may do; CableMux's value % 3 picks New, Update or Delete.
#define CF_OPS(X)                                                                                  \
    X(New), X(Update), X(Delete), X(RemoveFromFav), X(CopyPaste), X(MoveHere), X(DragReorder),     \
        X(FavReorder), X(Lock), X(Skip), X(DropSatellite), X(DropTransponder), X(DropProvider),    \
        X(DropFavorite), X(DropGenre), X(RenameGroup), X(Undo), X(Redo), X(Satellite),             \
        X(Transponder), X(MoveTransponder), X(Provider), X(CableMux), X(Dedupe), X(FilteredLock),  \
        X(RenamePattern), X(SortKeys), X(RemoveUnused)
#define CF_ENUM(name) name
#define CF_NAME(name) #name
enum class OpKind { CF_OPS(CF_ENUM), kCount };
const char* const kOpNames[] = {CF_OPS(CF_NAME)};
#undef CF_NAME
#undef CF_ENUM
#undef CF_OPS

/// One step: the operation and three numbers that pick its rows, target and values.
struct Op {
    OpKind kind;
    unsigned pick;   ///< bit mask over the grid's rows (the selection)
    unsigned target; ///< index of a row, record or group
    unsigned value;  ///< a kind, a flag state, a name
};

void showValue(const Op& op, std::ostream& os) {
    os << kOpNames[static_cast<int>(op.kind)] << "(pick=" << op.pick << ", target=" << op.target
       << ", value=" << op.value << ")";
}

rc::Gen<Op> GenOp() {
    // At full size: inRange covers only the share of its range that the size allows, and the
    // sequence's size would leave the later operations out.
    return rc::gen::resize(
        rc::kNominalSize,
        rc::gen::construct<Op>(
            rc::gen::cast<OpKind>(rc::gen::inRange(0, static_cast<int>(OpKind::kCount))),
            rc::gen::inRange(0u, 4096u), rc::gen::inRange(0u, 64u), rc::gen::inRange(0u, 64u)));
}

// ---- The reference model ---------------------------------------------------------------------

/// A channel's content apart from what numbering changes (key, numbers, favourite positions).
using Signature = std::vector<unsigned char>;
using Contents = std::multiset<Signature>;

Signature SignatureOf(Channel_Info_Tag ch) {
    ch.RowID = 0;
    ch.ProgramNum = ch.ShowNum = ch.LogicalNumber = 0;
    std::fill(std::begin(ch.FavoriteSlot), std::end(ch.FavoriteSlot), 0);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&ch);
    return Signature(bytes, bytes + sizeof ch);
}

Contents ContentsOf(tabstore::CQoDB& db) {
    Contents out;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable,
                                 [&](const Channel_Info_Tag& ch) { out.insert(SignatureOf(ch)); });
    return out;
}

/// Every row of every table, byte for byte: what undo must bring back.
using Snapshot = std::map<std::pair<int, std::uint32_t>, std::vector<unsigned char>>;

std::size_t RecordSize(std::uint8_t table) {
    constexpr std::size_t sizes[] = {sizeof(Satellite_Info_Tag),   sizeof(SMux_Info_Tag),
                                     sizeof(CableMux_Info_Tag),    sizeof(Broadcast_Info_Tag),
                                     sizeof(Transponder_Info_Tag), sizeof(Channel_Info_Tag),
                                     sizeof(Favorite_Info_Tag)};
    return sizes[table];
}

Snapshot SnapshotOf(tabstore::CQoDB& db) {
    Snapshot out;
    for (std::uint8_t table = 0; table < 7; ++table)
        ForEachRowBytes(db, table, [&](tabstore::RowBuffer row, std::uint32_t key) {
            out[{table, key}].assign(row, row + RecordSize(table));
        });
    return out;
}

/// What one step should leave: the contents, or "whatever the step before left" for undo/redo.
struct Model {
    Contents contents;
    std::vector<std::pair<Snapshot, Contents>> done;   ///< state before each undoable step
    std::vector<std::pair<Snapshot, Contents>> undone; ///< state after each undone step
};

// ---- Running one step ------------------------------------------------------------------------

template <class Runner> void CurateStep(Runner& r, const Op& op, const RowIds& grid);

struct Runner {
    Fixture& fx;
    Model& model;
    CUndoStack undo;
    ChannelClipboard clipboard;

    tabstore::CQoDB& Db() { return fx.doc.Store(); }
    Product Prod() const { return fx.layout.product; }

    RowIds Grid(ChannelKind kind, const ChannelFilter& filter = ShowAll()) {
        return FillChannels(Db(), kind, filter, Prod());
    }
    static RowIds Picked(const RowIds& rows, unsigned mask) {
        RowIds out;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if ((mask >> (i % 12)) & 1u)
                out.push_back(rows[i]);
        return out;
    }
    static std::uint32_t At(const RowIds& rows, unsigned index) {
        return rows.empty() ? 0 : rows[index % rows.size()];
    }
    template <class T> RowIds Keys(std::uint8_t table) {
        RowIds out;
        ForEachRow<T>(Db(), table, [&](const T& row) { out.push_back(row.RowID); });
        return out;
    }

    /// Applies change to the model's copy of each channel in keys (read before the step).
    template <class Fn> void Expect(const RowIds& keys, Fn&& change) {
        for (std::uint32_t key : keys) {
            const auto* ch = GetRow<Channel_Info_Tag>(Db(), kChannelTable, key);
            if (ch == nullptr)
                continue;
            model.contents.erase(model.contents.find(SignatureOf(*ch)));
            Channel_Info_Tag changed = *ch;
            change(changed);
            model.contents.insert(SignatureOf(changed));
        }
    }
    void ExpectGone(const RowIds& keys) {
        for (std::uint32_t key : keys)
            if (const auto* ch = GetRow<Channel_Info_Tag>(Db(), kChannelTable, key))
                model.contents.erase(model.contents.find(SignatureOf(*ch)));
    }
    template <class Pred> RowIds ChannelsWhere(Pred&& match) {
        RowIds out;
        ForEachRow<Channel_Info_Tag>(Db(), kChannelTable, [&](const Channel_Info_Tag& ch) {
            if (match(ch))
                out.push_back(ch.RowID);
        });
        return out;
    }
    /// Deleting id: the channels in scope that carry it go, those above it move down by one.
    template <class Scope, class Field>
    void ExpectIdDeleted(unsigned id, Scope&& inScope, Field&& field) {
        const RowIds gone =
            ChannelsWhere([&](Channel_Info_Tag ch) { return inScope(ch) && field(ch) == id; });
        const RowIds above =
            ChannelsWhere([&](Channel_Info_Tag ch) { return inScope(ch) && field(ch) > id; });
        Expect(above, [&](Channel_Info_Tag& ch) { --field(ch); });
        ExpectGone(gone);
    }
    unsigned HighestTPID(unsigned satId) {
        unsigned highest = 0;
        ForEachRow<Transponder_Info_Tag>(Db(), kTransponderTable,
                                         [&](const Transponder_Info_Tag& tp) {
                                             if (tp.SatID == satId)
                                                 highest = std::max<unsigned>(highest, tp.TPID);
                                         });
        return highest;
    }
    /// A transponder moving to satellite satId takes the next TPID there and its channels along;
    /// the later ones of its old satellite close the gap. False when it stays where it is.
    bool ExpectMove(std::uint32_t key, unsigned satId) {
        const Transponder_Info_Tag tp = *GetRow<Transponder_Info_Tag>(Db(), kTransponderTable, key);
        if (tp.SatID == satId)
            return false;
        const auto tpid = static_cast<std::uint8_t>(HighestTPID(satId) + 1);
        const RowIds riders = ChannelsWhere(
            [&](const Channel_Info_Tag& ch) { return ch.SatID == tp.SatID && ch.TPID == tp.TPID; });
        const RowIds after = ChannelsWhere(
            [&](const Channel_Info_Tag& ch) { return ch.SatID == tp.SatID && ch.TPID > tp.TPID; });
        Expect(riders, [&](Channel_Info_Tag& ch) {
            ch.SatID = static_cast<std::uint8_t>(satId);
            ch.TPID = tpid;
        });
        Expect(after, [](Channel_Info_Tag& ch) { --ch.TPID; });
        return true;
    }

    void Run(const Op& op) {
        if (op.kind == OpKind::Undo || op.kind == OpKind::Redo) {
            RunUndoRedo(op.kind == OpKind::Undo);
            return;
        }
        Snapshot before = SnapshotOf(Db());
        Contents contentsBefore = model.contents;
        undo.Begin(Db(), kAllTables, kOpNames[static_cast<int>(op.kind)]);
        RunEdit(op);
        const bool recorded = undo.Commit(Db());
        const bool changed = SnapshotOf(Db()) != before;
        RC_ASSERT(recorded == changed);
        if (recorded) {
            model.done.emplace_back(std::move(before), std::move(contentsBefore));
            model.undone.clear();
        }
    }

    void RunUndoRedo(bool isUndo) {
        auto& from = isUndo ? model.done : model.undone;
        auto& to = isUndo ? model.undone : model.done;
        Snapshot current = SnapshotOf(Db());
        RC_ASSERT((isUndo ? undo.Undo(Db()) : undo.Redo(Db())) == !from.empty());
        if (from.empty())
            return;
        auto [snapshot, contents] = std::move(from.back());
        from.pop_back();
        RC_ASSERT(snapshot == SnapshotOf(Db())); // byte for byte
        to.emplace_back(std::move(current), std::move(model.contents));
        model.contents = std::move(contents);
    }

    ChannelKind KindOf(unsigned value) const {
        return value % 2 == 0 ? ChannelKind::TV : ChannelKind::Radio;
    }
    std::uint32_t Group(unsigned value) const { return 1 + value % 4; }

    void RunEdit(const Op& op) {
        const ChannelKind kind = KindOf(op.value);
        const RowIds grid = Grid(kind);
        const RowIds picked = Picked(grid, op.pick);
        switch (op.kind) {
        case OpKind::New:
            NewChannel(op, kind);
            break;
        case OpKind::Update: {
            const std::uint32_t key = At(grid, op.target);
            if (key == 0)
                break;
            Channel_Info_Tag edited = *GetRow<Channel_Info_Tag>(Db(), kChannelTable, key);
            std::snprintf(edited.Name, 12, "Upd%u", op.value);
            edited.Attributes ^= attr::kLocked;
            Expect({key}, [&](Channel_Info_Tag& ch) { ch = edited; });
            RC_ASSERT(UpdateChannel(Db(), key, edited) == EditResult::Ok);
            break;
        }
        case OpKind::Delete:
            ExpectGone(picked);
            RC_ASSERT(DeleteChannels(Db(), picked) == picked.size());
            break;
        case OpKind::RemoveFromFav: {
            const std::uint32_t group = Group(op.target);
            const RowIds members = Grid(kind, ShowFavorite(group - 1, ShowAll(), Prod()));
            const RowIds removed = Picked(members, op.pick);
            RowIds remaining;
            for (std::uint32_t key : members)
                if (std::find(removed.begin(), removed.end(), key) == removed.end())
                    remaining.push_back(key);
            Expect(removed, [&](Channel_Info_Tag& ch) { ch.Favorite &= ~(1u << (group - 1)); });
            RC_ASSERT(RemoveFromFavorite(Db(), removed, remaining, group, Prod()) ==
                      EditResult::Ok);
            break;
        }
        case OpKind::CopyPaste:
            Paste(op, kind, picked);
            break;
        case OpKind::MoveHere: {
            CopyChannels(clipboard, picked, kind);
            const std::uint32_t target = At(grid, op.target);
            const EditResult r = MoveClipboardHere(Db(), clipboard, target, kind, Prod());
            RC_ASSERT(r == (picked.empty() || target == 0 ? EditResult::Nothing : EditResult::Ok));
            clipboard.Clear();
            break;
        }
        case OpKind::DragReorder:
            MoveChannels(Db(), picked, At(grid, op.target), kind, Prod());
            break;
        case OpKind::FavReorder: {
            const std::uint32_t group = Group(op.target);
            const RowIds members = Grid(kind, ShowFavorite(group - 1, ShowAll(), Prod()));
            const RowIds order =
                ReorderRows(members, Picked(members, op.pick), At(members, op.value));
            RenumberFavoritePositions(Db(), order, group, Prod());
            break;
        }
        case OpKind::Lock:
        case OpKind::Skip: {
            const std::uint16_t bit = op.kind == OpKind::Lock ? attr::kLocked : attr::kSkipped;
            const bool on = op.target % 2 == 0;
            Expect(picked, [&](Channel_Info_Tag& ch) {
                ch.Attributes =
                    static_cast<std::uint16_t>(on ? ch.Attributes | bit : ch.Attributes & ~bit);
            });
            SetAttributeBits(Db(), picked, bit, on);
            break;
        }
        case OpKind::DropSatellite:
            DropOnRecord<Satellite_Info_Tag>(kSatelliteTable, op, picked);
            break;
        case OpKind::DropTransponder:
            DropOnDelivery(op, picked);
            break;
        case OpKind::DropProvider:
            DropOnRecord<Broadcast_Info_Tag>(kProviderTable, op, picked);
            break;
        case OpKind::DropFavorite: {
            const std::uint32_t group = Group(op.target);
            Expect(picked, [&](Channel_Info_Tag& ch) { ch.Favorite |= 1u << (group - 1); });
            RC_ASSERT(AddToFavorite(Db(), picked, group, kind, Prod()) == EditResult::Ok);
            break;
        }
        case OpKind::DropGenre: {
            const std::uint32_t genre = op.target % 16;
            Expect(picked, [&](Channel_Info_Tag& ch) {
                ch.Attributes =
                    static_cast<std::uint16_t>((ch.Attributes & ~attr::kGenreMask) | genre);
            });
            SetGenre(Db(), picked, genre);
            break;
        }
        case OpKind::RenameGroup: {
            const std::string name = "Renamed " + std::to_string(op.value);
            const auto* group = GetRow<Favorite_Info_Tag>(Db(), kFavoriteTable, op.target % 4 + 1);
            // A group that already has the name is left as it is.
            const EditResult want =
                group != nullptr && group->Name == name ? EditResult::Nothing : EditResult::Ok;
            RC_ASSERT(RenameFavoriteGroup(Db(), op.target % 4, name) == want);
            break;
        }
        case OpKind::Satellite:
            SatelliteOp(op);
            break;
        case OpKind::Transponder:
            TransponderOp(op);
            break;
        case OpKind::MoveTransponder:
            MoveTransponderOp(op);
            break;
        case OpKind::Provider:
            ProviderOp(op);
            break;
        case OpKind::CableMux:
            CableMuxOp(op);
            break;
        case OpKind::Dedupe:
        case OpKind::FilteredLock:
        case OpKind::RenamePattern:
        case OpKind::SortKeys:
        case OpKind::RemoveUnused:
            CurateStep(*this, op, grid);
            break;
        default:
            break;
        }
    }

    // ---- The network record lists: rows as the window's lists show them.

    RowIds ListOf(ListKind kind) { return ListRows(Db(), kind, Prod()); }
    std::uint8_t SatIdAt(unsigned index) {
        const auto* sat = GetRow<Satellite_Info_Tag>(Db(), kSatelliteTable,
                                                     At(ListOf(ListKind::Satellite), index));
        return sat != nullptr ? sat->SatID : 0;
    }

    void SatelliteOp(const Op& op) {
        if (!Prod().Satellite())
            return;
        const std::uint32_t key = At(ListOf(ListKind::Satellite), op.target);
        const auto* stored = GetRow<Satellite_Info_Tag>(Db(), kSatelliteTable, key);
        Satellite_Info_Tag edited = stored != nullptr ? *stored : Satellite_Info_Tag{};
        std::snprintf(edited.Name, sizeof edited.Name, "Sat%u", op.pick);
        edited.Degree = static_cast<std::uint16_t>(op.pick % 3600);
        switch (op.value % 3) {
        case 0: {
            unsigned highest = 0;
            ForEachRow<Satellite_Info_Tag>(Db(), kSatelliteTable, [&](const auto& s) {
                highest = std::max<unsigned>(highest, s.SatID);
            });
            const NewRecord added = NewSatellite(Db(), edited);
            RC_ASSERT(added.result == EditResult::Ok);
            RC_ASSERT(GetRow<Satellite_Info_Tag>(Db(), kSatelliteTable, added.key)->SatID ==
                      highest + 1);
            break;
        }
        case 1:
            if (stored == nullptr)
                return;
            edited.SatID = static_cast<std::uint8_t>(op.pick); // the editor cannot change it
            RC_ASSERT(UpdateSatellite(Db(), key, edited) == EditResult::Ok);
            break;
        default:
            if (stored == nullptr)
                return;
            ExpectIdDeleted(
                stored->SatID, [](const Channel_Info_Tag&) { return true; },
                [](Channel_Info_Tag& ch) -> std::uint8_t& { return ch.SatID; });
            RC_ASSERT(DeleteSatellites(Db(), {key}) == EditResult::Ok);
        }
    }

    void TransponderOp(const Op& op) {
        if (!Prod().Satellite())
            return;
        const std::uint32_t key = At(ListOf(ListKind::Transponder), op.target);
        const auto* stored = GetRow<Transponder_Info_Tag>(Db(), kTransponderTable, key);
        const std::uint8_t satId = SatIdAt(op.pick);
        switch (op.value % 3) {
        case 0: {
            if (satId == 0)
                return;
            Transponder_Info_Tag edited{};
            edited.SatID = satId;
            edited.Frequency = static_cast<std::uint16_t>(10000 + op.pick);
            const unsigned highest = HighestTPID(satId);
            const NewRecord added = NewTransponder(Db(), edited, fx.doc.Values());
            RC_ASSERT(added.result == EditResult::Ok);
            RC_ASSERT(GetRow<Transponder_Info_Tag>(Db(), kTransponderTable, added.key)->TPID ==
                      highest + 1);
            break;
        }
        case 1: {
            if (stored == nullptr)
                return;
            Transponder_Info_Tag edited = *stored;
            edited.Frequency = static_cast<std::uint16_t>(edited.Frequency + 1);
            if (op.pick % 2 == 1 && satId != 0) // the editor's satellite choice
                edited.SatID = satId;
            ExpectMove(key, edited.SatID);
            RC_ASSERT(UpdateTransponder(Db(), key, edited) == EditResult::Ok);
            break;
        }
        default: {
            if (stored == nullptr)
                return;
            const unsigned sat = stored->SatID;
            ExpectIdDeleted(
                stored->TPID, [sat](const Channel_Info_Tag& ch) { return ch.SatID == sat; },
                [](Channel_Info_Tag& ch) -> std::uint8_t& { return ch.TPID; });
            RC_ASSERT(DeleteTransponders(Db(), {key}) == EditResult::Ok);
        }
        }
    }

    void MoveTransponderOp(const Op& op) {
        if (!Prod().Satellite())
            return;
        const std::uint32_t key = At(ListOf(ListKind::Transponder), op.target);
        const std::uint32_t satelliteRow = At(ListOf(ListKind::Satellite), op.pick);
        if (key == 0 || satelliteRow == 0)
            return;
        const bool moves =
            ExpectMove(key, GetRow<Satellite_Info_Tag>(Db(), kSatelliteTable, satelliteRow)->SatID);
        RC_ASSERT(MoveTransponders(Db(), {key}, satelliteRow) ==
                  (moves ? EditResult::Ok : EditResult::Nothing));
    }

    void ProviderOp(const Op& op) {
        const std::uint32_t key = At(ListOf(ListKind::Provider), op.target);
        switch (op.value % 3) {
        case 0:
            RC_ASSERT(NewProvider(Db(), "Provider " + std::to_string(op.pick)).result ==
                      EditResult::Ok);
            break;
        case 1:
            if (key != 0) {
                // The name it already has changes nothing.
                const std::string name = "Renamed " + std::to_string(op.pick);
                const auto* provider = GetRow<Broadcast_Info_Tag>(Db(), kProviderTable, key);
                const bool same =
                    name ==
                    std::string(provider->Name, strnlen(provider->Name, sizeof provider->Name));
                RC_ASSERT(RenameProvider(Db(), key, name) ==
                          (same ? EditResult::Nothing : EditResult::Ok));
            }
            break;
        default:
            if (key != 0) // channels keep their BroadcastID
                RC_ASSERT(DeleteProviders(Db(), {key}) == EditResult::Ok);
        }
    }

    void CableMuxOp(const Op& op) {
        if (!Prod().Cable())
            return;
        const std::uint32_t key = At(ListOf(ListKind::CableMux), op.target);
        const auto* stored = GetRow<CableMux_Info_Tag>(Db(), kCableMuxTable, key);
        CableMux_Info_Tag edited = stored != nullptr ? *stored : CableMux_Info_Tag{};
        edited.Frequency = 300000u + op.pick;
        switch (op.value % 3) {
        case 0:
            RC_ASSERT(NewCableMux(Db(), edited, fx.doc.Values()).result == EditResult::Ok);
            break;
        case 1:
            if (stored == nullptr)
                return;
            edited.MuxID = static_cast<std::uint8_t>(op.pick); // the editor cannot change it
            RC_ASSERT(UpdateCableMux(Db(), key, edited) == EditResult::Ok);
            break;
        default:
            if (stored == nullptr)
                return;
            ExpectIdDeleted(
                stored->MuxID, [](const Channel_Info_Tag&) { return true; },
                [](Channel_Info_Tag& ch) -> std::uint8_t& { return ch.TPID; });
            RC_ASSERT(DeleteCableMuxes(Db(), {key}) == EditResult::Ok);
        }
    }

    /// Where a new channel can sit now: the records the lists show.
    Places CurrentPlaces() {
        Places places;
        if (Prod().Satellite()) {
            for (std::uint32_t key : ListOf(ListKind::Transponder)) {
                const auto* tp = GetRow<Transponder_Info_Tag>(Db(), kTransponderTable, key);
                places.push_back({tp->SatID, tp->TPID});
            }
        } else if (Prod().Cable()) {
            ForEachRow<CableMux_Info_Tag>(Db(), kCableMuxTable, [&](const CableMux_Info_Tag& m) {
                places.push_back({1, m.MuxID});
            });
        } else {
            places = fx.places; // the multiplexes of the image never change
        }
        return places;
    }

    void NewChannel(const Op& op, ChannelKind kind) {
        // The editor: a name, and a place the operator picks from the lists.
        const Places places = CurrentPlaces();
        if (places.empty())
            return;
        const auto& [sat, tp] = places[op.target % places.size()];
        const ChannelFilter filter = op.pick % 3 == 0 ? ShowAll()
                                     : op.pick % 3 == 1
                                         ? ShowFavorite(op.value % 4, ShowAll(), Prod())
                                         : ShowGenre(op.value % 16, ShowAll(), Prod());
        Channel_Info_Tag edited =
            MakeChannel("New" + std::to_string(op.value), 0, kind == ChannelKind::TV, sat, tp);
        edited.Attributes = 0;
        edited.BroadcastID = static_cast<std::uint16_t>(1 + op.value % 3);
        Channel_Info_Tag expected = edited;
        expected.Attributes = KindBit(kind);
        if (filter.mode == FilterMode::Favorite)
            expected.Favorite = 1u << (filter.favorite - 1);
        if (filter.mode == FilterMode::Genre)
            expected.Attributes |= static_cast<std::uint16_t>(filter.genre);
        const std::uint32_t key = AddNewChannel(Db(), edited, kind, filter, Prod());
        RC_ASSERT(key != 0u);
        model.contents.insert(SignatureOf(expected));
        RC_ASSERT(SignatureOf(*GetRow<Channel_Info_Tag>(Db(), kChannelTable, key)) ==
                  SignatureOf(expected));
    }

    void Paste(const Op& op, ChannelKind kind, const RowIds& picked) {
        CopyChannels(clipboard, picked, kind);
        const RowIds transponders = Keys<Transponder_Info_Tag>(kTransponderTable);
        const bool onTransponder =
            Prod().Satellite() && op.target % 2 == 1 && !transponders.empty();
        const std::uint32_t tpRow = At(transponders, op.value);
        const ChannelFilter filter = onTransponder ? ShowTransponder(tpRow) : ShowAll();
        const auto* tp = GetRow<Transponder_Info_Tag>(Db(), kTransponderTable, tpRow);
        for (std::uint32_t key : picked) {
            Channel_Info_Tag copy = *GetRow<Channel_Info_Tag>(Db(), kChannelTable, key);
            copy.Attributes &= static_cast<std::uint16_t>(~attr::kGenreMask);
            copy.Favorite = 0;
            if (onTransponder) {
                copy.SatID = tp->SatID;
                copy.TPID = tp->TPID;
            }
            model.contents.insert(SignatureOf(copy));
        }
        RowIds pasted;
        const EditResult r = PasteChannels(Db(), clipboard, kind, filter, Prod(), &pasted);
        RC_ASSERT(r == (picked.empty() ? EditResult::Nothing : EditResult::Ok));
        RC_ASSERT(pasted.size() == picked.size());
    }

    template <class T> void DropOnRecord(std::uint8_t table, const Op& op, const RowIds& picked) {
        const RowIds rows = Keys<T>(table);
        const std::uint32_t row = At(rows, op.target);
        const T* record = GetRow<T>(Db(), table, row);
        if (record == nullptr)
            return;
        if constexpr (std::is_same_v<T, Satellite_Info_Tag>) {
            const std::uint8_t to = record->SatID;
            std::size_t stays = 0;
            Expect(picked, [&](Channel_Info_Tag& ch) {
                if (ch.SatID == to)
                    return;
                const auto twin = TwinOn(to, ch);
                if (!twin) {
                    ++stays;
                    return;
                }
                ch.SatID = to;
                ch.TPID = twin->TPID;
            });
            RC_ASSERT(DropOnSatellite(Db(), picked, row, Prod()) == stays);
        } else {
            Expect(picked, [&](Channel_Info_Tag& ch) { ch.BroadcastID = record->BroadcastID; });
            DropOnProvider(Db(), picked, row);
        }
    }

    /// The first transponder of satellite satId with the frequency and polarisation of the
    /// channel's own satellite transponder.
    std::optional<Transponder_Info_Tag> TwinOn(std::uint8_t satId, const Channel_Info_Tag& ch) {
        if (Prod().Terrestrial() && ch.SatID == 1)
            return std::nullopt;
        std::vector<Transponder_Info_Tag> all;
        ForEachRow<Transponder_Info_Tag>(
            Db(), kTransponderTable, [&](const Transponder_Info_Tag& tp) { all.push_back(tp); });
        const auto own = std::find_if(all.begin(), all.end(), [&](const auto& tp) {
            return tp.SatID == ch.SatID && tp.TPID == ch.TPID;
        });
        if (own == all.end())
            return std::nullopt;
        const auto twin = std::find_if(all.begin(), all.end(), [&](const auto& tp) {
            return tp.SatID == satId && tp.Frequency == own->Frequency &&
                   (tp.PolFEC & 1) == (own->PolFEC & 1);
        });
        return twin == all.end() ? std::nullopt : std::optional(*twin);
    }

    void DropOnDelivery(const Op& op, const RowIds& picked) {
        if (!Prod().Satellite())
            return;
        const RowIds rows = Keys<Transponder_Info_Tag>(kTransponderTable);
        const std::uint32_t row = At(rows, op.target);
        const auto* tp = GetRow<Transponder_Info_Tag>(Db(), kTransponderTable, row);
        if (tp == nullptr)
            return;
        Expect(picked, [&](Channel_Info_Tag& ch) {
            ch.SatID = tp->SatID;
            ch.TPID = tp->TPID;
        });
        DropOnTransponder(Db(), picked, row);
    }
};

#include "CurateModelSteps.h"

// ---- Invariants ------------------------------------------------------------------------------

void CheckNumbering(tabstore::CQoDB& db) {
    std::vector<std::uint16_t> numbers[2];
    std::uint32_t lastKey = 0;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        RC_ASSERT(ch.RowID > lastKey); // keys unique, and each row carries its own
        lastKey = ch.RowID;
        numbers[IsTV(ch) ? 1 : 0].push_back(ch.ProgramNum);
    });
    for (auto& n : numbers) {
        std::sort(n.begin(), n.end());
        for (std::size_t i = 0; i < n.size(); ++i)
            RC_ASSERT(n[i] == i + 1);
    }
}

void CheckReferences(tabstore::CQoDB& db, Product product) {
    std::set<int> sats, tps;
    ForEachRow<Satellite_Info_Tag>(db, kSatelliteTable,
                                   [&](const auto& s) { sats.insert(s.SatID); });
    ForEachRow<Transponder_Info_Tag>(db, kTransponderTable,
                                     [&](const auto& t) { tps.insert(t.TPID); });
    ForEachRow<SMux_Info_Tag>(db, kTerrestrialMuxTable, [&](const auto& m) { tps.insert(m.TPID); });
    ForEachRow<CableMux_Info_Tag>(db, kCableMuxTable, [&](const auto& m) { tps.insert(m.MuxID); });
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        if (product.Satellite())
            RC_ASSERT(sats.count(ch.SatID) == 1u);
        // A drop on a satellite keeps the TPID of another satellite, which that satellite's
        // renumbering may then move anywhere; multiplex ids are global and must exist.
        if (!product.Satellite())
            RC_ASSERT(tps.count(ch.TPID) == 1u);
        // A deleted provider leaves its channels' BroadcastID as it was.
    });
}

/// No id is handed out twice: satellites, transponders per satellite, multiplexes, providers.
void CheckUniqueIds(tabstore::CQoDB& db) {
    std::set<std::pair<int, int>> seen;
    auto once = [&](int table, int id) { RC_ASSERT(seen.insert({table, id}).second); };
    ForEachRow<Satellite_Info_Tag>(db, kSatelliteTable, [&](const auto& s) { once(0, s.SatID); });
    ForEachRow<Transponder_Info_Tag>(db, kTransponderTable,
                                     [&](const auto& t) { once(4, t.SatID << 8 | t.TPID); });
    ForEachRow<CableMux_Info_Tag>(db, kCableMuxTable, [&](const auto& m) { once(2, m.MuxID); });
    ForEachRow<Broadcast_Info_Tag>(db, kProviderTable,
                                   [&](const auto& p) { once(3, p.BroadcastID); });
}

void CheckSavedAndReloaded(Fixture& fx) {
    const std::string saved = (fx.dir / "saved.bin").string();
    RC_ASSERT(fx.doc.SaveToFile(saved).ok());
    document::Document reloaded(fx.layout);
    RC_ASSERT(reloaded.Open(saved).ok());
    // Numbers are compared by the codec's own round trips: some layouts keep only one of them.
    RC_ASSERT(ContentsOf(reloaded.Store()) == ContentsOf(fx.doc.Store()));
    // The other tables in their order; a load numbers keys afresh, closing the gaps deletes left.
    auto records = [](tabstore::CQoDB& db) {
        std::vector<std::pair<int, std::vector<unsigned char>>> out;
        for (auto& [where, bytes] : SnapshotOf(db))
            if (where.first != kChannelTable) {
                std::fill(bytes.begin(), bytes.begin() + sizeof(std::uint32_t), 0);
                out.emplace_back(where.first, std::move(bytes));
            }
        return out;
    };
    RC_ASSERT(records(fx.doc.Store()) == records(reloaded.Store()));
}

void RunSequence(const FlashLayout& layout, const std::vector<Op>& ops) {
    Fixture fx(layout);
    Model model{ContentsOf(fx.doc.Store()), {}, {}};
    Runner runner{fx, model, CUndoStack(), ChannelClipboard()};
    for (const Op& op : ops) {
        runner.Run(op);
        RC_ASSERT(ContentsOf(fx.doc.Store()) == model.contents);
        CheckNumbering(fx.doc.Store());
        CheckReferences(fx.doc.Store(), layout.product);
        CheckUniqueIds(fx.doc.Store());
    }
    CheckSavedAndReloaded(fx);
}

rc::Gen<std::vector<Op>> GenOps() {
    return rc::gen::resize(40, rc::gen::container<std::vector<Op>>(GenOp()));
}

RC_GTEST_PROP(EditingModel, SatelliteReceiver, ()) {
    RunSequence(Preset("D"), *GenOps());
}
RC_GTEST_PROP(EditingModel, CombinationReceiver, ()) {
    RunSequence(Preset("E"), *GenOps());
}
RC_GTEST_PROP(EditingModel, TerrestrialReceiver, ()) {
    RunSequence(SmallLayout(9, 2 | 16), *GenOps());
}
RC_GTEST_PROP(EditingModel, CableReceiver, ()) {
    RunSequence(SmallLayout(6, 4), *GenOps());
}

} // namespace
} // namespace chanforge::editing::test
