#include "toolkit/SavedFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace toolkit {
namespace {

mode_t modeForNewFile() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

bool saveFileAtomically(const std::string& path, std::string_view bytes, std::string& error) {
    std::string temporary = path + ".tmp-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    struct stat target {};
    const mode_t mode =
        ::stat(path.c_str(), &target) == 0 ? (target.st_mode & 07777) : modeForNewFile();
    bool done = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    int fault = done ? 0 : errno;
    if (::close(fd) != 0 && done) {
        done = false;
        fault = errno;
    }
    if (done && ::rename(temporary.c_str(), path.c_str()) != 0) {
        done = false;
        fault = errno;
    }
    if (!done) {
        ::unlink(temporary.c_str());
        error = std::strerror(fault);
    }
    return done;
}

}  // namespace toolkit
