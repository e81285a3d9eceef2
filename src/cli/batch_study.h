#pragma once
// The parametric study of `vendrix run`: --vary NAME=FROM:TO:STEPS (or
// NAME=V1,V2,...), at most twice, and --study FILE.csv|png|svg|pdf.

#include "cli/batch_options.h"
#include "cli/json_writer.h"
#include "model/failure.h"
#include "post/parametric_study.h"

#include <optional>
#include <string>
#include <vector>

namespace vendrix {

// Reads the value of one --vary; the reason when it is malformed or its number
// of steps lies outside 2 .. 1000.
std::optional<std::string> parseStudyAxis(const std::string &text, StudyAxis &axis);

// --vary without anything to write the study to, or --study without --vary.
std::optional<Failure> checkStudyOptions(const BatchOptions &options);

// The request of the options, checked against the project: the reason names
// the --vary that is refused.
std::optional<Failure> studyRequest(const BatchOptions &options, const ProjectRecord &project,
                                    StudyRequest &request);

// The "study" array: per point its inputs (shortest exact numbers) and either
// the "solution" object of a plain run or the "error" text.
void writeStudyJson(JsonWriter &json, const StudyRequest &request,
                    const std::vector<StudyPoint> &points, bool profile);

} // namespace vendrix
