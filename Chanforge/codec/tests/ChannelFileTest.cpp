// Channel-file header, the open/save conversions and the version-file checksum.
#include "chanforge/codec/ChannelFile.h"
#include "CodecTestSupport.h"
#include "chanforge/codec/FlashImageCodec.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

using namespace chanforge;
using namespace chanforge::codec;
using Bytes = std::vector<std::uint8_t>;

Bytes Of(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

Bytes ChannelFile(std::string_view infoAt16 = {}, std::size_t imageBytes = 10) {
    Bytes file = Of("QP  ");
    file.push_back(80);
    file.push_back(0);
    Bytes info(80, 0);
    std::copy(infoAt16.begin(), infoAt16.end(), info.begin() + 16);
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), imageBytes, 0xAB);
    return file;
}

TEST(ChannelHeader, ValidHeaderIsTakenWithItsVersionFlag) {
    HeaderState state;
    ASSERT_TRUE(ReadChannelHeader(ChannelFile("RIXA1.0"), state));
    EXPECT_TRUE(state.versionFile);
    EXPECT_EQ(state.info[16], 'R');
    EXPECT_EQ(state.info[20], '1');
    ASSERT_TRUE(ReadChannelHeader(ChannelFile("XIXA"), state));
    EXPECT_FALSE(state.versionFile);
}

TEST(ChannelHeader, BadHeadersLeaveTheHeldStateAlone) {
    HeaderState state;
    ASSERT_TRUE(ReadChannelHeader(ChannelFile("RIXA"), state));
    Bytes bigEndianLength = ChannelFile("OTHER");
    bigEndianLength[4] = 0;
    bigEndianLength[5] = 80;
    Bytes wrongMagic = ChannelFile("OTHER");
    wrongMagic[1] = 'X';
    Bytes truncated = ChannelFile("OTHER", 0);
    truncated.pop_back();
    for (const Bytes& bad : {bigEndianLength, wrongMagic, truncated}) {
        EXPECT_FALSE(ReadChannelHeader(bad, state));
        EXPECT_TRUE(state.versionFile);
        EXPECT_EQ(state.info[16], 'R');
    }
    EXPECT_TRUE(ReadChannelHeader(ChannelFile("OTHER", 0), state))
        << "an 86-byte file has a header";
}

TEST(WorkFileConversion, VersionFilesMoveIntoTheInfoBlock) {
    Bytes version = Of("RIXA");
    version.resize(64 + 100, 0x11);
    const Bytes work = ToWorkFile(version, HeaderState{});
    ASSERT_EQ(work.size(), 4 + 2 + 16 + version.size());
    EXPECT_EQ(Bytes(work.begin(), work.begin() + 6), (Bytes{'Q', 'P', ' ', ' ', 80, 0}));
    EXPECT_EQ(Bytes(work.begin() + 6, work.begin() + 22), Bytes(16, 0));
    EXPECT_EQ(Bytes(work.begin() + 22, work.end()), version);
    HeaderState state;
    ASSERT_TRUE(ReadChannelHeader(work, state));
    EXPECT_TRUE(state.versionFile);
}

TEST(WorkFileConversion, BareImagesGetTheHeldHeader) {
    HeaderState held;
    ASSERT_TRUE(ReadChannelHeader(ChannelFile("RIXA-held"), held));
    const Bytes bare(500, 0x42);
    const Bytes work = ToWorkFile(bare, held);
    ASSERT_EQ(work.size(), 86 + bare.size());
    EXPECT_EQ(Bytes(work.begin() + 6, work.begin() + 86),
              Bytes(held.info.begin(), held.info.end()));
    HeaderState after;
    ASSERT_TRUE(ReadChannelHeader(work, after));
    EXPECT_TRUE(after.versionFile) << "treated as a version file from then on";
}

TEST(SavedFileConversion, VersionFlagPutsTheVersionHeaderFirst) {
    HeaderState held;
    ASSERT_TRUE(ReadChannelHeader(ChannelFile("RIXA-version-header"), held));
    const Bytes work = ChannelFile("RIXA-version-header", 200);
    const Bytes saved = ToSavedFile(work, held);
    ASSERT_EQ(saved.size(), 64u + 200u);
    EXPECT_EQ(Bytes(saved.begin(), saved.begin() + 19), Of("RIXA-version-header"));
    EXPECT_EQ(saved[64], 0xAB);
    held.versionFile = false;
    EXPECT_EQ(ToSavedFile(work, held), work);
}

TEST(VersionChecksum, IsXmodemCrcOverTheZeroPaddedImage) {
    EXPECT_EQ(Crc16Xmodem(Of("123456789")), 0x31C3);
    Bytes file(64, 0);
    for (int i = 0; i < 1000; ++i)
        file.push_back(static_cast<std::uint8_t>(i * 7));
    Bytes padded(file.begin() + 64, file.end());
    padded.resize(1024, 0);
    EXPECT_EQ(VersionImageChecksum(file), Crc16Xmodem(padded));
    file.resize(64 + 1024, 0x55);
    EXPECT_EQ(VersionImageChecksum(file), Crc16Xmodem(Bytes(file.begin() + 64, file.end())))
        << "a whole number of 1 KiB blocks gets no padding";
    StampVersionChecksum(file);
    const std::uint16_t crc = VersionImageChecksum(file);
    EXPECT_EQ(file[61] | file[62] << 8, crc) << "little-endian at offset 61";
}

TEST(FlashImageCodecLoad, HeaderlessFileNeedsAYes) {
    const FlashLayout l = codectest::PresetLayout("D");
    auto image = codectest::WithChannels(l, {codectest::MakeChannel("Bare", 1, attr::kTV)});
    image[0] = 'Q'; // not "QP  " all the same

    tabstore::CQoDB db;
    DocumentValues values;
    HeaderState header;
    int asked = 0;
    const FlashImageCodec codec(l);
    const auto no = [&] {
        ++asked;
        return false;
    };
    EXPECT_EQ(codec.Load(image, {db, values, header}, no).status, CodecStatus::NoHeader);
    EXPECT_EQ(asked, 1);
    ASSERT_TRUE(codec.Load(image, {db, values, header}, [] { return true; }).ok());
    EXPECT_EQ(db.Size(kChannelTable), 1u) << "decoded with the block starts unchanged";
}

} // namespace
