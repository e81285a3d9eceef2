#include "model/project_lock_file.h"

#include "model/regular_file.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <sstream>
#include <unistd.h>

namespace vendrix {

namespace {

// A lock file holds three short lines and two machine ids.
constexpr std::size_t kMaxLockFileBytes = 4096;

std::string thisHostName()
{
    char name[HOST_NAME_MAX + 1] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return std::string();
    return name;
}

bool processRunning(long long pid)
{
    if (pid <= 0)
        return false;
    // EPERM: the process exists but belongs to another user.
    return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace

std::filesystem::path projectLockPath(const std::filesystem::path &project)
{
    return project.parent_path() / ("." + project.filename().string() + ".lock");
}

std::optional<ProjectLockHolder> readProjectLock(const std::filesystem::path &project)
{
    std::string bytes;
    if (readRegularFile(projectLockPath(project), bytes, kMaxLockFileBytes))
        return std::nullopt;
    std::istringstream lines(bytes);
    std::string pidText;
    ProjectLockHolder holder;
    std::getline(lines, pidText);
    std::getline(lines, holder.program);
    std::getline(lines, holder.host);
    char *end = nullptr;
    holder.pid = std::strtoll(pidText.c_str(), &end, 10);
    if (pidText.empty() || *end != '\0' || holder.pid <= 0)
        return std::nullopt;
    return holder;
}

std::optional<ProjectLockHolder> liveProjectLockHolder(const std::filesystem::path &project)
{
    std::optional<ProjectLockHolder> holder = readProjectLock(project);
    if (!holder)
        return std::nullopt;
    const bool otherHost = !holder->host.empty() && holder->host != thisHostName();
    if (!otherHost && !processRunning(holder->pid))
        return std::nullopt;
    return holder;
}

} // namespace vendrix
