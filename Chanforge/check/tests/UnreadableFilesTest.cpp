// Compare and restore read their files through the one reader: anything but a regular file is
// refused at once, where a FIFO without a writer would hold the window for good.
#include "CheckFixture.h"
#include "chanforge/check/Backups.h"
#include "chanforge/check/ImageDiff.h"
#include "chanforge/codec/FlashImageCodec.h"
#include "utils/Files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace chanforge::check {
namespace {

using namespace std::chrono_literals;

std::string MakeFifo(const QTemporaryDir& dir) {
    const std::string path = dir.filePath("fifo").toStdString();
    EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0) << std::strerror(errno);
    return path;
}

/// Runs read on a thread of its own; false when it still waits after two seconds. A writer then
/// opens the FIFO for a moment, which releases a reader stuck in open, so that the test ends.
bool ReturnsInTime(const std::string& fifo, const std::function<void()>& read) {
    std::packaged_task<void()> task(read);
    std::future<void> done = task.get_future();
    std::thread reader(std::move(task));
    const bool inTime = done.wait_for(2s) == std::future_status::ready;
    while (done.wait_for(10ms) != std::future_status::ready)
        if (const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK); fd >= 0)
            ::close(fd);
    reader.join();
    return inTime;
}

TEST(UnreadableFiles, CompareWithAFifoIsRefusedAtOnce) {
    const QTemporaryDir dir;
    const std::string fifo = MakeFifo(dir);
    test::Fixture f;
    ImageDiff diff;
    EXPECT_TRUE(ReturnsInTime(fifo, [&] { diff = DiffFileToStore(fifo, f.db, f.layout); }));
    EXPECT_FALSE(diff.readable);
    EXPECT_FALSE(diff.ok);
    EXPECT_EQ(diff.detail, "not a regular file: " + fifo);
}

TEST(UnreadableFiles, RestoringAFifoIsRefusedAtOnce) {
    const QTemporaryDir dir;
    const std::string fifo = MakeFifo(dir);
    const BackupStore store(dir.path().toStdString());
    BackupResult read;
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(ReturnsInTime(fifo, [&] {
        read = store.Read(BackupEntry{fifo, "D", 0, "0123456789abcdef", {}, {}, 0}, bytes);
    }));
    EXPECT_EQ(read.status, BackupStatus::CannotRead);
}

TEST(UnreadableFiles, CompareReadsAChannelFileAndNothingElse) {
    const QTemporaryDir dir;
    test::Fixture f;
    std::vector<std::uint8_t> file;
    codec::HeaderState header;
    codec::WriteChannelHeader(file, header);
    ASSERT_TRUE(codec::FlashImageCodec(f.layout).Save(file, false, {f.db, f.values, header}).ok());
    const std::string path = dir.filePath("kept.bin").toStdString();
    ASSERT_TRUE(utils::WriteNewFile(path, file).ok());

    EXPECT_TRUE(DiffFileToStore(path, f.db, f.layout).ok);
    EXPECT_TRUE(DiffFileToStore(path, f.db, f.layout).changes.empty());
    std::snprintf(f.Channel(f.Row("Beta")).Name, sizeof(Channel_Info_Tag::Name), "Renamed");
    EXPECT_EQ(DiffFileToStore(path, f.db, f.layout).changes.size(), 1u);
    for (const std::string& unreadable : {dir.path().toStdString(), path + ".missing"}) {
        const ImageDiff diff = DiffFileToStore(unreadable, f.db, f.layout);
        EXPECT_FALSE(diff.readable) << unreadable;
        EXPECT_FALSE(diff.ok) << unreadable;
    }
}

} // namespace
} // namespace chanforge::check
