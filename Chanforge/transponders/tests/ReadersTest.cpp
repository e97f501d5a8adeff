// The transponder tables read as they are written in the field, and refused with file and line
// when they are not.
#include "chanforge/transponders/Readers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace chanforge::transponders {
namespace {

std::span<const std::uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(SatellitesXmlTest, ReadsPositionsUnitsAndCodes) {
    const std::string xml = R"xml(<?xml version="1.0" encoding="UTF-8"?>
<!-- kept by hand -->
<satellites>
	<sat name="Astra 1KR/1L/1M/1N (19.2E)" flags="1" position="192">
		<transponder frequency="10714250" symbol_rate="22000000" polarization="0" fec_inner="4" system="0" modulation="1"/>
		<transponder frequency="11362000" symbol_rate="22000000" polarization="1" fec_inner="2" system="1" modulation="2" rolloff="0" pilot="2" inversion="2"/>
		<transponder frequency="11000000" symbol_rate="27500000" polarization="3"/>
	</sat>
	<sat name="Thor &amp; Intelsat (0.8W)" flags="1" position="-8"/>
</satellites>
)xml";
    Source source;
    const SourceResult result = ReadXmlTable(Bytes(xml), "satellites.xml", source);
    ASSERT_TRUE(result.ok) << result.message.English();
    ASSERT_EQ(source.satellites.size(), 2u);
    const SourceSatellite& astra = source.satellites[0];
    EXPECT_EQ(astra.position, 192);
    EXPECT_EQ(astra.line, 4u);
    ASSERT_EQ(astra.carriers.size(), 3u);
    EXPECT_EQ(astra.carriers[0].frequencyKHz, 10714250u);
    EXPECT_EQ(astra.carriers[0].symbolRate, 22000000u);
    EXPECT_EQ(astra.carriers[0].fec, Fec::F5_6);
    EXPECT_EQ(astra.carriers[1].polarisation, Polarisation::Vertical);
    EXPECT_EQ(astra.carriers[1].system, DvbSystem::S2);
    EXPECT_EQ(astra.carriers[1].modulation, Modulation::Psk8);
    EXPECT_EQ(astra.carriers[1].pilot, Pilot::Auto);
    EXPECT_EQ(astra.carriers[1].line, 6u);
    // What a table leaves out stays unknown, so the record keeps its own.
    EXPECT_EQ(astra.carriers[2].polarisation, Polarisation::CircularRight);
    EXPECT_FALSE(astra.carriers[2].fec.has_value());
    EXPECT_FALSE(astra.carriers[2].system.has_value());
    EXPECT_EQ(source.satellites[1].name, "Thor & Intelsat (0.8W)");
    EXPECT_EQ(source.satellites[1].position, -8);

    const std::string cables = "<cables>\n<cable name=\"Kabel\" flags=\"0\">\n"
                               "<transponder frequency=\"346000\" symbol_rate=\"6900000\" "
                               "modulation=\"5\"/>\n<transponder frequency=\"354000\" "
                               "symbol_rate=\"6900000\"/>\n</cable></cables>";
    Source network;
    ASSERT_TRUE(ReadXmlTable(Bytes(cables), "cables.xml", network).ok);
    EXPECT_TRUE(network.satellites.empty());
    ASSERT_EQ(network.cables.size(), 1u);
    EXPECT_EQ(network.cables[0].name, "Kabel");
    ASSERT_EQ(network.cables[0].carriers.size(), 2u);
    EXPECT_EQ(network.cables[0].carriers[0].frequencyKHz, 346000u);
    EXPECT_EQ(network.cables[0].carriers[0].qam, Qam::Q256);
    EXPECT_FALSE(network.cables[0].carriers[1].qam.has_value());

    // Terrestrial codes count from 0 and end in Auto; what no record keeps (256-QAM, 32K) is
    // none, like Auto.
    const std::string terrestrial =
        "<locations>\n<terrestrial name=\"Berlin\" flags=\"5\">\n"
        "<transponder centre_frequency=\"474000000\" bandwidth=\"0\" constellation=\"1\" "
        "code_rate_hp=\"3\" code_rate_lp=\"5\" guard_interval=\"0\" transmission_mode=\"1\" "
        "hierarchy_information=\"4\" inversion=\"2\" system=\"0\"/>\n"
        "<transponder centre_frequency=\"506000000\" constellation=\"4\" code_rate_hp=\"5\" "
        "guard_interval=\"4\" transmission_mode=\"6\" system=\"1\"/>\n</terrestrial></locations>";
    Source region;
    ASSERT_TRUE(ReadXmlTable(Bytes(terrestrial), "terrestrial.xml", region).ok);
    ASSERT_EQ(region.terrestrials.size(), 1u);
    EXPECT_EQ(region.terrestrials[0].name, "Berlin");
    const auto& muxes = region.terrestrials[0].carriers;
    ASSERT_EQ(muxes.size(), 2u);
    EXPECT_EQ(muxes[0].frequencyKHz, 474000u);
    EXPECT_EQ(muxes[0].line, 3u);
    EXPECT_EQ(muxes[0].constellation, Constellation::Qam16);
    EXPECT_EQ(muxes[0].codeRate, CodeRate::R5_6);
    EXPECT_EQ(muxes[0].guard, Guard::G1_32);
    EXPECT_EQ(muxes[0].mode, TerrestrialMode::K8);
    EXPECT_FALSE(muxes[1].constellation || muxes[1].codeRate || muxes[1].guard || muxes[1].mode);
}

struct Hostile {
    const char* what;
    std::string text;
    std::size_t line;
    const char* says;
};

TEST(SatellitesXmlTest, RefusesHostileAndWrongTablesNamingFileAndLine) {
    const std::string head = "<satellites>\n<sat name=\"A\" position=\"192\">\n";
    const std::string laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE satellites [\n"
                               "<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;\">]>\n"
                               "<satellites><sat name=\"&b;\" position=\"1\"/></satellites>";
    const std::vector<Hostile> cases = {
        {"entities", laughs, 3, "declarations and entities"},
        {"external entity", "<satellites>\n<sat name=\"&ext;\" position=\"1\"/></satellites>", 2,
         "ext"},
        {"huge attribute", head + "<transponder frequency=\"" + std::string(100000, '1') + "\"/>",
         3, "longer than 256"},
        {"deep nesting",
         head + "<transponder frequency=\"11000000\" symbol_rate=\"27500000\">"
                "<x><y/></x>",
         3, "nested deeper"},
        {"unknown code",
         head + "<transponder frequency=\"11836000\" symbol_rate=\"27500000\" "
                "fec_inner=\"12\"/>",
         3, "fec_inner=\"12\""},
        {"missing frequency", head + "<transponder symbol_rate=\"27500000\"/>", 3,
         "frequency is missing"},
        {"not a number", "<satellites>\n<sat position=\"19.2E\"/>", 2, "is not a number"},
        {"position out of range", "<satellites><sat position=\"3300\"/>", 1, "3300"},
        {"transponder in another element",
         "<satellites>\n<satel>\n<transponder frequency=\"11836000\"/>", 3, "outside a satellite"},
        {"transponder outside a satellite", "<satellites>\n<transponder frequency=\"11836000\"/>",
         2, "outside a satellite"},
        {"wrong root", "<channels>\n<channel name=\"x\"/></channels>", 1,
         "<satellites>, <cables> or <locations>"},
        {"unknown terrestrial code",
         "<locations><terrestrial>\n<transponder centre_frequency=\"474000000\" "
         "guard_interval=\"8\"/>",
         2, "guard_interval=\"8\""},
        {"satellite carrier in a region",
         "<locations><terrestrial>\n<transponder frequency=\"11836000\"/>", 2,
         "centre_frequency is missing"},
        {"cut off", head + "<transponder frequency=\"11836000\" symbol_rate=\"27500000\"/>\n", 4,
         ""},
    };
    for (const Hostile& c : cases) {
        Source source;
        source.file = "kept";
        const SourceResult result = ReadXmlTable(Bytes(c.text), "/tmp/sat.xml", source);
        EXPECT_FALSE(result.ok) << c.what;
        const std::string message = result.message.English();
        EXPECT_NE(message.find("/tmp/sat.xml, line " + std::to_string(c.line) + ": "),
                  std::string::npos)
            << c.what << ": " << message;
        EXPECT_NE(message.find(c.says), std::string::npos) << c.what << ": " << message;
        EXPECT_EQ(source.file, "kept") << c.what; // nothing of a refused table is used
    }
}

TEST(ScanTableTest, ReadsSatelliteBlocksAndThePositionOfItsName) {
    const std::string table =
        "# Astra 19.2E\n[CHANNEL]\n\tDELIVERY_SYSTEM = DVBS\n"
        "\tFREQUENCY = 11836000\n\tPOLARIZATION = HORIZONTAL\n"
        "\tSYMBOL_RATE = 27500000\n\tINNER_FEC = 3/4\n\tINVERSION = AUTO\n\n"
        "[CHANNEL]\r\n\tDELIVERY_SYSTEM = DVBS2\r\n\tFREQUENCY = 11362000\r\n"
        "\tPOLARIZATION = VERTICAL\r\n\tSYMBOL_RATE = 22000000\r\n"
        "\tINNER_FEC = 2/3\r\n\tMODULATION = PSK/8\r\n\tROLLOFF = 35\r\n"
        "\tPILOT = ON\r\n\tSTREAM_ID = 0\r\n"
        "[CHANNEL]\n\tDELIVERY_SYSTEM = DVBC/ANNEX_A\n"
        "\tFREQUENCY = 330000000\n\tSYMBOL_RATE = 6900000\n\tMODULATION = QAM/256\n"
        "[CHANNEL]\n\tDELIVERY_SYSTEM = DVBT2\n\tFREQUENCY = 690000000\n"
        "\tBANDWIDTH_HZ = 8000000\n\tCODE_RATE_HP = 2/3\n\tMODULATION = QAM/256\n"
        "\tTRANSMISSION_MODE = 8K\n\tGUARD_INTERVAL = 19/256\n\tSTREAM_ID = 0\n";
    Source source;
    const SourceResult result =
        ReadScanTable(Bytes(table), "/usr/share/dvb/dvb-s/Astra-19.2E", source);
    ASSERT_TRUE(result.ok) << result.message.English();
    ASSERT_EQ(source.satellites.size(), 1u);
    EXPECT_EQ(source.satellites[0].position, 192);
    const auto& carriers = source.satellites[0].carriers;
    ASSERT_EQ(carriers.size(), 2u);
    // The cable block, in Hz, is the table's cable network.
    ASSERT_EQ(source.cables.size(), 1u);
    ASSERT_EQ(source.cables[0].carriers.size(), 1u);
    EXPECT_EQ(source.cables[0].carriers[0].frequencyKHz, 330000u);
    EXPECT_EQ(source.cables[0].carriers[0].qam, Qam::Q256);
    // So is the terrestrial block, in Hz too, its region.
    ASSERT_EQ(source.terrestrials.size(), 1u);
    ASSERT_EQ(source.terrestrials[0].carriers.size(), 1u);
    const TerrestrialCarrier& mux = source.terrestrials[0].carriers[0];
    EXPECT_EQ(mux.frequencyKHz, 690000u);
    EXPECT_EQ(mux.codeRate, CodeRate::R2_3);
    EXPECT_EQ(mux.mode, TerrestrialMode::K8);
    EXPECT_FALSE(mux.constellation || mux.guard);
    EXPECT_EQ(carriers[0].frequencyKHz, 11836000u);
    EXPECT_EQ(carriers[0].fec, Fec::F3_4);
    EXPECT_EQ(carriers[0].system, DvbSystem::S);
    EXPECT_EQ(carriers[0].line, 2u);
    EXPECT_EQ(carriers[1].polarisation, Polarisation::Vertical);
    EXPECT_EQ(carriers[1].modulation, Modulation::Psk8);
    EXPECT_EQ(carriers[1].pilot, Pilot::On);

    EXPECT_EQ(PositionOfTableName("SES3_C-103.0W"), -1030);
    EXPECT_EQ(PositionOfTableName("Astra-19.2E"), 192);
    EXPECT_FALSE(PositionOfTableName("my-astra-list").has_value());
}

TEST(ScanTableTest, RefusesWhatIsNoScanTableNamingTheLine) {
    const std::string block = "[CHANNEL]\n\tDELIVERY_SYSTEM = DVBS\n";
    const std::vector<Hostile> cases = {
        {"before a block", "# x\nFREQUENCY = 11836000\n", 2, "before the first [CHANNEL]"},
        {"no key", block + "\tFREQUENCY 11836000\n", 3, "is not KEY = VALUE"},
        {"unknown polarisation", block + "\tPOLARIZATION = SIDEWAYS\n", 3, "SIDEWAYS"},
        {"unknown guard", "[CHANNEL]\nDELIVERY_SYSTEM = DVBT\nGUARD_INTERVAL = 1/3\n", 3,
         "GUARD_INTERVAL = 1/3"},
        {"not a number", block + "\tFREQUENCY = 11.836 GHz\n", 3, "is not a number"},
        {"NUL byte", block + std::string("\tFREQUENCY = 1\0", 15) + "\n", 3, "no text holds"},
        {"endless line", block + std::string(5000, 'x') + "\n", 3, "longer than 4096"},
    };
    for (const Hostile& c : cases) {
        Source source;
        const SourceResult result = ReadScanTable(Bytes(c.text), "Astra-19.2E", source);
        EXPECT_FALSE(result.ok) << c.what;
        const std::string message = result.message.English();
        EXPECT_NE(message.find("Astra-19.2E, line " + std::to_string(c.line) + ": "),
                  std::string::npos)
            << c.what << ": " << message;
        EXPECT_NE(message.find(c.says), std::string::npos) << c.what << ": " << message;
        EXPECT_TRUE(source.satellites.empty()) << c.what;
    }
}

TEST(ReadersTest, LeaveOutCarriersInWrongUnitsNamingEach) {
    const std::string xml = "<satellites>\n<sat name=\"A\" position=\"192\">\n"
                            "<transponder frequency=\"11836\" symbol_rate=\"27500000\"/>\n"
                            "<transponder frequency=\"11836000000\" symbol_rate=\"27500000\"/>\n"
                            "<transponder frequency=\"11836000\" symbol_rate=\"27500\"/>\n"
                            "<transponder frequency=\"11954000\" symbol_rate=\"27500000\"/>\n"
                            "</sat></satellites>";
    const std::string table = "[CHANNEL]\n\tFREQUENCY = 12207\n\tSYMBOL_RATE = 27500000\n"
                              "[CHANNEL]\n\tFREQUENCY = 12384000\n\tSYMBOL_RATE = 201500000\n"
                              "[CHANNEL]\n\tFREQUENCY = 12384000\n"
                              "[CHANNEL]\n\tFREQUENCY = 11954000\n\tSYMBOL_RATE = 27500000\n";
    const std::vector<std::string> says = {
        "line 3: the frequency 11836 is not a satellite carrier in kHz",
        "line 4: the frequency 11836000000",
        "line 5: the symbol rate 27500 is not in symbols per second",
        "line 1: the frequency 12207",
        "line 4: the symbol rate 201500000",
        "line 7: a [CHANNEL] without FREQUENCY and SYMBOL_RATE"};
    Source fromXml, fromTable;
    ASSERT_TRUE(ReadXmlTable(Bytes(xml), "s.xml", fromXml).ok);
    ASSERT_TRUE(ReadScanTable(Bytes(table), "t-1W", fromTable).ok);
    std::vector<std::string> skipped;
    for (const Source* source : {&fromXml, &fromTable}) {
        ASSERT_EQ(source->satellites.size(), 1u);
        ASSERT_EQ(source->satellites[0].carriers.size(), 1u);
        EXPECT_EQ(source->satellites[0].carriers[0].frequencyKHz, 11954000u);
        for (const utils::Phrase& phrase : source->skipped)
            skipped.push_back(phrase.English());
    }
    ASSERT_EQ(skipped.size(), says.size());
    for (std::size_t i = 0; i < says.size(); ++i)
        EXPECT_NE(skipped[i].find(says[i]), std::string::npos) << skipped[i];
}

TEST(ScanTableTest, ReadsEverySatelliteAndTerrestrialTableTheSystemHas) {
    const std::filesystem::path folder = "/usr/share/dvb/dvb-s";
    ASSERT_TRUE(std::filesystem::is_directory(folder))
        << "the Debian package dtv-scan-tables is missing (scripts/setup.sh --tests)";
    std::size_t tables = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        Source source;
        const SourceResult result = ReadSource(entry.path().string(), source);
        ASSERT_TRUE(result.ok) << result.message.English();
        ASSERT_EQ(source.satellites.size(), 1u);
        EXPECT_GT(source.satellites[0].carriers.size(), source.skipped.size()) << entry.path();
        ++tables;
    }
    EXPECT_GT(tables, 100u);
    std::size_t regions = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kSystemTerrestrialTables)) {
        Source source;
        const SourceResult result = ReadSource(entry.path().string(), source);
        ASSERT_TRUE(result.ok) << result.message.English();
        regions += source.terrestrials.size();
    }
    EXPECT_GT(regions, 1000u);
    const std::vector<std::string> astra = ScanTablesFor(folder.string(), 192);
    ASSERT_FALSE(astra.empty());
    EXPECT_EQ(astra.front(), folder.string() + "/Astra-19.2E");
    EXPECT_TRUE(ScanTablesFor("/nonexistent", 192).empty());
}

TEST(PositionTest, ReadsPositionsAsTheOperatorTypesThem) {
    EXPECT_EQ(ParsePosition("19.2E"), 192);
    EXPECT_EQ(ParsePosition("30w"), -300);
    EXPECT_EQ(ParsePosition("-0.8"), -8);
    EXPECT_EQ(ParsePosition("180"), 1800);
    for (const char* bad : {"", "E", "19.2X", "-19.2E", "180.1E", "nanE", "1e400", "19,2E"})
        EXPECT_FALSE(ParsePosition(bad).has_value()) << bad;
    EXPECT_EQ(DegreeOfPosition(-8), 3592);
    EXPECT_EQ(PositionOfDegree(3592), -8);
    EXPECT_EQ(PositionOfDegree(1800), 1800);
}

} // namespace
} // namespace chanforge::transponders
