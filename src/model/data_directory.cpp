#include "model/data_directory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace vendrix {

namespace {

bool isSet(const char *value)
{
    return value != nullptr && *value != '\0';
}

} // namespace

std::optional<std::string> localDataFolder(const char *overrideFolder, const char *xdgDataHome,
                                           const char *home)
{
    if (isSet(overrideFolder))
        return std::string(overrideFolder);
    // A relative XDG_DATA_HOME is invalid and must be ignored.
    if (isSet(xdgDataHome) && xdgDataHome[0] == '/')
        return std::string(xdgDataHome);
    if (isSet(home))
        return std::string(home) + "/.local/share";
    return std::nullopt;
}

std::optional<std::string> localDataFolder()
{
    return localDataFolder(std::getenv("VENDRIX_DATA_HOME"), std::getenv("XDG_DATA_HOME"),
                           std::getenv("HOME"));
}

bool createDirectoryWithParents(const std::string &path)
{
    std::string target = path;
    while (target.size() > 1 && target.back() == '/')
        target.pop_back();
    if (target.empty())
        return false;
    std::error_code error;
    if (std::filesystem::is_directory(target, error))
        return true;
    std::filesystem::create_directories(target, error);
    return std::filesystem::is_directory(target, error);
}

DataDirectoryResult prepareDataDirectory(const std::optional<std::string> &folder)
{
    DataDirectoryResult result;
    if (!folder || folder->empty()) {
        result.messages = {kNoLocalDataLocationMessage, kNoLocalDataPathMessage};
        return result;
    }
    std::string base = *folder;
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    if (base == "/")
        base.clear();
    result.directory = base + kDataDirectorySuffix;
    if (!createDirectoryWithParents(result.directory))
        result.messages = {kCannotCreateDataDirectoryMessage};
    return result;
}

DataDirectoryResult prepareDataDirectory()
{
    return prepareDataDirectory(localDataFolder());
}

} // namespace vendrix
