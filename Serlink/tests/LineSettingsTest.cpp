#include "LineSettings.h"
#include "serlink/PortNames.h"
#include "serlink/SerialComm.h"
#include "utils/Report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

/// Captures what the validators tell the operator.
class ReportCapture {
  public:
    ReportCapture() {
        old_ = utils::SetReportHook([this](utils::ReportLevel level, const std::string& text) {
            messages.push_back(text);
            levels.push_back(level);
        });
    }
    ~ReportCapture() { utils::SetReportHook(old_); }
    std::vector<std::string> messages;
    std::vector<utils::ReportLevel> levels;

  private:
    utils::ReportHook old_;
};

TEST(PortNames, NumberedFormKeepsItsRuleAndMapsToNativeDevices) {
    EXPECT_EQ(CSerialComm::GetPortName(1), "COM1");
    EXPECT_EQ(CSerialComm::GetPortName(4), "COM4");
    EXPECT_EQ(CSerialComm::GetPortName(5), "\\\\.\\COM5");
    EXPECT_EQ(CSerialComm::GetPortName(0), "\\\\.\\COM0");
    struct Row {
        const char* name;
        const char* device;
    };
    const Row rows[] = {
        {"COM1", "/dev/ttyS0"},
        {"\\\\.\\COM10", "/dev/ttyS9"},
        {"COM0", "COM0"},
        {"COMX", "COMX"},
        {"/dev/pts/7", "/dev/pts/7"},
        {"ttyUSB0", "ttyUSB0"},
        {"", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(serlink::ResolvePortName(row.name), row.device) << row.name;
    EXPECT_EQ(CSerialComm::GetPortName(10), "\\\\.\\COM10");
}

TEST(Validators, AcceptedValuesPassSilently) {
    ReportCapture capture;
    for (std::uint32_t baud : {4800u, 115200u, 256000u}) // the edges and the default
        EXPECT_EQ(CSerialComm::GetBaud(baud), baud);
    for (std::uint8_t bits = 5; bits <= 8; ++bits)
        EXPECT_EQ(CSerialComm::GetDataBit(bits), bits);
    EXPECT_EQ(CSerialComm::GetStopBit(2), 2);
    EXPECT_EQ(CSerialComm::GetParity(4), 4);
    EXPECT_TRUE(capture.messages.empty());
}

TEST(Validators, RefusalsReportTheValueAsAnError) {
    struct Row {
        std::uint32_t result;
        const char* message;
    };
    ReportCapture capture;
    const Row rows[] = {
        {CSerialComm::GetBaud(110), "Cannot support this Baud(110)"},
        {CSerialComm::GetBaud(230400), "Cannot support this Baud(230400)"},
        {CSerialComm::GetDataBit(4), "Cannot support this Data Bit(4)"},
        {CSerialComm::GetDataBit(9), "Cannot support this Data Bit(9)"},
        {CSerialComm::GetStopBit(3), "Cannot support this Stop Bit(3)"},
        {CSerialComm::GetParity(5), "Cannot support this Parity Bit(5)"},
    };
    ASSERT_EQ(capture.messages.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(rows[i].result, 0u);
        EXPECT_EQ(capture.messages[i], rows[i].message);
        EXPECT_EQ(capture.levels[i], utils::ReportLevel::Error);
    }
}

} // namespace

// The codes of the settings store, as operators and receivers' manuals give them.
TEST(LineSettings, CodesMeanWhatTheSettingsSay) {
    using P = QSerialPort;
    const std::pair<int, P::Parity> parities[] = {{0, P::NoParity},
                                                  {1, P::OddParity},
                                                  {2, P::EvenParity},
                                                  {3, P::MarkParity},
                                                  {4, P::SpaceParity}};
    for (const auto& [code, parity] : parities)
        EXPECT_EQ(serlink::MapLineSettings(9600, 8, 0, static_cast<std::uint8_t>(code))->parity,
                  parity)
            << "parity code " << code;
    const std::pair<int, P::StopBits> stops[] = {
        {0, P::OneStop}, {1, P::OneAndHalfStop}, {2, P::TwoStop}};
    for (const auto& [code, stop] : stops)
        EXPECT_EQ(serlink::MapLineSettings(9600, 7, static_cast<std::uint8_t>(code), 0)->stopBits,
                  stop)
            << "stop code " << code;
    EXPECT_EQ(serlink::MapLineSettings(9600, 7, 0, 0)->dataBits, P::Data7);
    EXPECT_FALSE(serlink::MapLineSettings(9600, 8, 0, 5));
    EXPECT_FALSE(serlink::MapLineSettings(9600, 8, 3, 0));
    EXPECT_FALSE(serlink::MapLineSettings(9600, 9, 0, 0));
}
