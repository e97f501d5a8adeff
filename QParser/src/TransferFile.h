// The transfer file of one conversation. A file being received is gathered in memory (an image
// is at most a few MiB) and replaces its target only when complete, so a cancelled or failed
// receive never leaves a partial file that looks complete.
#pragma once

#include <QFile>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qparser {

class TransferFile {
  public:
    /// Starts a new file that will replace path; false when it cannot be created.
    bool Create(const std::string& path);
    /// Opens path for reading; false when it cannot be opened.
    bool Open(const std::string& path);
    /// Drops a file being written without touching its target; closes a file being read.
    void Close();

    std::int64_t Size() const;

    bool Append(const unsigned char* bytes, int count);
    bool WriteAt(std::int64_t offset, const unsigned char* bytes, int count);
    /// Completes the file being written: it now replaces its target.
    bool Commit();
    /// Bytes read at offset, at most count; -1 on failure.
    std::int64_t ReadAt(std::int64_t offset, unsigned char* bytes, int count);

  private:
    std::optional<std::vector<unsigned char>> writing_; ///< the bytes received so far
    std::string target_;
    std::unique_ptr<QFile> reading_;
};

} // namespace qparser
