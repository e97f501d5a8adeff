#include "chanforge/listprint/ListText.h"

#include "utils/Translatable.h"

#include <QCoreApplication>

namespace chanforge::listprint {

namespace {

/// A semicolon is quoted too: spreadsheets of many locales split on it.
bool NeedsQuotes(const QString& field) {
    for (const QChar c : field)
        if (c == u',' || c == u'"' || c == u';' || c == u'\r' || c == u'\n')
            return true;
    return !field.isEmpty() && (field.front().isSpace() || field.back().isSpace());
}

QString Field(const QString& text) {
    if (!NeedsQuotes(text))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

/// A spreadsheet runs a cell that starts so as a formula (a name "=cmd|' /C calc'!A0" would);
/// the leading apostrophe makes it text.
QString Inert(const QString& text) {
    static const QString kFormulaLeads = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && kFormulaLeads.contains(text.front()) ? u'\'' + text : text;
}

/// Every cell is text but the channel number, which the program writes as digits.
void AppendRow(QByteArray& out, const QString& first, const QStringList& fields,
               const std::vector<ListColumn>& columns) {
    QStringList line{Field(Inert(first))};
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const bool number = static_cast<std::size_t>(i) < columns.size() &&
                            columns[static_cast<std::size_t>(i)] == ListColumn::Number;
        line << Field(number ? fields[i] : Inert(fields[i]));
    }
    out += line.join(u',').toUtf8();
    out += "\r\n";
}

} // namespace

QByteArray CsvBytes(const ChannelList& list) {
    QByteArray out;
    QStringList titles;
    for (ListColumn column : list.columns)
        titles << ColumnTitle(column);
    AppendRow(out, QCoreApplication::translate("ListPrint", CF_TR_NOOP("ListPrint", "Type")),
              titles, {});
    for (const ListSection& section : list.sections) {
        const QString kind = KindText(section.kind);
        for (const QStringList& row : section.rows)
            AppendRow(out, kind, row, list.columns);
    }
    return out;
}

} // namespace chanforge::listprint
