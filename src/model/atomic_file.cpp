#include "model/atomic_file.h"

#include "model/regular_file.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vendrix {

namespace {

// How many symbolic links are followed before the name is given up (as the
// kernel does).
constexpr int kMostLinksFollowed = 40;

// The temporary file being written, for the signal handler: a fixed buffer,
// since a handler may neither allocate nor take locks.
char g_temporary[PATH_MAX + 16];
volatile std::sig_atomic_t g_temporaryPending = 0;

extern "C" void removeTemporaryAndExit(int signalNumber)
{
    if (g_temporaryPending)
        ::unlink(g_temporary);
    ::_exit(128 + signalNumber);
}

// Keeps SIGINT and SIGTERM away while the temporary file is created or
// renamed, so the handler never sees a file that is not registered yet.
class InterruptionsHeld
{
public:
    InterruptionsHeld()
    {
        sigset_t held;
        sigemptyset(&held);
        sigaddset(&held, SIGINT);
        sigaddset(&held, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &held, &m_previous);
    }
    ~InterruptionsHeld() { pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }
    InterruptionsHeld(const InterruptionsHeld &) = delete;
    InterruptionsHeld &operator=(const InterruptionsHeld &) = delete;

private:
    sigset_t m_previous {};
};

void registerTemporary(const std::string &path)
{
    if (path.size() < sizeof g_temporary) {
        std::memcpy(g_temporary, path.c_str(), path.size() + 1);
        g_temporaryPending = 1;
    }
}

std::string reason(const char *what, const std::string &path)
{
    return std::string(what) + " \"" + path + "\": " + std::strerror(errno);
}

// The file a write to `path` must replace: symbolic links are followed so that
// the link itself stays in place and its target gets the new content.
bool resolveTarget(const std::string &path, std::string &target, std::string &error)
{
    target = path;
    for (int i = 0; i < kMostLinksFollowed; ++i) {
        struct stat status
        {
        };
        if (::lstat(target.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return true;
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n < 0) {
            error = reason("Cannot follow", path);
            return false;
        }
        link.resize(static_cast<std::size_t>(n));
        const std::size_t slash = target.rfind('/');
        target = (link.front() == '/' || slash == std::string::npos)
            ? link
            : target.substr(0, slash + 1) + link;
    }
    errno = ELOOP;
    error = reason("Cannot follow", path);
    return false;
}

bool writeAll(int fd, std::string_view bytes)
{
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        written += static_cast<size_t>(n);
    }
    return true;
}

// Removes the temporary file after a failure; errno is kept for the message.
void discard(const std::string &temporary)
{
    const int error = errno;
    InterruptionsHeld held;
    ::unlink(temporary.c_str());
    g_temporaryPending = 0;
    errno = error;
}

} // namespace

void removeTemporaryFilesOnInterruption()
{
    struct sigaction action
    {
    };
    action.sa_handler = removeTemporaryAndExit;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool writeFileAtomically(const std::string &path, std::string_view bytes, std::string &error)
{
    if (path.empty()) {
        error = "No file name was given.";
        return false;
    }
    std::string target;
    if (!resolveTarget(path, target, error))
        return false;
    // Renaming over a FIFO, a device or a directory would replace it by a plain
    // file; such a target is never written.
    struct stat existing
    {
    };
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        error = "\"" + path + "\" is not a regular file and is not replaced";
        return false;
    }

    std::string temporary = target + ".XXXXXX";
    int fd = -1;
    {
        InterruptionsHeld held;
        fd = mkstemp(temporary.data());
        if (fd >= 0)
            registerTemporary(temporary);
    }
    if (fd < 0) {
        error = reason("Cannot create", path);
        return false;
    }
    // Keep the usual permissions of a new document rather than mkstemp's 0600.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, exists ? (existing.st_mode & 07777) : (0666 & ~mask));

    if (!writeAll(fd, bytes)) {
        error = reason("Cannot write", path);
        ::close(fd);
        discard(temporary);
        return false;
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        error = reason("Cannot write", path);
        discard(temporary);
        return false;
    }
    InterruptionsHeld held;
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        error = reason("Cannot replace", path);
        ::unlink(temporary.c_str());
        g_temporaryPending = 0;
        return false;
    }
    g_temporaryPending = 0;
    return true;
}

bool readWholeFile(const std::string &path, std::string &bytes, std::string &error)
{
    return readRegularFile(path, bytes, std::string().max_size(), error);
}

} // namespace vendrix
