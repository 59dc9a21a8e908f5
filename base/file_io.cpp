#include "base/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "base/error.h"
#include "base/temporary_files.h"

namespace nimbrel {
namespace {

long long g_failAfterBytes = -1;

std::string folderOf(const std::string& fileName)
{
    const auto slash = fileName.find_last_of('/');
    return slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
}

[[noreturn]] void failOpen(const std::string& fileName, const std::string& reason)
{
    throw Error("Cannot open file \"" + fileName + "\". " + reason);
}

[[noreturn]] void failCreate(const std::string& fileName, int err)
{
    throw Error("Cannot create file \"" + fileName + "\". " + std::strerror(err));
}

[[noreturn]] void failTooLarge(const std::string& fileName, std::size_t maxBytes)
{
    failOpen(fileName, "It is larger than " + std::to_string(maxBytes / (1024 * 1024)) +
                           " MB, the most Nimbrel reads from such a file");
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, so a failing close is seen; returns errno or 0.
    int close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Follows a chain of symbolic links to the file they name, so a write replaces
// that file and leaves the links as they are. A loop, or a chain longer than the
// system allows, ends where it stands and the write reports the problem there.
std::string linkTarget(const std::string& fileName)
{
    std::string name = fileName;
    for (int hop = 0; hop < 40; ++hop) {
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(name.c_str(), buffer, sizeof buffer);
        if (n < 0 || static_cast<std::size_t>(n) >= sizeof buffer) return name;
        const std::string target(buffer, static_cast<std::size_t>(n));
        name = target.front() == '/' ? target : folderOf(name) + target;
    }
    return name;
}

// Buffered writes into the temporary file; a failing write throws the errno
// that the write reported.
//
// The file is locked (see markTemporaryFileInUse) only once writing it may take
// a while: when the content outgrows the buffer, or before an fsync. A file of
// one buffer goes from creation to rename in microseconds, far inside the age
// below which no run takes a temporary file for abandoned, and skipping the
// lock saves a system call on each of the thousands of files a batch writes.
class TemporaryFileWriter : public FileWriter {
public:
    explicit TemporaryFileWriter(int fd) : fd_(fd) {}

    void write(const void* data, std::size_t size) override
    {
        const auto* p = static_cast<const char*>(data);
        if (buffered_ + size > sizeof buffer_) {
            lock();
            flush();
        }
        if (size >= sizeof buffer_) {
            writeOut(p, size);
            return;
        }
        std::memcpy(buffer_ + buffered_, p, size);
        buffered_ += size;
    }

    void flush()
    {
        writeOut(buffer_, buffered_);
        buffered_ = 0;
    }

    void lock()
    {
        if (!locked_) markTemporaryFileInUse(fd_);
        locked_ = true;
    }

private:
    void writeOut(const char* p, std::size_t size)
    {
        if (g_failAfterBytes >= 0 && written_ + static_cast<long long>(size) > g_failAfterBytes) {
            const auto allowed = static_cast<std::size_t>(g_failAfterBytes - std::min(written_, g_failAfterBytes));
            writeAll(p, allowed);
            throw std::system_error(ENOSPC, std::generic_category());
        }
        writeAll(p, size);
    }

    void writeAll(const char* p, std::size_t size)
    {
        while (size > 0) {
            const ssize_t n = ::write(fd_, p, size);
            if (n < 0) {
                if (errno == EINTR) continue;
                throw std::system_error(errno, std::generic_category());
            }
            p += n;
            size -= static_cast<std::size_t>(n);
            written_ += n;
        }
    }

    int fd_;
    bool locked_ = false;
    std::size_t buffered_ = 0;
    long long written_ = 0;
    char buffer_[64 * 1024];
};

void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The process never changes its umask, so it is read once (reading it means
// setting it twice).
mode_t processUmask()
{
    static const mode_t mask = [] {
        const mode_t m = ::umask(0);
        ::umask(m);
        return m;
    }();
    return mask;
}

// A new, empty ".nimbrel-XXXXXX" file in the target's folder, made with the target's
// permission bits so that the umask alone usually gives the final mode and no
// chmod is needed. Returns the descriptor (-1 and errno on failure).
int createTemporaryIn(const std::string& folder, mode_t mode, std::string& tempName)
{
    static std::atomic<std::uint64_t> counter{0};
    // Names only need to differ; the clock and counter do that within a run and
    // the process id between runs, so it is asked once (it is a system call).
    static const std::uint64_t processPart = static_cast<std::uint64_t>(::getpid()) << 32;
    static const char digits[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    tempName.reserve(folder.size() + std::strlen(kTemporaryFilePrefix) + 6);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::uint64_t v = processPart ^ ++counter ^
                          static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        v *= 0x9E3779B97F4A7C15ULL;
        tempName.assign(folder);
        tempName += kTemporaryFilePrefix;
        for (int i = 0; i < 6; ++i, v /= 62) tempName += digits[v % 62];
        const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode & 0777);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

mode_t newFileMode() { return static_cast<mode_t>(0666 & ~processUmask()); }

// Writes `content` into a new temporary file beside `target` and renames it over
// `target`; messages name `fileName`, the name the user gave.
void writeThroughTemporary(const std::string& fileName, const std::string& target,
                           const std::function<void(FileWriter&)>& content, FileSync sync, mode_t mode)
{
    const std::string folder = folderOf(target);
    removeStaleTemporaryFiles(folder);
    std::string tempName;
    FileDescriptor fd(createTemporaryIn(folder, mode, tempName));
    if (fd.get() < 0) failCreate(fileName, errno);

    const bool modeIsRight = ((mode & 0777) & ~processUmask()) == mode;
    int err = 0;
    try {
        if (!modeIsRight && ::fchmod(fd.get(), mode) != 0) throw std::system_error(errno, std::generic_category());
        TemporaryFileWriter writer(fd.get());
        content(writer);
        if (sync == FileSync::ToDisk) writer.lock();
        writer.flush();
        if (sync == FileSync::ToDisk && ::fsync(fd.get()) != 0) throw std::system_error(errno, std::generic_category());
    } catch (const std::system_error& e) {
        err = e.code().value();
    } catch (...) {
        ::unlink(tempName.c_str());
        throw;
    }
    if (const int closeErr = fd.close(); closeErr != 0 && err == 0) err = closeErr;
    if (err == 0 && ::rename(tempName.c_str(), target.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(tempName.c_str());
        failCreate(fileName, err);
    }
    if (sync == FileSync::ToDisk) syncFolder(folder);
}
}  // namespace

std::vector<std::uint8_t> readWholeFile(const std::string& fileName, std::size_t maxBytes)
{
    // Non-blocking, so that opening a FIFO with no writer returns instead of waiting.
    FileDescriptor fd(::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) failOpen(fileName, std::strerror(errno));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) failOpen(fileName, std::strerror(errno));
    if (S_ISDIR(st.st_mode)) failOpen(fileName, std::strerror(EISDIR));
    if (!S_ISREG(st.st_mode)) failOpen(fileName, "It is not a regular file");
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) failTooLarge(fileName, maxBytes);
    return readBounded(fd.get(), fileName, maxBytes, static_cast<std::size_t>(st.st_size));
}

std::vector<std::uint8_t> readBounded(int fd, const std::string& name, std::size_t maxBytes, std::size_t expected)
{
    // The size may change while we read: read until the end, but never past the limit.
    // One byte more than expected, so the end is seen without growing the buffer.
    std::vector<std::uint8_t> bytes(std::min(expected, maxBytes) + 1);
    std::size_t have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (have > maxBytes) failTooLarge(name, maxBytes);
            bytes.resize(std::min(maxBytes + 1, std::max<std::size_t>(have * 2, have + 4096)));
        }
        const ssize_t n = ::read(fd, bytes.data() + have, bytes.size() - have);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) failOpen(name, std::strerror(errno));
        if (n == 0) break;
        have += static_cast<std::size_t>(n);
    }
    if (have > maxBytes) failTooLarge(name, maxBytes);
    bytes.resize(have);
    return bytes;
}

void writeFileAtomically(const std::string& fileName, const std::function<void(FileWriter&)>& content,
                         FileSync sync)
{
    const std::string target = linkTarget(fileName);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) failCreate(fileName, EISDIR);
    // Replacing a read-only file would bypass its protection through the rename.
    if (exists && ::access(target.c_str(), W_OK) != 0) failCreate(fileName, errno);

    writeThroughTemporary(fileName, target, content, sync, exists ? (existing.st_mode & 07777) : newFileMode());
}

void writeFileAtomically(const std::string& fileName, const void* data, std::size_t size, FileSync sync)
{
    writeFileAtomically(
        fileName, [&](FileWriter& out) { out.write(data, size); }, sync);
}

void writeNewFileAtomically(const std::string& fileName, const std::function<void(FileWriter&)>& content)
{
    writeThroughTemporary(fileName, fileName, content, FileSync::None, newFileMode());
}

void writeNewFileAtomically(const std::string& fileName, const void* data, std::size_t size)
{
    writeNewFileAtomically(fileName, [&](FileWriter& out) { out.write(data, size); });
}

void setWriteFailureAfterBytesForTesting(long long bytes) { g_failAfterBytes = bytes; }

}  // namespace nimbrel
