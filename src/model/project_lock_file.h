#pragma once
// The lock file the desktop program keeps beside an open project: hidden, named
// after it (".NAME.Vdx.lock"), written by QLockFile as plain text with the
// holder's process id, program name and host name on its first three lines.
// Read here without Qt so that the batch command can tell who holds a project.

#include <filesystem>
#include <optional>
#include <string>

namespace vendrix {

struct ProjectLockHolder
{
    long long pid = 0;
    std::string program;
    std::string host;
};

// The lock file of the project file `project`, in the same folder.
std::filesystem::path projectLockPath(const std::filesystem::path &project);

// Who the lock file of `project` names, when it exists and starts with a
// process id.
std::optional<ProjectLockHolder> readProjectLock(const std::filesystem::path &project);

// The holder of `project`'s lock unless it is a process of this host that has
// ended (a crashed program's lock). A holder on another host cannot be checked
// from here and counts as running, as it does for the desktop program.
std::optional<ProjectLockHolder> liveProjectLockHolder(const std::filesystem::path &project);

} // namespace vendrix
