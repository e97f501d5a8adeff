// Open and Save to file as the main window and the command line run them.
#include "chanforge/document/Document.h"
#include "CodecTestSupport.h"
#include "chanforge/TableAccess.h"
#include "chanforge/codec/FlashImage.h"
#include "policy/Presets.h"
#include "samplegen/SampleImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using namespace chanforge;
using namespace chanforge::codec;
using namespace chanforge::document;
using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

class DocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("chanforge-doc-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const char* name) const { return (dir_ / name).string(); }

    static Bytes Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    static void Write(const std::string& path, const Bytes& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }

    /// A flash image of the layout with named favourite groups and a few channels.
    Bytes Image(int channels) const {
        tabstore::CQoDB db;
        for (std::uint32_t i = 0; i < layout_.favoriteCount; ++i) {
            auto fav = codectest::ZeroRecord<Favorite_Info_Tag>();
            std::snprintf(fav.Name, sizeof fav.Name, "Group %u", i + 1);
            codectest::AppendCopy(db, kFavoriteTable, fav);
        }
        for (int i = 0; i < channels; ++i)
            codectest::AppendCopy(db, kChannelTable,
                                  codectest::MakeChannel("Channel", 1 + i, attr::kTV));
        Bytes image(layout_.ImageSize(), 0);
        EXPECT_TRUE(EncodeImage(image, layout_, db, DocumentValues{}).ok());
        return image;
    }

    static Bytes VersionFile(const Bytes& image) {
        Bytes file = {'R', 'I', 'X', 'A'};
        file.resize(64, 0x20);
        file.insert(file.end(), image.begin(), image.end());
        return file;
    }

    FlashLayout layout_ = codectest::PresetLayout("D");
    fs::path dir_;
};

TEST(WorkbookPaths, ExtensionIsCaseSensitiveAndNeedsAName) {
    EXPECT_TRUE(IsWorkbookPath("/data/list.xls"));
    EXPECT_TRUE(IsWorkbookPath("list.cvs"));
    EXPECT_FALSE(IsWorkbookPath("table.XLS"));
    // Relative names (a.xls, as the file dialog hands them): CliTest converts through them.
    EXPECT_FALSE(IsWorkbookPath("/.xls")) << "full stop at position 1";
    EXPECT_FALSE(IsWorkbookPath("list.xls.bin"));
    EXPECT_FALSE(IsWorkbookPath("list."));
}

TEST_F(DocumentTest, VersionFileSavesAsVersionFileWithItsChecksum) {
    Write(Path("in.bin"), VersionFile(Image(3)));
    Document doc(layout_);
    ASSERT_TRUE(doc.Open(Path("in.bin")).ok());
    EXPECT_TRUE(doc.Header().versionFile);
    EXPECT_EQ(doc.Store().Size(kChannelTable), 3u);

    ASSERT_TRUE(doc.SaveToFile(Path("out.bin")).ok());
    const Bytes saved = Read(Path("out.bin"));
    ASSERT_GT(saved.size(), 64u);
    EXPECT_EQ(Bytes(saved.begin(), saved.begin() + 4), (Bytes{'R', 'I', 'X', 'A'}));
    EXPECT_EQ(saved.size(), 64 + layout_.ImageSize()) << "no channel-file header inside";
    EXPECT_EQ(saved[61] | saved[62] << 8, VersionImageChecksum(saved));

    Document again(layout_);
    ASSERT_TRUE(again.Open(Path("out.bin")).ok());
    EXPECT_EQ(codectest::Snapshot(again.Store()), codectest::Snapshot(doc.Store()));
}

TEST_F(DocumentTest, ChannelFileSavesAsChannelFile) {
    Bytes file = {'Q', 'P', ' ', ' ', 80, 0};
    file.resize(86, 0x07);
    const Bytes image = Image(2);
    file.insert(file.end(), image.begin(), image.end());
    Write(Path("in.bin"), file);
    Document doc(layout_);
    const DocResult opened = doc.Open(std::vector{Path("in.bin")});
    ASSERT_TRUE(opened.ok());
    EXPECT_EQ(opened.tables, TableScope::AllTables);
    EXPECT_FALSE(doc.Header().versionFile);
    const DocResult saved = doc.SaveToFile(Path("out.bin"));
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.tables, TableScope::AllTables);
    EXPECT_EQ(Read(Path("out.bin")), file) << "nothing changed, so the same bytes";
    // A workbook holds the channel table alone, and the result says so both ways.
    const DocResult exported = doc.SaveToFile(Path("list.xls"));
    ASSERT_TRUE(exported.ok());
    EXPECT_EQ(exported.tables, TableScope::ChannelTable);
    const DocResult imported = doc.Open(Path("list.xls"));
    ASSERT_TRUE(imported.ok());
    EXPECT_EQ(imported.tables, TableScope::ChannelTable);
    EXPECT_EQ(doc.Store().Size(kChannelTable), 2u);
}

TEST_F(DocumentTest, WorkbookNamesLongerThanTheModelKeepsRefuseTheImportUnlessCut) {
    Document wide(FlashLayout::FromPreset(*policy::FindPreset("default")));
    for (const char* name : {"Kurz", "Fernsehsender 001", "Fernsehsender 002"})
        codectest::AppendCopy(wide.Store(), kChannelTable,
                              codectest::MakeChannel(name, 1, attr::kTV));
    ASSERT_TRUE(wide.SaveToFile(Path("wide.xls")).ok());
    Document narrow(FlashLayout::FromPreset(*policy::FindPreset("D")));
    codectest::AppendCopy(narrow.Store(), kChannelTable,
                          codectest::MakeChannel("Before", 1, attr::kTV));
    const DocResult refused = narrow.Open(Path("wide.xls"));
    EXPECT_EQ(refused.status, DocStatus::WorkbookFailed);
    EXPECT_EQ(refused.detail,
              "Sheet \"Channel\", row 3, column N (Name): \"Fernsehsender 001\" is "
              "longer than the 15 characters the receiver keeps of a name; rows 3, 4");
    ASSERT_EQ(narrow.Store().Size(kChannelTable), 1u);
    EXPECT_STREQ(GetRow<Channel_Info_Tag>(narrow.Store(), kChannelTable, 1)->Name, "Before");
    narrow.CutLongNames(true);
    ASSERT_TRUE(narrow.Open(Path("wide.xls")).ok());
    std::vector<std::string> names;
    ForEachRow<Channel_Info_Tag>(narrow.Store(), kChannelTable,
                                 [&](const Channel_Info_Tag& ch) { names.emplace_back(ch.Name); });
    EXPECT_EQ(names, (std::vector<std::string>{"Kurz", "Fernsehsender 0", "Fernsehsender 0"}));
}

TEST_F(DocumentTest, FailedSaveLeavesTheOldFileAndSaysWhy) {
    Write(Path("in.bin"), VersionFile(Image(1)));
    Write(Path("out.bin"), Bytes{1, 2, 3});
    FlashLayout small = layout_;
    Document doc(small);
    ASSERT_TRUE(doc.Open(Path("in.bin")).ok());
    for (int i = 0; i < 8000; ++i)
        codectest::AppendCopy(doc.Store(), kChannelTable,
                              codectest::MakeChannel("More", 2 + i, attr::kTV));
    const DocResult r = doc.SaveToFile(Path("out.bin"));
    EXPECT_EQ(r.status, DocStatus::SaveFailed);
    EXPECT_EQ(r.message, "Cannot save channel file");
    EXPECT_NE(r.detail.find("channel table"), std::string::npos) << r.detail;
    EXPECT_EQ(Read(Path("out.bin")), (Bytes{1, 2, 3}));
    EXPECT_FALSE(fs::exists(Path("new.bin")));
    EXPECT_FALSE(doc.SaveToFile(Path("new.bin")).ok());
    EXPECT_FALSE(fs::exists(Path("new.bin"))) << "no half-written file appears";
}

TEST_F(DocumentTest, UnreadableAndMalformedFilesFailToOpen) {
    Write(Path("empty.bin"), {});
    Bytes headerOnly = {'Q', 'P', ' ', ' ', 80, 0};
    headerOnly.resize(86, 0);
    Write(Path("header-only.bin"), headerOnly);
    Bytes truncated = Image(5);
    truncated.resize(truncated.size() / 2);
    Write(Path("truncated.bin"), truncated);
    Write(Path("open.bin"), VersionFile(Image(3)));
    Document doc(layout_);
    ASSERT_TRUE(doc.Open(Path("open.bin")).ok());
    const Bytes work = Read(doc.WorkFilePath());
    for (const char* name : {"missing.bin", "empty.bin", "header-only.bin", "truncated.bin"}) {
        const DocResult r = doc.Open(Path(name));
        EXPECT_EQ(r.status, DocStatus::OpenFailed) << name;
        EXPECT_EQ(r.message, "Cannot open or invalid version file") << name;
        // The database that was open stays open, whole.
        EXPECT_EQ(doc.Store().Size(kChannelTable), 3u) << name;
        EXPECT_EQ(doc.Store().Size(kFavoriteTable), layout_.favoriteCount) << name;
        EXPECT_TRUE(doc.Header().versionFile) << name;
        EXPECT_EQ(Read(doc.WorkFilePath()), work) << name;
    }
    // A workbook that does not open leaves the channel file's state alike.
    EXPECT_EQ(doc.Open(Path("missing.xls")).status, DocStatus::WorkbookFailed);
    EXPECT_TRUE(doc.Header().versionFile);
    EXPECT_EQ(doc.Store().Size(kChannelTable), 3u);
}

// Another model's file is refused by name and changes nothing; opened as that model it reads
// whole, and the document works in that model from then on.
TEST_F(DocumentTest, AnotherModelsFileIsRefusedUntilOpenedAsThatModel) {
    std::vector<std::uint8_t> other;
    ASSERT_TRUE(samplegen::BuildImage(codectest::PresetLayout("D"), other, nullptr));
    Write(Path("d.bin"), other);
    Write(Path("a.bin"), [] {
        std::vector<std::uint8_t> own;
        EXPECT_TRUE(samplegen::BuildImage(codectest::PresetLayout("A"), own, nullptr));
        return own;
    }());
    Document doc(Model::Of(*policy::FindPreset("A")));
    ASSERT_TRUE(doc.Open(Path("a.bin")).ok());
    const std::size_t channels = doc.Store().Size(kChannelTable);
    const Bytes work = Read(doc.WorkFilePath());

    const DocResult refused = doc.Open(Path("d.bin"));
    EXPECT_EQ(refused.status, DocStatus::OtherModel);
    EXPECT_EQ(refused.likelyModels, std::vector<std::string>{"D"});
    EXPECT_EQ(doc.Store().Size(kChannelTable), channels);
    EXPECT_EQ(Read(doc.WorkFilePath()), work);
    EXPECT_EQ(doc.AdoptImage(other).status, DocStatus::OtherModel) << "bytes handed over alike";

    doc.ChangeModel(Model::Of(*policy::FindPreset("D")));
    ASSERT_TRUE(doc.Open(Path("d.bin")).ok());
    EXPECT_EQ(doc.GetModel().Name(), "D");
    EXPECT_EQ(doc.Layout().ch.chunk, codectest::PresetLayout("D").ch.chunk);
    ASSERT_TRUE(doc.SaveToFile(Path("d-again.bin")).ok());
    EXPECT_EQ(Read(Path("d-again.bin")), other) << "saved in the model it was opened as";
}

TEST_F(DocumentTest, WorkFileLivesWithTheDocument) {
    std::string work;
    {
        Document doc(layout_);
        work = doc.WorkFilePath();
        ASSERT_FALSE(work.empty());
        EXPECT_TRUE(fs::exists(work));
        Write(Path("in.bin"), Image(1));
        EXPECT_FALSE(doc.Open(Path("in.bin")).ok()) << "a bare image without a Yes";
        std::string asked;
        doc.SetQuestionHandler([&](const std::string& q) {
            asked = q;
            return true;
        });
        ASSERT_TRUE(doc.Open(Path("in.bin")).ok());
        EXPECT_EQ(asked, "Cannot read file header. Continue?");
        EXPECT_EQ(Read(work).size(), 86 + layout_.ImageSize()) << "bare image got a header";
        Write(doc.ReceivedPath(), Image(1)); // a receive the operator did not take
    }
    EXPECT_FALSE(fs::exists(work));
    EXPECT_FALSE(fs::exists(work + ".received"));
}

TEST_F(DocumentTest, SendNeedsChannelsAndFavouriteGroups) {
    Document doc(layout_);
    codectest::AppendCopy(doc.Store(), kChannelTable, codectest::MakeChannel("TV", 1, attr::kTV));
    const DocResult r = doc.PrepareSend();
    EXPECT_EQ(r.status, DocStatus::UploadEmpty);
    EXPECT_EQ(r.message, "Upload data is empty or invalid");
    codectest::AppendCopy(doc.Store(), kFavoriteTable, codectest::ZeroRecord<Favorite_Info_Tag>());
    ASSERT_TRUE(doc.PrepareSend().ok());
    const Bytes work = Read(doc.WorkFilePath());
    EXPECT_EQ(Bytes(work.begin(), work.begin() + 4), (Bytes{'Q', 'P', ' ', ' '}));
    // A received image is taken only once it decodes; then it is the work file. Taken or not,
    // the received file is gone.
    Write(doc.ReceivedPath(), Bytes{1, 2, 3});
    EXPECT_FALSE(doc.AdoptReceived().ok());
    EXPECT_FALSE(fs::exists(doc.ReceivedPath()));
    EXPECT_EQ(Read(doc.WorkFilePath()), work);
    EXPECT_EQ(doc.AdoptReceived().status, DocStatus::OpenFailed) << "nothing was received";
    Write(doc.ReceivedPath(), work);
    doc.Store().ClearAll();
    const DocResult adopted = doc.AdoptReceived();
    ASSERT_TRUE(adopted.ok());
    EXPECT_EQ(adopted.tables, TableScope::AllTables);
    EXPECT_FALSE(fs::exists(doc.ReceivedPath()));
    EXPECT_EQ(doc.Store().Size(kChannelTable), 1u);
}

} // namespace
