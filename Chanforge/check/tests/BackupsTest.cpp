#include "chanforge/check/Backups.h"
#include "CheckFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

namespace chanforge::check {
namespace {

constexpr std::int64_t kT0 = 1700000000000; // a fixed UTC time in ms

const codec::FlashLayout& LayoutD() {
    static const codec::FlashLayout layout = test::Layout("D");
    return layout;
}

void WriteFile(const QString& path, const QByteArray& bytes = "x") {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

std::size_t Written(const std::vector<BackupEntry>& entries) {
    return static_cast<std::size_t>(std::count_if(
        entries.begin(), entries.end(), [](const BackupEntry& e) { return e.sequence > 0; }));
}

// The clock may jump back and files may be dropped in with times far ahead: what goes is the
// oldest written here, across restarts, and never a file this program did not write.
TEST(Backups, KeepsThe20WrittenLastWhateverTheNamesSay) {
    QTemporaryDir dir;
    QStringList foreign{"D_20991231-235959-999_0123456789abcdef_sent_1tv-0radio.bin"};
    for (int i = 0; i < 20; ++i)
        foreign << QStringLiteral("D_2099%1-000000-000_0123456789abcdef.bin")
                       .arg(1001 + i, 4, 10, QLatin1Char('0'));
    for (const QString& name : foreign)
        WriteFile(dir.filePath(name));
    const std::vector<std::uint8_t> image{1, 2, 3};
    // Written first, by another model of a name as long: it is not one of D's 20.
    ASSERT_TRUE(BackupStore(dir.path().toStdString())
                    .Keep(image, "A", BackupKind::Received, LayoutD(), kT0)
                    .ok());
    std::string last;
    for (int i = 0; i < 22; ++i) {
        const BackupStore store(dir.path().toStdString()); // a restart before each
        const BackupResult kept =
            store.Keep(image, "D", BackupKind::Received, LayoutD(), kT0 - i * 1000);
        ASSERT_TRUE(kept.ok()) << kept.detail;
        ASSERT_TRUE(QFile::exists(QString::fromStdString(kept.path)));
        last = kept.path;
    }
    const BackupStore store(dir.path().toStdString());
    ASSERT_TRUE(store.Keep(image, "Model E", BackupKind::Sent, LayoutD(), kT0).ok());
    // The same image at the same time again: a second file, not a replaced one.
    ASSERT_TRUE(store.Keep(image, "Model E", BackupKind::Sent, LayoutD(), kT0).ok());

    const auto d = store.List("D");
    EXPECT_EQ(Written(d), BackupStore::kKeptPerModel);
    EXPECT_EQ(d.front().path, last);                      // newest written first
    EXPECT_EQ(d.at(19).msecsSinceEpoch, kT0 - 2 * 1000);  // the two written first went
    EXPECT_EQ(d.size(), BackupStore::kKeptPerModel + 21); // the dropped-in ones stay
    for (const QString& name : foreign)
        EXPECT_TRUE(QFile::exists(dir.filePath(name))) << name.toStdString();
    EXPECT_EQ(store.List("Model E").size(), 2u);
    EXPECT_EQ(store.List("A").size(), 1u);
}

TEST(Backups, ListsRegularFilesOnly) {
    QTemporaryDir dir;
    const BackupStore store(dir.path().toStdString());
    ASSERT_TRUE(store.Keep(std::vector<std::uint8_t>{1}, "D", BackupKind::Sent, LayoutD()).ok());
    const std::string kept = store.List("D").at(0).path;
    const QString name = "D_20231114-221320-000_0123456789abcdef";
    ASSERT_TRUE(QFile::link(QString::fromStdString(kept), dir.filePath(name + "-2.bin")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath(name + "-3.bin")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(name + "-4.bin"));
    ASSERT_EQ(store.List("D").size(), 1u);
    EXPECT_EQ(store.List("D").at(0).path, kept);
}

// Read hands back the very bytes it checked; a damaged newest backup gives way to the newest
// intact one and is named.
TEST(Backups, ReadChecksTheChecksumAndFallsBackToTheNewestIntact) {
    QTemporaryDir dir;
    const BackupStore store(dir.path().toStdString());
    const std::vector<std::uint8_t> older{9, 8, 7, 6}, newer{5, 4};
    ASSERT_TRUE(store.Keep(older, "A", BackupKind::Received, LayoutD(), kT0).ok());
    ASSERT_TRUE(store.Keep(newer, "A", BackupKind::Sent, LayoutD(), kT0).ok());
    const BackupEntry newest = store.List("A").at(0);
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(store.Read(newest, bytes).ok());
    EXPECT_EQ(bytes, newer);

    WriteFile(QString::fromStdString(newest.path), "x");
    EXPECT_EQ(store.Read(newest, bytes).status, BackupStatus::ChecksumMismatch);
    IntactBackup intact = store.ReadNewestIntact("A", bytes);
    ASSERT_TRUE(intact.result.ok());
    ASSERT_TRUE(intact.used);
    EXPECT_EQ(intact.used->kind, BackupKind::Received);
    EXPECT_EQ(bytes, older);
    ASSERT_EQ(intact.damaged.size(), 1u);
    EXPECT_EQ(intact.damaged[0].path, newest.path);

    QFile::remove(QString::fromStdString(intact.used->path));
    EXPECT_FALSE(store.ReadNewestIntact("A", bytes).used);
}

TEST(Backups, UnwritableFolderIsAResult) {
    QTemporaryDir dir;
    WriteFile(dir.filePath("file"));
    const BackupStore store(dir.filePath("file/backups").toStdString());
    EXPECT_EQ(store.Keep(std::vector<std::uint8_t>{1}, "A", BackupKind::Sent, LayoutD()).status,
              BackupStatus::CannotWrite);
}

} // namespace
} // namespace chanforge::check
