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

void AppendRow(QByteArray& out, const QString& first, const QStringList& fields) {
    QStringList line{Field(first)};
    for (const QString& field : fields)
        line << Field(field);
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
              titles);
    for (const ListSection& section : list.sections) {
        const QString kind = KindText(section.kind);
        for (const QStringList& row : section.rows)
            AppendRow(out, kind, row);
    }
    return out;
}

} // namespace chanforge::listprint
