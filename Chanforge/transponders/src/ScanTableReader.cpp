#include "Faults.h"

#include "utils/Files.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <string_view>

namespace chanforge::transponders {

namespace {

using utils::Phrase;

constexpr std::size_t kMaxLineLength = 4096;

template <class T> struct Word {
    std::string_view text;
    T value;
};

constexpr std::array kPolarisations{
    Word<Polarisation>{"HORIZONTAL", Polarisation::Horizontal},
    Word<Polarisation>{"VERTICAL", Polarisation::Vertical},
    Word<Polarisation>{"LEFT", Polarisation::CircularLeft},
    Word<Polarisation>{"RIGHT", Polarisation::CircularRight},
};
constexpr std::array kFecs{
    Word<Fec>{"AUTO", Fec::Auto}, Word<Fec>{"NONE", Fec::None},  Word<Fec>{"1/2", Fec::F1_2},
    Word<Fec>{"2/3", Fec::F2_3},  Word<Fec>{"3/4", Fec::F3_4},   Word<Fec>{"5/6", Fec::F5_6},
    Word<Fec>{"7/8", Fec::F7_8},  Word<Fec>{"8/9", Fec::F8_9},   Word<Fec>{"3/5", Fec::F3_5},
    Word<Fec>{"4/5", Fec::F4_5},  Word<Fec>{"9/10", Fec::F9_10}, Word<Fec>{"6/7", Fec::F6_7},
};
constexpr std::array kModulations{
    Word<Modulation>{"QPSK", Modulation::Qpsk},
    Word<Modulation>{"PSK/8", Modulation::Psk8},
    Word<Modulation>{"APSK/16", Modulation::Apsk16},
    Word<Modulation>{"APSK/32", Modulation::Apsk32},
    Word<Modulation>{"QAM/16", Modulation::Qam16},
    Word<Modulation>{"QAM/AUTO", Modulation::Auto},
};
constexpr std::array kPilots{Word<Pilot>{"ON", Pilot::On}, Word<Pilot>{"OFF", Pilot::Off},
                             Word<Pilot>{"AUTO", Pilot::Auto}};
constexpr std::array kQams{Word<Qam>{"QAM/16", Qam::Q16},   Word<Qam>{"QAM/32", Qam::Q32},
                           Word<Qam>{"QAM/64", Qam::Q64},   Word<Qam>{"QAM/128", Qam::Q128},
                           Word<Qam>{"QAM/256", Qam::Q256}, Word<Qam>{"QAM/AUTO", Qam::Auto}};
constexpr std::array kSystems{Word<DvbSystem>{"DVBS", DvbSystem::S},
                              Word<DvbSystem>{"DVBS2", DvbSystem::S2}};

// Terrestrial values as the record keeps them; the others (Auto, and what no record holds) are
// known but give nothing.
constexpr std::array kConstellations{
    Word<std::optional<Constellation>>{"QPSK", Constellation::Qpsk},
    Word<std::optional<Constellation>>{"QAM/16", Constellation::Qam16},
    Word<std::optional<Constellation>>{"QAM/64", Constellation::Qam64},
    Word<std::optional<Constellation>>{"QAM/256", std::nullopt},
    Word<std::optional<Constellation>>{"QAM/AUTO", std::nullopt},
};
constexpr std::array kCodeRates{
    Word<std::optional<CodeRate>>{"1/2", CodeRate::R1_2},
    Word<std::optional<CodeRate>>{"2/3", CodeRate::R2_3},
    Word<std::optional<CodeRate>>{"3/4", CodeRate::R3_4},
    Word<std::optional<CodeRate>>{"5/6", CodeRate::R5_6},
    Word<std::optional<CodeRate>>{"7/8", CodeRate::R7_8},
    Word<std::optional<CodeRate>>{"3/5", std::nullopt},
    Word<std::optional<CodeRate>>{"4/5", std::nullopt},
    Word<std::optional<CodeRate>>{"6/7", std::nullopt},
    Word<std::optional<CodeRate>>{"8/9", std::nullopt},
    Word<std::optional<CodeRate>>{"AUTO", std::nullopt},
    Word<std::optional<CodeRate>>{"NONE", std::nullopt},
};
constexpr std::array kGuards{
    Word<std::optional<Guard>>{"1/32", Guard::G1_32},
    Word<std::optional<Guard>>{"1/16", Guard::G1_16},
    Word<std::optional<Guard>>{"1/8", Guard::G1_8},
    Word<std::optional<Guard>>{"1/4", Guard::G1_4},
    Word<std::optional<Guard>>{"1/128", std::nullopt},
    Word<std::optional<Guard>>{"19/128", std::nullopt},
    Word<std::optional<Guard>>{"19/256", std::nullopt},
    Word<std::optional<Guard>>{"AUTO", std::nullopt},
};
constexpr std::array kModes{
    Word<std::optional<TerrestrialMode>>{"2K", TerrestrialMode::K2},
    Word<std::optional<TerrestrialMode>>{"8K", TerrestrialMode::K8},
    Word<std::optional<TerrestrialMode>>{"1K", std::nullopt},
    Word<std::optional<TerrestrialMode>>{"4K", std::nullopt},
    Word<std::optional<TerrestrialMode>>{"16K", std::nullopt},
    Word<std::optional<TerrestrialMode>>{"32K", std::nullopt},
    Word<std::optional<TerrestrialMode>>{"AUTO", std::nullopt},
};

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

/// One "[CHANNEL]" block while it is read.
struct Block {
    std::size_t line = 0;
    std::optional<DvbSystem> system;
    bool cable = false;       ///< DVB-C: the frequency in Hz
    bool terrestrial = false; ///< DVB-T and DVB-T2: the frequency in Hz, no symbol rate
    std::optional<std::optional<Constellation>> constellation;
    std::optional<std::optional<CodeRate>> codeRate;
    std::optional<std::optional<Guard>> guard;
    std::optional<std::optional<TerrestrialMode>> mode;
    bool otherSystem = false; ///< terrestrial ...: not ours
    std::optional<Qam> qam;
    std::optional<std::uint64_t> frequency;
    std::optional<std::uint64_t> symbolRate;
    std::optional<Polarisation> polarisation;
    Carrier carrier;
};

void SetSystem(Block& block, std::string_view value) {
    block.cable = value.starts_with("DVBC/");
    block.terrestrial = value == "DVBT" || value == "DVBT2";
    block.otherSystem = !block.cable && !block.terrestrial && value != "DVBS" && value != "DVBS2";
}

/// The DELIVERY_SYSTEM of the block that text (the lines after its "[CHANNEL]") holds: some
/// tables give it after the values whose meaning it decides.
std::string_view SystemAhead(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = Trimmed(text.substr(start, end - start));
        if (line.starts_with('['))
            break;
        const auto equals = line.find('=');
        if (equals != std::string_view::npos &&
            Trimmed(line.substr(0, equals)) == "DELIVERY_SYSTEM")
            return Trimmed(line.substr(equals + 1));
        start = end + 1;
    }
    return {};
}

/// Why a block is no carrier: a value missing or out of its unit's range.
std::optional<Phrase> BlockFault(const Block& block) {
    if (block.terrestrial) {
        if (!block.frequency)
            return Fault(CF_TR_NOOP("Transponders", "a [CHANNEL] without FREQUENCY"));
        if (*block.frequency < std::uint64_t{kMinTerrestrialKHz} * 1000 ||
            *block.frequency > std::uint64_t{kMaxTerrestrialKHz} * 1000)
            return Fault(
                CF_TR_NOOP("Transponders", "the frequency %1 is not a terrestrial carrier in Hz"),
                {Phrase::Text(std::to_string(*block.frequency))});
        return std::nullopt;
    }
    if (!block.frequency || !block.symbolRate)
        return Fault(CF_TR_NOOP("Transponders", "a [CHANNEL] without FREQUENCY and SYMBOL_RATE"));
    if (block.cable && (*block.frequency < std::uint64_t{kMinCableKHz} * 1000 ||
                        *block.frequency > std::uint64_t{kMaxCableKHz} * 1000))
        return Fault(CF_TR_NOOP("Transponders", "the frequency %1 is not a cable carrier in Hz"),
                     {Phrase::Text(std::to_string(*block.frequency))});
    if (!block.cable &&
        (*block.frequency < kMinSatelliteKHz || *block.frequency > kMaxSatelliteKHz))
        return Fault(
            CF_TR_NOOP("Transponders", "the frequency %1 is not a satellite carrier in kHz"),
            {Phrase::Text(std::to_string(*block.frequency))});
    if (*block.symbolRate < kMinSymbolRate || *block.symbolRate > kMaxSymbolRate)
        return Fault(CF_TR_NOOP("Transponders", "the symbol rate %1 is not in symbols per second"),
                     {Phrase::Text(std::to_string(*block.symbolRate))});
    return std::nullopt;
}

class ScanTableReader {
  public:
    ScanTableReader(std::span<const std::uint8_t> bytes, const std::string& file, Source& out)
        : text_(reinterpret_cast<const char*>(bytes.data()), bytes.size()), file_(file), out_(out) {
    }

    SourceResult Read();

  private:
    std::optional<SourceResult> Line(std::string_view line);
    std::optional<SourceResult> Value(std::string_view key, std::string_view value);
    std::optional<SourceResult> TerrestrialValue(std::string_view key, std::string_view value);
    std::optional<SourceResult> Finish();
    void AddTerrestrial(const Block& block);
    template <std::size_t N, class T>
    std::optional<SourceResult> Choose(const std::array<Word<T>, N>& words, std::string_view key,
                                       std::string_view value, std::optional<T>& field);
    std::optional<SourceResult> Count(std::string_view key, std::string_view value,
                                      std::optional<std::uint64_t>& field);
    SourceResult Refuse(Phrase fault) const {
        return RefuseAt(file_, lineNumber_, std::move(fault));
    }

    std::string_view text_;
    std::string_view rest_; ///< the text after the line being read
    const std::string& file_;
    Source& out_;
    std::size_t lineNumber_ = 0;
    std::size_t carriers_ = 0;
    std::optional<Block> block_;
};

SourceResult ScanTableReader::Read() {
    out_.file = file_;
    SourceSatellite satellite;
    satellite.position = PositionOfTableName(file_);
    satellite.name = file_.substr(file_.find_last_of('/') + 1);
    out_.satellites.push_back(std::move(satellite));
    std::size_t start = 0;
    while (start < text_.size()) {
        const std::size_t end = std::min(text_.find('\n', start), text_.size());
        ++lineNumber_;
        rest_ = text_.substr(std::min(end + 1, text_.size()));
        if (auto refusal = Line(text_.substr(start, end - start)))
            return *refusal;
        start = end + 1;
    }
    if (auto refusal = Finish())
        return *refusal;
    return {};
}

std::optional<SourceResult> ScanTableReader::Line(std::string_view raw) {
    if (raw.size() > kMaxLineLength)
        return Refuse(Fault(CF_TR_NOOP("Transponders", "the line is longer than %1 characters"),
                            {Phrase::Number(kMaxLineLength)}));
    if (raw.find('\0') != std::string_view::npos)
        return Refuse(Fault(CF_TR_NOOP("Transponders", "the line holds a byte no text holds")));
    const std::string_view line = Trimmed(raw);
    if (line.empty() || line.front() == '#')
        return std::nullopt;
    if (line.front() == '[' && line.back() == ']') {
        if (auto refusal = Finish())
            return refusal;
        block_.emplace();
        block_->line = lineNumber_;
        if (const std::string_view system = SystemAhead(rest_); !system.empty())
            SetSystem(*block_, system);
        return std::nullopt;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return Refuse(Fault(CF_TR_NOOP("Transponders", "\"%1\" is not KEY = VALUE"),
                            {Phrase::Text(std::string(line))}));
    if (!block_)
        return Refuse(Fault(CF_TR_NOOP("Transponders", "a value before the first [CHANNEL]")));
    return Value(Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)));
}

std::optional<SourceResult> ScanTableReader::Value(std::string_view key, std::string_view value) {
    Block& block = *block_;
    if (key == "DELIVERY_SYSTEM") {
        SetSystem(block, value);
        return block.cable || block.terrestrial || block.otherSystem
                   ? std::nullopt
                   : Choose(kSystems, key, value, block.system);
    }
    if (key == "FREQUENCY")
        return Count(key, value, block.frequency);
    if (key == "SYMBOL_RATE")
        return Count(key, value, block.symbolRate);
    if (key == "POLARIZATION")
        return Choose(kPolarisations, key, value, block.polarisation);
    if (block.otherSystem)
        return std::nullopt; // an ATSC or ISDB block's codes are not ours to judge
    if (block.terrestrial)
        return TerrestrialValue(key, value);
    if (block.cable)
        return key == "MODULATION" ? Choose(kQams, key, value, block.qam) : std::nullopt;
    if (key == "INNER_FEC")
        return Choose(kFecs, key, value, block.carrier.fec);
    if (key == "MODULATION")
        return Choose(kModulations, key, value, block.carrier.modulation);
    if (key == "PILOT")
        return Choose(kPilots, key, value, block.carrier.pilot);
    return std::nullopt; // inversion, roll-off, stream ids: no record keeps them
}

std::optional<SourceResult> ScanTableReader::TerrestrialValue(std::string_view key,
                                                              std::string_view value) {
    Block& block = *block_;
    if (key == "MODULATION")
        return Choose(kConstellations, key, value, block.constellation);
    if (key == "CODE_RATE_HP")
        return Choose(kCodeRates, key, value, block.codeRate);
    if (key == "GUARD_INTERVAL")
        return Choose(kGuards, key, value, block.guard);
    if (key == "TRANSMISSION_MODE")
        return Choose(kModes, key, value, block.mode);
    return std::nullopt; // bandwidth, hierarchy, inversion, stream ids: no record keeps them
}

void ScanTableReader::AddTerrestrial(const Block& block) {
    if (out_.terrestrials.empty())
        out_.terrestrials.push_back({out_.satellites.back().name, 1, {}});
    TerrestrialCarrier carrier;
    carrier.frequencyKHz = static_cast<std::uint32_t>(*block.frequency / 1000);
    carrier.constellation = block.constellation.value_or(std::nullopt);
    carrier.codeRate = block.codeRate.value_or(std::nullopt);
    carrier.guard = block.guard.value_or(std::nullopt);
    carrier.mode = block.mode.value_or(std::nullopt);
    carrier.line = block.line;
    out_.terrestrials.back().carriers.push_back(carrier);
}

template <std::size_t N, class T>
std::optional<SourceResult> ScanTableReader::Choose(const std::array<Word<T>, N>& words,
                                                    std::string_view key, std::string_view value,
                                                    std::optional<T>& field) {
    for (const Word<T>& word : words)
        if (word.text == value) {
            field = word.value;
            return std::nullopt;
        }
    return Refuse(Fault(CF_TR_NOOP("Transponders", "%1 = %2 is not a value the format knows"),
                        {Phrase::Text(std::string(key)), Phrase::Text(std::string(value))}));
}

std::optional<SourceResult> ScanTableReader::Count(std::string_view key, std::string_view value,
                                                   std::optional<std::uint64_t>& field) {
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || error != std::errc() || end != value.data() + value.size())
        return Refuse(Fault(CF_TR_NOOP("Transponders", "%1 = %2 is not a number"),
                            {Phrase::Text(std::string(key)), Phrase::Text(std::string(value))}));
    field = number;
    return std::nullopt;
}

std::optional<SourceResult> ScanTableReader::Finish() {
    if (!block_ || block_->otherSystem)
        return std::nullopt;
    const Block block = *block_;
    block_.reset();
    if (++carriers_ > kMaxCarriers)
        return RefuseAt(file_, block.line,
                        Fault(CF_TR_NOOP("Transponders", "more than %1 transponders"),
                              {Phrase::Number(kMaxCarriers)}));
    if (auto fault = BlockFault(block)) {
        out_.skipped.push_back(RefuseAt(file_, block.line, std::move(*fault)).message);
        return std::nullopt;
    }
    if (block.terrestrial) {
        AddTerrestrial(block);
        return std::nullopt;
    }
    if (block.cable) {
        if (out_.cables.empty())
            out_.cables.push_back({out_.satellites.back().name, 1, {}});
        out_.cables.back().carriers.push_back({static_cast<std::uint32_t>(*block.frequency / 1000),
                                               static_cast<std::uint32_t>(*block.symbolRate),
                                               block.qam, block.line});
        return std::nullopt;
    }
    Carrier carrier = block.carrier;
    carrier.line = block.line;
    carrier.frequencyKHz = static_cast<std::uint32_t>(*block.frequency);
    carrier.symbolRate = static_cast<std::uint32_t>(*block.symbolRate);
    carrier.polarisation = block.polarisation.value_or(Polarisation::Horizontal);
    carrier.system = block.system;
    out_.satellites.back().carriers.push_back(carrier);
    return std::nullopt;
}

} // namespace

std::optional<int> PositionOfTableName(const std::string& file) {
    const std::string name = file.substr(file.find_last_of('/') + 1);
    const auto dash = name.find_last_of('-');
    if (dash == std::string::npos)
        return std::nullopt;
    const std::string tail = name.substr(dash + 1);
    if (tail.empty() || (tail.back() != 'E' && tail.back() != 'W'))
        return std::nullopt;
    return ParsePosition(tail);
}

std::vector<std::string> ScanTablesIn(const std::string& folder) {
    std::vector<std::string> tables;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file(error))
            tables.push_back(entry.path().string());
    std::sort(tables.begin(), tables.end());
    return tables;
}

std::vector<std::string> ScanTablesFor(const std::string& folder, int position) {
    std::vector<std::string> tables = ScanTablesIn(folder);
    std::erase_if(tables,
                  [&](const std::string& table) { return PositionOfTableName(table) != position; });
    return tables;
}

SourceResult ReadScanTable(std::span<const std::uint8_t> bytes, const std::string& file,
                           Source& out) {
    if (bytes.size() > kMaxSourceBytes)
        return RefuseAt(file, 1,
                        Fault(CF_TR_NOOP("Transponders", "the table is larger than "
                                                         "any transponder table")));
    Source read;
    ScanTableReader reader(bytes, file, read);
    SourceResult result = reader.Read();
    if (result.ok)
        out = std::move(read);
    return result;
}

SourceResult ReadSource(const std::string& path, Source& out) {
    std::vector<std::uint8_t> bytes;
    if (const utils::FileResult read = utils::ReadWholeFile(path, bytes, kMaxSourceBytes);
        !read.ok())
        return SourceResult::Refused(Phrase("Transponders", CF_TR_NOOP("Transponders", "%1: %2"),
                                            {Phrase::Text(path), Phrase::Text(read.message)}));
    const auto first = std::find_if(bytes.begin(), bytes.end(), [](std::uint8_t b) {
        return b != ' ' && b != '\t' && b != '\r' && b != '\n' && b != 0xEF && b != 0xBB &&
               b != 0xBF; // a UTF-8 byte-order mark may open an XML file
    });
    if (first != bytes.end() && *first == '<')
        return ReadXmlTable(bytes, path, out);
    return ReadScanTable(bytes, path, out);
}

} // namespace chanforge::transponders
