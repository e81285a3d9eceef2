#pragma once
// Writing a file so that a failure never destroys the previous version: the
// bytes go to a temporary file beside the target, which replaces the target
// only after everything was written and flushed.

#include <string>
#include <string_view>

namespace vendrix {

// A symbolic link is followed: the file it names is replaced and the link stays.
// A target that exists and is not a regular file (FIFO, device, directory) is
// refused. Returns false and a readable reason in `error` when the file could
// not be created, written or renamed; the target is then untouched.
bool writeFileAtomically(const std::string &path, std::string_view bytes, std::string &error);

// From now on SIGINT and SIGTERM end the program with status 128 + signal
// number after removing the temporary file of a write in progress, so an
// interrupted write leaves nothing behind. For the batch command.
void removeTemporaryFilesOnInterruption();

// Reads a whole regular file; false with a reason when it cannot be opened or read.
bool readWholeFile(const std::string &path, std::string &bytes, std::string &error);

} // namespace vendrix
