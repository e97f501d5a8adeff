// Every image received from or sent to a receiver, or read back after a send, kept with its
// time, model, kind, channel counts and checksum in the per-user data folder. A backup never
// replaces a file; past 20 per model the oldest this program wrote go, in the order it wrote
// them, so a clock that was wrong or a file dropped into the folder never costs a new backup.
#pragma once

#include "chanforge/codec/FlashLayout.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace chanforge::check {

enum class BackupKind {
    Unknown, ///< kept before kinds were, or a name this program did not give
    Received,
    Sent,
    ReadBack, ///< received again right after a send, to verify it
};

struct ChannelCounts {
    std::size_t tv = 0;
    std::size_t radio = 0;

    bool operator==(const ChannelCounts&) const = default;
};

struct BackupEntry {
    std::string path;
    std::string model;
    std::int64_t msecsSinceEpoch = 0; ///< UTC time the image was kept
    std::string checksum;             ///< first 16 hex digits of the image's SHA-256
    BackupKind kind = BackupKind::Unknown;
    std::optional<ChannelCounts> channels; ///< none when the image did not decode
    /// Place in the order this program wrote its backups; 0 for a file it has no record of.
    std::uint64_t sequence = 0;
};

enum class BackupStatus { Ok, CannotWrite, CannotRead, ChecksumMismatch, NoneIntact };

struct [[nodiscard]] BackupResult {
    BackupStatus status = BackupStatus::Ok;
    std::string path;   ///< the backup written or read
    std::string detail; ///< what went wrong, for the operator

    bool ok() const { return status == BackupStatus::Ok; }
};

/// The newest backup whose bytes still match their checksum, and the newer ones that did not.
struct IntactBackup {
    BackupResult result;
    std::optional<BackupEntry> used;
    std::vector<BackupEntry> damaged; ///< newest first
};

class BackupStore {
  public:
    static constexpr std::size_t kKeptPerModel = 20;

    /// folder empty: the environment variable CHANFORGE_BACKUP_DIR, else "backups" in the
    /// platform's per-user application data folder.
    explicit BackupStore(std::string folder = {});

    /// Where the backups are kept, with the log of every unit a send to several receivers
    /// programmed.
    const std::string& Folder() const { return folder_; }

    /// Keeps a copy of the image (a whole channel file) for the model, its channels counted
    /// with the layout, then drops that model's oldest backups written here past the newest 20.
    /// msecsSinceEpoch < 0 means now.
    BackupResult Keep(std::span<const std::uint8_t> image, std::string_view model, BackupKind kind,
                      const codec::FlashLayout& layout, std::int64_t msecsSinceEpoch = -1) const;
    /// The backups of one model (every model when empty), regular files only: those written
    /// here newest first in the order they were written, then any others newest first by time.
    std::vector<BackupEntry> List(std::string_view model = {}) const;
    /// Reads a backup once, refusing one whose bytes no longer match its checksum; the bytes
    /// are the ones checked, to be decoded as they are.
    BackupResult Read(const BackupEntry& entry, std::vector<std::uint8_t>& bytes) const;
    /// Reads the newest intact backup of the model into bytes.
    IntactBackup ReadNewestIntact(std::string_view model, std::vector<std::uint8_t>& bytes) const;

  private:
    std::string folder_;
};

} // namespace chanforge::check
