#include "model/regular_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vendrix {

std::FILE *openRegularFile(const std::filesystem::path &path)
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

bool isSpecialFile(const std::filesystem::path &path)
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

std::optional<Failure> readAndClose(std::FILE *file, const std::filesystem::path &path,
                                    std::string &bytes, std::size_t maxBytes, bool &truncated)
{
    const bool read = readOpenFile(file, bytes, maxBytes, truncated);
    const int readError = read ? 0 : errno;
    std::fclose(file);
    if (!read)
        return Failure::aboutFile(std::string("Cannot read \"%1\": ") + std::strerror(readError),
                                  path);
    return std::nullopt;
}

std::optional<Failure> readRegularFile(const std::filesystem::path &path, std::string &bytes,
                                       std::size_t maxBytes)
{
    std::FILE *file = openRegularFile(path);
    if (!file) {
        return Failure::aboutFile(errno == EINVAL
                                      ? std::string("\"%1\" is not a regular file")
                                      : std::string("Cannot open \"%1\": ") + std::strerror(errno),
                                  path);
    }
    bool truncated = false;
    if (auto failure = readAndClose(file, path, bytes, maxBytes, truncated))
        return failure;
    if (truncated)
        return Failure::aboutFile("\"%1\" is too large", path);
    return std::nullopt;
}

} // namespace vendrix
