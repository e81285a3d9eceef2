#pragma once
// The filling envelope as comma-separated text: one header row with the
// column names and their units, then one row per pressure.

#include "model/failure.h"
#include "post/filling_envelope.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vendrix {

// In the display units chosen (SI or English); numbers with '.', LF line ends.
std::string envelopeCsvText(const FillingEnvelope &envelope, UnitSystem units);

// The reason when the file could not be written; an existing file is then
// left as it was.
std::optional<Failure> writeEnvelopeCsvFile(const std::filesystem::path &path,
                                            const FillingEnvelope &envelope, UnitSystem units);

} // namespace vendrix
