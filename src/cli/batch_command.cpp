#include "cli/batch_command.h"

#include "cli/batch_options.h"
#include "cli/batch_study.h"
#include "cli/design_check_json.h"
#include "cli/json_writer.h"
#include "cli/solution_json.h"
#include "engine/analysis_run.h"
#include "engine/numerical_results.h"
#include "engine/solution_check.h"
#include "model/atomic_file.h"
#include "model/c_format.h"
#include "model/field_table.h"
#include "model/input_rules.h"
#include "model/project_file.h"
#include "model/project_lock_file.h"
#include "model/regular_file.h"
#include "model/result_fields.h"
#include "model/units.h"
#include "model/windows1252.h"
#include "post/consolidation.h"
#include "post/quantities.h"
#include "report/cross_section_dxf.h"
#include "report/envelope_csv.h"
#include "report/outline_csv.h"
#include "report/results_text.h"
#include "report/spreadsheet_export.h"
#include "report/study_csv.h"
#include "report/xlsx_export.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <string>
#include <unistd.h>

namespace vendrix {

namespace {

void print(std::FILE *stream, const std::string &utf8)
{
    std::fputs(utf8.c_str(), stream);
}

// The error stream, and the first complaint made on it: with --json that one
// becomes the "error" object printed in place of the results.
struct ErrorStream
{
    std::FILE *file;
    std::string first; // UTF-8

    void say(const std::string &utf8)
    {
        print(file, "vendrix run: " + utf8 + "\n");
        if (first.empty())
            first = utf8;
    }
};

// The one JSON object of a call that was refused; "number" only when the
// refusal has one ("Error No.302").
void printJsonError(std::FILE *out, const std::string &number, const std::string &messageUtf8)
{
    JsonWriter json;
    json.beginObject();
    json.beginObject("error");
    if (!number.empty())
        json.string("number", number);
    json.string("message", messageUtf8);
    json.endObject();
    json.endObject();
    print(out, json.text() + "\n");
}

// A refused run or input: "Error No.302: message" on the error stream, or an
// "error" object on standard output with --json.
int refuse(const BatchOptions &options, const Failure &failure, std::FILE *out, std::FILE *err)
{
    const std::string number = failure.errorNumberText();
    const std::string message = failureTextUtf8(failure);
    if (options.json)
        printJsonError(out, number, message);
    else
        print(err, (number.empty() ? message : number + ": " + message) + "\n");
    return kBatchRefused;
}

void writeSolutionJson(JsonWriter &json, const ProjectRecord &record, const RunOutcome &outcome,
                       bool profile)
{
    const TubeSolution &s = record.solution;
    writeSolutionObject(json, s, profile);
    json.beginObject("solver");
    json.string("method", solutionMethodName(s.method));
    json.integer("passes", outcome.passes);
    json.integer("zones", outcome.zones);
    if (s.accuracyLimit != AccuracyLimit::None)
        json.string("accuracyLimit", accuracyLimitText(s.accuracyLimit));
    json.endObject();
}

void writeConsolidationJson(JsonWriter &json, const ConsolidationResult &c, bool profile)
{
    json.beginObject("consolidation");
    for (const ResultField<ConsolidationResult> &field : consolidationResultFields())
        json.number(field.name, c.*field.number);
    if (profile) {
        // The Option 1 shape: the origin followed by the 361 settled points.
        json.beginArray("shapeX");
        for (double v : c.shapeX)
            json.arrayNumber(v);
        json.endArray();
        json.beginArray("shapeY");
        for (double v : c.shapeY)
            json.arrayNumber(v);
        json.endArray();
    }
    json.endObject();
}

using RecordFileHook
    = std::function<std::optional<Failure>(const ProjectRecord &, const std::filesystem::path &)>;

bool writeWithHook(const RecordFileHook &hook, const char *what, const ProjectRecord &record,
                   const std::filesystem::path &path, ErrorStream &err)
{
    if (!hook) {
        err.say(std::string(what) + " is not available in this build");
        return false;
    }
    if (const auto failure = hook(record, path)) {
        err.say(std::string("cannot write ") + what + ": " + failureTextUtf8(*failure));
        return false;
    }
    return true;
}

// Writes one file when its option was given; false after a message when it
// could not be written.
bool writeIfAsked(const std::filesystem::path &path, const char *what,
                  const std::function<std::optional<Failure>(const std::filesystem::path &)> &write,
                  ErrorStream &err)
{
    if (path.empty())
        return true;
    const std::optional<Failure> failure = write(path);
    if (failure)
        err.say(std::string("cannot write ") + what + ": " + failureTextUtf8(*failure));
    return !failure;
}

// The report hook with the chosen paper bound in.
RecordFileHook onPaper(const decltype(BatchHooks::writeReportPdf) &hook, ReportPaper paper)
{
    if (!hook)
        return {};
    return [&hook, paper](const ProjectRecord &r, const std::filesystem::path &path) {
        return hook(r, path, paper);
    };
}

// The shown tube length, as the Quantities dialog would take it.
double shownTubeLength(const ProjectRecord &record)
{
    return shownRecordValue(record, FieldId::TubeLength);
}

// After the run (which refuses a result that is not a number) and any
// consolidation, before any file is written: a consolidated result that is not
// a number is a failure, never printed or written. The rules of the
// Quantities dialog apply too, whether or not --quantities is given, so that a
// project is taken only with every stored number in its domain: the cost text
// (1100), the length (501), then totals that must stay finite.
std::optional<Failure> checkBatchOutcome(const ProjectRecord &record, const BatchOptions &options)
{
    if (options.consolidate) {
        if (auto failure = checkConsolidationResult(record.consolidation))
            return failure;
    }
    if (auto failure = checkCostText(record.input.costPerUnitArea))
        return failure;
    if (auto failure = checkTubeLength(shownTubeLength(record)))
        return failure;
    return checkQuantities(
        computeQuantities(record, record.input.costPerUnitArea, shownTubeLength(record)));
}

// The printed report leaves out a logo it cannot read; a FIFO or device named
// as the logo, though, is a mistake worth reporting rather than skipping.
bool writeReport(const BatchHooks &hooks, const ProjectRecord &record,
                 const std::filesystem::path &path, ReportPaper paper, ErrorStream &err)
{
    if (record.info.includeLogo && isSpecialFile(record.info.logoPath.cp1252)) {
        err.say("cannot write the report: the logo \""
                + windows1252ToUtf8(record.info.logoPath.cp1252) + "\" is not a regular file");
        return false;
    }
    // A logo that cannot be printed is left out, and the user is told so.
    if (record.info.includeLogo && !record.info.logoPath.cp1252.empty() && hooks.logoProblem) {
        if (const auto problem = hooks.logoProblem(record.info.logoPath.cp1252))
            print(err.file, "vendrix run: warning: " + windows1252ToUtf8(*problem) + "\n");
    }
    return writeWithHook(onPaper(hooks.writeReportPdf, paper), "the report", record, path, err);
}

// The --set values, held to what the input dialogs would accept as typed: a text
// no longer than its field, and with one slurry layer the upper unit weight
// equal to the lower one (the dialog shows and stores it so).
bool applyAssignments(const BatchOptions &options, ProjectRecord &record, ErrorStream &err)
{
    for (const auto &[name, value] : options.assignments) {
        std::optional<Failure> failure = setRecordField(record, name, value);
        const FieldEntry *field = findRecordField(name);
        if (!failure && field && field->kind == FieldKind::Text)
            failure = checkTextLength(field->id, *field->text(record));
        if (failure) {
            err.say("--set " + name + "=" + value + ": " + failureTextUtf8(*failure));
            return false;
        }
    }
    if (!options.assignments.empty() && !record.input.twoSlurryLayers)
        record.input.slurryUnitWeightUpper = record.input.slurryUnitWeightLower;
    return true;
}

void writeEnvelopeJson(JsonWriter &json, const FillingEnvelope &e)
{
    const bool found = e.state == SafeLimitState::Found;
    const double none = std::nan("");
    json.beginObject("envelope");
    json.number("maxSafePressure", found ? e.safeLimit.pumpingPressure : none);
    json.number("heightAtMaxSafePressure", found ? e.safeLimit.maxHeight : none);
    json.number("widthAtMaxSafePressure", found ? e.safeLimit.maxWidth : none);
    json.number("areaAtMaxSafePressure", found ? e.safeLimit.area : none);
    json.number("allowableTension", e.allowableTension);
    json.integer("points", static_cast<long>(e.points.size()));
    if (!found)
        json.string("reason", windows1252ToUtf8(safeLimitReason(e, UnitSystem::SI)));
    json.endObject();
}

// The safe limit in the project's display units, under the printed results.
void printEnvelopeSummary(std::FILE *out, const FillingEnvelope &e, const DisplaySettings &display)
{
    if (e.state != SafeLimitState::Found) {
        print(out, "\n" + windows1252ToUtf8(safeLimitReason(e, display.unitSystem)) + "\n");
        return;
    }
    const UnitFactors f = UnitFactors::forSettings(display.unitSystem);
    const UnitLabels labels = unitLabels(display.unitSystem, true);
    print(out,
          "\nMaximum pumping pressure  = "
              + formatC("%.2f %s", e.safeLimit.pumpingPressure * f.pumpingPressure, labels.pressure)
              + "\nStop-filling height       = "
              + formatC("%.2f %s", e.safeLimit.maxHeight * f.length, labels.length) + "\n");
}

bool hasExtension(const std::filesystem::path &file, const char *ext)
{
    const std::string &path = file.native();
    const size_t n = std::strlen(ext);
    if (path.size() < n)
        return false;
    for (size_t i = 0; i < n; ++i) {
        const char c = path[path.size() - n + i];
        if (std::tolower(static_cast<unsigned char>(c)) != ext[i])
            return false;
    }
    return true;
}

bool writeEnvelopeFile(const BatchOptions &options, const BatchHooks &hooks,
                       const ProjectRecord &record, const FillingEnvelope &e, ErrorStream &err)
{
    const std::filesystem::path &path = options.envelopePath;
    std::optional<Failure> failure;
    if (hasExtension(path, ".csv")) {
        failure = writeEnvelopeCsvFile(path, e, record.display.unitSystem);
    } else if (hasExtension(path, ".pdf")) {
        failure = hooks.writeEnvelopeCard
            ? hooks.writeEnvelopeCard(record, e, path)
            : Failure::plain("the field card is not available in this build");
    } else {
        failure = hooks.writeEnvelopeChart
            ? hooks.writeEnvelopeChart(record, e, path, options.imageWidth, options.imageHeight)
            : Failure::plain("the chart is not available in this build");
    }
    if (failure)
        err.say("cannot write the filling envelope: " + failureTextUtf8(*failure));
    return !failure;
}

// The envelope of the project's tube and its file, when one was asked for.
bool computeEnvelope(const BatchOptions &options, const BatchHooks &hooks,
                     const ProjectRecord &record, FillingEnvelope &envelope, ErrorStream &err)
{
    EnvelopeRequest request;
    request.maxPressure = options.envelopeMaxPressure;
    envelope = computeFillingEnvelope(record.input, request);
    return options.envelopePath.empty() || writeEnvelopeFile(options, hooks, record, envelope, err);
}

// The batch command never waits for a lock: a project open in a desktop Vendrix
// is written all the same, and the user is told whose copy is now stale.
void warnWhenHeldByDesktop(const std::filesystem::path &savePath, std::FILE *err)
{
    const auto holder = liveProjectLockHolder(savePath);
    if (!holder)
        return;
    print(err,
          "vendrix run: warning: \"" + savePath.string() + "\" is open in "
              + (holder->program.empty() ? std::string("another program") : holder->program)
              + " (process " + std::to_string(holder->pid)
              + (holder->host.empty() ? std::string() : " on " + holder->host)
              + "); it is saved anyway\n");
}

// Opens the project, applies --set and writes --save; false after a message.
bool prepareProject(const BatchOptions &options, ProjectRecord &record, ErrorStream &err)
{
    std::optional<Failure> failure;
    if (!options.projectPath.empty())
        failure = openProjectFile(options.projectPath, record);
    if (!failure && !applyAssignments(options, record, err))
        return false;
    if (!failure && !options.savePath.empty()) {
        warnWhenHeldByDesktop(options.savePath, err.file);
        failure = saveProjectFile(options.savePath, record);
        if (!failure)
            record.info.projectPath = options.savePath;
    }
    if (failure)
        err.say(failureTextUtf8(*failure));
    return !failure;
}

// The input checks, the run and any consolidation; a refusal as it is reported.
std::optional<Failure> analyse(const BatchOptions &options, ProjectRecord &record,
                               RunOutcome &outcome)
{
    outcome = runAnalysis(record, options.method);
    if (outcome.refused())
        return outcome.failure;
    if (options.consolidate) {
        if (auto failure
            = checkConsolidationData(record, record.input.specificGravitySolids,
                                     shownRecordValue(record, FieldId::ConsolidatedUnitWeight)))
            return failure;
        record.state.shapeShown = options.consolidate;
        if (options.consolidate == Shape::Option1)
            computeConsolidationOption1(record);
        else
            computeConsolidationOption2(record);
    }
    return checkBatchOutcome(record, options);
}

// The text files and exports; false when one could not be written.
bool writeTextFiles(const BatchOptions &options, const ProjectRecord &record, ErrorStream &err)
{
    // Written after any consolidation so that the consolidated tube is included.
    auto forRecord = [&record](auto write) {
        return [&record, write](const std::filesystem::path &path) { return write(path, record); };
    };
    bool filesWritten = writeIfAsked(options.resultsPath, "the results text file",
                                     forRecord(writeResultsTextFile), err);
    filesWritten &= writeIfAsked(options.spreadsheetPath, "the spreadsheet file",
                                 forRecord(writeSpreadsheetFile), err);
    filesWritten
        &= writeIfAsked(options.workbookPath, "the workbook", forRecord(writeXlsxFile), err);
    filesWritten
        &= writeIfAsked(options.csvPath, "the CSV file", forRecord(writeOutlineCsvFile), err);
    filesWritten &= writeIfAsked(options.dxfPath, "the CAD drawing",
                                 forRecord(writeCrossSectionDxfFile), err);
    filesWritten &= writeIfAsked(
        options.quantitiesPath, "the quantities",
        [&record](const std::filesystem::path &path) {
            const Quantities quantities
                = computeQuantities(record, record.input.costPerUnitArea, shownTubeLength(record));
            return writeQuantitiesFile(path, record, quantities, record.input.quantityRemarks);
        },
        err);
    return filesWritten;
}

// The report and the pictures, drawn by the hooks; false when one failed.
bool writeDrawings(const BatchOptions &options, const BatchHooks &hooks,
                   const ProjectRecord &record, ErrorStream &err)
{
    bool filesWritten = true;
    if (!options.pdfPath.empty())
        filesWritten &= writeReport(hooks, record, options.pdfPath, options.paper, err);
    const int width = options.imageWidth;
    const int height = options.imageHeight;
    auto sized = [width, height](const auto &hook) {
        if (!hook)
            return RecordFileHook();
        return RecordFileHook(
            [&hook, width, height](const ProjectRecord &r, const std::filesystem::path &path) {
                return hook(r, path, width, height);
            });
    };
    if (!options.imagePath.empty())
        filesWritten &= writeWithHook(sized(hooks.writeCrossSectionImage),
                                      "the cross-section image", record, options.imagePath, err);
    if (!options.sketchPath.empty())
        filesWritten &= writeWithHook(sized(hooks.writeSketchImage), "the input sketch", record,
                                      options.sketchPath, err);
    return filesWritten;
}

// A study asked for with --vary, and its points once run.
struct BatchStudy
{
    std::optional<StudyRequest> request;
    std::vector<StudyPoint> points;
};

// The study's request checked against the project, before anything is run.
bool prepareStudy(const BatchOptions &options, const ProjectRecord &record, BatchStudy &study,
                  ErrorStream &err)
{
    if (options.variations.empty())
        return true;
    StudyRequest request;
    if (const auto failure = studyRequest(options, record, request)) {
        err.say(windows1252ToUtf8(failure->messageText));
        return false;
    }
    study.request = std::move(request);
    return true;
}

// Runs the study on every core and writes its file; false when it could not be written.
bool runBatchStudy(const BatchOptions &options, const BatchHooks &hooks,
                   const ProjectRecord &record, BatchStudy &study, ErrorStream &err)
{
    if (!study.request)
        return true;
    study.points = runStudy(record, *study.request);
    const std::string &path = options.studyPath;
    if (path.empty())
        return true;
    std::optional<Failure> failure;
    if (hasExtension(path, ".csv"))
        failure = writeStudyCsvFile(path, *study.request, study.points, record.display.unitSystem);
    else
        failure = hooks.writeStudyChart
            ? hooks.writeStudyChart(record, *study.request, study.points, path, options.imageWidth,
                                    options.imageHeight)
            : Failure::plain("the study's chart is not available in this build");
    if (failure)
        err.say("cannot write the study: " + failure->messageText);
    return !failure;
}

// How many points of the study were solved, under the printed results.
void printStudySummary(std::FILE *out, const BatchStudy &study)
{
    size_t solved = 0;
    for (const StudyPoint &point : study.points)
        solved += point.solved ? 1 : 0;
    print(out,
          formatC("\nParametric study: %zu points, %zu solved\n", study.points.size(), solved));
}

// The results on standard output: one JSON object, or the result lines.
void printResults(const BatchOptions &options, const ProjectRecord &record,
                  const RunOutcome &outcome, const FillingEnvelope &envelope,
                  const BatchStudy &study, std::FILE *out)
{
    if (options.json) {
        JsonWriter json;
        json.beginObject();
        writeSolutionJson(json, record, outcome, options.profile);
        if (options.consolidate)
            writeConsolidationJson(json, record.consolidation, options.profile);
        if (options.envelope)
            writeEnvelopeJson(json, envelope);
        if (study.request)
            writeStudyJson(json, *study.request, study.points, options.profile);
        writeDesignCheckJson(json, record);
        json.endObject();
        print(out, json.text() + "\n");
        return;
    }
    for (const std::string &line : numericalResultsLines(record)) {
        if (!line.empty())
            print(out, windows1252ToUtf8(line) + "\n");
    }
    if (const std::string notice = solutionNoticeLine(record.solution); !notice.empty())
        print(out, notice + "\n");
    if (outcome.warning) {
        print(out, "\n");
        for (const char *line : kDisplayedNonConvergenceNotice)
            print(out, std::string(line) + "\n");
    }
    if (options.envelope)
        printEnvelopeSummary(out, envelope, record.display);
    if (study.request)
        printStudySummary(out, study);
}

// An output that would overwrite the project being read, or another output.
// --save may name the project: it writes a project, after it was read.
std::optional<Failure> checkOutputNames(const BatchOptions &options)
{
    const auto files = outputFiles(options);
    for (size_t i = 0; i < files.size(); ++i) {
        const auto &[option, path] = files[i];
        if (!options.projectPath.empty() && std::string_view(option) != "--save"
            && namesSameFile(path, options.projectPath))
            return Failure::aboutFile(
                std::string(option) + " \"%1\" would overwrite the project being read", path);
        for (size_t j = 0; j < i; ++j) {
            if (namesSameFile(path, files[j].second))
                return Failure::aboutFile(std::string(option) + " \"%1\" names the file of "
                                              + files[j].first + " \""
                                              + utf8ToWindows1252(files[j].second.native()) + "\"",
                                          path);
        }
    }
    return std::nullopt;
}

// The options, or the status of a call that ends before the project is opened.
std::optional<int> takeOptions(int argc, char **argv, BatchOptions &options, std::FILE *out,
                               std::FILE *err)
{
    // Known before parsing, so that even a malformed call answers in JSON.
    for (int i = 1; i < argc; ++i)
        options.json = options.json || std::string_view(argv[i]) == "--json";
    std::optional<Failure> failure = parseBatchOptions(argc, argv, options);
    if (!failure && options.help) {
        print(out, batchUsage());
        return kBatchDone;
    }
    if (!failure)
        failure = checkOutputNames(options);
    if (!failure)
        failure = checkStudyOptions(options);
    if (!failure)
        return std::nullopt;
    if (options.json)
        printJsonError(out, "", failureTextUtf8(*failure));
    else
        print(err, "vendrix run: " + failureTextUtf8(*failure) + "\nTry 'vendrix --help'.\n");
    return kBatchRefused;
}

// With standard output closed (`>&-`), the next file opened would take its
// place and receive the results: the place is filled with /dev/null, and the
// closed output is reported at the end.
bool occupyClosedOutput(std::FILE *out)
{
    const int fd = ::fileno(out);
    if (fd < 0 || ::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
        return false;
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null >= 0 && null != fd) {
        ::dup2(null, fd);
        ::close(null);
    }
    return true;
}

// The status once everything printed has reached standard output: a failed
// write there (a full disk, a closed output) is a failure like any file's.
int finish(std::FILE *out, std::FILE *err, bool outputClosed, int status)
{
    const int flushed = std::fflush(out);
    const int error = errno;
    if (!outputClosed && flushed == 0 && std::ferror(out) == 0)
        return status;
    print(err,
          std::string("vendrix run: cannot write to standard output: ")
              + (outputClosed ? "it is closed" : std::strerror(error)) + "\n");
    return kBatchRefused;
}

// Every step after the options; the status of the call.
int runSteps(const BatchOptions &options, const BatchHooks &hooks, std::FILE *out, ErrorStream &err)
{
    ProjectRecord record;
    BatchStudy study;
    if (!prepareProject(options, record, err) || !prepareStudy(options, record, study, err)) {
        if (options.json)
            printJsonError(out, "", err.first);
        return kBatchRefused;
    }
    RunOutcome outcome;
    if (const auto failure = analyse(options, record, outcome))
        return refuse(options, *failure, out, err.file);
    bool done = writeTextFiles(options, record, err);
    done &= writeDrawings(options, hooks, record, err);
    FillingEnvelope envelope;
    if (options.envelope)
        done &= computeEnvelope(options, hooks, record, envelope, err);
    done &= runBatchStudy(options, hooks, record, study, err);
    // A script reading --json learns of a failed file from the object itself.
    if (done || !options.json)
        printResults(options, record, outcome, envelope, study, out);
    else
        printJsonError(out, "", err.first);
    return done ? kBatchDone : kBatchRefused;
}

} // namespace

int runBatchCommand(int argc, char **argv, const BatchHooks &hooks, std::FILE *out, std::FILE *err)
{
    // Ctrl+C or a kill while a file is being written leaves no temporary file.
    removeTemporaryFilesOnInterruption();
    const bool outputClosed = occupyClosedOutput(out);
    BatchOptions options;
    if (const std::optional<int> status = takeOptions(argc, argv, options, out, err))
        return finish(out, err, outputClosed, *status);
    ErrorStream errors {err, {}};
    return finish(out, err, outputClosed, runSteps(options, hooks, out, errors));
}

} // namespace vendrix
