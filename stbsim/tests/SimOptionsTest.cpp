// The virtual receiver's command line: what each option sets, and what it refuses.
#include "stbsim/SimOptions.h"

#include <gtest/gtest.h>

#include <functional>

namespace stbsim {
namespace {

SimOptions Parse(const std::vector<std::string>& arguments) {
    std::string error;
    const std::optional<SimOptions> options = ParseSimOptions(arguments, &error);
    EXPECT_TRUE(options.has_value()) << error;
    return options.value_or(SimOptions{});
}

TEST(SimOptions, AModelSetsItsReceiverAndLaterOptionsWin) {
    const SimOptions a = Parse({"--model", "A"});
    EXPECT_EQ(a.family, Family::Qvr);
    EXPECT_EQ(a.checksumSize, 2) << "a preset without one takes the protocol's default";
    EXPECT_TRUE(a.bigEndian);
    EXPECT_EQ(a.startBlock, 3520);
    EXPECT_EQ(a.model, "A");
    EXPECT_EQ(Parse({}).startBlock, Parse({"--model", "default"}).startBlock);
    EXPECT_EQ(Parse({"--model", "A", "--checksum-size", "1"}).checksumSize, 1);
    EXPECT_EQ(Parse({"--checksum-size", "1", "--model", "A"}).checksumSize, 2);
}

TEST(SimOptions, EachModelOpensAReceiveAsItsReceiveDialogExpects) {
    // The dialog of an ST7100 receiver waits for it; the others send the access code.
    for (const char* model : {"D", "E", "default"})
        EXPECT_EQ(Parse({"--model", model}).offer, Offer::Prompt) << model;
    for (const char* model : {"A", "B", "C"})
        EXPECT_EQ(Parse({"--model", model}).offer, Offer::None) << model;
    EXPECT_EQ(Parse({}).offer, Offer::Prompt);
    EXPECT_EQ(Parse({"--offer", "none", "--model", "D"}).offer, Offer::None);
    EXPECT_EQ(Parse({"--model", "A", "--offer", "prompt"}).offer, Offer::Prompt);
    const std::string usage = SimUsage();
    EXPECT_NE(usage.find("prompt for models D, E, default"), std::string::npos) << usage;
    EXPECT_NE(usage.find("none for models A, B, C"), std::string::npos) << usage;
}

TEST(SimOptions, EachOptionSetsItsField) {
    const struct {
        std::vector<std::string> arguments;
        std::function<bool(const SimOptions&)> holds;
    } cases[] = {
        {{"--family", "st"}, [](auto& o) { return o.family == Family::St; }},
        {{"--eol", "lf"}, [](auto& o) { return o.eol == "\n"; }},
        {{"--offer", "knock"}, [](auto& o) { return o.offer == Offer::Knock; }},
        {{"--serve", "x.bin"}, [](auto& o) { return o.serveFile == "x.bin"; }},
        {{"--store", "y.bin"}, [](auto& o) { return o.storeFile == "y.bin"; }},
        {{"--port", "/dev/z"}, [](auto& o) { return o.device == "/dev/z"; }},
        {{"--store-corrupt-offset", "1023"}, [](auto& o) { return o.storeCorruptOffset == 1023; }},
        {{"--blocks", "0", "--baud", "9600"},
         [](auto& o) { return o.flashBlocks == 0 && o.baud == 9600; }},
        {{"--silent-block", "5", "--silent-ms", "10", "--seed", "9"},
         [](auto& o) { return o.silentBlock == 5 && o.silentMs == 10 && o.seed == 9u; }},
        {{"--big-endian", "--noise", "--fail-send", "--noise-flood", "--always-bad-checksum",
          "--offer-after-send", "--verbose"},
         [](auto& o) {
             return o.bigEndian && o.noiseImage && o.failSend && o.noiseFlood &&
                    o.alwaysBadChecksum && o.offerAfterSend && o.verbose;
         }},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(c.holds(Parse(c.arguments))) << c.arguments.front();
}

TEST(SimOptions, RefusesWhatItCannotPlay) {
    const struct {
        std::vector<std::string> arguments;
        const char* error;
    } cases[] = {
        {{"--checksum-size", "3"}, "bad or missing value for --checksum-size"},
        {{"--store-corrupt-offset", "1024"}, "bad or missing value for --store-corrupt-offset"},
        {{"--family", "dvb"}, "bad or missing value for --family"},
        {{"--eol", "crcr"}, "bad or missing value for --eol"},
        {{"--offer", "later"}, "bad or missing value for --offer"},
        {{"--model", "Z"}, "bad or missing value for --model"},
        {{"--blocks", "-1"}, "bad or missing value for --blocks"},
        {{"--baud", "12x"}, "bad or missing value for --baud"},
        {{"--seed"}, "bad or missing value for --seed"},
        {{"--verbose", "yes"}, "unknown option yes"},
        {{"-v"}, "unknown option -v"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseSimOptions(c.arguments, &error).has_value()) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

} // namespace
} // namespace stbsim
