#include "base/temporary_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <ctime>
#include <mutex>
#include <set>

namespace nimbrel {
namespace {

bool isOurTemporaryName(const char* name)
{
    const std::size_t prefix = std::strlen(kTemporaryFilePrefix);
    if (std::strncmp(name, kTemporaryFilePrefix, prefix) != 0 || std::strlen(name) != prefix + 6) return false;
    for (const char* p = name + prefix; *p; ++p) {
        const char c = *p;
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

// A temporary file is ours to remove when it is old enough that its writer is
// not between creating and locking it, and no writer holds its lock.
void removeIfAbandoned(int dirFd, const char* name)
{
    const int fd = ::openat(dirFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat st {};
    const bool old = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                     std::time(nullptr) - st.st_mtime >= kStaleTemporaryFileSeconds;
    if (old && ::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlinkat(dirFd, name, 0);
    ::close(fd);
}

}  // namespace

void removeStaleTemporaryFiles(const std::string& folder)
{
    static std::mutex mutex;
    static std::set<std::string> looked;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (!looked.insert(folder).second) return;
    }
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir))
        if (isOurTemporaryName(entry->d_name)) removeIfAbandoned(::dirfd(dir), entry->d_name);
    ::closedir(dir);
}

void markTemporaryFileInUse(int fd) { ::flock(fd, LOCK_EX | LOCK_NB); }

}  // namespace nimbrel
