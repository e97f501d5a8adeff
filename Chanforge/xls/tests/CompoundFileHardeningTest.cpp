// Hostile compound files: every inconsistency fails cleanly, nothing loops or reads out of range.
#include "chanforge/xls/CompoundFile.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace chanforge::xls {
namespace {

using test::Get32;
using test::Set32;

constexpr std::size_t kBig = 200000; // 391 regular sectors
constexpr std::size_t kSmall = 200;  // four mini sectors

/// Offsets into the base image, taken from its own header.
struct Layout {
    std::vector<std::uint8_t> img;
    std::size_t Sector(std::uint32_t id) const { return 512 + std::size_t{id} * 512; }
    std::size_t Entry(int i) const { return Sector(Get32(img, 48)) + 128 * i; }
    std::size_t FatEntry(std::uint32_t id) const { return Sector(Get32(img, 76)) + 4 * id; }
    std::size_t MiniFatEntry(std::uint32_t id) const { return Sector(Get32(img, 60)) + 4 * id; }
    std::uint32_t Start(int entry) const { return Get32(img, Entry(entry) + 116); }
};

Layout Base() {
    CompoundFileWriter w;
    w.MakeStream(u"Workbook");
    w.WriteStream(u"Workbook", std::vector<std::uint8_t>(kBig, 0x5A));
    w.MakeStream(u"Small");
    w.WriteStream(u"Small", std::vector<std::uint8_t>(kSmall, 0xA5));
    return Layout{w.Image()};
}

struct Mutation {
    const char* name;
    const char* stream;
    std::function<void(Layout&)> apply;
};

class HostileFiles : public ::testing::TestWithParam<Mutation> {};

TEST_P(HostileFiles, FailAsCorrupt) {
    Layout l = Base();
    GetParam().apply(l);
    std::u16string name(GetParam().stream, GetParam().stream + std::strlen(GetParam().stream));
    std::vector<std::uint8_t> out;
    EXPECT_EQ(ReadCompoundStream(l.img, name, out), CfbResult::Corrupt);
}

// A FAT sector that lists itself as a DIFAT sector: the chain loops.
void DifatLoop(Layout& l) {
    Set32(l.img, 44, 300);
    const std::uint32_t difat = 50;
    Set32(l.img, 68, difat);
    Set32(l.img, 72, 2);
    Set32(l.img, l.Sector(difat) + 508, difat);
}

INSTANTIATE_TEST_SUITE_P(
    CompoundFile, HostileFiles,
    ::testing::Values(
        Mutation{"ChainLoops", "Workbook",
                 [](Layout& l) { Set32(l.img, l.FatEntry(l.Start(1) + 5), l.Start(1)); }},
        Mutation{"StartBeyondFile", "Workbook",
                 [](Layout& l) { Set32(l.img, l.Entry(1) + 116, 0x00FFFFFF); }},
        Mutation{"SizeBeyondFile", "Workbook",
                 [](Layout& l) { Set32(l.img, l.Entry(1) + 120, 0x7FFFFFF0); }},
        Mutation{"ChainRunsIntoTheFat", "Workbook",
                 [](Layout& l) { Set32(l.img, l.Entry(1) + 116, 0); }},
        Mutation{"ChainEndsEarly", "Workbook",
                 [](Layout& l) { Set32(l.img, l.FatEntry(l.Start(1) + 3), 0xFFFFFFFE); }},
        Mutation{"DirectoryCycle", "Workbook",
                 [](Layout& l) {
                     Set32(l.img, l.Entry(0) + 76, 1);
                     Set32(l.img, l.Entry(1) + 68, 2);
                     Set32(l.img, l.Entry(2) + 72, 1);
                 }},
        Mutation{"ChildBeyondDirectory", "Workbook",
                 [](Layout& l) { Set32(l.img, l.Entry(0) + 76, 500); }},
        Mutation{"RootIsNotARoot", "Workbook", [](Layout& l) { l.img[l.Entry(0) + 66] = 1; }},
        Mutation{"DirectoryChainLoops", "Workbook",
                 [](Layout& l) { Set32(l.img, l.FatEntry(Get32(l.img, 48)), Get32(l.img, 48)); }},
        Mutation{"FatCountBeyondFile", "Workbook", [](Layout& l) { Set32(l.img, 44, 100000); }},
        Mutation{"FatSectorBeyondFile", "Workbook",
                 [](Layout& l) { Set32(l.img, 76, 0x00FFFFFF); }},
        Mutation{"DifatLoops", "Workbook", DifatLoop},
        Mutation{"HugeSectorShift", "Workbook", [](Layout& l) { l.img[30] = 30; }},
        Mutation{"MiniChainLoops", "Small",
                 [](Layout& l) { Set32(l.img, l.MiniFatEntry(l.Start(2) + 2), l.Start(2)); }},
        Mutation{"MiniStartBeyondMiniStream", "Small",
                 [](Layout& l) { Set32(l.img, l.Entry(2) + 116, 9999); }},
        Mutation{"MiniStreamSizeBeyondFile", "Small",
                 [](Layout& l) { Set32(l.img, l.Entry(0) + 120, 0x7FFFFFF0); }}),
    [](const auto& info) { return info.param.name; });

TEST(CompoundFileHardening, TruncatedFilesFailOrReadWithinBounds) {
    const Layout l = Base();
    for (std::size_t cut = 0; cut < l.img.size(); cut += 256) {
        const std::vector<std::uint8_t> part(l.img.begin(), l.img.begin() + cut);
        std::vector<std::uint8_t> out;
        const CfbResult r = ReadCompoundStream(part, u"Workbook", out);
        if (r == CfbResult::Ok) {
            EXPECT_EQ(out.size(), kBig) << cut; // a short last sector reads as zeros
        }
    }
}

TEST(CompoundFileHardening, RandomCorruptionNeverReadsMoreThanTheFileHolds) {
    const Layout base = Base();
    std::uint32_t seed = 12345;
    auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
    for (int i = 0; i < 3000; ++i) {
        std::vector<std::uint8_t> img = base.img;
        // Hit the header, the FAT and the directory more often than the data.
        const std::size_t area = (next() >> 8) % 3 == 0 ? img.size() : 2048;
        for (int k = 0; k < 4; ++k)
            img[(next() >> 8) % area] = static_cast<std::uint8_t>(next() >> 24);
        for (const char16_t* name : {u"Workbook", u"Small"}) {
            std::vector<std::uint8_t> out;
            if (ReadCompoundStream(img, name, out) == CfbResult::Ok) {
                EXPECT_LE(out.size(), img.size());
            }
        }
    }
}

} // namespace
} // namespace chanforge::xls
