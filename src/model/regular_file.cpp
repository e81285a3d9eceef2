#include "model/regular_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vendrix {

std::FILE *openRegularFile(const std::string &path)
{
    if (path.empty()) {
        errno = ENOENT;
        return nullptr;
    }
    // Non-blocking, so that opening a FIFO without a writer returns at once;
    // the kind of file is then taken from the open descriptor itself.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return nullptr;
    struct stat status
    {
    };
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const int error = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        errno = error;
        return nullptr;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    std::FILE *file = ::fdopen(fd, "rb");
    if (!file) {
        const int error = errno;
        ::close(fd);
        errno = error;
    }
    return file;
}

bool isSpecialFile(const std::string &path)
{
    struct stat status
    {
    };
    return !path.empty() && ::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode);
}

bool readOpenFile(std::FILE *file, std::string &bytes, std::size_t maxBytes, bool &truncated)
{
    bytes.clear();
    truncated = false;
    char buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (bytes.size() + n > maxBytes) {
            bytes.append(buffer, maxBytes - bytes.size());
            truncated = true;
            return true;
        }
        bytes.append(buffer, n);
    }
    return std::ferror(file) == 0;
}

bool readAndClose(std::FILE *file, const std::string &path, std::string &bytes,
                  std::size_t maxBytes, bool &truncated, std::string &error)
{
    const bool read = readOpenFile(file, bytes, maxBytes, truncated);
    const int readError = read ? 0 : errno;
    std::fclose(file);
    if (!read)
        error = "Cannot read \"" + path + "\": " + std::strerror(readError);
    return read;
}

bool readRegularFile(const std::string &path, std::string &bytes, std::size_t maxBytes,
                     std::string &error)
{
    std::FILE *file = openRegularFile(path);
    if (!file) {
        error = errno == EINVAL ? "\"" + path + "\" is not a regular file"
                                : "Cannot open \"" + path + "\": " + std::strerror(errno);
        return false;
    }
    bool truncated = false;
    if (!readAndClose(file, path, bytes, maxBytes, truncated, error))
        return false;
    if (truncated) {
        error = "\"" + path + "\" is too large";
        return false;
    }
    return true;
}

} // namespace vendrix
