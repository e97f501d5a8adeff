// Every image received from or sent to a receiver, kept with its time, model and checksum in
// the per-user data folder, the newest 20 per model. A backup never replaces a file.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace chanforge::check {

struct BackupEntry {
    std::string path;
    std::string model;
    std::int64_t msecsSinceEpoch = 0; ///< UTC time the image was kept
    std::string checksum;             ///< first 16 hex digits of the image's SHA-256
};

enum class BackupStatus { Ok, CannotWrite, CannotRead, ChecksumMismatch };

struct BackupResult {
    BackupStatus status = BackupStatus::Ok;
    std::string path;   ///< the backup written or read
    std::string detail; ///< what went wrong, for the operator

    bool ok() const { return status == BackupStatus::Ok; }
};

class BackupStore {
  public:
    static constexpr std::size_t kKeptPerModel = 20;

    /// folder empty: the environment variable CHANFORGE_BACKUP_DIR, else "backups" in the
    /// platform's per-user application data folder.
    explicit BackupStore(std::string folder = {});

    const std::string& Folder() const { return folder_; }

    /// Keeps a copy of the image (a whole channel file) for the model, then drops that model's
    /// backups past the newest 20. msecsSinceEpoch < 0 means now.
    BackupResult Keep(std::span<const std::uint8_t> image, std::string_view model,
                      std::int64_t msecsSinceEpoch = -1) const;
    /// The backups of one model (every model when empty), newest first.
    std::vector<BackupEntry> List(std::string_view model = {}) const;
    /// Reads a backup back, refusing one whose bytes no longer match its checksum. The file is
    /// a channel file: Document::Open(entry.path) restores it as well.
    BackupResult Read(const BackupEntry& entry, std::vector<std::uint8_t>& bytes) const;

  private:
    std::string folder_;
};

} // namespace chanforge::check
