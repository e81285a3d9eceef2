#pragma once
// Opening files for reading without ever blocking: a FIFO, a device or a
// directory given where a file is expected is refused before a byte is read,
// so a wrong name can neither hang the program nor stream endless data.

#include "model/failure.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace vendrix {

// Opens `path` for reading when it is a regular file. Returns nullptr with
// errno set otherwise: the open's own error, or EISDIR for a directory and
// EINVAL for any other kind of file.
std::FILE *openRegularFile(const std::filesystem::path &path);

// True when `path` names something that exists but is not a regular file
// (after following links): a FIFO, device, socket or directory.
bool isSpecialFile(const std::filesystem::path &path);

// Reads from `file` until its end, keeping at most `maxBytes` bytes; `truncated`
// tells whether there was more. False on a read error.
bool readOpenFile(std::FILE *file, std::string &bytes, std::size_t maxBytes, bool &truncated);

// Reads `file`, opened from `path`, as readOpenFile does and closes it; a
// failure "Cannot read ..." on a read error.
std::optional<Failure> readAndClose(std::FILE *file, const std::filesystem::path &path,
                                    std::string &bytes, std::size_t maxBytes, bool &truncated);

// Reads a whole regular file of at most `maxBytes` bytes; a failure with a
// readable reason when it cannot be opened, is not a regular file, is larger or
// cannot be read.
std::optional<Failure> readRegularFile(const std::filesystem::path &path, std::string &bytes,
                                       std::size_t maxBytes);

} // namespace vendrix
