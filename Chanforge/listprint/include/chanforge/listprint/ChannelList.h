// A channel list as rows of texts, ready to print or export: built once from the store for the
// chosen channels and columns, then painted on pages or written as CSV or HTML.
#pragma once

#include "chanforge/editing/ChannelFilter.h"
#include "chanforge/listprint/ListOptions.h"
#include "tabstore/QoDB.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace chanforge::listprint {

/// What the header of every page names.
struct ListHeading {
    QString model; ///< the receiver model's title
    QString file;  ///< the database's file name; empty for a database not read from a file
    QString date;
};

/// Today's date, ISO 8601, beside the model and the file.
ListHeading HeadingForToday(const QString& model, const QString& file);

struct ListSection {
    editing::ChannelKind kind;
    std::vector<QStringList> rows; ///< one per channel, a text per column of the list
};

struct ChannelList {
    ListHeading heading;
    QString title; ///< which channels: "All channels", "Favourite group News" ...
    std::vector<ListColumn> columns;
    std::vector<ListSection> sections; ///< TV before radio; a kind without channels has none

    std::size_t ChannelCount() const;
};

/// The channels filter accepts, of the kinds options ask for, sorted by the grids' number order
/// (a favourite group by its positions where the product keeps them) or by name. Names are the
/// receiver's bytes shown as the grids show them.
ChannelList BuildChannelList(tabstore::CQoDB& db, editing::Product product,
                             const editing::ChannelFilter& filter, const ListOptions& options,
                             ListHeading heading);

/// Texts of the list's own, translated.
QString ColumnTitle(ListColumn column);
QString SectionTitle(editing::ChannelKind kind);
QString KindText(editing::ChannelKind kind); ///< "TV" or "Radio", the CSV's first column
QString PageText(int page, int pages);       ///< "Page 2 of 7"
QString NoChannelsText();

} // namespace chanforge::listprint
