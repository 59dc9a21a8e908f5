#include "base/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

    std::string tempName = folderOf(fileName) + ".nimbrel-XXXXXX";
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0) failCreate(fileName, errno);

    const mode_t mode = exists ? (target.st_mode & 07777) : [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, static_cast<const char*>(data), size);
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

void setWriteFailureAfterBytesForTesting(long long bytes) { g_failAfterBytes = bytes; }

}  // namespace nimbrel
