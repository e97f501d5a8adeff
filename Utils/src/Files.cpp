#include "utils/Files.h"

#include "utils/TempFiles.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace utils {

namespace {

/// Closes a descriptor when the scope ends.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
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

FileResult Fail(FileStatus status, std::string message) {
    return {status, std::move(message)};
}

FileResult WriteFailure(const std::string& what, int error) {
    return Fail(FileStatus::CannotWrite, "cannot write " + what + ": " + std::strerror(error));
}

bool WriteAll(int fd, const std::uint8_t* p, std::size_t n) {
    while (n > 0) {
        const ssize_t done = ::write(fd, p, n);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        p += done;
        n -= static_cast<std::size_t>(done);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

/// The file a path names: a symbolic link is followed, so the link itself survives the rename.
bool ResolveTarget(const std::string& path, std::string& target) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
        target = path;
        return true;
    }
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr)
        return false; // a link that points nowhere
    target = real;
    std::free(real);
    return true;
}

/// Why an existing target may not be replaced; Ok for a missing or writable regular file.
FileResult CheckExistingTarget(const std::string& target, struct stat& st, bool& exists) {
    exists = ::stat(target.c_str(), &st) == 0;
    if (!exists)
        return {};
    if (!S_ISREG(st.st_mode))
        return Fail(FileStatus::NotRegularFile, "not a regular file: " + target);
    // The owner's write bit counts even for root, who would pass access().
    if ((st.st_mode & S_IWUSR) == 0 || ::access(target.c_str(), W_OK) != 0)
        return Fail(FileStatus::ReadOnly, "the file is read-only: " + target);
    return {};
}

/// A temporary file beside target (so the rename never crosses file systems), named after it.
/// It is guarded from before it exists, so a signal at any moment removes it; the caller
/// unguards it once it is renamed or removed.
int CreateTemporary(const std::string& target, std::string& temp) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = FolderOf(target) + "/." + NameOf(target) + "." + std::to_string(::getpid()) + "-" +
               std::to_string(counter++) + ".tmp";
        GuardBeside(temp);
        // 0666 lets the umask decide a new file's permissions, as for any other new file.
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        const int error = errno;
        UnguardBeside(temp);
        errno = error;
        if (error != EEXIST)
            return -1;
    }
    return -1;
}

/// Removes a temporary that did not take the target's name.
void DropTemporary(const std::string& temp) {
    ::unlink(temp.c_str());
    UnguardBeside(temp);
}

/// Writes bytes into a flushed temporary file beside target; keeps mode when given (>= 0).
FileResult WriteTemporary(const std::string& target, std::span<const std::uint8_t> bytes, int mode,
                          std::string& temp) {
    Descriptor fd(CreateTemporary(target, temp));
    if (fd.Get() < 0)
        return WriteFailure(target, errno);
    bool ok = WriteAll(fd.Get(), bytes.data(), bytes.size());
    if (ok && mode >= 0)
        ok = ::fchmod(fd.Get(), static_cast<mode_t>(mode)) == 0;
    ok = ok && ::fsync(fd.Get()) == 0;
    const int error = errno;
    ok = fd.Close() && ok;
    if (ok)
        return {};
    DropTemporary(temp);
    return WriteFailure(target, error);
}

/// Makes the rename itself durable.
void SyncFolder(const std::string& target) {
    Descriptor dir(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
}

} // namespace

FileResult ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                         std::uint64_t maxBytes) {
    bytes.clear();
    if (path.empty())
        return Fail(FileStatus::CannotRead, "no file name");
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat st {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0)
        return Fail(FileStatus::CannotRead, "cannot read the file");
    if (!S_ISREG(st.st_mode))
        return Fail(FileStatus::NotRegularFile, "not a regular file");
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes)
        return Fail(FileStatus::TooLarge, "the file is too large");
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd.Get(), bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Fail(FileStatus::CannotRead, "cannot read the file");
        if (n == 0)
            break; // the file shrank: keep what is there
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return {};
}

FileResult ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (path.empty())
        return Fail(FileStatus::CannotWrite, "no file name");
    std::string target;
    if (!ResolveTarget(path, target))
        return Fail(FileStatus::CannotWrite, "the link points to no file: " + path);
    struct stat st {};
    bool exists = false;
    if (FileResult refused = CheckExistingTarget(target, st, exists); !refused.ok())
        return refused;
    std::string temp;
    const int mode = exists ? static_cast<int>(st.st_mode & 07777) : -1;
    if (FileResult written = WriteTemporary(target, bytes, mode, temp); !written.ok())
        return written;
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        DropTemporary(temp);
        return WriteFailure(target, error);
    }
    UnguardBeside(temp);
    SyncFolder(target);
    return {};
}

FileResult WriteNewFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (path.empty())
        return Fail(FileStatus::CannotWrite, "no file name");
    std::string temp;
    if (FileResult written = WriteTemporary(path, bytes, -1, temp); !written.ok())
        return written;
    // RENAME_NOREPLACE makes "is the name free?" and "take it" one step.
    const int renamed =
        ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE);
    const int error = errno;
    if (renamed != 0) {
        DropTemporary(temp);
        if (error == EEXIST)
            return Fail(FileStatus::Exists, "the file exists: " + path);
        return WriteFailure(path, error);
    }
    UnguardBeside(temp);
    SyncFolder(path);
    return {};
}

} // namespace utils
