#include "model/atomic_file.h"

#include "model/regular_file.h"
#include "model/windows1252.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
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
// Lock-free, so safe in a handler running on any thread.
std::atomic<int> g_temporaryPending {0};

extern "C" void removeTemporaryAndExit(int signalNumber)
{
    if (g_temporaryPending != 0)
        ::unlink(g_temporary);
    ::_exit(kSignalExitStatusBase + signalNumber);
}

void registerTemporary(const std::string &path)
{
    g_temporaryPending = 0;
    if (path.size() < sizeof g_temporary) {
        std::memcpy(g_temporary, path.c_str(), path.size() + 1);
        g_temporaryPending = 1;
    }
}

// The longest name of one folder entry (NAME_MAX on Linux file systems).
constexpr std::size_t kLongestEntryName = 255;
// ".XXXXXX" after the target's own name.
constexpr std::size_t kTemporarySuffixBytes = 7;

// A new name beside `target`. Made here rather than by mkstemp so that it is
// registered before the file exists: a signal may be handled by any thread at
// any moment, and must never find a temporary file it does not know. A target
// name too long to take the suffix is shortened, so that every name that can
// be written can also be written through a temporary file.
std::string temporaryName(const std::string &target)
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937_64 random(std::random_device {}());
    const std::size_t slash = target.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t room = kLongestEntryName - kTemporarySuffixBytes;
    std::string name
        = target.size() - nameStart > room ? target.substr(0, nameStart + room) : target;
    name += ".";
    for (int i = 0; i < 6; ++i)
        name += kLetters[random() % (sizeof kLetters - 1)];
    return name;
}

// Creates the temporary file, registered for the signal handler; -1 with errno
// set on failure.
int createTemporary(const std::string &target, std::string &temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryName(target);
        registerTemporary(temporary);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0)
            return fd;
        const int error = errno;
        g_temporaryPending = 0;
        errno = error;
        if (error != EEXIST)
            return -1;
    }
    return -1;
}

// Messages are Windows-1252 with "%1" for the path the caller asked for; a
// second name (a link's target, a folder) is converted into the message.
std::string reason(const char *what)
{
    return std::string(what) + " \"%1\": " + std::strerror(errno);
}

// The folder that receives the temporary file of `target`, for messages.
std::string folderOf(const std::string &target)
{
    const std::size_t slash = target.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : target.substr(0, slash);
}

// As the shell's `>` would: a file that exists must be writable by this user
// (root may write anyway, as with `>`).
bool writableAsUser(const std::string &target, const std::string &path, std::string &error)
{
    if (::access(target.c_str(), W_OK) == 0)
        return true;
    // Behind a link, the file that refuses is named too.
    error = target == path
        ? reason("Cannot write")
        : "Cannot write \"%1\" (\"" + utf8ToWindows1252(target) + "\"): " + std::strerror(errno);
    return false;
}

// The replacement takes the replaced file's mode and, where this user may set
// them, its owner and group; a new file gets the usual permissions of a new
// document rather than the private 0600.
void takeOverAttributes(int fd, bool exists, const struct stat &existing)
{
    if (exists) {
        // Refused unless permitted (root, or a group of the user's own); the
        // new file then simply stays the user's.
        if (::fchown(fd, existing.st_uid, existing.st_gid) != 0
            && ::fchown(fd, static_cast<uid_t>(-1), existing.st_gid) != 0)
            errno = 0;
        ::fchmod(fd, existing.st_mode & 07777);
        return;
    }
    const mode_t mask = umask(0);
    umask(mask);
    ::fchmod(fd, 0666 & ~mask);
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
            error = reason("Cannot follow");
            return false;
        }
        link.resize(static_cast<std::size_t>(n));
        const std::size_t slash = target.rfind('/');
        target = (link.front() == '/' || slash == std::string::npos)
            ? link
            : target.substr(0, slash + 1) + link;
    }
    errno = ELOOP;
    error = reason("Cannot follow");
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
    ::unlink(temporary.c_str());
    g_temporaryPending = 0;
    errno = error;
}

bool writeAtomically(const std::string &path, std::string_view bytes, std::string &error)
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
        error = "\"%1\" is not a regular file and is not replaced";
        return false;
    }
    if (exists && !writableAsUser(target, path, error))
        return false;

    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) {
        error = "Cannot create a temporary file for \"%1\" in the folder \""
            + utf8ToWindows1252(folderOf(target)) + "\": " + std::strerror(errno);
        return false;
    }
    takeOverAttributes(fd, exists, existing);

    if (!writeAll(fd, bytes)) {
        error = reason("Cannot write");
        ::close(fd);
        discard(temporary);
        return false;
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        error = reason("Cannot write");
        discard(temporary);
        return false;
    }
    // A signal after the rename finds no temporary file any more: harmless.
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        error = reason("Cannot replace");
        ::unlink(temporary.c_str());
        g_temporaryPending = 0;
        return false;
    }
    g_temporaryPending = 0;
    return true;
}

// Where a write to `path` lands, as a key to compare: the device and inode of
// the file that would be replaced, else those of its folder and its name.
std::string landingKey(const std::string &path)
{
    std::string target;
    std::string error;
    if (!resolveTarget(path, target, error))
        target = path;
    struct stat status
    {
    };
    if (::stat(target.c_str(), &status) == 0)
        return "file " + std::to_string(status.st_dev) + ":" + std::to_string(status.st_ino);
    const std::size_t slash = target.rfind('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    if (::stat(folderOf(target).c_str(), &status) == 0)
        return "name " + std::to_string(status.st_dev) + ":" + std::to_string(status.st_ino) + "/"
            + name;
    return "path " + target;
}

} // namespace

bool namesSameFile(const std::filesystem::path &a, const std::filesystem::path &b)
{
    return landingKey(a.native()) == landingKey(b.native());
}

void removeTemporaryFilesOnInterruption()
{
    struct sigaction action
    {
    };
    action.sa_handler = removeTemporaryAndExit;
    sigemptyset(&action.sa_mask);
    // A closed terminal (SIGHUP) or Ctrl+\ (SIGQUIT) ends the program as surely.
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
        sigaction(signalNumber, &action, nullptr);
}

std::optional<Failure> writeFileAtomically(const std::filesystem::path &path,
                                           std::string_view bytes)
{
    std::string error;
    if (writeAtomically(path.native(), bytes, error))
        return std::nullopt;
    return Failure::aboutFile(std::move(error), path);
}

std::optional<Failure> readWholeFile(const std::filesystem::path &path, std::string &bytes)
{
    return readRegularFile(path, bytes, std::string().max_size());
}

} // namespace vendrix
