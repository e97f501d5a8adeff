// Whole-file reads and the one way every writer replaces a file: the new bytes go to a
// temporary file beside the target, reach the disk, and only then take the target's name, so a
// crash or a full disk leaves either the old file or the new one, never a mix.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace utils {

enum class FileStatus {
    Ok,
    CannotRead,
    NotRegularFile, ///< a folder, FIFO, device or socket: refused before it is opened or replaced
    TooLarge,
    ReadOnly, ///< the target exists without write permission
    Exists,   ///< WriteNewFile only: the name is taken
    CannotWrite,
};

struct [[nodiscard]] FileResult {
    FileStatus status = FileStatus::Ok;
    std::string message; ///< what went wrong, for the operator; empty on success

    bool ok() const { return status == FileStatus::Ok; }
};

/// No image, workbook or settings file comes near this; a larger file is refused, not read.
inline constexpr std::uint64_t kMaxReadBytes = std::uint64_t{512} << 20;

/// Reads the whole of a regular file (a FIFO is refused without waiting for a writer).
FileResult ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                         std::uint64_t maxBytes = kMaxReadBytes);

/// Replaces path with bytes. The data is flushed before the rename and the folder after it. A
/// symbolic link stays and the file it points to is replaced; an existing file keeps its
/// permission bits. A read-only file and anything that is not a regular file are refused and
/// left as they were; on any failure, or a signal that ends the process (see TidyTempFiles), the
/// temporary file is removed.
FileResult ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes);

/// Like ReplaceFile, but never replaces anything: Exists when the name is taken.
FileResult WriteNewFile(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace utils
