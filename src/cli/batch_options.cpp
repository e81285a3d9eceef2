#include "cli/batch_options.h"

#include "model/c_format.h"
#include "post/filling_envelope.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <optional>
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

// True when the file name ends in one of `extensions` (".png ..."), in any case.
bool hasExtensionOf(std::string_view path, std::string_view extensions)
{
    const size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || path.find('/', dot) != std::string_view::npos)
        return false;
    std::string ext(path.substr(dot));
    for (char &c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (size_t at = extensions.find(ext); at != std::string_view::npos;
         at = extensions.find(ext, at + 1)) {
        const size_t end = at + ext.size();
        if (end == extensions.size() || extensions[end] == ' ')
            return true;
    }
    return false;
}

// As a --set number: plain decimal notation only, and a normal number (a
// subnormal one is a typing slip, not a pressure).
bool parsePressure(const std::string &text, double &kPa)
{
    double v = 0;
    // Read like --set numbers; a subnormal pressure has lost its digits.
    if (!parsePlainDecimal(text, v) || !std::isnormal(v) || v <= 0 || v > kEnvelopePressureCeiling)
        return false;
    kPa = v;
    return true;
}

// Options that take a value: a file to write, or a setting checked by `apply`,
// which returns the reason when the value is not one the option takes.
struct ValueOption
{
    const char *name;
    std::string BatchOptions::*path; // the value is this file name, when set
    std::optional<std::string> (*apply)(BatchOptions &, const std::string &value);
    const char *extensions = nullptr; // the file types a path option writes
};

std::optional<std::string> setAssignment(BatchOptions &options, const std::string &text)
{
    const size_t eq = text.find('=');
    if (eq == std::string::npos || eq == 0)
        return "--set takes NAME=VALUE, not \"" + text + "\"";
    options.assignments.emplace_back(text.substr(0, eq), text.substr(eq + 1));
    return std::nullopt;
}

std::optional<std::string> setConsolidation(BatchOptions &options, const std::string &text)
{
    if (text != "1" && text != "2")
        return "--consolidate takes 1 or 2, not \"" + text + "\"";
    options.consolidate = text == "1" ? Shape::Option1 : Shape::Option2;
    return std::nullopt;
}

std::optional<std::string> setSize(BatchOptions &options, const std::string &text)
{
    if (!parseSize(text, options.imageWidth, options.imageHeight))
        return "--size takes WIDTHxHEIGHT in pixels (16 to 10000), not \"" + text + "\"";
    return std::nullopt;
}

std::optional<std::string> setPaper(BatchOptions &options, const std::string &text)
{
    if (text != "a4" && text != "letter")
        return "--paper takes a4 or letter, not \"" + text + "\"";
    options.paper = text == "a4" ? ReportPaper::A4 : ReportPaper::Letter;
    return std::nullopt;
}

std::optional<std::string> setMethod(BatchOptions &options, const std::string &text)
{
    if (!parseSolutionMethod(text, options.method))
        return "--method takes exact or classic, not \"" + text + "\"";
    return std::nullopt;
}

std::optional<std::string> setEnvelopeFile(BatchOptions &options, const std::string &text)
{
    if (!hasExtensionOf(text, ".csv .png .svg .pdf"))
        return "--envelope takes a .csv, .png, .svg or .pdf file, not \"" + text + "\"";
    options.envelopePath = text;
    options.envelope = true;
    return std::nullopt;
}

std::optional<std::string> setEnvelopePressure(BatchOptions &options, const std::string &text)
{
    if (!parsePressure(text, options.envelopeMaxPressure))
        return "--envelope-max-pressure takes a pressure in kPa above 0 and up to 5000, not \""
            + text + "\"";
    options.envelope = true;
    return std::nullopt;
}

const ValueOption kValueOptions[] = {
    {"--set", nullptr, setAssignment},
    {"--save", &BatchOptions::savePath, nullptr},
    {"--consolidate", nullptr, setConsolidation},
    {"--results", &BatchOptions::resultsPath, nullptr},
    {"--xls", &BatchOptions::spreadsheetPath, nullptr},
    {"--quantities", &BatchOptions::quantitiesPath, nullptr},
    {"--image", &BatchOptions::imagePath, nullptr, ".png .bmp .svg"},
    {"--sketch", &BatchOptions::sketchPath, nullptr, ".png .bmp .svg"},
    {"--size", nullptr, setSize},
    {"--pdf", &BatchOptions::pdfPath, nullptr},
    {"--paper", nullptr, setPaper},
    {"--dxf", &BatchOptions::dxfPath, nullptr},
    {"--csv", &BatchOptions::csvPath, nullptr},
    {"--method", nullptr, setMethod},
    {"--envelope", nullptr, setEnvelopeFile},
    {"--envelope-max-pressure", nullptr, setEnvelopePressure},
};

const ValueOption *findValueOption(std::string_view name)
{
    for (const ValueOption &option : kValueOptions) {
        if (name == option.name)
            return &option;
    }
    return nullptr;
}

// ".png .bmp .svg" as ".png, .bmp or .svg", for messages.
std::string extensionList(std::string_view extensions)
{
    std::string list;
    size_t start = 0;
    for (size_t space = extensions.find(' '); space != std::string_view::npos;
         space = extensions.find(' ', start)) {
        list += (list.empty() ? "" : ", ") + std::string(extensions.substr(start, space - start));
        start = space + 1;
    }
    return list + " or " + std::string(extensions.substr(start));
}

// The value after `option` at argv[i + 1]; every value is a file name or a
// setting, so none may be missing or empty. Only --set may be given more than
// once: a second file or setting would silently replace the first.
std::optional<std::string> applyValueOption(const ValueOption &option, int argc, char **argv,
                                            int &i, BatchOptions &options,
                                            std::vector<std::string_view> &given)
{
    const std::string_view name = option.name;
    if (name != "--set") {
        for (const std::string_view earlier : given) {
            if (earlier == name)
                return std::string(name) + " was given more than once";
        }
        given.push_back(name);
    }
    if (i + 1 >= argc)
        return std::string(name) + " needs a value";
    const std::string value = argv[++i];
    if (value.empty())
        return std::string(name) + " needs a value, not an empty text";
    if (option.extensions && !hasExtensionOf(value, option.extensions))
        return std::string(name) + " takes a " + extensionList(option.extensions) + " file, not \""
            + value + "\"";
    if (option.path) {
        options.*option.path = value;
        return std::nullopt;
    }
    return option.apply(options, value);
}

// An argument that is neither a flag nor an option with a value.
std::optional<std::string> applyOperand(std::string_view arg, BatchOptions &options)
{
    if (arg.empty())
        return "the project file name is empty";
    if (arg[0] == '-')
        return "unknown option " + std::string(arg);
    if (!options.projectPath.empty())
        return "only one project file can be given";
    options.projectPath = std::string(arg);
    return std::nullopt;
}

} // namespace

std::vector<std::pair<const char *, std::string>> outputFiles(const BatchOptions &options)
{
    std::vector<std::pair<const char *, std::string>> files;
    for (const ValueOption &option : kValueOptions) {
        if (option.path && !(options.*option.path).empty())
            files.emplace_back(option.name, options.*option.path);
    }
    if (!options.envelopePath.empty())
        files.emplace_back("--envelope", options.envelopePath);
    return files;
}

std::optional<Failure> parseBatchOptions(int argc, char **argv, BatchOptions &options)
{
    std::vector<std::string_view> given;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        std::optional<std::string> refusal;
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            return std::nullopt;
        }
        if (arg == "--json")
            options.json = true;
        else if (arg == "--profile")
            options.profile = true;
        else if (arg == "--design-check")
            options.designCheck = true;
        else if (const ValueOption *option = findValueOption(arg))
            refusal = applyValueOption(*option, argc, argv, i, options, given);
        else
            refusal = applyOperand(arg, options);
        if (refusal)
            return Failure::plain(std::move(*refusal));
    }
    return std::nullopt;
}

} // namespace vendrix
