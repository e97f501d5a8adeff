// The curating operations as steps of the model-based editing test: duplicates, a filtered
// selection, rename by pattern, sort by keys and removing the unused. Each states what it
// must leave before it runs; the test then checks that and undo, as for every other step.
// Included by EditingModelTest.cpp after its Runner, inside its namespace.
#pragma once

template <class T> std::vector<T> TableCopy(tabstore::CQoDB& db, std::uint8_t table) {
    std::vector<T> out;
    ForEachRow<T>(db, table, [&](const T& row) { out.push_back(row); });
    return out;
}

std::string Lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

template <class Runner> void CurateStep(Runner& r, const Op& op, const RowIds& grid) {
    switch (op.kind) {
    case OpKind::Dedupe:
        DedupeStep(r, op);
        break;
    case OpKind::FilteredLock:
        FilteredLockStep(r, op, grid);
        break;
    case OpKind::RenamePattern:
        RenameStep(r, op, Runner::Picked(grid, op.pick));
        break;
    case OpKind::SortKeys:
        SortStep(r, op);
        break;
    case OpKind::RemoveUnused:
        UnusedStep(r);
        break;
    default:
        break;
    }
}

/// Every group has a kept member; exactly the others go; afterwards no two channels are
/// duplicates under any policy.
template <class Runner> void DedupeStep(Runner& r, const Op& op) {
    const auto groups = FindDuplicates(r.Db(), static_cast<KeepPolicy>(op.value % 4), r.Prod());
    RowIds doomed;
    for (const DuplicateGroup& g : groups) {
        RC_ASSERT(g.rows.size() >= 2u);
        RC_ASSERT(std::count(g.rows.begin(), g.rows.end(), g.kept) == 1);
        for (std::uint32_t key : g.rows)
            if (key != g.kept)
                doomed.push_back(key);
    }
    r.ExpectGone(doomed);
    RC_ASSERT(DeleteDuplicates(r.Db(), groups) == doomed.size());
    RC_ASSERT(FindDuplicates(r.Db(), KeepPolicy::Lowest, r.Prod()).empty());
}

/// The filter bar narrows the grid to exactly the rows its question fits; a command then acts
/// on a selection among them and on nothing else.
template <class Runner> void FilteredLockStep(Runner& r, const Op& op, const RowIds& grid) {
    ChannelQuery q;
    std::function<bool(const Channel_Info_Tag&)> fits;
    switch (op.target % 4) {
    case 0:
        q.text = "c1";
        fits = [](const Channel_Info_Tag& ch) {
            return Lowered(ch.Name).find("c1") != std::string::npos;
        };
        break;
    case 1:
        q.locked = Want::Yes;
        fits = [](const Channel_Info_Tag& ch) { return (ch.Attributes & attr::kLocked) != 0; };
        break;
    case 2:
        q.group = GroupWant::NoGroup;
        fits = [](const Channel_Info_Tag& ch) { return ch.Favorite == 0; };
        break;
    default:
        q.provider = static_cast<std::uint16_t>(1 + op.value % 3);
        fits = [p = *q.provider](const Channel_Info_Tag& ch) { return ch.BroadcastID == p; };
    }
    const RowIds shown = Narrow(r.Db(), grid, Compile(q));
    RowIds expected;
    for (std::uint32_t key : grid)
        if (fits(*GetRow<Channel_Info_Tag>(r.Db(), kChannelTable, key)))
            expected.push_back(key);
    RC_ASSERT(shown == expected);
    const RowIds picked = Runner::Picked(shown, op.pick);
    r.Expect(picked, [](Channel_Info_Tag& ch) { ch.Attributes ^= attr::kLocked; });
    for (std::uint32_t key : picked) {
        const bool locked =
            (GetRow<Channel_Info_Tag>(r.Db(), kChannelTable, key)->Attributes & attr::kLocked) != 0;
        SetAttributeBits(r.Db(), {key}, attr::kLocked, !locked);
    }
}

/// Renames that keep each name's length, so the slot never cuts one: a plain replace, a
/// regular expression swapping two groups regardless of case, and an upper-case change alone.
template <class Runner> void RenameStep(Runner& r, const Op& op, const RowIds& picked) {
    RenameRule rule;
    std::function<std::string(std::string)> expect;
    switch (op.value % 3) {
    case 0:
        rule = {"C", "K", false, true, CaseChange::Keep};
        expect = [](std::string n) {
            std::replace(n.begin(), n.end(), 'C', 'K');
            return n;
        };
        break;
    case 1:
        rule = {"^([a-z])([a-z0-9])", "\\2\\1", true, false, CaseChange::Keep};
        expect = [](std::string n) {
            if (n.size() >= 2 && std::isalpha(n[0] & 0xFF) != 0 && std::isalnum(n[1] & 0xFF) != 0)
                std::swap(n[0], n[1]);
            return n;
        };
        break;
    default:
        rule = {"", "", false, false, CaseChange::Upper};
        expect = [](std::string n) {
            for (char& c : n)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            return n;
        };
    }
    const RenamePreview preview = PreviewRename(r.Db(), picked, rule, 16);
    RC_ASSERT(preview.Applicable());
    RC_ASSERT(preview.lines.size() == picked.size());
    r.Expect(picked, [&](Channel_Info_Tag& ch) {
        const std::string name = expect(ch.Name);
        std::memset(ch.Name, 0, sizeof ch.Name);
        std::memcpy(ch.Name, name.data(), name.size());
    });
    const EditResult result = ApplyRename(r.Db(), preview);
    RC_ASSERT(result == (preview.Changed() == 0 ? EditResult::Nothing : EditResult::Ok));
}

/// Sorting changes numbers only; the first key is then in order along each kind's numbers.
template <class Runner> void SortStep(Runner& r, const Op& op) {
    std::vector<SortKey> keys;
    for (unsigned i = 0; i < 5; ++i)
        if ((op.target >> i) & 1u)
            keys.push_back(static_cast<SortKey>((i + op.value) % 5));
    SortByKeys(r.Db(), keys, r.Prod());
    if (keys.empty() || keys.front() == SortKey::Transponder || keys.front() == SortKey::Provider)
        return;
    for (const bool tv : {true, false}) {
        std::vector<std::pair<unsigned, std::string>> order; // number, key text
        ForEachRow<Channel_Info_Tag>(r.Db(), kChannelTable, [&](const Channel_Info_Tag& ch) {
            if (IsTV(ch) != tv)
                return;
            const bool scrambled = (ch.Attributes & attr::kScrambled) != 0;
            order.emplace_back(ch.ProgramNum,
                               keys.front() == SortKey::Satellite ? std::string(1, char(ch.SatID))
                               : keys.front() == SortKey::ScrambledLast ? std::to_string(scrambled)
                                                                        : Lowered(ch.Name));
        });
        std::sort(order.begin(), order.end());
        for (std::size_t i = 1; i < order.size(); ++i)
            RC_ASSERT(order[i - 1].second <= order[i].second);
    }
}

/// The reference: delete ids and close their gaps in plain copies of the tables, in the order
/// the command removes them. The step must name only records nothing uses and lose no channel.
template <class Runner> void UnusedStep(Runner& r) {
    tabstore::CQoDB& db = r.Db();
    const UnusedRecords unused = FindUnused(db, r.Prod());
    auto channels = TableCopy<Channel_Info_Tag>(db, kChannelTable);
    auto tps = TableCopy<Transponder_Info_Tag>(db, kTransponderTable);
    auto sats = TableCopy<Satellite_Info_Tag>(db, kSatelliteTable);
    auto cables = TableCopy<CableMux_Info_Tag>(db, kCableMuxTable);
    const auto named = [&](auto&& uses) {
        return std::any_of(channels.begin(), channels.end(), uses);
    };
    for (std::uint32_t key : unused.providers) {
        const auto id = GetRow<Broadcast_Info_Tag>(db, kProviderTable, key)->BroadcastID;
        RC_ASSERT(!named([&](const auto& ch) { return ch.BroadcastID == id; }));
    }
    const auto closeGap = [](auto& rows, auto&& inScope, auto&& field, unsigned id) {
        for (auto& row : rows)
            if (inScope(row) && field(row) > id)
                --field(row);
    };
    const auto all = [](const auto&) { return true; };
    for (std::uint32_t key : unused.muxes) {
        const auto id = GetRow<Transponder_Info_Tag>(db, kTransponderTable, key)->TPID;
        RC_ASSERT(!named([&](const auto& ch) { return ch.SatID == 1 && ch.TPID == id; }));
    }
    for (std::uint32_t key : unused.transponders) {
        auto& tp =
            *std::find_if(tps.begin(), tps.end(), [&](const auto& t) { return t.RowID == key; });
        const unsigned sat = tp.SatID, id = tp.TPID;
        RC_ASSERT(!named([&](const auto& ch) { return ch.SatID == sat && ch.TPID == id; }));
        const auto onSat = [sat](const auto& row) { return row.SatID == sat; };
        tp.SatID = 0; // gone
        closeGap(
            channels, onSat, [](auto& row) -> std::uint8_t& { return row.TPID; }, id);
        closeGap(
            tps, onSat, [](auto& row) -> std::uint8_t& { return row.TPID; }, id);
    }
    for (std::uint32_t key : unused.satellites) {
        auto& sat =
            *std::find_if(sats.begin(), sats.end(), [&](const auto& s) { return s.RowID == key; });
        const unsigned id = sat.SatID;
        RC_ASSERT(!named([&](const auto& ch) { return ch.SatID == id; }));
        RC_ASSERT(
            std::none_of(tps.begin(), tps.end(), [&](const auto& t) { return t.SatID == id; }));
        sat.SatID = 0;
        closeGap(
            channels, all, [](auto& row) -> std::uint8_t& { return row.SatID; }, id);
        closeGap(
            tps, all, [](auto& row) -> std::uint8_t& { return row.SatID; }, id);
        closeGap(
            sats, all, [](auto& row) -> std::uint8_t& { return row.SatID; }, id);
    }
    for (std::uint32_t key : unused.cableMuxes) {
        auto& mux = *std::find_if(cables.begin(), cables.end(),
                                  [&](const auto& m) { return m.RowID == key; });
        const unsigned id = mux.MuxID;
        RC_ASSERT(!named([&](const auto& ch) { return ch.TPID == id; }));
        mux.MuxID = 0;
        closeGap(
            channels, all, [](auto& row) -> std::uint8_t& { return row.TPID; }, id);
        closeGap(
            cables, all, [](auto& row) -> std::uint8_t& { return row.MuxID; }, id);
    }
    r.model.contents.clear();
    for (const Channel_Info_Tag& ch : channels)
        r.model.contents.insert(SignatureOf(ch));
    RC_ASSERT(RemoveUnused(db, unused) == unused.Count());
    RC_ASSERT(FindUnused(db, r.Prod()).Count() == 0u);
}
