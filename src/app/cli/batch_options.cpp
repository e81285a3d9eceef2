#include "app/cli/batch_options.h"

#include "model/c_format.h"
#include "post/filling_envelope.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace vendrix {

namespace {

bool parseSize(std::string_view text, int &width, int &height)
{
    const size_t x = text.find('x');
    if (x == std::string_view::npos)
        return false;
    const std::string w(text.substr(0, x));
    const std::string h(text.substr(x + 1));
    char *end = nullptr;
    const long wv = std::strtol(w.c_str(), &end, 10);
    if (w.empty() || *end != '\0')
        return false;
    const long hv = std::strtol(h.c_str(), &end, 10);
    if (h.empty() || *end != '\0')
        return false;
    // Large enough for a printed page, small enough to stay within memory.
    if (wv < 16 || hv < 16 || wv > 10000 || hv > 10000)
        return false;
    width = static_cast<int>(wv);
    height = static_cast<int>(hv);
    return true;
}

bool hasEnvelopeExtension(std::string_view path)
{
    const size_t dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return false;
    std::string ext(path.substr(dot + 1));
    for (char &c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == "csv" || ext == "png" || ext == "svg" || ext == "pdf";
}

bool parsePressure(const std::string &text, double &kPa)
{
    double v = 0;
    if (!parseFieldNumber(text, v) || !std::isfinite(v) || v <= 0 || v > kEnvelopePressureCeiling)
        return false;
    kPa = v;
    return true;
}

} // namespace

bool parseBatchOptions(int argc, char **argv, BatchOptions &options, std::string &error)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&](std::string &target) {
            if (i + 1 >= argc) {
                error = std::string(arg) + " needs a value";
                return false;
            }
            target = argv[++i];
            return true;
        };
        std::string text;
        if (arg == "--json") {
            options.json = true;
        } else if (arg == "--profile") {
            options.profile = true;
        } else if (arg == "--set") {
            if (!value(text))
                return false;
            const size_t eq = text.find('=');
            if (eq == std::string::npos || eq == 0) {
                error = "--set takes NAME=VALUE, not \"" + text + "\"";
                return false;
            }
            options.assignments.emplace_back(text.substr(0, eq), text.substr(eq + 1));
        } else if (arg == "--save") {
            if (!value(options.savePath))
                return false;
        } else if (arg == "--consolidate") {
            if (!value(text))
                return false;
            if (text != "1" && text != "2") {
                error = "--consolidate takes 1 or 2, not \"" + text + "\"";
                return false;
            }
            options.consolidate = text[0] - '0';
        } else if (arg == "--results") {
            if (!value(options.resultsPath))
                return false;
        } else if (arg == "--xls") {
            if (!value(options.spreadsheetPath))
                return false;
        } else if (arg == "--quantities") {
            if (!value(options.quantitiesPath))
                return false;
        } else if (arg == "--image") {
            if (!value(options.imagePath))
                return false;
        } else if (arg == "--sketch") {
            if (!value(options.sketchPath))
                return false;
        } else if (arg == "--size") {
            if (!value(text))
                return false;
            if (!parseSize(text, options.imageWidth, options.imageHeight)) {
                error = "--size takes WIDTHxHEIGHT in pixels (16 to 10000), not \"" + text + "\"";
                return false;
            }
        } else if (arg == "--pdf") {
            if (!value(options.pdfPath))
                return false;
        } else if (arg == "--method") {
            if (!value(text))
                return false;
            if (!parseSolutionMethod(text, options.method)) {
                error = "--method takes exact or classic, not \"" + text + "\"";
                return false;
            }
        } else if (arg == "--envelope") {
            if (!value(options.envelopePath))
                return false;
            if (!hasEnvelopeExtension(options.envelopePath)) {
                error = "--envelope takes a .csv, .png, .svg or .pdf file, not \""
                    + options.envelopePath + "\"";
                return false;
            }
            options.envelope = true;
        } else if (arg == "--envelope-max-pressure") {
            if (!value(text))
                return false;
            if (!parsePressure(text, options.envelopeMaxPressure)) {
                error = "--envelope-max-pressure takes a pressure in kPa above 0 and up to 5000, "
                        "not \""
                    + text + "\"";
                return false;
            }
            options.envelope = true;
        } else if (!arg.empty() && arg[0] == '-') {
            error = "unknown option " + std::string(arg);
            return false;
        } else if (options.projectPath.empty()) {
            options.projectPath = std::string(arg);
        } else {
            error = "only one project file can be given";
            return false;
        }
    }
    return true;
}

const char *batchUsage()
{
    return "Usage: vendrix                      open the desktop program\n"
           "       vendrix PROJECT.Vdx          open that project in the desktop program\n"
           "       vendrix run [PROJECT.Vdx] [options]\n"
           "                                    analyse without a window and print the results\n"
           "       vendrix --help               this text\n"
           "\n"
           "Options of run (applied in this order: open, --set, --save, input checks, run,\n"
           "--consolidate, files):\n"
           "  --set NAME=VALUE      set a field of the project by its name (repeatable);\n"
           "                        numbers in stored SI units (m, kN/m, kPa, kN/m3);\n"
           "                        analysisType takes 0/1/2 or GivenStrength/GivenHeight/\n"
           "                        GivenPressure; e.g. --set circumference=12\n"
           "  --save FILE.Vdx       save the project (after --set) before the run\n"
           "  --method exact|classic\n"
           "                        solution method: exact (default) meets each objective to\n"
           "                        the precision of the arithmetic; classic repeats the\n"
           "                        fixed-step searches of the earlier program\n"
           "  --json                print one JSON object: \"solution\" (every result, SI),\n"
           "                        \"solver\" (method, passes, zones) and, with --consolidate,\n"
           "                        \"consolidation\"; a refused run prints \"error\";\n"
           "                        with an envelope option also \"envelope\" (SI: kPa, m,\n"
           "                        m2, kN/m): maxSafePressure, heightAtMaxSafePressure,\n"
           "                        widthAtMaxSafePressure, areaAtMaxSafePressure,\n"
           "                        allowableTension, points; maxSafePressure is null with\n"
           "                        a \"reason\" when there is no safe limit\n"
           "  --profile             with --json: add the profile coordinates (361 points)\n"
           "  --consolidate 1|2     estimate the consolidated shape by Option 1 or 2\n"
           "  --results FILE.txt    write the results text file\n"
           "  --xls FILE.xls        write the profile coordinates for a spreadsheet\n"
           "  --quantities FILE.txt write quantities and cost\n"
           "  --image FILE          draw the cross-section (.png, .bmp or .svg)\n"
           "  --sketch FILE.png     draw the input data sketch\n"
           "  --size WxH            size of --image and --sketch in pixels (default 628x410)\n"
           "  --pdf FILE.pdf        write the printed report\n"
           "  --envelope FILE       write the filling envelope: the tube solved by the\n"
           "                        exact method from 0 to the top of the pressure range,\n"
           "                        and the safe limit where the working tension reaches\n"
           "                        the allowable working tension;\n"
           "                        .csv the table (display units, header with units),\n"
           "                        .png/.svg the chart (--size applies), .pdf the field card\n"
           "  --envelope-max-pressure KPA\n"
           "                        top of the envelope's range in kPa (default: where the\n"
           "                        working tension reaches 1.5 x the allowable); with --json\n"
           "                        alone it adds the \"envelope\" object without a file\n"
           "\n"
           "Without --json the results are printed in the project's display units.\n"
           "Exit status: 0 done, 2 refused input, file or option.\n";
}

} // namespace vendrix
