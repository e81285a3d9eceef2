#include "cli/batch_help.h"

#include "cli/batch_options.h"
#include "vendrix_version.h"

#include <string_view>

namespace vendrix {

namespace {

const char *const kRunOrder
    = "Options of run (applied in this order: open, --set, --save, input checks, run,\n"
      "--consolidate, files, study; each option but --set and --vary at most once, and\n"
      "no two outputs nor an output and the project may name the same file):";
const char *const kResultsNote
    = "Without --json the results are printed in the project's display units.";
const char *const kExitStatus
    = "Exit status: 0 done, 2 refused input, file or option (or standard output could\n"
      "not be written); 129, 130, 131 or 143 interrupted (hang-up, Ctrl+C, Ctrl+\\ or\n"
      "kill; a file being written is removed).";

constexpr size_t kFormColumn = 29; // width of the synopsis column of --help
constexpr size_t kOptionColumn = 22; // width of the option column

std::string padded(std::string text, size_t width)
{
    text += text.size() < width ? std::string(width - text.size(), ' ') : std::string(1, ' ');
    return text;
}

// Continuation lines of a description start under its first line.
std::string indented(std::string_view text, size_t column)
{
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '\n')
            out += std::string(column, ' ');
    }
    return out;
}

std::string optionTitle(const OptionHelp &option)
{
    return *option.argument != '\0' ? std::string(option.name) + " " + option.argument
                                    : option.name;
}

std::string usageText()
{
    std::string text;
    bool first = true;
    for (const CommandForm &form : commandForms()) {
        std::string line = std::string(first ? "Usage: " : "       ") + form.synopsis;
        if (line.size() + 1 > 7 + kFormColumn)
            line += "\n" + std::string(7 + kFormColumn, ' ');
        else
            line = padded(line, 7 + kFormColumn);
        text += line + form.text + "\n";
        first = false;
    }
    text += std::string("\n") + kRunOrder + "\n";
    for (const OptionHelp &option : batchOptionHelp()) {
        // A long option stands alone on its line, its description below.
        const std::string title = optionTitle(option);
        text += "  "
            + (title.size() < kOptionColumn ? padded(title, kOptionColumn)
                                            : title + "\n" + std::string(2 + kOptionColumn, ' '))
            + indented(option.text, 2 + kOptionColumn) + "\n";
    }
    text += std::string("\n") + kResultsNote + "\n" + kExitStatus + "\n";
    return text;
}

// Text for man(7): hyphens and backslashes escaped, help's line breaks joined
// (the formatter fills the lines itself).
std::string roff(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '-')
            out += "\\-";
        else if (c == '\\')
            out += "\\e";
        else if (c == '\n')
            out += !out.empty() && out.back() == '/' ? "" : " ";
        else
            out += c;
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\''))
        out.insert(0, "\\&");
    return out;
}

// A synopsis with the command and options in bold and the placeholders in italics.
std::string roffSynopsis(std::string_view synopsis)
{
    std::string out;
    std::string word;
    auto flush = [&] {
        if (word.empty())
            return;
        const bool literal = word == "vendrix" || word == "run" || word.rfind("--", 0) == 0;
        out += (literal ? "\\fB" : "\\fI") + roff(word) + "\\fR";
        word.clear();
    };
    for (char c : synopsis) {
        if (c == ' ' || c == '[' || c == ']' || c == '|') {
            flush();
            out += c;
        } else {
            word += c;
        }
    }
    flush();
    return out;
}

// Each paragraph in parentheses: one string made of several literals.
const char *const kDescription[] = {
    ("Vendrix designs geosynthetic tubes filled with slurry: the equilibrium cross-section of the "
     "tube on a rigid foundation, its working tension and required strengths, heights, widths, "
     "areas, storage and pumping pressure, the consolidated shape, quantities and cost, reports "
     "and drawings."),
    ("Without arguments, or with a project file, Vendrix opens its window. \"vendrix run\" "
     "analyses a project without any window and needs no display: it prints the results and "
     "writes the files its options ask for."),
    ("Numbers given with --set are in the stored SI units; the files are written in the "
     "project's display units (metres or feet)."),
};

const char *const kExamples[][2] = {
    {"vendrix run examples/dike-tube-in-water.Vdx --json",
     "Analyse a saved project and print every result as JSON."},
    {"vendrix run --set circumference=12 --set analysisType=GivenHeight\n"
     "--set desiredMaxHeight=2.8 --pdf report.pdf --paper letter",
     "Analyse a 12 m tube for a height of 2.8 m and print the report on Letter paper."},
    {"vendrix run project.Vdx --consolidate 1 --dxf tube.dxf --csv tube.csv",
     "Write the consolidated shape (Option 1) as a CAD drawing and as comma-separated "
     "coordinates."},
    {"vendrix run project.Vdx --vary circumference=8:14:25\n"
     "--vary slurryUnitWeightLower=11.5,12,12.5 --study study.csv",
     "Tabulate the tube for 25 circumferences from 8 to 14 m, one curve for each of three "
     "slurry unit weights."},
};

// An example command broken over lines as a shell reads it.
std::string commandLines(std::string_view command)
{
    std::string out;
    size_t start = 0;
    for (size_t end = command.find('\n'); end != std::string_view::npos;
         start = end + 1, end = command.find('\n', start))
        out += roff(command.substr(start, end - start)) + " \\e\n    ";
    return out + roff(command.substr(start));
}

void appendSection(std::string &page, const char *title)
{
    page += std::string(".SH ") + title + "\n";
}

void appendOptions(std::string &page)
{
    appendSection(page, "OPTIONS");
    page += ".TP\n.B \\-\\-help\nPrint the usage and the options, then exit.\n";
    page += ".TP\n.B \\-\\-version\nPrint the version, then exit.\n";
    page += ".SS \"Options of vendrix run\"\n" + roff(kRunOrder) + "\n";
    for (const OptionHelp &option : batchOptionHelp()) {
        page += ".TP\n";
        if (*option.argument != '\0')
            page += ".BI " + roff(option.name) + " \" " + roff(option.argument) + "\"\n";
        else
            page += ".B " + roff(option.name) + "\n";
        page += roff(option.text) + "\n";
    }
    page += ".PP\n" + roff(kResultsNote) + "\n";
}

void appendClosingSections(std::string &page)
{
    appendSection(page, "EXIT STATUS");
    page += ".TP\n.B 0\nDone.\n.TP\n.B 2\nA refused input, run, option or file: the message "
            "says which (with \\-\\-json as an \"error\" object on standard output); also when "
            "standard output could not be written.\n"
            ".TP\n.B 129, 130, 131, 143\nInterrupted by a hang-up, Ctrl+C, Ctrl+\\\\ or kill; a "
            "file being written is removed "
            "and the file it was to replace is left as it was.\n";
    appendSection(page, "ENVIRONMENT");
    page += ".TP\n.B LC_PAPER\nThe paper of the printed report when \\-\\-paper is not given "
            "(after LC_ALL and before LANG, as for every locale category): Letter in the "
            "locales that use it, else A4.\n";
    page += ".TP\n.B QT_QPA_PLATFORM\nThe window system of the desktop program; "
            "\"vendrix run\" uses \"offscreen\" when it is not set.\n";
    appendSection(page, "FILES");
    page += ".TP\n.I *.Vdx\nVendrix project files.\n";
    page += ".TP\n.I .*.Vdx.lock\nThe lock beside a project open in the desktop program: a "
            "second one asks whether to open it read-only or anyway; \"vendrix run \\-\\-save\" "
            "warns when it writes over such a project.\n";
    page += ".TP\n.I ~/.config/Brune Engineering, Inc. application/Vendrix.conf\nThe recently "
            "used files of the desktop program.\n";
    appendSection(page, "EXAMPLES");
    for (const auto &example : kExamples)
        page += ".PP\n" + roff(example[1]) + "\n.PP\n.RS\n.EX\n" + commandLines(example[0])
            + "\n.EE\n.RE\n";
    appendSection(page, "SEE ALSO");
    page += "The help pages of the program (F1 in any of its windows).\n";
}

} // namespace

const std::vector<CommandForm> &commandForms()
{
    static const std::vector<CommandForm> forms = {
        {"vendrix", "open the desktop program"},
        {"vendrix PROJECT.Vdx", "open that project in the desktop program"},
        {"vendrix run [PROJECT.Vdx] [options]", "analyse without a window and print the results"},
        {"vendrix --help", "this text (also vendrix run --help, -h)"},
        {"vendrix --version", "print the version"},
    };
    return forms;
}

namespace {

// The options that choose what is run and printed.
std::vector<OptionHelp> runOptionHelp()
{
    return {
        {"--help", "", "print this text and do nothing else (also -h)", ""},
        {"--set", "NAME=VALUE",
         "set a field of the project by its name (repeatable);\n"
         "numbers in stored SI units (m, kN/m, kPa, kN/m3);\n"
         "analysisType takes 0/1/2 or GivenStrength/GivenHeight/\n"
         "GivenPressure; e.g. --set circumference=12",
         "circumference=12"},
        {"--save", "FILE.Vdx", "save the project (after --set) before the run", "p.Vdx"},
        {"--method", "exact|classic",
         "solution method: exact (default) solves the tube as\n"
         "entered to the precision of the arithmetic (it refuses a\n"
         "pumping pressure of 0); classic repeats the fixed-step\n"
         "searches and simplifications of the earlier program",
         "classic"},
        {"--json", "",
         "print one JSON object: \"solution\" (every result, SI),\n"
         "\"solver\" (method, passes, zones) and, with --consolidate,\n"
         "\"consolidation\"; any refusal (option, project, input,\n"
         "run, file) prints \"error\" instead: \"message\" and, for a\n"
         "numbered rule, \"number\" (\"Error No.302\");\n"
         "with an envelope option also \"envelope\" (SI: kPa, m,\n"
         "m2, kN/m): maxSafePressure, heightAtMaxSafePressure,\n"
         "widthAtMaxSafePressure, areaAtMaxSafePressure,\n"
         "allowableTension, points; maxSafePressure is null with\n"
         "a \"reason\" when there is no safe limit;\n"
         "after the results \"designCheck\" (SI: kN/m, m, kPa), the\n"
         "design check of the tube solved by the exact method:\n"
         "utilisationCircumferential, utilisationAxial, strain,\n"
         "stretchedCircumference, stretchedHeight, stretchedWidth,\n"
         "stretchedTension, fillingRatio, submergedWeight,\n"
         "normalForce, eccentricity, maxContactPressure,\n"
         "safetySliding, safetyOverturning, waveStabilityNumber\n"
         "(null where a check gives no value); \"pass\" (true,\n"
         "false or null per check) and \"reasons\" (check name:\n"
         "\"not checked\", \"no driving action\", \"overtopped\",\n"
         "\"overturns\" ...)",
         ""},
        {"--profile", "", "with --json: add the profile coordinates (361 points)", ""},
        {"--consolidate", "1|2", "estimate the consolidated shape by Option 1 or 2", "1"},
    };
}

// The options that write files of the run.
std::vector<OptionHelp> fileOptionHelp()
{
    return {
        {"--results", "FILE.txt", "write the results text file", "r.txt"},
        {"--xls", "FILE.xls", "write the profile coordinates for a spreadsheet", "s.xls"},
        {"--xlsx", "FILE.xlsx",
         "write a spreadsheet workbook: sheet \"Profile\" (the\n"
         "coordinates of --xls) and sheet \"Inputs and results\"\n"
         "(name, value, unit; the names of --json), numbers in the\n"
         "project's units at full precision",
         "s.xlsx"},
        {"--csv", "FILE.csv",
         "write the outline of the shape as comma-separated x, y\n"
         "in the project's length unit (both halves)",
         "s.csv"},
        {"--dxf", "FILE.dxf",
         "write the cross-section as a CAD drawing at true scale\n"
         "in the project's length unit (m or ft)",
         "s.dxf"},
        {"--quantities", "FILE.txt", "write quantities and cost", "q.txt"},
        {"--image", "FILE", "draw the cross-section (.png, .bmp or .svg)", "x.png"},
        {"--sketch", "FILE", "draw the input data sketch (.png, .bmp or .svg)", "k.png"},
        {"--size", "WxH",
         "size of --image, --sketch and --envelope pictures in\n"
         "pixels (default 628x410; a cross-section below 600x400\n"
         "is the 600x400 picture scaled down)",
         "800x600"},
        {"--pdf", "FILE.pdf", "write the printed report", "r.pdf"},
        {"--paper", "a4|letter",
         "paper of --pdf (default: the paper of the locale,\n"
         "LC_PAPER)",
         "letter"},
    };
}

// The options of the filling envelope and the parametric study.
std::vector<OptionHelp> sweepOptionHelp()
{
    return {
        {"--envelope", "FILE",
         "write the filling envelope: the tube solved by the\n"
         "exact method from just above 0 (0.5 % of the top) to the\n"
         "top of the pressure range,\n"
         "and the safe limit where the working tension reaches\n"
         "the allowable working tension;\n"
         ".csv the table (display units, header with units),\n"
         ".png/.svg the chart (--size applies), .pdf the field card",
         "e.csv"},
        {"--envelope-max-pressure", "KPA",
         "top of the envelope's range in kPa, a plain decimal\n"
         "above 0 and up to 5000 (default: where the working\n"
         "tension reaches 1.5 x the allowable); with --json alone\n"
         "it adds the \"envelope\" object without a file",
         "40"},
        {"--vary", "NAME=FROM:TO:STEPS",
         "a parametric study: run the project for STEPS values\n"
         "(2 to 1000) of an input from FROM to TO, in stored SI\n"
         "units like --set; given again, a family of curves, one\n"
         "per value of a second input (1 to 8 values); either\n"
         "takes a list NAME=V1,V2,... instead; NAME is one of\n"
         "circumference, the objective's ultimateStrength,\n"
         "desiredMaxHeight or pumpingPressure,\n"
         "slurryUnitWeightLower, slurryUnitWeightUpper,\n"
         "slurryHeightLower, fluidHeightLower,\n"
         "fluidUnitWeightLower, rfInstallationDamage,\n"
         "rfDurability, rfCreep, rfSeamCircumferential,\n"
         "rfSeamAxial; --method applies; a point that breaks a\n"
         "rule is kept with its message; with --json adds\n"
         "\"study\": per point its \"inputs\" and the \"solution\"\n"
         "object or the \"error\"",
         "circumference=8:12:5"},
        {"--study", "FILE",
         "write the study of --vary: .csv the table (display\n"
         "units, header with units, a failed point with its\n"
         "reason), .png/.svg the chart (--size applies), .pdf the\n"
         "printable page",
         "s.csv"},
    };
}

} // namespace

const std::vector<OptionHelp> &batchOptionHelp()
{
    static const std::vector<OptionHelp> options = [] {
        std::vector<OptionHelp> all = runOptionHelp();
        for (auto group : {fileOptionHelp(), sweepOptionHelp()})
            all.insert(all.end(), group.begin(), group.end());
        return all;
    }();
    return options;
}

const char *batchUsage()
{
    static const std::string text = usageText();
    return text.c_str();
}

std::string manualPage(const std::string &date)
{
    std::string page
        = ".TH VENDRIX 1 \"" + date + "\" \"Vendrix " VENDRIX_VERSION "\" \"User Commands\"\n";
    appendSection(page, "NAME");
    page += "vendrix \\- design geosynthetic tubes filled with slurry\n";
    appendSection(page, "SYNOPSIS");
    for (const CommandForm &form : commandForms())
        page += roffSynopsis(form.synopsis) + "\n.br\n";
    appendSection(page, "DESCRIPTION");
    for (const char *paragraph : kDescription)
        page += ".PP\n" + roff(paragraph) + "\n";
    appendOptions(page);
    appendClosingSections(page);
    return page;
}

} // namespace vendrix
