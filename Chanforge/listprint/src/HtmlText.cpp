#include "chanforge/listprint/ListText.h"

namespace chanforge::listprint {

namespace {

constexpr const char* kStyle = R"(
body { font-family: sans-serif; font-size: 10pt; margin: 1.5em; color: #000; }
h1 { font-size: 14pt; margin: 0; }
header p { margin: .2em 0 1em; color: #444; }
table { border-collapse: collapse; margin-bottom: 1.5em; }
caption { text-align: left; font-weight: bold; padding: .3em 0; }
th, td { padding: .15em .6em; text-align: left; border-bottom: 1px solid #ddd; }
th { border-bottom: 1px solid #777; }
td.number { text-align: right; }
td.flag { text-align: center; }
tbody tr:nth-child(even) { background: #eee; }
@page { margin: 12mm; }
@media print {
  body { margin: 0; font-size: 9pt; }
  thead { display: table-header-group; }
  tr { break-inside: avoid; }
  caption { break-after: avoid; }
  tbody tr:nth-child(even) { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
}
)";

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

const char* CellClass(ListColumn column) {
    switch (column) {
    case ListColumn::Number:
        return " class=\"number\"";
    case ListColumn::Scrambled:
    case ListColumn::Locked:
    case ListColumn::Skipped:
        return " class=\"flag\"";
    default:
        return "";
    }
}

void AppendTable(QString& html, const ChannelList& list, const ListSection& section) {
    html += QStringLiteral("<table>\n<caption>%1</caption>\n<thead><tr>")
                .arg(Escaped(SectionTitle(section.kind)));
    for (ListColumn column : list.columns)
        html += QStringLiteral("<th scope=\"col\">%1</th>").arg(Escaped(ColumnTitle(column)));
    html += QStringLiteral("</tr></thead>\n<tbody>\n");
    for (const QStringList& row : section.rows) {
        html += QStringLiteral("<tr>");
        for (qsizetype i = 0; i < row.size(); ++i)
            html += QStringLiteral("<td%1>%2</td>")
                        .arg(QLatin1String(CellClass(list.columns[static_cast<std::size_t>(i)])),
                             Escaped(row[i]));
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</tbody>\n</table>\n");
}

} // namespace

QByteArray HtmlBytes(const ChannelList& list) {
    const ListHeading& h = list.heading;
    QStringList about{Escaped(list.title)};
    for (const QString& part : {h.file, h.date})
        if (!part.isEmpty())
            about << Escaped(part);
    QString html =
        QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>%1</title>\n<style>%2</style>\n</head>\n<body>\n"
                       "<header><h1>%3</h1><p>%4</p></header>\n")
            .arg(Escaped(h.model + QStringLiteral(" \u2013 ") + list.title), QLatin1String(kStyle),
                 Escaped(h.model), about.join(QStringLiteral(" \u00b7 ")));
    for (const ListSection& section : list.sections)
        AppendTable(html, list, section);
    if (list.sections.empty())
        html += QStringLiteral("<p>%1</p>\n").arg(Escaped(NoChannelsText()));
    html += QStringLiteral("</body>\n</html>\n");
    return html.toUtf8();
}

} // namespace chanforge::listprint
