#include "Faults.h"

#include <QByteArray>
#include <QXmlStreamReader>

#include <array>
#include <limits>

namespace chanforge::transponders {

namespace {

using utils::Phrase;

/// The three files of the format: the root element, the group under it, and their carriers.
enum class Kind { Satellites, Cables, Terrestrial };

struct KindNames {
    Kind kind;
    const char16_t* root;
    const char16_t* group;
};
constexpr std::array kKinds{KindNames{Kind::Satellites, u"satellites", u"sat"},
                            KindNames{Kind::Cables, u"cables", u"cable"},
                            KindNames{Kind::Terrestrial, u"locations", u"terrestrial"}};

// The format's codes of the terrestrial fields, each the record's value or none (Auto and what
// no record holds).
constexpr std::array<std::optional<Constellation>, 5> kXmlConstellations{
    Constellation::Qpsk, Constellation::Qam16, Constellation::Qam64, std::nullopt, std::nullopt};
constexpr std::array<std::optional<CodeRate>, 8> kXmlCodeRates{
    CodeRate::R1_2, CodeRate::R2_3, CodeRate::R3_4, CodeRate::R5_6,
    CodeRate::R7_8, std::nullopt,   std::nullopt,   std::nullopt};
constexpr std::array<std::optional<Guard>, 8> kXmlGuards{Guard::G1_32, Guard::G1_16, Guard::G1_8,
                                                         Guard::G1_4,  std::nullopt, std::nullopt,
                                                         std::nullopt, std::nullopt};
constexpr std::array<std::optional<TerrestrialMode>, 7> kXmlModes{
    TerrestrialMode::K2, TerrestrialMode::K8, std::nullopt, std::nullopt,
    std::nullopt,        std::nullopt,        std::nullopt};

/// Walks the elements of one satellites.xml, keeping the first fault it meets.
class SatellitesXmlReader {
  public:
    SatellitesXmlReader(std::span<const std::uint8_t> bytes, const std::string& file, Source& out)
        : xml_(QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                       static_cast<qsizetype>(bytes.size()))),
          file_(file), out_(out) {}

    SourceResult Read();

  private:
    bool Token();
    bool StartElement();
    bool Satellite();
    bool Transponder();
    bool Network();
    bool CableTransponder();
    bool Region();
    bool TerrestrialTransponder();
    template <class T, std::size_t N>
    bool XmlCode(const char* name, std::optional<T>& field,
                 const std::array<std::optional<T>, N>& codes);
    std::optional<std::uint32_t> Rate();
    bool AttributesFit();
    std::optional<long long> Number(const char* name, bool required);
    template <class T> bool Code(const char* name, std::optional<T>& field, int highest);
    bool Refuse(Phrase fault);
    bool Skip(Phrase fault);
    std::size_t Line() const { return static_cast<std::size_t>(xml_.lineNumber()); }

    QXmlStreamReader xml_;
    const std::string& file_;
    Source& out_;
    int depth_ = 0;
    std::size_t carriers_ = 0;
    QXmlStreamAttributes attributes_; ///< of the element just started, read once
    Kind kind_ = Kind::Satellites;
    bool inGroup_ = false; ///< the element at depth 2 is a <sat> (<cable>, <terrestrial>)
    std::optional<SourceResult> refusal_;
};

SourceResult SatellitesXmlReader::Read() {
    out_.file = file_;
    xml_.setNamespaceProcessing(false);
    while (!xml_.atEnd() && !refusal_)
        if (!Token())
            break;
    if (refusal_)
        return *refusal_;
    if (xml_.hasError())
        return RefuseAt(file_, Line(), Phrase::Verbatim(xml_.errorString().toStdString()));
    return {};
}

bool SatellitesXmlReader::Token() {
    switch (xml_.readNext()) {
    case QXmlStreamReader::DTD:
    case QXmlStreamReader::EntityReference:
        return Refuse(Fault(CF_TR_NOOP(
            "Transponders", "declarations and entities have no place in a transponder table")));
    case QXmlStreamReader::StartElement:
        return StartElement();
    case QXmlStreamReader::EndElement:
        --depth_;
        return true;
    default:
        return true;
    }
}

bool SatellitesXmlReader::StartElement() {
    attributes_ = xml_.attributes();
    if (++depth_ > kMaxDepth)
        return Refuse(Fault(CF_TR_NOOP("Transponders", "elements nested deeper than a "
                                                       "satellite's transponders")));
    if (!AttributesFit())
        return false;
    const auto name = xml_.name();
    if (depth_ == 1) {
        for (const KindNames& kind : kKinds)
            if (name == kind.root) {
                kind_ = kind.kind;
                return true;
            }
        return Refuse(Fault(CF_TR_NOOP("Transponders", "the table does not begin with "
                                                       "<satellites>, <cables> or <locations>")));
    }
    if (depth_ == 2)
        inGroup_ = name == kKinds[static_cast<std::size_t>(kind_)].group;
    if (name == u"transponder") {
        if (depth_ != 3 || !inGroup_)
            return Refuse(Fault(CF_TR_NOOP("Transponders", "a transponder outside a satellite or "
                                                           "cable network")));
        return kind_ == Kind::Cables        ? CableTransponder()
               : kind_ == Kind::Terrestrial ? TerrestrialTransponder()
                                            : Transponder();
    }
    if (depth_ == 2 && inGroup_)
        return kind_ == Kind::Cables        ? Network()
               : kind_ == Kind::Terrestrial ? Region()
                                            : Satellite();
    return true; // an element of a later version of the format: not ours to judge
}

bool SatellitesXmlReader::AttributesFit() {
    for (const QXmlStreamAttribute& attribute : attributes_)
        if (static_cast<std::size_t>(attribute.value().size()) > kMaxAttributeLength)
            return Refuse(Fault(CF_TR_NOOP("Transponders", "the attribute %1 is longer than %2 "
                                                           "characters"),
                                {Phrase::Text(attribute.name().toString().toStdString()),
                                 Phrase::Number(kMaxAttributeLength)}));
    return true;
}

bool SatellitesXmlReader::Satellite() {
    SourceSatellite satellite;
    satellite.line = Line();
    satellite.name = attributes_.value(QLatin1StringView("name")).toString().toStdString();
    const auto position = Number("position", true);
    if (!position)
        return false;
    if (*position < -1800 || *position > 1800)
        return Refuse(Fault(CF_TR_NOOP("Transponders", "the position %1 is not tenths of a "
                                                       "degree from -1800 to 1800"),
                            {Phrase::Text(std::to_string(*position))}));
    satellite.position = static_cast<int>(*position);
    out_.satellites.push_back(std::move(satellite));
    return true;
}

bool SatellitesXmlReader::Transponder() {
    if (++carriers_ > kMaxCarriers)
        return Refuse(Fault(CF_TR_NOOP("Transponders", "more than %1 transponders"),
                            {Phrase::Number(kMaxCarriers)}));
    Carrier carrier;
    carrier.line = Line();
    const auto frequency = Number("frequency", true);
    if (!frequency)
        return false;
    if (*frequency < kMinSatelliteKHz || *frequency > kMaxSatelliteKHz)
        return Skip(Fault(CF_TR_NOOP("Transponders", "the frequency %1 is not a satellite "
                                                     "carrier in kHz"),
                          {Phrase::Text(std::to_string(*frequency))}));
    const auto symbolRate = Rate();
    if (!symbolRate)
        return !refusal_;
    carrier.frequencyKHz = static_cast<std::uint32_t>(*frequency);
    carrier.symbolRate = *symbolRate;
    std::optional<Polarisation> polarisation;
    std::optional<Fec> fec;
    if (!Code("polarization", polarisation, 3) || !Code("fec_inner", fec, 15) ||
        !Code("system", carrier.system, 1) || !Code("modulation", carrier.modulation, 5) ||
        !Code("pilot", carrier.pilot, 2))
        return false;
    carrier.polarisation = polarisation.value_or(Polarisation::Horizontal);
    carrier.fec = fec;
    // Only a transponder inside a <sat> comes here, and that <sat> was stored first.
    out_.satellites.back().carriers.push_back(carrier);
    return true;
}

/// The symbol rate, empty when it is missing (refused) or out of its unit's range (skipped).
std::optional<std::uint32_t> SatellitesXmlReader::Rate() {
    const auto symbolRate = Number("symbol_rate", true);
    if (!symbolRate)
        return std::nullopt;
    if (*symbolRate < kMinSymbolRate || *symbolRate > kMaxSymbolRate) {
        Skip(Fault(CF_TR_NOOP("Transponders", "the symbol rate %1 is not in symbols per second"),
                   {Phrase::Text(std::to_string(*symbolRate))}));
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*symbolRate);
}

bool SatellitesXmlReader::Network() {
    SourceNetwork network;
    network.line = Line();
    network.name = attributes_.value(QLatin1StringView("name")).toString().toStdString();
    out_.cables.push_back(std::move(network));
    return true;
}

bool SatellitesXmlReader::CableTransponder() {
    if (++carriers_ > kMaxCarriers)
        return Refuse(Fault(CF_TR_NOOP("Transponders", "more than %1 transponders"),
                            {Phrase::Number(kMaxCarriers)}));
    CableCarrier carrier;
    carrier.line = Line();
    const auto frequency = Number("frequency", true);
    if (!frequency)
        return false;
    if (*frequency < kMinCableKHz || *frequency > kMaxCableKHz)
        return Skip(
            Fault(CF_TR_NOOP("Transponders", "the frequency %1 is not a cable carrier in kHz"),
                  {Phrase::Text(std::to_string(*frequency))}));
    const auto symbolRate = Rate();
    if (!symbolRate)
        return !refusal_;
    carrier.frequencyKHz = static_cast<std::uint32_t>(*frequency);
    carrier.symbolRate = *symbolRate;
    if (!Code("modulation", carrier.qam, 5))
        return false;
    out_.cables.back().carriers.push_back(carrier);
    return true;
}

bool SatellitesXmlReader::Region() {
    SourceRegion region;
    region.line = Line();
    region.name = attributes_.value(QLatin1StringView("name")).toString().toStdString();
    out_.terrestrials.push_back(std::move(region));
    return true;
}

bool SatellitesXmlReader::TerrestrialTransponder() {
    if (++carriers_ > kMaxCarriers)
        return Refuse(Fault(CF_TR_NOOP("Transponders", "more than %1 transponders"),
                            {Phrase::Number(kMaxCarriers)}));
    TerrestrialCarrier carrier;
    carrier.line = Line();
    const auto frequency = Number("centre_frequency", true);
    if (!frequency)
        return false;
    if (*frequency < std::int64_t{kMinTerrestrialKHz} * 1000 ||
        *frequency > std::int64_t{kMaxTerrestrialKHz} * 1000)
        return Skip(Fault(CF_TR_NOOP("Transponders", "the frequency %1 is not a terrestrial "
                                                     "carrier in Hz"),
                          {Phrase::Text(std::to_string(*frequency))}));
    carrier.frequencyKHz = static_cast<std::uint32_t>(*frequency / 1000);
    // Fields no record keeps are still checked: a value the format does not know is a table
    // written for something else.
    std::optional<int> unused;
    if (!XmlCode("constellation", carrier.constellation, kXmlConstellations) ||
        !XmlCode("code_rate_hp", carrier.codeRate, kXmlCodeRates) ||
        !XmlCode("guard_interval", carrier.guard, kXmlGuards) ||
        !XmlCode("transmission_mode", carrier.mode, kXmlModes) || !Code("bandwidth", unused, 6) ||
        !Code("code_rate_lp", unused, 7) || !Code("hierarchy_information", unused, 4) ||
        !Code("inversion", unused, 2) || !Code("system", unused, 2))
        return false;
    out_.terrestrials.back().carriers.push_back(carrier);
    return true;
}

template <class T, std::size_t N>
bool SatellitesXmlReader::XmlCode(const char* name, std::optional<T>& field,
                                  const std::array<std::optional<T>, N>& codes) {
    std::optional<int> code;
    if (!Code(name, code, static_cast<int>(N) - 1))
        return false;
    if (code)
        field = codes[static_cast<std::size_t>(*code)];
    return true;
}

std::optional<long long> SatellitesXmlReader::Number(const char* name, bool required) {
    const auto text = attributes_.value(QLatin1StringView(name));
    if (text.isEmpty()) {
        if (required)
            Refuse(Fault(CF_TR_NOOP("Transponders", "the attribute %1 is missing"),
                         {Phrase::Verbatim(name)}));
        return std::nullopt;
    }
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    if (!ok) {
        Refuse(Fault(CF_TR_NOOP("Transponders", "%1=\"%2\" is not a number"),
                     {Phrase::Verbatim(name), Phrase::Text(text.toString().toStdString())}));
        return std::nullopt;
    }
    return value;
}

template <class T>
bool SatellitesXmlReader::Code(const char* name, std::optional<T>& field, int highest) {
    if (!attributes_.hasAttribute(QLatin1StringView(name)))
        return true;
    const auto value = Number(name, true);
    if (!value)
        return false;
    const bool known = std::is_same_v<T, Fec> ? FecFromCode(static_cast<int>(*value)).has_value()
                                              : *value >= 0 && *value <= highest;
    if (!known)
        return Refuse(Fault(CF_TR_NOOP("Transponders", "%1=\"%2\" is not a value the format "
                                                       "knows"),
                            {Phrase::Verbatim(name), Phrase::Text(std::to_string(*value))}));
    field = static_cast<T>(*value);
    return true;
}

bool SatellitesXmlReader::Skip(Phrase fault) {
    out_.skipped.push_back(RefuseAt(file_, Line(), std::move(fault)).message);
    return true;
}

bool SatellitesXmlReader::Refuse(Phrase fault) {
    if (!refusal_)
        refusal_ = RefuseAt(file_, Line(), std::move(fault));
    return false;
}

} // namespace

SourceResult ReadXmlTable(std::span<const std::uint8_t> bytes, const std::string& file,
                          Source& out) {
    if (bytes.size() > kMaxSourceBytes)
        return RefuseAt(file, 1,
                        Fault(CF_TR_NOOP("Transponders", "the table is larger than "
                                                         "any transponder table")));
    Source read;
    SatellitesXmlReader reader(bytes, file, read);
    SourceResult result = reader.Read();
    if (result.ok)
        out = std::move(read);
    return result;
}

} // namespace chanforge::transponders
