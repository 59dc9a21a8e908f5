#include "cli/standard_input.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "base/error.h"

namespace nimbrel::cli {

std::vector<std::uint8_t> readAllInput(int fd, std::size_t limit)
{
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw Error(std::string("cannot read: ") + std::strerror(errno));
        }
        if (n == 0) return bytes;
        if (bytes.size() + static_cast<std::size_t>(n) > limit)
            throw Error("more than " + std::to_string(limit / (1024 * 1024)) + " MB, too large for a caption list");
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
}

}  // namespace nimbrel::cli
