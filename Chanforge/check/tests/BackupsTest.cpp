#include "chanforge/check/Backups.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace chanforge::check {
namespace {

constexpr std::int64_t kT0 = 1700000000000; // a fixed UTC time in ms

TEST(Backups, KeepsNewest20PerModelAndNeverReplaces) {
    QTemporaryDir dir;
    const BackupStore store(dir.path().toStdString());
    const std::vector<std::uint8_t> image{1, 2, 3};
    for (int i = 0; i < 22; ++i)
        ASSERT_TRUE(store.Keep(image, "D", kT0 + i * 1000).ok());
    ASSERT_TRUE(store.Keep(image, "Model E", kT0).ok());
    // The same image at the same time again: a second file, not a replaced one.
    const BackupResult again = store.Keep(image, "Model E", kT0);
    ASSERT_TRUE(again.ok());
    const auto d = store.List("D");
    ASSERT_EQ(d.size(), BackupStore::kKeptPerModel);
    EXPECT_EQ(d.front().msecsSinceEpoch, kT0 + 21 * 1000); // newest first
    EXPECT_EQ(d.back().msecsSinceEpoch, kT0 + 2 * 1000);   // the two oldest went
    EXPECT_EQ(store.List("Model E").size(), 2u);
    EXPECT_EQ(store.List().size(), 22u);
}

TEST(Backups, ReadChecksTheChecksum) {
    QTemporaryDir dir;
    const BackupStore store(dir.path().toStdString());
    const std::vector<std::uint8_t> image{9, 8, 7, 6};
    ASSERT_TRUE(store.Keep(image, "A", kT0).ok());
    const BackupEntry entry = store.List("A").at(0);
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(store.Read(entry, bytes).ok());
    EXPECT_EQ(bytes, image);
    QFile file(QString::fromStdString(entry.path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("x");
    file.close();
    EXPECT_EQ(store.Read(entry, bytes).status, BackupStatus::ChecksumMismatch);
}

TEST(Backups, UnwritableFolderIsAResult) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const BackupStore store(dir.filePath("file/backups").toStdString());
    EXPECT_EQ(store.Keep(std::vector<std::uint8_t>{1}, "A").status, BackupStatus::CannotWrite);
}

} // namespace
} // namespace chanforge::check
