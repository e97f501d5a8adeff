#include "chanforge/listprint/ChannelList.h"

#include "CellTexts.h"
#include "chanforge/TableAccess.h"
#include "chanforge/editing/ChannelColumns.h"
#include "chanforge/editing/FilterText.h"

namespace chanforge::listprint {

namespace {

std::vector<editing::ChannelKind> KindsOf(ListKinds kinds) {
    switch (kinds) {
    case ListKinds::TV:
        return {editing::ChannelKind::TV};
    case ListKinds::Radio:
        return {editing::ChannelKind::Radio};
    case ListKinds::Both:
        break;
    }
    return {editing::ChannelKind::TV, editing::ChannelKind::Radio};
}

} // namespace

std::size_t ChannelList::ChannelCount() const {
    std::size_t count = 0;
    for (const ListSection& section : sections)
        count += section.rows.size();
    return count;
}

ChannelList BuildChannelList(tabstore::CQoDB& db, editing::Product product,
                             const editing::ChannelFilter& filter, const ListOptions& options,
                             ListHeading heading) {
    ChannelList list;
    list.heading = std::move(heading);
    list.title = QString::fromStdString(editing::FilterText(db, filter, product));
    list.columns = options.columns;
    const CellTexts texts(db, product);
    for (editing::ChannelKind kind : KindsOf(options.kinds)) {
        std::vector<std::uint32_t> keys = editing::FillChannels(db, kind, filter, product);
        if (options.sort == ListSort::Name)
            editing::SortByColumnText(db, keys, editing::kColName, false, product,
                                      editing::FavoriteGroupOf(filter));
        ListSection section{kind, {}};
        section.rows.reserve(keys.size());
        for (std::uint32_t key : keys) {
            const auto* ch = GetRow<Channel_Info_Tag>(db, kChannelTable, key);
            if (ch == nullptr)
                continue;
            QStringList row;
            row.reserve(static_cast<qsizetype>(options.columns.size()));
            for (ListColumn column : options.columns)
                row << texts.Text(*ch, column);
            section.rows.push_back(std::move(row));
        }
        if (!section.rows.empty())
            list.sections.push_back(std::move(section));
    }
    return list;
}

} // namespace chanforge::listprint
