#include "cli/batch_study.h"

#include "cli/solution_json.h"
#include "model/c_format.h"
#include "model/input_rules.h"
#include "model/windows1252.h"

#include <cstdlib>

namespace vendrix {

namespace {

const char *const kVaryForms = "NAME=FROM:TO:STEPS or NAME=V1,V2,...";

// The parts of `text` between the separators, empty parts included.
std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string::npos;
         start = at + 1, at = text.find(separator, start))
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

std::optional<std::string> readValue(const std::string &field, const std::string &text,
                                     double &value)
{
    // Read like a --set number: plain decimal notation, stored SI units.
    if (!parsePlainDecimal(text, value))
        return "--vary " + field + ": \"" + text + "\" is not a number in plain decimal notation";
    return std::nullopt;
}

std::optional<std::string> readRange(const std::string &field,
                                     const std::vector<std::string> &parts, StudyAxis &axis)
{
    double from = 0;
    double to = 0;
    if (auto refusal = readValue(field, parts[0], from))
        return refusal;
    if (auto refusal = readValue(field, parts[1], to))
        return refusal;
    const std::string &steps = parts[2];
    const bool digits = !steps.empty() && steps.size() <= 7
        && steps.find_first_not_of("0123456789") == std::string::npos;
    const long count = digits ? std::strtol(steps.c_str(), nullptr, 10) : 0;
    if (count < kStudyMinSteps || count > kStudyMaxSteps)
        return "--vary " + field + ": the number of steps should lie between 2 and 1000, not \""
            + steps + "\"";
    axis.values = rangeValues(from, to, static_cast<int>(count));
    return std::nullopt;
}

std::optional<std::string> readList(const std::string &field, const std::vector<std::string> &parts,
                                    StudyAxis &axis)
{
    if (parts.size() > size_t(kStudyMaxSteps))
        return "--vary " + field + ": at most 1000 values can be listed";
    for (const std::string &part : parts) {
        double value = 0;
        if (auto refusal = readValue(field, part, value))
            return refusal;
        axis.values.push_back(value);
    }
    return std::nullopt;
}

std::string axisOption(const StudyAxis &axis)
{
    return "--vary " + axis.field;
}

} // namespace

std::optional<std::string> parseStudyAxis(const std::string &text, StudyAxis &axis)
{
    const size_t eq = text.find('=');
    if (eq == std::string::npos || eq == 0 || eq + 1 == text.size())
        return "--vary takes " + std::string(kVaryForms) + ", not \"" + text + "\"";
    axis.field = text.substr(0, eq);
    const std::string values = text.substr(eq + 1);
    const std::vector<std::string> range = split(values, ':');
    if (range.size() == 3)
        return readRange(axis.field, range, axis);
    if (range.size() != 1)
        return "--vary takes " + std::string(kVaryForms) + ", not \"" + text + "\"";
    return readList(axis.field, split(values, ','), axis);
}

std::optional<Failure> checkStudyOptions(const BatchOptions &options)
{
    if (options.variations.size() > 2)
        return Failure::plain("--vary can be given at most twice");
    if (!options.variations.empty() && options.studyPath.empty() && !options.json)
        return Failure::plain("--vary needs --study FILE or --json to show the study");
    if (options.variations.empty() && !options.studyPath.empty())
        return Failure::plain("--study needs --vary NAME=FROM:TO:STEPS");
    return std::nullopt;
}

std::optional<Failure> studyRequest(const BatchOptions &options, const ProjectRecord &project,
                                    StudyRequest &request)
{
    request.first = options.variations.at(0);
    if (options.variations.size() > 1)
        request.second = options.variations[1];
    request.method = options.method;
    std::optional<Failure> failure = checkStudyRequest(project, request);
    if (failure) {
        const bool second = request.second && failure->focusField == request.second->field;
        std::string sentence = failure->messageText;
        if (sentence.ends_with(kPleaseCorrect))
            sentence.resize(sentence.size() - std::string_view(kPleaseCorrect).size());
        const std::string number = failure->errorNumberText();
        failure->messageText = axisOption(second ? *request.second : request.first) + ": "
            + (number.empty() ? "" : number + ": ") + printableLine(sentence);
        failure->number = 0;
    }
    return failure;
}

void writeStudyJson(JsonWriter &json, const StudyRequest &request,
                    const std::vector<StudyPoint> &points, bool profile)
{
    json.beginArray("study");
    for (const StudyPoint &point : points) {
        json.beginObject();
        json.beginObject("inputs");
        json.shortestNumber(request.first.field, point.first);
        if (request.second)
            json.shortestNumber(request.second->field, point.second);
        json.endObject();
        if (point.solved)
            writeSolutionObject(json, point.solution, profile);
        else
            json.string("error", windows1252ToUtf8(point.error));
        json.endObject();
    }
    json.endArray();
}

} // namespace vendrix
