// Helpers shared by the workbook tests: hand-built record streams and temporary files.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace chanforge::xls::test {

/// Appends BIFF records: type, length, body.
class StreamBuilder {
  public:
    StreamBuilder& Record(std::uint16_t type, std::vector<std::uint8_t> body) {
        Put16(type);
        Put16(static_cast<std::uint16_t>(body.size()));
        bytes_.insert(bytes_.end(), body.begin(), body.end());
        return *this;
    }
    StreamBuilder& Bof(std::uint16_t substream) {
        return Record(0x0809, Body({0x0600, substream, 0, 0, 0, 0, 0, 0}));
    }
    StreamBuilder& Eof() { return Record(0x000A, {}); }
    std::size_t Size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

    /// A body from 16-bit little-endian words.
    static std::vector<std::uint8_t> Body(std::initializer_list<std::uint16_t> words) {
        std::vector<std::uint8_t> b;
        for (std::uint16_t w : words) {
            b.push_back(static_cast<std::uint8_t>(w));
            b.push_back(static_cast<std::uint8_t>(w >> 8));
        }
        return b;
    }

  private:
    void Put16(std::uint16_t v) {
        bytes_.push_back(static_cast<std::uint8_t>(v));
        bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    std::vector<std::uint8_t> bytes_;
};

/// A BOUNDSHEET body for a worksheet with an 8-bit name.
inline std::vector<std::uint8_t> BoundSheetBody(std::uint32_t position, const std::string& name) {
    std::vector<std::uint8_t> b = {static_cast<std::uint8_t>(position),
                                   static_cast<std::uint8_t>(position >> 8),
                                   static_cast<std::uint8_t>(position >> 16),
                                   static_cast<std::uint8_t>(position >> 24),
                                   0,
                                   0,
                                   static_cast<std::uint8_t>(name.size()),
                                   0};
    b.insert(b.end(), name.begin(), name.end());
    return b;
}

inline std::uint16_t Get16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
inline std::uint32_t Get32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return Get16(b, at) | (static_cast<std::uint32_t>(Get16(b, at + 2)) << 16);
}
inline void Set32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

/// A fresh directory under the system's temporary directory, removed with its content.
class TempDir {
  public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "xlstest-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

} // namespace chanforge::xls::test
