#pragma once
// Writing a file so that a failure never destroys the previous version: the
// bytes go to a temporary file beside the target, which replaces the target
// only after everything was written and flushed.

#include <string>
#include <string_view>

namespace vendrix {

// Returns false and a readable reason in `error` when the file could not be
// created, written or renamed; the target is then untouched.
bool writeFileAtomically(const std::string &path, std::string_view bytes, std::string &error);

// Reads a whole file; false with a reason when it cannot be opened or read.
bool readWholeFile(const std::string &path, std::string &bytes, std::string &error);

} // namespace vendrix
