#pragma once
// Writing a file so that a failure never destroys the previous version: the
// bytes go to a temporary file beside the target, which replaces the target
// only after everything was written and flushed.

#include "model/failure.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vendrix {

// A symbolic link is followed: the file it names is replaced and the link stays.
// A target that exists and is not a regular file (FIFO, device, directory), or
// that this user could not write with the shell's `>`, is refused; a replaced
// file keeps its mode and, where permitted, its owner and group. Returns the readable reason when
// the file could not be created, written or renamed; the target is then untouched.
std::optional<Failure> writeFileAtomically(const std::filesystem::path &path,
                                           std::string_view bytes);

// True when a write to `a` and a write to `b` would reach the same file: the
// same existing file (also through links or hard links), or the same name in
// the same folder however the folder is spelt.
bool namesSameFile(const std::filesystem::path &a, const std::filesystem::path &b);

// The exit status of a program ended by a signal is this plus the signal number.
inline constexpr int kSignalExitStatusBase = 128;

// From now on SIGINT, SIGTERM, SIGHUP and SIGQUIT end the program with status
// 128 + signal number after removing the temporary file of a write in progress, so an
// interrupted write leaves nothing behind. For the batch command.
void removeTemporaryFilesOnInterruption();

// Reads a whole regular file; the reason when it cannot be opened or read.
std::optional<Failure> readWholeFile(const std::filesystem::path &path, std::string &bytes);

} // namespace vendrix
