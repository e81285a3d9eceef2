#pragma once
// The "solution" object of `vendrix run --json`: every result of a run in SI,
// each key the name of its field, and with --profile the profile coordinates.

#include "cli/json_writer.h"
#include "model/project_record.h"

namespace vendrix {

void writeSolutionObject(JsonWriter &json, const TubeSolution &solution, bool profile);

} // namespace vendrix
