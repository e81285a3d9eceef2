#include "model/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vendrix {

namespace {

std::string reason(const char *what, const std::string &path)
{
    return std::string(what) + " \"" + path + "\": " + std::strerror(errno);
}

} // namespace

bool writeFileAtomically(const std::string &path, std::string_view bytes, std::string &error)
{
    if (path.empty()) {
        error = "No file name was given.";
        return false;
    }
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        error = reason("Cannot create", path);
        return false;
    }
    // Keep the usual permissions of a new document rather than mkstemp's 0600.
    const mode_t mask = umask(0);
    umask(mask);
    struct stat existing {};
    const mode_t mode = stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777)
                                                          : (0666 & ~mask);
    fchmod(fd, mode);

    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = reason("Cannot write", path);
            ::close(fd);
            ::unlink(temporary.c_str());
            return false;
        }
        written += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        error = reason("Cannot write", path);
        ::unlink(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = reason("Cannot replace", path);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

bool readWholeFile(const std::string &path, std::string &bytes, std::string &error)
{
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = reason("Cannot open", path);
        return false;
    }
    bytes.clear();
    char buffer[65536];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, n);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        error = reason("Cannot read", path);
        return false;
    }
    return true;
}

} // namespace vendrix
