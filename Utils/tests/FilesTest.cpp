#include "utils/Files.h"
#include "utils/TempFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::vector<std::uint8_t> kNew{'n', 'e', 'w'};

class FilesTest : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("chanforge-files-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const char* name) const { return (dir_ / name).string(); }
    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path) << text;
    }
    static std::string Text(const std::string& path) {
        std::ifstream in(path);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static unsigned Mode(const std::string& path) {
        struct stat st {};
        ::stat(path.c_str(), &st);
        return st.st_mode & 07777;
    }
    /// Everything in the folder: no temporary file may be left behind.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
};

TEST_F(FilesTest, ReplacesTheContentAndLeavesNoTemporaryFile) {
    Write(Path("a.bin"), "old content");
    EXPECT_TRUE(utils::ReplaceFile(Path("a.bin"), kNew).ok());
    EXPECT_TRUE(utils::ReplaceFile(Path("b.bin"), kNew).ok());
    EXPECT_EQ(Text(Path("a.bin")), "new");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"a.bin", "b.bin"}));
}

TEST_F(FilesTest, SignalDuringAReplaceRemovesTheTemporaryFile) {
    const std::vector<std::uint8_t> large(16 << 20, 'x');
    for (int round = 0; round < 4; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            utils::TidyTempFiles(); // installs the signal handling, as every program does
            // A failed write ends the child unsignalled, which the parent reports.
            while (utils::ReplaceFile(Path("large.bin"), large).ok()) {
            }
            ::_exit(1);
        }
        ::usleep(30000 + 20000 * round);
        ::kill(child, round % 2 ? SIGINT : SIGTERM);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status)) << "round " << round;
        for (const std::string& name : Entries())
            EXPECT_EQ(name, "large.bin") << "round " << round;
    }
}

TEST_F(FilesTest, TemporaryOfAKilledWriterGoesAtTheNextStart) {
    const std::string tmp = Path("tmp");
    fs::create_directory(tmp);
    const char* oldTmp = std::getenv("TMPDIR");
    const std::string savedTmp = oldTmp != nullptr ? oldTmp : "";
    ::setenv("TMPDIR", tmp.c_str(), 1);
    // A record planted for a gone process that names a file of another name: the file stays.
    Write(Path("keep.bin"), "mine");
    Write(tmp + "/chanforge-beside-2147483646-0", Path("keep.bin"));
    const std::vector<std::uint8_t> large(16 << 20, 'x');
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        while (utils::ReplaceFile(Path("large.bin"), large).ok()) {
        }
        ::_exit(1);
    }
    const auto temporaries = [this] {
        std::vector<std::string> names;
        for (const std::string& name : Entries())
            if (name.ends_with(".tmp"))
                names.push_back(name);
        return names;
    };
    for (int wait = 0; wait < 2000 && temporaries().empty(); ++wait)
        ::usleep(1000);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ASSERT_FALSE(temporaries().empty()) << "the writer was killed before it wrote";
    utils::TidyTempFiles();
    EXPECT_EQ(temporaries(), std::vector<std::string>{});
    EXPECT_TRUE(fs::is_empty(tmp));
    EXPECT_EQ(Text(Path("keep.bin")), "mine");
    if (oldTmp != nullptr)
        ::setenv("TMPDIR", savedTmp.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
}

TEST_F(FilesTest, ReplacesWhatASymbolicLinkPointsAtAndKeepsTheLink) {
    Write(Path("real.bin"), "old");
    fs::create_symlink("real.bin", Path("link.bin"));
    ASSERT_TRUE(utils::ReplaceFile(Path("link.bin"), kNew).ok());
    EXPECT_TRUE(fs::is_symlink(Path("link.bin")));
    EXPECT_EQ(Text(Path("real.bin")), "new");
}

TEST_F(FilesTest, KeepsThePermissionsOfTheFileItReplaces) {
    Write(Path("a.bin"), "old");
    ::chmod(Path("a.bin").c_str(), 0640);
    ASSERT_TRUE(utils::ReplaceFile(Path("a.bin"), kNew).ok());
    EXPECT_EQ(Mode(Path("a.bin")), 0640u);
}

TEST_F(FilesTest, RefusesAReadOnlyFileEvenForRoot) {
    Write(Path("a.bin"), "old");
    ::chmod(Path("a.bin").c_str(), 0444);
    const utils::FileResult r = utils::ReplaceFile(Path("a.bin"), kNew);
    EXPECT_EQ(r.status, utils::FileStatus::ReadOnly);
    EXPECT_NE(r.message.find("read-only"), std::string::npos) << r.message;
    EXPECT_EQ(Text(Path("a.bin")), "old");
    EXPECT_EQ(Entries(), std::vector<std::string>{"a.bin"});
}

TEST_F(FilesTest, RefusesToReadOrReplaceWhatIsNotARegularFile) {
    struct Case {
        const char* name;
        std::function<bool(const std::string&)> make; ///< false: cannot be made here, skip
    };
    const Case cases[] = {
        {"folder", [](const std::string& p) { return fs::create_directory(p); }},
        {"fifo", [](const std::string& p) { return ::mkfifo(p.c_str(), 0644) == 0; }},
        {"device",
         [](const std::string& p) {
             // /dev/null's numbers; only root may make device nodes.
             return ::geteuid() == 0 && ::mknod(p.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
         }},
    };
    for (const Case& c : cases) {
        const std::string path = Path(c.name);
        if (!c.make(path)) {
            std::cout << "skipped " << c.name << ": cannot be made without root\n";
            continue;
        }
        const auto type = fs::status(path).type();
        std::vector<std::uint8_t> bytes;
        EXPECT_EQ(utils::ReadWholeFile(path, bytes).status, utils::FileStatus::NotRegularFile)
            << c.name;
        EXPECT_EQ(utils::ReplaceFile(path, kNew).status, utils::FileStatus::NotRegularFile)
            << c.name;
        EXPECT_EQ(fs::status(path).type(), type) << c.name << " was replaced";
    }
}

TEST_F(FilesTest, WriteNewFileNeverReplaces) {
    Write(Path("a.bin"), "old");
    EXPECT_EQ(utils::WriteNewFile(Path("a.bin"), kNew).status, utils::FileStatus::Exists);
    EXPECT_TRUE(utils::WriteNewFile(Path("b.bin"), kNew).ok());
    EXPECT_EQ(Text(Path("a.bin")), "old");
    EXPECT_EQ(Text(Path("b.bin")), "new");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"a.bin", "b.bin"}));
}

TEST_F(FilesTest, ReadRefusesAFileBeyondTheLimit) {
    Write(Path("a.bin"), "12345");
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(utils::ReadWholeFile(Path("a.bin"), bytes, 4).status, utils::FileStatus::TooLarge);
    EXPECT_TRUE(utils::ReadWholeFile(Path("a.bin"), bytes, 5).ok());
    EXPECT_EQ(bytes.size(), 5u);
    EXPECT_EQ(utils::ReadWholeFile(Path("missing"), bytes).status, utils::FileStatus::CannotRead);
}

} // namespace
