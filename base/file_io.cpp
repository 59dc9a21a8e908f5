#include "base/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "base/error.h"

namespace nimbrel {
namespace {

long long g_failAfterBytes = -1;

std::string folderOf(const std::string& fileName)
{
    const auto slash = fileName.find_last_of('/');
    return slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
}

[[noreturn]] void failCreate(const std::string& fileName, int err)
{
    throw Error("Cannot create file \"" + fileName + "\". " + std::strerror(err));
}

bool writeAll(int fd, const char* p, std::size_t size)
{
    std::size_t budget = size;
    bool injectFailure = false;
    if (g_failAfterBytes >= 0 && static_cast<unsigned long long>(g_failAfterBytes) < size) {
        budget = static_cast<std::size_t>(g_failAfterBytes);
        injectFailure = true;
    }
    while (budget > 0) {
        const ssize_t n = ::write(fd, p, budget);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        budget -= static_cast<std::size_t>(n);
    }
    if (injectFailure) {
        errno = ENOSPC;
        return false;
    }
    return true;
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

// A new, empty ".nimbrel-XXXXXX" file beside the target, made with the target's
// permission bits so that the umask alone usually gives the final mode and no
// chmod is needed. Returns the descriptor (-1 and errno on failure).
int createTemporaryBeside(const std::string& fileName, mode_t mode, std::string& tempName)
{
    static std::atomic<std::uint64_t> counter{0};
    static const char digits[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const std::string folder = folderOf(fileName);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::uint64_t v = (static_cast<std::uint64_t>(::getpid()) << 32) ^ ++counter ^
                          static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        v *= 0x9E3779B97F4A7C15ULL;
        tempName = folder + ".nimbrel-";
        for (int i = 0; i < 6; ++i, v /= 62) tempName += digits[v % 62];
        const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode & 0777);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void writeThroughTemporary(const std::string& fileName, const void* data, std::size_t size, mode_t mode)
{
    std::string tempName;
    const int fd = createTemporaryBeside(fileName, mode, tempName);
    if (fd < 0) failCreate(fileName, errno);

    const bool modeIsRight = ((mode & 0777) & ~processUmask()) == mode;
    bool ok = (modeIsRight || ::fchmod(fd, mode) == 0) && writeAll(fd, static_cast<const char*>(data), size);
    int err = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(tempName.c_str(), fileName.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(tempName.c_str());
        failCreate(fileName, err);
    }
}

mode_t newFileMode() { return static_cast<mode_t>(0666 & ~processUmask()); }

}  // namespace

std::vector<std::uint8_t> readWholeFile(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    struct stat st {};
    if (!in || (::stat(fileName.c_str(), &st) == 0 && S_ISDIR(st.st_mode))) {
        const int err = in ? EISDIR : errno;
        throw Error("Cannot open file \"" + fileName + "\". " + std::strerror(err ? err : ENOENT));
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw Error("Cannot open file \"" + fileName + "\". " + std::strerror(EIO));
    return bytes;
}

void writeFileAtomically(const std::string& fileName, const void* data, std::size_t size)
{
    struct stat target {};
    const bool exists = ::stat(fileName.c_str(), &target) == 0;
    if (exists && S_ISDIR(target.st_mode)) failCreate(fileName, EISDIR);
    // Replacing a read-only file would bypass its protection through the rename.
    if (exists && ::access(fileName.c_str(), W_OK) != 0) failCreate(fileName, errno);

    writeThroughTemporary(fileName, data, size, exists ? (target.st_mode & 07777) : newFileMode());
}

void writeNewFileAtomically(const std::string& fileName, const void* data, std::size_t size)
{
    writeThroughTemporary(fileName, data, size, newFileMode());
}

void setWriteFailureAfterBytesForTesting(long long bytes) { g_failAfterBytes = bytes; }

}  // namespace nimbrel
