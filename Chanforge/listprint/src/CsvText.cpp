#include "chanforge/listprint/ListText.h"

#include "chanforge/csv/Csv.h"
#include "utils/Translatable.h"

#include <QCoreApplication>

#include <string>
#include <vector>

namespace chanforge::listprint {

namespace {

/// A spreadsheet runs a cell that starts so as a formula (a name "=cmd|' /C calc'!A0" would);
/// the leading apostrophe makes it text.
QString Inert(const QString& text) {
    static const QString kFormulaLeads = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && kFormulaLeads.contains(text.front()) ? u'\'' + text : text;
}

/// Every cell is text but the channel number, which the program writes as digits.
void AppendRow(std::string& out, const QString& first, const QStringList& fields,
               const std::vector<ListColumn>& columns) {
    std::vector<std::string> line{Inert(first).toStdString()};
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const bool number = static_cast<std::size_t>(i) < columns.size() &&
                            columns[static_cast<std::size_t>(i)] == ListColumn::Number;
        line.push_back((number ? fields[i] : Inert(fields[i])).toStdString());
    }
    csv::AppendRecord(out, line, ',');
}

} // namespace

QByteArray CsvBytes(const ChannelList& list) {
    std::string out;
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
    return QByteArray::fromStdString(out);
}

} // namespace chanforge::listprint
