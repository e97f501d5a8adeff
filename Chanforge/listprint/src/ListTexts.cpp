#include "chanforge/listprint/ChannelList.h"

#include "utils/Translatable.h"

#include <QCoreApplication>
#include <QDate>

namespace chanforge::listprint {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("ListPrint", text);
}

} // namespace

ListHeading HeadingForToday(const QString& model, const QString& file) {
    return {model, file, QDate::currentDate().toString(Qt::ISODate)};
}

QString ColumnTitle(ListColumn column) {
    switch (column) {
    case ListColumn::Number:
        return Tr(CF_TR_NOOP("ListPrint", "No."));
    case ListColumn::Name:
        return Tr(CF_TR_NOOP("ListPrint", "Name"));
    case ListColumn::Delivery:
        return Tr(CF_TR_NOOP("ListPrint", "Transponder / multiplex"));
    case ListColumn::Provider:
        return Tr(CF_TR_NOOP("ListPrint", "Provider"));
    case ListColumn::Scrambled:
        return Tr(CF_TR_NOOP("ListPrint", "Scrambled"));
    case ListColumn::Locked:
        return Tr(CF_TR_NOOP("ListPrint", "Locked"));
    case ListColumn::Skipped:
        return Tr(CF_TR_NOOP("ListPrint", "Skipped"));
    case ListColumn::Favorites:
        return Tr(CF_TR_NOOP("ListPrint", "Favourites"));
    }
    return {};
}

QString SectionTitle(editing::ChannelKind kind) {
    return kind == editing::ChannelKind::TV ? Tr(CF_TR_NOOP("ListPrint", "TV channels"))
                                            : Tr(CF_TR_NOOP("ListPrint", "Radio channels"));
}

QString KindText(editing::ChannelKind kind) {
    return kind == editing::ChannelKind::TV ? Tr(CF_TR_NOOP("ListPrint", "TV"))
                                            : Tr(CF_TR_NOOP("ListPrint", "Radio"));
}

QString PageText(int page, int pages) {
    return Tr(CF_TR_NOOP("ListPrint", "Page %1 of %2")).arg(page).arg(pages);
}

QString NoChannelsText() {
    return Tr(CF_TR_NOOP("ListPrint", "No channels"));
}

} // namespace chanforge::listprint
