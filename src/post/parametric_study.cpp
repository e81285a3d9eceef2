#include "post/parametric_study.h"

#include "engine/analysis_run.h"
#include "model/input_rules.h"

#include <algorithm>
#include <exception>
#include <thread>

namespace vendrix {

namespace {

const char *objectiveField(AnalysisType objective)
{
    switch (objective) {
    case AnalysisType::GivenHeight:
        return "desiredMaxHeight";
    case AnalysisType::GivenPressure:
        return "pumpingPressure";
    case AnalysisType::GivenStrength:
        break;
    }
    return "ultimateStrength";
}

bool isTwoLayerField(const std::string &field)
{
    return field == "slurryUnitWeightUpper" || field == "slurryHeightLower";
}

std::string joined(const std::vector<std::string> &names)
{
    std::string text;
    for (const std::string &name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

// The bounds rule of the field for a stored value. Checked in SI, so that a
// value on a bound is taken as given; the message in the project's units.
std::optional<Failure> checkStudyValue(const std::string &field, double value,
                                       const DisplaySettings &display)
{
    const FieldEntry *entry = findRecordField(field);
    if (!entry)
        return std::nullopt;
    auto failure = checkNumberBounds(entry->id, value, DisplaySettings {});
    if (!failure)
        return std::nullopt;
    if (auto shown
        = checkNumberBounds(entry->id, shownFieldValue(entry->id, value, display), display))
        return shown;
    return failure;
}

// "Error No.302: message", without the dialog's request to correct the field.
std::string failureText(const Failure &failure)
{
    std::string message = failure.messageText;
    if (message.ends_with(kPleaseCorrect))
        message.resize(message.size() - std::string_view(kPleaseCorrect).size());
    const std::string number = failure.errorNumberText();
    return number.empty() ? message : number + ": " + message;
}

void setStudyInput(ProjectRecord &record, const std::string &field, double value)
{
    if (const FieldEntry *entry = findRecordField(field); entry && entry->number)
        *entry->number(record) = value;
    // As the dialog stores one slurry layer: the upper unit weight is the lower one.
    if (field == "slurryUnitWeightLower" && !record.input.twoSlurryLayers)
        record.input.slurryUnitWeightUpper = value;
}

// The project with the inputs of point `index` set; the point receives them.
ProjectRecord pointRecord(const ProjectRecord &project, const StudyRequest &request, size_t index,
                          StudyPoint &point)
{
    const size_t steps = request.first.values.size();
    ProjectRecord record = project;
    point.first = request.first.values[index % steps];
    setStudyInput(record, request.first.field, point.first);
    if (request.second) {
        point.second = request.second->values[index / steps];
        setStudyInput(record, request.second->field, point.second);
    }
    point.input = record.input;
    return record;
}

// A point kept without results, with its inputs and the reason.
StudyPoint unsolvedPoint(const ProjectRecord &project, const StudyRequest &request, size_t index,
                         const char *reason)
{
    StudyPoint point;
    pointRecord(project, request, index, point);
    point.error = reason;
    return point;
}

// One point: what a plain run of the project with these inputs reports.
StudyPoint solvePoint(const ProjectRecord &project, const StudyRequest &request, size_t index)
{
    StudyPoint point;
    ProjectRecord record = pointRecord(project, request, index, point);
    // The run checks the inputs and refuses results that are not numbers.
    const RunOutcome outcome = runAnalysis(record, request.method);
    if (outcome.failure) {
        point.error = failureText(*outcome.failure);
        return point;
    }
    point.solved = true;
    point.solution = record.solution;
    return point;
}

// Takes points in turn until none is left or the study is cancelled.
void solvePoints(const ProjectRecord &project, const StudyRequest &request,
                 std::vector<StudyPoint> &points, std::atomic<size_t> &next, StudyControl *control)
{
    for (;;) {
        if (control && control->cancel.load(std::memory_order_relaxed))
            return;
        const size_t index = next.fetch_add(1);
        if (index >= points.size())
            return;
        try {
            points[index] = solvePoint(project, request, index);
        } catch (const std::exception &e) {
            points[index] = unsolvedPoint(project, request, index, e.what());
        }
        if (control)
            control->done.fetch_add(1, std::memory_order_relaxed);
    }
}

} // namespace

std::vector<double> rangeValues(double from, double to, int steps)
{
    std::vector<double> values;
    if (steps < kStudyMinSteps || steps > kStudyMaxSteps)
        return values;
    values.reserve(static_cast<size_t>(steps));
    for (int i = 0; i + 1 < steps; ++i)
        values.push_back(from + (to - from) * i / (steps - 1));
    values.push_back(to);
    return values;
}

std::vector<std::string> studyFields(AnalysisType objective)
{
    return {"circumference",         objectiveField(objective),
            "slurryUnitWeightLower", "slurryUnitWeightUpper",
            "slurryHeightLower",     "fluidHeightLower",
            "fluidUnitWeightLower",  "rfInstallationDamage",
            "rfDurability",          "rfCreep",
            "rfSeamCircumferential", "rfSeamAxial"};
}

std::vector<std::string> studyFields(const TubeInput &input)
{
    std::vector<std::string> fields = studyFields(input.analysisType);
    if (!input.twoSlurryLayers)
        std::erase_if(fields, isTwoLayerField);
    return fields;
}

std::optional<Failure> checkStudyAxis(const ProjectRecord &project, const StudyAxis &axis,
                                      bool second)
{
    const std::vector<std::string> offered = studyFields(project.input);
    if (std::find(offered.begin(), offered.end(), axis.field) == offered.end())
        return Failure {0,
                        "\"" + axis.field
                            + "\" cannot be varied for this project; these inputs can: "
                            + joined(offered) + ".",
                        axis.field};
    const size_t count = axis.values.size();
    if (!second && (count < size_t(kStudyMinSteps) || count > size_t(kStudyMaxSteps)))
        return Failure {0,
                        axis.field + " takes 2 to 1000 steps, not " + std::to_string(count) + ".",
                        axis.field};
    if (second && (count < 1 || count > size_t(kStudyMaxFamily)))
        return Failure {0,
                        axis.field + " takes 1 to 8 values as the second input, not "
                            + std::to_string(count) + ".",
                        axis.field};
    for (double value : axis.values) {
        if (auto failure = checkStudyValue(axis.field, value, project.display))
            return failure;
    }
    return std::nullopt;
}

std::optional<Failure> checkStudyRequest(const ProjectRecord &project, const StudyRequest &request)
{
    if (auto failure = checkStudyAxis(project, request.first, false))
        return failure;
    if (!request.second)
        return std::nullopt;
    if (request.second->field == request.first.field)
        return Failure {0, request.first.field + " cannot be both the first and the second input.",
                        request.first.field};
    return checkStudyAxis(project, *request.second, true);
}

size_t studyPointCount(const StudyRequest &request)
{
    return request.first.values.size() * (request.second ? request.second->values.size() : 1);
}

std::vector<StudyPoint> runStudy(const ProjectRecord &project, const StudyRequest &request,
                                 StudyControl *control, unsigned threads)
{
    std::vector<StudyPoint> points(studyPointCount(request));
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    threads = static_cast<unsigned>(std::min<size_t>(threads, points.size()));
    std::atomic<size_t> next {0};
    std::vector<std::thread> workers;
    for (unsigned i = 1; i < threads; ++i)
        workers.emplace_back([&] { solvePoints(project, request, points, next, control); });
    solvePoints(project, request, points, next, control);
    for (std::thread &worker : workers)
        worker.join();
    // Points left when cancelled: their inputs, and why they have no results.
    for (size_t i = std::min(next.load(), points.size()); i < points.size(); ++i)
        points[i] = unsolvedPoint(project, request, i, kStudyCancelled);
    return points;
}

} // namespace vendrix
