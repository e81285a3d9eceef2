#pragma once
// A parametric study: the project run for every value of one input (and,
// optionally, every value of a second one, a family of curves), each point a
// plain run of a copy of the project. Failed points are kept with their reason.
// All values in stored SI units. Runs on standard threads; no Qt.

#include "model/failure.h"
#include "model/field_table.h"
#include "model/project_record.h"
#include "model/solution_method.h"

#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace vendrix {

inline constexpr int kStudyMinSteps = 2;
inline constexpr int kStudyMaxSteps = 1000;
inline constexpr int kStudyMaxFamily = 8; // values of the second input

// One varied input.
struct StudyAxis
{
    std::string field; // its --set name, e.g. "circumference"
    std::vector<double> values; // stored SI values, in order
};

// from + (to - from) * i / (steps - 1) for i = 0 .. steps - 1, the last
// exactly `to`; empty when steps lies outside 2 .. 1000.
std::vector<double> rangeValues(double from, double to, int steps);

// The inputs offered for an objective: the tube, slurry, water level and
// reduction factors, and the objective's own input.
std::vector<std::string> studyFields(AnalysisType objective);
// The same for the project's inputs: without the upper layer's unit weight and
// the lower layer's height when the tube holds one slurry layer.
std::vector<std::string> studyFields(const TubeInput &input);

// A value breaking the field's own rule (its bounds), a count outside
// 2 .. 1000 (first input) or 1 .. 8 (second input), or a field not offered:
// a failure naming the input, focus on the field.
std::optional<Failure> checkStudyAxis(const ProjectRecord &project, const StudyAxis &axis,
                                      bool second);

struct StudyRequest
{
    StudyAxis first;
    std::optional<StudyAxis> second;
    SolutionMethod method = kDefaultSolutionMethod;
};

// Both axes, and a second input that is not the first one.
std::optional<Failure> checkStudyRequest(const ProjectRecord &project, const StudyRequest &request);

struct StudyPoint
{
    double first = 0; // the inputs of the point (second: 0 when none)
    double second = 0;
    TubeInput input; // the project's inputs with the point's values set
    bool solved = false;
    TubeSolution solution; // the run's solution when solved
    std::string error; // Windows-1252: the rule's or run's message when not solved
};

// Shared with the thread that runs the study: set `cancel` to stop it; `done`
// counts the points finished so far.
struct StudyControl
{
    std::atomic<bool> cancel {false};
    std::atomic<int> done {0};
};

// The message of a point not computed because the study was cancelled.
inline constexpr const char *kStudyCancelled = "Not computed: the study was cancelled.";

// Points ordered by second value, then by first value. `threads` 0 = hardware
// concurrency. Each point = a copy of the project with the inputs set, the rule
// check and runAnalysis of a plain run, and the check that every result is a
// finite number; never changes `project`. Stops promptly when control->cancel
// is set: the points not computed carry kStudyCancelled. The request is taken
// as checked by checkStudyRequest.
std::vector<StudyPoint> runStudy(const ProjectRecord &project, const StudyRequest &request,
                                 StudyControl *control = nullptr, unsigned threads = 0);

// Number of points of a request: first values × second values (1 when none).
size_t studyPointCount(const StudyRequest &request);

enum class StudyValue {
    Height,
    MaxWidth,
    BaseWidth,
    StorageArea,
    WorkingStrengthCircumferential,
    WorkingStrengthAxial,
    RequiredStrengthCircumferential,
    RequiredStrengthAxial,
    PumpingPressure,
    HeightPerDiameter,
};

const std::vector<StudyValue> &allStudyValues();
const char *studyValueName(StudyValue value); // CSV/JSON key, e.g. "maxHeight"
const char *studyValueLabel(StudyValue value); // for headings, e.g. "Maximum height"
Quantity studyValueQuantity(StudyValue value); // its display factor (field_table.h)

// A varied input's stored value as the project shows it, and back; the input is
// named as on the command line (an unknown name is not converted).
double shownStudyInput(std::string_view field, double stored, const DisplaySettings &display);
double storedStudyInput(std::string_view field, double shown, const DisplaySettings &display);
// The project's stored value of a varied input, and what the input measures.
double studyInputValue(const ProjectRecord &project, std::string_view field);
Quantity studyInputQuantity(std::string_view field);

// The value of a point in SI; NaN for a point that was not solved.
double studyValueOf(const StudyPoint &point, StudyValue value);

} // namespace vendrix
