// The channel list as text files to hand on: CSV for spreadsheets and scripts, HTML for a
// browser or a printer.
#pragma once

#include "chanforge/listprint/ChannelList.h"

#include <QByteArray>

namespace chanforge::listprint {

/// UTF-8 CSV as RFC 4180 has it (written by chanforge/csv): a header row, then a row per
/// channel, each row led by the channel's kind ("TV", "Radio"); fields holding a separator,
/// quote, line break or leading or trailing blank are quoted, quotes doubled; lines end in CR LF. A
/// text cell a spreadsheet would run as a formula (starting with = + - @, tab or CR) is led by an
/// apostrophe.
QByteArray CsvBytes(const ChannelList& list);

/// One self-contained UTF-8 HTML page: the heading, then a table per section with a row per
/// channel, and style rules for the screen and for print.
QByteArray HtmlBytes(const ChannelList& list);

} // namespace chanforge::listprint
