#include "chanforge/xls/CompoundFile.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <numeric>

namespace chanforge::xls {
namespace {

using test::Get16;
using test::Get32;

constexpr std::uint32_t kEnd = 0xFFFFFFFE, kFree = 0xFFFFFFFF, kFatMark = 0xFFFFFFFD;

std::vector<std::uint8_t> Pattern(std::size_t n, unsigned seed = 7) {
    std::vector<std::uint8_t> v(n);
    for (std::size_t i = 0; i < n; ++i)
        v[i] = static_cast<std::uint8_t>((i * 131 + seed) ^ (i >> 9));
    return v;
}

std::vector<std::uint8_t> OneStream(const std::u16string& name,
                                    const std::vector<std::uint8_t>& data) {
    CompoundFileWriter w;
    EXPECT_TRUE(w.MakeStream(name));
    EXPECT_TRUE(w.WriteStream(name, data));
    return w.Image();
}

TEST(CompoundFile, NewFileHasTheFixedHeaderFatAndRootEntry) {
    const std::vector<std::uint8_t> img = CompoundFileWriter().Image();
    ASSERT_EQ(img.size(), 512u * 3);
    const std::vector<std::uint8_t> sig = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    EXPECT_TRUE(std::equal(sig.begin(), sig.end(), img.begin()));
    struct Field {
        std::size_t at;
        std::uint32_t value;
        bool wide;
    } fields[] = {{24, 0x3B, false},
                  {26, 3, false},
                  {28, 0xFFFE, false},
                  {30, 9, false},
                  {32, 6, false},
                  {40, 0, true},
                  {44, 1, true},
                  {48, 1, true},
                  {52, 0, true},
                  {56, 4096, true},
                  {60, kEnd, true},
                  {64, 0, true},
                  {68, kEnd, true},
                  {72, 0, true},
                  {76, 0, true},
                  {80, kFree, true},
                  {76 + 4 * 108, kFree, true}};
    for (const Field& f : fields)
        EXPECT_EQ(f.wide ? Get32(img, f.at) : Get16(img, f.at), f.value)
            << "header offset " << f.at;
    EXPECT_EQ(Get32(img, 512), kFatMark);
    EXPECT_EQ(Get32(img, 516), kEnd);
    EXPECT_EQ(Get32(img, 520), kFree);
    const std::size_t root = 1024;
    EXPECT_EQ(Get16(img, root), u'R');
    EXPECT_EQ(Get16(img, root + 64), 22); // "Root Entry" and its NUL
    EXPECT_EQ(img[root + 66], 5);
    EXPECT_EQ(img[root + 67], 1);
    EXPECT_EQ(Get32(img, root + 76), kFree); // no child
    EXPECT_EQ(Get32(img, root + 116), kEnd);
}

struct SizeCase {
    const char* label;
    std::size_t size;
    bool inMiniStream;
};

class StreamSizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(StreamSizes, RoundTripInTheRightStorage) {
    const SizeCase& c = GetParam();
    const auto data = Pattern(c.size);
    const auto img = OneStream(u"Workbook", data);
    EXPECT_EQ(Get32(img, 64) > 0, c.inMiniStream) << "mini FAT sectors";
    std::vector<std::uint8_t> back{1, 2}; // whatever was there goes
    ASSERT_EQ(ReadCompoundStream(img, u"Workbook", back), CfbResult::Ok);
    EXPECT_EQ(back, data);
}

INSTANTIATE_TEST_SUITE_P(CompoundFile, StreamSizes,
                         ::testing::Values(SizeCase{"empty", 0, false}, SizeCase{"one", 1, true},
                                           SizeCase{"mini", 64, true},
                                           SizeCase{"justMini", 4095, true},
                                           SizeCase{"regular", 4096, false},
                                           SizeCase{"oddRegular", 4097, false},
                                           SizeCase{"manySectors", 300000, false}),
                         [](const auto& info) { return info.param.label; });

TEST(CompoundFile, MoreThan109FatSectorsUseTheDifat) {
    const auto data = Pattern(8u << 20); // 16384 sectors need about 129 FAT sectors
    const auto img = OneStream(u"Workbook", data);
    const std::uint32_t fatSectors = Get32(img, 44);
    EXPECT_GT(fatSectors, 109u);
    EXPECT_EQ(Get32(img, 72), 1u); // one DIFAT sector holds 127 more FAT sector ids
    EXPECT_NE(Get32(img, 68), kEnd);
    std::vector<std::uint8_t> back;
    ASSERT_EQ(ReadCompoundStream(img, u"Workbook", back), CfbResult::Ok);
    EXPECT_TRUE(back == data);
}

TEST(CompoundFile, SeveralStreamsFormAValidTree) {
    CompoundFileWriter w;
    const std::vector<std::u16string> names = {u"Workbook", u"A",  u"zeta",
                                               u"Summary",  u"B2", u"Long name here"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        ASSERT_TRUE(w.MakeStream(names[i]));
        ASSERT_TRUE(w.WriteStream(names[i], Pattern(i * 1500, static_cast<unsigned>(i))));
    }
    EXPECT_FALSE(w.MakeStream(u"WORKBOOK")) << "names are unique regardless of case";
    EXPECT_FALSE(w.MakeStream(std::u16string(32, u'x')));
    EXPECT_FALSE(w.WriteStream(u"missing", {1}));
    const auto img = w.Image();
    CompoundFileReader r;
    ASSERT_EQ(r.Open(img), CfbResult::Ok);
    EXPECT_EQ(r.StreamNames().size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::vector<std::uint8_t> back;
        ASSERT_EQ(r.ReadStream(names[i], back), CfbResult::Ok);
        EXPECT_EQ(back, Pattern(i * 1500, static_cast<unsigned>(i)));
    }
    std::vector<std::uint8_t> back;
    EXPECT_EQ(ReadCompoundStream(img, u"SUMMARY", back), CfbResult::Ok)
        << "names compare without case";
    EXPECT_EQ(back, Pattern(3 * 1500, 3));
    EXPECT_EQ(ReadCompoundStream(img, u"Book", back), CfbResult::NoSuchStream);
}

TEST(CompoundFile, SignatureIsTheGate) {
    auto img = OneStream(u"Workbook", Pattern(5000));
    for (std::size_t at : {0u, 3u, 4u, 7u}) {
        auto bad = img;
        bad[at] ^= 0x20;
        std::vector<std::uint8_t> back;
        EXPECT_EQ(ReadCompoundStream(bad, u"Workbook", back), CfbResult::NotCompoundFile) << at;
    }
    std::vector<std::uint8_t> back;
    EXPECT_EQ(ReadCompoundStream(std::vector<std::uint8_t>(img.begin(), img.begin() + 8),
                                 u"Workbook", back),
              CfbResult::Corrupt);
    EXPECT_EQ(ReadCompoundStream({}, u"Workbook", back), CfbResult::NotCompoundFile);
}

} // namespace
} // namespace chanforge::xls
