#pragma once
// The options of `vendrix run`.

#include "model/failure.h"
#include "model/project_record.h"
#include "model/solution_method.h"
#include "post/parametric_study.h"

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vendrix {

// Paper of the printed report; by default the paper of the user's locale.
enum class ReportPaper {
    LocaleDefault,
    A4,
    Letter,
};

struct BatchOptions
{
    std::filesystem::path projectPath; // optional .Vdx to open first
    std::vector<std::pair<std::string, std::string>> assignments; // --set NAME=VALUE, in order
    bool json = false;
    bool profile = false;
    std::filesystem::path savePath; // --save FILE.Vdx
    std::optional<Shape> consolidate; // --consolidate 1|2: Option1 or Option2
    std::filesystem::path resultsPath; // --results FILE.txt
    std::filesystem::path spreadsheetPath; // --xls FILE.xls
    std::filesystem::path workbookPath; // --xlsx FILE.xlsx
    std::filesystem::path quantitiesPath; // --quantities FILE.txt
    std::filesystem::path imagePath; // --image FILE.png|bmp|svg
    std::filesystem::path sketchPath; // --sketch FILE.png
    int imageWidth = 628;
    int imageHeight = 410;
    std::filesystem::path pdfPath; // --pdf FILE.pdf
    SolutionMethod method = kDefaultSolutionMethod; // --method exact|classic
    ReportPaper paper = ReportPaper::LocaleDefault; // --paper a4|letter
    std::filesystem::path dxfPath; // --dxf FILE.dxf
    std::filesystem::path csvPath; // --csv FILE.csv
    std::filesystem::path envelopePath; // --envelope FILE.csv|png|svg|pdf
    double envelopeMaxPressure = 0; // --envelope-max-pressure KPA; 0 = default range
    bool envelope = false; // either envelope option was given
    std::vector<StudyAxis> variations; // --vary NAME=FROM:TO:STEPS or NAME=V1,V2,...
    std::filesystem::path studyPath; // --study FILE.csv|png|svg|pdf
    bool help = false; // --help or -h: print the help and do nothing else
};

// Each output file given, with the option that names it, in the order written.
std::vector<std::pair<const char *, std::filesystem::path>>
outputFiles(const BatchOptions &options);

// Paths are taken as given (UTF-8 on Linux). argv[0] is "run". Returns the readable reason (no
// error number) for a malformed call: an unknown option, a missing or malformed value, an option
// other than --set or --vary given twice, a picture file of a type that is not drawn.
std::optional<Failure> parseBatchOptions(int argc, char **argv, BatchOptions &options);

// The help text of the whole program, batch options included (batch_help.cpp).
const char *batchUsage();

} // namespace vendrix
