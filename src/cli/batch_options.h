#pragma once
// The options of `vendrix run`.

#include "model/failure.h"
#include "model/project_record.h"
#include "model/solution_method.h"

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
    std::string projectPath; // optional .Vdx to open first
    std::vector<std::pair<std::string, std::string>> assignments; // --set NAME=VALUE, in order
    bool json = false;
    bool profile = false;
    std::string savePath; // --save FILE.Vdx
    std::optional<Shape> consolidate; // --consolidate 1|2: Option1 or Option2
    std::string resultsPath; // --results FILE.txt
    std::string spreadsheetPath; // --xls FILE.xls
    std::string quantitiesPath; // --quantities FILE.txt
    std::string imagePath; // --image FILE.png|bmp|svg
    std::string sketchPath; // --sketch FILE.png
    int imageWidth = 628;
    int imageHeight = 410;
    std::string pdfPath; // --pdf FILE.pdf
    SolutionMethod method = kDefaultSolutionMethod; // --method exact|classic
    ReportPaper paper = ReportPaper::LocaleDefault; // --paper a4|letter
    std::string dxfPath; // --dxf FILE.dxf
    std::string csvPath; // --csv FILE.csv
    std::string envelopePath; // --envelope FILE.csv|png|svg|pdf
    double envelopeMaxPressure = 0; // --envelope-max-pressure KPA; 0 = default range
    bool envelope = false; // either envelope option was given
    bool designCheck = false; // --design-check: the "designCheck" object with --json
    bool help = false; // --help or -h: print the help and do nothing else
};

// Each output file given, with the option that names it, in the order written.
std::vector<std::pair<const char *, std::string>> outputFiles(const BatchOptions &options);

// argv[0] is "run". Returns the readable reason (no error number) for a
// malformed call: an unknown option, a missing or malformed value, an option
// other than --set given twice, a picture file of a type that is not drawn.
std::optional<Failure> parseBatchOptions(int argc, char **argv, BatchOptions &options);

// The help text of the whole program, batch options included (batch_help.cpp).
const char *batchUsage();

} // namespace vendrix
