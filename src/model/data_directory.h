#pragma once
// The per-user data directory that holds the company information and logo
// files: the user's local application data folder + "/Brune/Vendrix", created
// with its parents when the program starts. Failures come back as the messages
// the program shows; the program continues in every case.

#include <optional>
#include <string>
#include <vector>

namespace vendrix {

inline constexpr const char *kNoLocalDataLocationMessage
    = "Unable to get the location of local application data path.";
inline constexpr const char *kNoLocalDataPathMessage = "Unable to read application data path.";
inline constexpr const char *kCannotCreateDataDirectoryMessage
    = "Error occurred and unable to create data directory.";

// Below the local application data folder.
inline constexpr const char *kDataDirectorySuffix = "/Brune/Vendrix";

// The local application data folder from the given environment values (nullptr
// or empty = unset): `overrideFolder` first (tests and sandboxed runs), then
// XDG_DATA_HOME when it is an absolute path, then HOME + "/.local/share".
// No value when none of them is usable.
std::optional<std::string> localDataFolder(const char *overrideFolder, const char *xdgDataHome,
                                           const char *home);

// The same from the process environment: VENDRIX_DATA_HOME, XDG_DATA_HOME, HOME.
std::optional<std::string> localDataFolder();

// Creates `path` with every missing parent folder. True when the path exists as
// a directory at the end (also when it already existed).
bool createDirectoryWithParents(const std::string &path);

struct DataDirectoryResult
{
    std::string directory; // empty when no usable location was found
    std::vector<std::string> messages; // to show in order, each in an error box
};

// Resolves the data directory below `folder` and creates it. Without a folder
// both location messages are returned and `directory` stays empty; a folder that
// cannot be created gives the creation message (the path is still returned).
DataDirectoryResult prepareDataDirectory(const std::optional<std::string> &folder);

// The same for the folder of the process environment.
DataDirectoryResult prepareDataDirectory();

} // namespace vendrix
