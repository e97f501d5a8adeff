#include "ChannelGridModel.h"

#include "DragCode.h"
#include "HeaderIcons.h"
#include "chanforge/TableAccess.h"
#include "chanforge/editing/ChannelColumns.h"

#include <QCoreApplication>
#include <QMimeData>

namespace chanforge::app {

using namespace editing;

CChannelGridModel::CChannelGridModel(tabstore::CQoDB& db, ChannelKind kind, Product product,
                                     QObject* parent)
    : QAbstractTableModel(parent), db_(db), kind_(kind), product_(product) {
    icons_[0] = HeaderIcon(kind == ChannelKind::TV ? HeaderImage::TV : HeaderImage::Radio);
    icons_[1] = HeaderIcon(HeaderImage::CAS);
    icons_[2] = HeaderIcon(HeaderImage::Locked);
    icons_[3] = HeaderIcon(HeaderImage::Skipped);
    icons_[4] = HeaderIcon(HeaderImage::Tuner);
}

void CChannelGridModel::SetRows(RowIds rows, std::uint32_t favoriteGroup) {
    beginResetModel();
    rows_ = narrowing_ != nullptr ? Narrow(db_, rows, *narrowing_) : std::move(rows);
    favoriteGroup_ = favoriteGroup;
    endResetModel();
}

void CChannelGridModel::SortByColumn(int column, bool descending) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::uint32_t> keys;
    keys.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before)
        keys.push_back(KeyAt(index.row()));
    SortByColumnText(db_, rows_, column, descending, product_, favoriteGroup_);
    QHash<std::uint32_t, int> rowOf;
    rowOf.reserve(static_cast<qsizetype>(rows_.size()));
    for (std::size_t i = 0; i < rows_.size(); ++i)
        rowOf.insert(rows_[i], static_cast<int>(i));
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after << index(rowOf.value(keys[static_cast<std::size_t>(i)], before[i].row()),
                       before[i].column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::uint32_t CChannelGridModel::KeyAt(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < rows_.size()
               ? rows_[static_cast<std::size_t>(row)]
               : 0;
}

int CChannelGridModel::RowOf(std::uint32_t key) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i] == key)
            return static_cast<int>(i);
    return -1;
}

void CChannelGridModel::Redraw() {
    if (!rows_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int CChannelGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CChannelGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kChannelColumnCount;
}

QVariant CChannelGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int column = index.column();
    if (role == Qt::TextAlignmentRole)
        return column == kColName || column == kColGenre
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    if (column == kColRowNumber)
        return index.row() + 1;
    const auto* ch = GetRow<Channel_Info_Tag>(db_, kChannelTable, KeyAt(index.row()));
    if (ch == nullptr)
        return {};
    const std::string text = ChannelCellText(*ch, column, product_, favoriteGroup_);
    if (column == kColGenre)
        return QCoreApplication::translate("Genres", text.c_str());
    return QString::fromStdString(text);
}

QVariant CChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kChannelColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return QCoreApplication::translate("ChannelColumns", ChannelHeaderText(section));
    if (role == Qt::DecorationRole) {
        switch (section) {
        case kColRowNumber:
            return icons_[0];
        case kColCAS:
            return icons_[1];
        case kColLocked:
            return icons_[2];
        case kColSkipped:
            return icons_[3];
        case kColTuner:
            return icons_[4];
        default:
            return {};
        }
    }
    if (role == Qt::ToolTipRole) {
        static const char* const kTips[] = {"", "", "", "", "", "", "", "", "", "", "",
                                            //: Column tip: scrambled (conditional access).
                                            QT_TR_NOOP("CAS"), QT_TR_NOOP("Locked"),
                                            QT_TR_NOOP("Skipped"), QT_TR_NOOP("Tuner")};
        return tr(kTips[section]);
    }
    return {};
}

Qt::ItemFlags CChannelGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

QStringList CChannelGridModel::mimeTypes() const {
    return {QString::fromLatin1(kChannelMime)};
}

QMimeData* CChannelGridModel::mimeData(const QModelIndexList&) const {
    auto* mime = new QMimeData;
    // The payload only names the source grid; the drop acts on that grid's selection.
    mime->setData(QString::fromLatin1(kChannelMime),
                  QByteArray::number(kind_ == ChannelKind::TV ? kDragTV : kDragRadio));
    return mime;
}

} // namespace chanforge::app
