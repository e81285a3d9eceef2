#include "cli/batch_options.h"

#include "model/c_format.h"
#include "post/filling_envelope.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace vendrix {

namespace {

// A pixel count in plain digits: no sign, blank or other notation.
bool parsePixels(const std::string &text, long &pixels)
{
    if (text.empty() || text.size() > 6
        || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    pixels = std::strtol(text.c_str(), nullptr, 10);
    return true;
}

bool parseSize(std::string_view text, int &width, int &height)
{
    const size_t x = text.find('x');
    if (x == std::string_view::npos)
        return false;
    long wv = 0;
    long hv = 0;
    if (!parsePixels(std::string(text.substr(0, x)), wv)
        || !parsePixels(std::string(text.substr(x + 1)), hv))
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
            // Every value is a file name or a setting; none may be empty.
            if (target.empty()) {
                error = std::string(arg) + " needs a value, not an empty text";
                return false;
            }
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
        } else if (arg == "--paper") {
            if (!value(text))
                return false;
            if (text != "a4" && text != "letter") {
                error = "--paper takes a4 or letter, not \"" + text + "\"";
                return false;
            }
            options.paper = text == "a4" ? ReportPaper::A4 : ReportPaper::Letter;
        } else if (arg == "--dxf") {
            if (!value(options.dxfPath))
                return false;
        } else if (arg == "--csv") {
            if (!value(options.csvPath))
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
        } else if (arg.empty()) {
            error = "the project file name is empty";
            return false;
        } else if (arg[0] == '-') {
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

} // namespace vendrix
