#include "chanforge/transponders/SatellitesXml.h"

#include "chanforge/TableAccess.h"
#include "chanforge/editing/DeliveryLists.h"
#include "chanforge/editing/NetworkEdits.h"
#include "chanforge/transponders/Carrier.h"

#include <QBuffer>
#include <QXmlStreamWriter>

#include <cstring>
#include <map>

namespace chanforge::transponders {

namespace {

struct Position {
    QString name;
    std::vector<std::uint8_t> satIds;
};

QString SatelliteName(const Satellite_Info_Tag& satellite) {
    // Satellite names carry no code table: each byte is its Latin-1 character. XML holds no
    // control characters, so those become spaces.
    QString name = QString::fromLatin1(
        satellite.Name, static_cast<qsizetype>(strnlen(satellite.Name, sizeof satellite.Name)));
    for (QChar& c : name)
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            c = QLatin1Char(' ');
    return name;
}

void WriteCarrier(QXmlStreamWriter& xml, const Carrier& carrier) {
    xml.writeEmptyElement(QStringLiteral("transponder"));
    xml.writeAttribute(QStringLiteral("frequency"), QString::number(carrier.frequencyKHz));
    xml.writeAttribute(QStringLiteral("symbol_rate"), QString::number(carrier.symbolRate));
    xml.writeAttribute(QStringLiteral("polarization"),
                       QString::number(static_cast<int>(carrier.polarisation)));
    xml.writeAttribute(QStringLiteral("fec_inner"),
                       QString::number(static_cast<int>(carrier.fec.value_or(Fec::Auto))));
    if (carrier.system)
        xml.writeAttribute(QStringLiteral("system"),
                           QString::number(static_cast<int>(*carrier.system)));
    if (carrier.modulation)
        xml.writeAttribute(QStringLiteral("modulation"),
                           QString::number(static_cast<int>(*carrier.modulation)));
    if (carrier.pilot)
        xml.writeAttribute(QStringLiteral("pilot"),
                           QString::number(static_cast<int>(*carrier.pilot)));
}

/// Satellites by position, west to east as the format's files list them.
std::map<int, Position> Positions(tabstore::CQoDB& db, const policy::ProductKind& product) {
    std::map<int, Position> positions;
    for (std::uint32_t key : editing::ListRows(db, editing::ListKind::Satellite, product)) {
        const auto* satellite = GetRow<Satellite_Info_Tag>(db, kSatelliteTable, key);
        Position& position = positions[PositionOfDegree(satellite->Degree)];
        if (position.satIds.empty())
            position.name = SatelliteName(*satellite);
        position.satIds.push_back(satellite->SatID);
    }
    return positions;
}

/// An XML document whose root element write fills.
template <class Write> std::vector<std::uint8_t> XmlBytes(const QString& root, Write&& write) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(-1); // tabs
    xml.writeStartDocument();
    xml.writeStartElement(root);
    write(xml);
    xml.writeEndElement();
    xml.writeEndDocument();
    return {bytes.begin(), bytes.end()};
}

/// The format's code of a field the record keeps, or its Auto code.
template <class T> QString XmlCode(std::optional<T> value, int autoCode) {
    return QString::number(value ? static_cast<int>(*value) - 1 : autoCode);
}

void WriteTerrestrialCarrier(QXmlStreamWriter& xml, const TerrestrialCarrier& carrier) {
    xml.writeEmptyElement(QStringLiteral("transponder"));
    xml.writeAttribute(QStringLiteral("centre_frequency"),
                       QString::number(std::uint64_t{carrier.frequencyKHz} * 1000));
    xml.writeAttribute(QStringLiteral("bandwidth"), QStringLiteral("3"));
    xml.writeAttribute(QStringLiteral("constellation"), XmlCode(carrier.constellation, 3));
    xml.writeAttribute(QStringLiteral("code_rate_hp"), XmlCode(carrier.codeRate, 5));
    xml.writeAttribute(QStringLiteral("code_rate_lp"), QStringLiteral("5"));
    xml.writeAttribute(QStringLiteral("guard_interval"), XmlCode(carrier.guard, 4));
    xml.writeAttribute(QStringLiteral("transmission_mode"), XmlCode(carrier.mode, 2));
    xml.writeAttribute(QStringLiteral("hierarchy_information"), QStringLiteral("4"));
    xml.writeAttribute(QStringLiteral("inversion"), QStringLiteral("2"));
    xml.writeAttribute(QStringLiteral("system"), QStringLiteral("0"));
}

} // namespace

std::vector<std::uint8_t> TerrestrialXmlBytes(tabstore::CQoDB& db,
                                              const policy::ProductKind& product,
                                              const std::string& name) {
    return XmlBytes(QStringLiteral("locations"), [&](QXmlStreamWriter& xml) {
        xml.writeStartElement(QStringLiteral("terrestrial"));
        xml.writeAttribute(QStringLiteral("name"), QString::fromStdString(name));
        xml.writeAttribute(QStringLiteral("flags"), QStringLiteral("0"));
        for (const SMux_Info_Tag& mux : editing::TerrestrialMuxes(db, product))
            WriteTerrestrialCarrier(xml, TerrestrialCarrierOf(mux));
        xml.writeEndElement();
    });
}

std::vector<std::uint8_t> CablesXmlBytes(tabstore::CQoDB& db, const policy::ProductKind& product,
                                         const std::string& name) {
    return XmlBytes(QStringLiteral("cables"), [&](QXmlStreamWriter& xml) {
        xml.writeStartElement(QStringLiteral("cable"));
        xml.writeAttribute(QStringLiteral("name"), QString::fromStdString(name));
        xml.writeAttribute(QStringLiteral("flags"), QStringLiteral("0"));
        for (std::uint32_t key : editing::ListRows(db, editing::ListKind::CableMux, product)) {
            const CableCarrier carrier =
                CableCarrierOf(*GetRow<CableMux_Info_Tag>(db, kCableMuxTable, key), product);
            xml.writeEmptyElement(QStringLiteral("transponder"));
            xml.writeAttribute(QStringLiteral("frequency"), QString::number(carrier.frequencyKHz));
            xml.writeAttribute(QStringLiteral("symbol_rate"), QString::number(carrier.symbolRate));
            xml.writeAttribute(QStringLiteral("fec_inner"), QStringLiteral("0"));
            xml.writeAttribute(QStringLiteral("modulation"),
                               QString::number(static_cast<int>(carrier.qam.value_or(Qam::Auto))));
        }
        xml.writeEndElement();
    });
}

std::vector<std::uint8_t> SatellitesXmlBytes(tabstore::CQoDB& db,
                                             const policy::ProductKind& product) {
    return XmlBytes(QStringLiteral("satellites"), [&](QXmlStreamWriter& xml) {
        for (const auto& [position, satellites] : Positions(db, product)) {
            xml.writeStartElement(QStringLiteral("sat"));
            xml.writeAttribute(QStringLiteral("name"), satellites.name);
            xml.writeAttribute(QStringLiteral("flags"), QStringLiteral("0"));
            xml.writeAttribute(QStringLiteral("position"), QString::number(position));
            for (std::uint8_t satId : satellites.satIds)
                for (std::uint32_t key :
                     editing::ListRows(db, editing::ListKind::Transponder, product, satId))
                    WriteCarrier(
                        xml, CarrierOf(*GetRow<Transponder_Info_Tag>(db, kTransponderTable, key),
                                       product));
            xml.writeEndElement();
        }
    });
}

} // namespace chanforge::transponders
