#include "utils/Registry.h"
#include "utils/Report.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

/// Each test gets its own store file and collects what would have been shown to the operator.
class RegistryTest : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("chanforge-registry-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        utils::SetSettingsPath((dir_ / "settings.ini").string());
        previousHook_ =
            utils::SetReportHook([this](utils::ReportLevel, const std::string& message) {
                messages_.push_back(message);
            });
    }
    void TearDown() override {
        utils::SetReportHook(previousHook_);
        utils::SetSettingsReadOnly(false);
        utils::SetSettingsPath("");
        fs::remove_all(dir_);
    }
    std::string FileText() const {
        std::ifstream in(dir_ / "settings.ini");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path dir_;
    std::vector<std::string> messages_;
    utils::ReportHook previousHook_;
};

} // namespace

TEST_F(RegistryTest, MissingValueIsReturnedAndStoredWithItsDefault) {
    std::uint32_t baud = 0;
    EXPECT_EQ(GetRegistry(kChanforgeKey, "COM Baud Rate", &baud, 115200), 1);
    EXPECT_EQ(baud, 115200u);
    EXPECT_EQ(HasRegistryValue(kChanforgeKey, "COM Baud Rate"), 1);
    EXPECT_EQ(GetRegistry(kChanforgeKey, "COM Baud Rate", &baud, 9600), 1);
    EXPECT_EQ(baud, 115200u); // the first default persisted
    char result[kRegistryStringSize] = "";
    EXPECT_EQ(GetRegistry(kChanforgeKey, "Name", result, "first"), 1);
    EXPECT_EQ(GetRegistry(kChanforgeKey, "Name", result, "second"), 1);
    EXPECT_STREQ(result, "first");
    EXPECT_TRUE(messages_.empty());
}

TEST_F(RegistryTest, NumbersAndStringsRoundTrip) {
    EXPECT_EQ(SetRegistry(kChanforgeKey, "Product Type", 0xFFFFFFFFu), 1);
    std::uint32_t number = 0;
    GetRegistry(kChanforgeKey, "Product Type", &number, 0);
    EXPECT_EQ(number, 0xFFFFFFFFu);

    const char text[] = "QVR \xE4\xFF, 1.0 = x"; // bytes above 0x7F, comma and '=' survive
    EXPECT_EQ(SetRegistry(kChanforgeKey, "QVR Version String", text), 1);
    char result[kRegistryStringSize] = "";
    EXPECT_EQ(GetRegistry(kChanforgeKey, "QVR Version String", result, "unused"), 1);
    EXPECT_STREQ(result, text);
}

TEST_F(RegistryTest, LongStringsAreCutToTheResultBuffer) {
    const std::string longText(600, 'x');
    SetRegistry(kChanforgeKey, "Long", longText.c_str());
    char result[kRegistryStringSize + 8];
    std::fill(std::begin(result), std::end(result), '#');
    GetRegistry(kChanforgeKey, "Long", result, "");
    EXPECT_EQ(std::string(result), std::string(kRegistryStringSize - 1, 'x'));
    EXPECT_EQ(result[kRegistryStringSize], '#'); // nothing written past the buffer
}

TEST_F(RegistryTest, ValuesOfAnotherTypeOrSizeReadAsMissing) {
    SetRegistry(kChanforgeKey, "COM Port Number", "COM3");
    std::uint32_t port = 0;
    EXPECT_EQ(GetRegistry(kChanforgeKey, "COM Port Number", &port, 1), 1);
    EXPECT_EQ(port, 1u);
    SetRegistry(kChanforgeKey, "Label", 7u);
    char label[kRegistryStringSize];
    GetRegistry(kChanforgeKey, "Label", label, "none");
    EXPECT_STREQ(label, "none");
    for (const char* stored : {"dword:123", "dword:0000000000000001", "dword:zzzzzzzz", "42"}) {
        SCOPED_TRACE(stored);
        {
            std::ofstream out(dir_ / "settings.ini");
            out << "[SOFTWARE]\nRixatel\\ST\\Chanforge\\Odd=" << stored << "\n";
        }
        std::uint32_t value = 0;
        EXPECT_EQ(GetRegistry(kChanforgeKey, "Odd", &value, 99), 1);
        EXPECT_EQ(value, 99u);
    }
}

TEST_F(RegistryTest, KeysLiveUnderTheProductPath) {
    SetRegistry(kChanforgeKey, "Flash Byte Order", 1u);
    SetRegistry(nullptr, "Shared", 2u);
    std::uint32_t value = 0;
    GetRegistry(nullptr, "Flash Byte Order", &value, 0);
    EXPECT_EQ(value, 0u); // the sub-key value is not visible directly under the base key
    GetRegistry(nullptr, "Shared", &value, 0);
    EXPECT_EQ(value, 2u);
    const std::string text = FileText();
    EXPECT_NE(text.find("Rixatel\\ST\\Chanforge\\Flash%20Byte%20Order=dword:00000001"),
              std::string::npos)
        << text;
}

TEST_F(RegistryTest, DeletingTheSubKeyRemovesOnlyItsValues) {
    SetRegistry(kChanforgeKey, "Product List", 3u);
    SetRegistry(kChanforgeKey, "COM Baud Rate", 9600u);
    SetRegistry(nullptr, "Outside", 1u);
    EXPECT_EQ(DeleteRegistryKey(kChanforgeKey), 1);
    EXPECT_EQ(HasRegistryValue(kChanforgeKey, "Product List"), 0);
    EXPECT_EQ(HasRegistryValue(kChanforgeKey, "COM Baud Rate"), 0);
    EXPECT_EQ(HasRegistryValue(nullptr, "Outside"), 1);
    // Nothing left: what stays is still a store.
    EXPECT_EQ(DeleteRegistryKey(nullptr), 1);
    EXPECT_EQ(SetRegistry(kChanforgeKey, "Product List", 3u), 1);
    EXPECT_TRUE(messages_.empty()) << messages_.front();
}

TEST_F(RegistryTest, FilesThatAreNoStoreAreRefusedUntouched) {
    const std::string path = (dir_ / "settings.ini").string();
    // A note whose lines are headings or hold '=', another program's settings, a key of ours
    // beside another program's, an image.
    for (const std::string& content :
         {std::string("# Notes\n\n## Dish\nsize = 80 cm\n"), std::string("[General]\nfoo=bar\n"),
          std::string("[SOFTWARE]\nRixatel\\ST\\Chanforge\\A=sz:x\nOther\\App\\B=sz:y\n"),
          std::string("QP  \0\x50\xff", 7)}) {
        std::ofstream(path, std::ios::binary) << content;
        std::uint32_t value = 0;
        EXPECT_EQ(GetRegistry(kChanforgeKey, "Product List", &value, 7), 0);
        EXPECT_EQ(value, 7u);
        EXPECT_EQ(SetRegistry(kChanforgeKey, "Product List", 3u), 0);
        EXPECT_EQ(FileText(), content);
    }
    fs::remove(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    std::uint32_t value = 0;
    EXPECT_EQ(GetRegistry(kChanforgeKey, "Product List", &value, 7), 0) << "opened the FIFO";
    EXPECT_TRUE(fs::is_fifo(path));
    ASSERT_EQ(messages_.size(), 5u); // each refusal once, not once per call
    for (const std::string& message : messages_)
        EXPECT_EQ(message.rfind("Not a settings file: " + path + " (", 0), 0u) << message;
    // A hand-written store with comments and a continued value is one, and so is an empty file.
    fs::remove(path);
    std::ofstream(path) << "; mine\n[SOFTWARE]\nRixatel\\ST\\Chanforge\\Note=sz:a\\\nb\n"
                        << "[Window]\nrecentFiles=/tmp/a.bin\n[ChannelList]\nsort=name\n";
    EXPECT_EQ(utils::SettingsStoreProblem(), "");
    std::ofstream(path, std::ios::trunc) << "\n";
    EXPECT_EQ(SetRegistry(kChanforgeKey, "Product List", 3u), 1);
    EXPECT_EQ(messages_.size(), 5u) << messages_.back();
}

TEST_F(RegistryTest, ReadOnlyStoreKeepsDefaultsInMemoryAndRefusesWrites) {
    SetRegistry(kChanforgeKey, "Product List", 3u);
    const std::string before = FileText();
    utils::SetSettingsReadOnly(true);
    std::uint32_t number = 0;
    EXPECT_EQ(GetRegistry(kChanforgeKey, "COM Baud Rate", &number, 9600), 1);
    EXPECT_EQ(number, 9600u);
    char text[kRegistryStringSize];
    EXPECT_EQ(GetRegistry(kChanforgeKey, "Name", text, "first"), 1);
    EXPECT_STREQ(text, "first");
    EXPECT_EQ(SetRegistry(kChanforgeKey, "Product List", 4u), 0);
    EXPECT_EQ(DeleteRegistryKey(kChanforgeKey), 0);
    EXPECT_EQ(FileText(), before);
    EXPECT_EQ(HasRegistryValue(kChanforgeKey, "COM Baud Rate"), 0);
}

TEST_F(RegistryTest, UnwritableStoreFailsAndSaysSo) {
    std::ofstream(dir_ / "plain-file") << "x";
    utils::SetSettingsPath((dir_ / "plain-file" / "settings.ini").string());
    const unsigned failedBefore = utils::FailedSettingsWrites();
    EXPECT_EQ(SetRegistry(kChanforgeKey, "Product List", 3u), 0);
    std::uint32_t value = 0;
    EXPECT_EQ(GetRegistry(kChanforgeKey, "Product List", &value, 7), 0);
    EXPECT_EQ(value, 7u); // the default is still handed back
    EXPECT_EQ(utils::FailedSettingsWrites() - failedBefore, 2u);
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(messages_[0], "Registry SetValue is failed...");
    EXPECT_EQ(messages_[1], "Registry SetValue 'Installed Path' is failed...");
}

TEST_F(RegistryTest, EnvironmentNamesTheStoreWhenNoPathIsSet) {
    utils::SetSettingsPath("");
    const std::string fromEnvironment = (dir_ / "from-env.ini").string();
    const char* old = std::getenv("CHANFORGE_SETTINGS");
    const std::string saved = old ? old : "";
    ::setenv("CHANFORGE_SETTINGS", fromEnvironment.c_str(), 1);
    EXPECT_EQ(utils::SettingsPath(), fromEnvironment);
    SetRegistry(kChanforgeKey, "Product List", 8u);
    EXPECT_TRUE(fs::exists(fromEnvironment));
    if (old)
        ::setenv("CHANFORGE_SETTINGS", saved.c_str(), 1);
    else
        ::unsetenv("CHANFORGE_SETTINGS");
}

TEST_F(RegistryTest, KilledWriterNeverLeavesAnUnreadableStore) {
    const std::string a(200, 'a'), b(200, 'b');
    SetRegistry(kChanforgeKey, "Text", a.c_str());
    for (int round = 0; round < 12; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                SetRegistry(kChanforgeKey, "Text", (i % 2 ? a : b).c_str());
                SetRegistry(kChanforgeKey, ("Filler " + std::to_string(i % 50)).c_str(), 1u);
            }
        }
        ::usleep(2000 + 3000 * round);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        // A killed writer may leave its lock file behind; the store must still read whole.
        char text[kRegistryStringSize] = "";
        ASSERT_EQ(GetRegistry(kChanforgeKey, "Text", text, "missing"), 1);
        EXPECT_TRUE(text == a || text == b) << "round " << round << ": " << text;
    }
}
