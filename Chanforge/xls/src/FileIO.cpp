#include "chanforge/xls/FileIO.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace xls {

namespace {

/// Closes a descriptor when the scope ends.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    /// Closes now, reporting whether the close succeeded (it can fail on delayed writes).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, const std::uint8_t* p, std::size_t n) {
    while (n > 0) {
        const ssize_t done = ::write(fd, p, n);
        if (done < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += done;
        n -= static_cast<std::size_t>(done);
    }
    return true;
}

std::string TemporaryName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

} // namespace

CfbResult ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out,
                        std::uint64_t maxBytes) {
    out.clear();
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat st {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0) return CfbResult::CannotOpen;
    if (!S_ISREG(st.st_mode)) return CfbResult::NotRegularFile;
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes) return CfbResult::TooLarge;
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (got < out.size()) {
        const ssize_t n = ::read(fd.Get(), out.data() + got, out.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break; // the file shrank: keep what is there
        got += static_cast<std::size_t>(n);
    }
    out.resize(got);
    return CfbResult::Ok;
}

CfbResult ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && (!S_ISREG(st.st_mode) || ::access(path.c_str(), W_OK) != 0))
        return CfbResult::CannotWrite;

    // Replace what a symbolic link points at, not the link.
    std::string target = path;
    if (exists)
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }

    const std::string temp = TemporaryName(target);
    Descriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.Get() < 0) return CfbResult::CannotWrite;
    bool ok = WriteAll(fd.Get(), bytes.data(), bytes.size());
    if (ok && exists) ok = ::fchmod(fd.Get(), st.st_mode & 07777) == 0;
    ok = ok && ::fsync(fd.Get()) == 0;
    ok = fd.Close() && ok;
    ok = ok && std::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        std::remove(temp.c_str());
        return CfbResult::CannotWrite;
    }
    return CfbResult::Ok;
}

} // namespace xls
