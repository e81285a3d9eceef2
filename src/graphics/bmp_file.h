#pragma once
// Windows bitmap files of the drawings: a 14-byte file header, the 40-byte
// information header, no colour table and 24-bit pixels, bottom row first.

#include "model/failure.h"

#include <QImage>
#include <filesystem>

#include <optional>
#include <string>

namespace vendrix {

// The file's bytes for `image`.
std::string bmpFileBytes(const QImage &image);

// Writes the file through a temporary beside it; a failure when it cannot be
// written (an existing file is then left as it was).
std::optional<Failure> writeBmpFile(const std::filesystem::path &path, const QImage &image);

} // namespace vendrix
