#pragma once
// The "designCheck" object of the batch command's JSON, in SI.

#include "model/project_record.h"

namespace vendrix {

class JsonWriter;

// Solves the record's tube by the exact method and writes its design check:
// the values (null where a check gives none), "pass" and "reasons"; or only
// "error" when the exact method finds no tube.
void writeDesignCheckJson(JsonWriter &json, const ProjectRecord &record);

} // namespace vendrix
