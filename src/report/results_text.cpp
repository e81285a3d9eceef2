#include "report/results_text.h"

#include "engine/numerical_results.h"
#include "engine/reduction_factors.h"
#include "model/atomic_file.h"
#include "model/c_format.h"
#include "model/solved_layering.h"
#include "model/units.h"

#include <algorithm>

namespace vendrix {

namespace {

constexpr const char *kSectionEnd = "  \n\n\n\n";
// Exteriors lighter than this count as air.
constexpr double kAirUnitWeight = 0.0006;

// Builds the text line by line with "\n" line ends.
class TextBuilder
{
public:
    explicit TextBuilder(const DisplaySettings &display)
        : m_factors(UnitFactors::forSettings(display.unitSystem))
        , m_labels(unitLabels(display))
        , m_english(isEnglish(display))
    { }

    void line(const std::string &text) { m_text += text + "\n"; }
    void raw(const char *text) { m_text += text; }

    // A value line: the label (48 characters wide), the number and its unit.
    void value(const char *label, const char *format, double number, const char *unit = nullptr)
    {
        std::string text = label;
        text += formatC(format, number);
        if (unit)
            text += std::string(" ") + unit;
        line(text);
    }

    // A result line: as value(), but a result that would print as 0 while it is
    // not 0 shows two significant digits.
    void result(const char *label, int decimals, double number, const char *unit = nullptr)
    {
        std::string text = label + formatC("%10s", formatResult(decimals, number).c_str());
        if (unit)
            text += std::string(" ") + unit;
        line(text);
    }

    const UnitFactors &factors() const { return m_factors; }
    const UnitLabels &labels() const { return m_labels; }
    bool english() const { return m_english; }
    const std::string &text() const { return m_text; }

private:
    UnitFactors m_factors;
    UnitLabels m_labels;
    bool m_english;
    std::string m_text;
};

void titlePage(TextBuilder &out, const ProjectInfo &info)
{
    out.line("    TITLE PAGE  ");
    out.line("  ==============");
    out.line("PROJECT IDENTIFICATION:  ");
    out.line("Title:          " + printableLine(info.title.cp1252));
    out.line("Project Number: " + printableLine(info.projectNumber.cp1252));
    out.line("Designer:       " + printableLine(info.designer.cp1252));
    out.line("Description:    ");
    // Pieces of 70 characters, at most eight.
    const std::string description = printableLine(info.description.cp1252);
    for (size_t start = 0; start < description.size() && start < 560; start += 70)
        out.line(description.substr(start, 70));
    out.line(" ");
    out.line("File path and name:  " + printableLine(projectPathText(info)));
    out.line(" ");
    out.line("Design Philosophy and Program Developed by:");
    out.line("                 The Vendrix engineering team: membrane equilibrium analysis");
    out.line("                 of geosynthetic tubes on a rigid foundation");
    out.line("                 Vendrix geosynthetic tube design software");
    out.line("                 Support and contact: see Help, About Vendrix");
    out.raw(kSectionEnd);
}

// With `oneSlurry` the layering that was solved: one slurry in one outside fluid.
void inputData(TextBuilder &out, const TubeInput &in, bool oneSlurry)
{
    const UnitFactors &f = out.factors();
    const UnitLabels &u = out.labels();
    const int g = static_cast<int>(in.analysisType);
    const bool twoLayers = hasTwoSlurryLayers(in);
    out.line("    INPUT DATA");
    out.line("  ================");
    out.line(" ");
    out.value("Circumference of tube                           ", "%10.2f",
              in.circumference * f.length, u.length);
    if (oneSlurry) {
        out.value("Unit weight of slurry                           ", "%10.2f",
                  in.slurryUnitWeightLower * f.unitWeight, u.unitWeight);
    } else {
        out.value(twoLayers ? "Unit weight of lower layer of slurry            "
                            : "Unit weight of layer of slurry                  ",
                  "%10.2f", in.slurryUnitWeightLower * f.unitWeight, u.unitWeight);
        if (twoLayers)
            out.value("Unit weight of upper layer of slurry            ", "%10.2f",
                      in.slurryUnitWeightUpper * f.unitWeight, u.unitWeight);
        else
            out.line("");
    }
    if (in.fluidUnitWeightLower < kAirUnitWeight) {
        out.line("The surrounding exterior of the tube is described as air");
    } else if (oneSlurry) {
        out.value("Unit weight of fluid outside tube               ", "%10.2f",
                  in.fluidUnitWeightLower * f.unitWeight, u.unitWeight);
    } else {
        out.value("Unit weight of fluid outside tube, lower layer  ", "%10.2f",
                  in.fluidUnitWeightLower * f.unitWeight, u.unitWeight);
        out.value("Unit weight of fluid outside tube, upper layer  ", "%10.2f",
                  in.fluidUnitWeightUpper * f.unitWeight, u.unitWeight);
    }
    if (!oneSlurry && twoLayers)
        out.value("Specified height of lower layer of slurry, Hin-L", "%10.1f",
                  in.slurryHeightLower * f.length, u.length);
    out.value("Specified height of outside lower fluid, Hout-L ", "%10.1f",
              in.fluidHeightLower * f.length, u.length);
    out.line(" ");
    out.line("GEOSYNTHETIC DESIGN PARAMETERS:");
    out.value("1.  Reduction factor for installation damage,  RFid", "%10.2f",
              in.rfInstallationDamage);
    out.value("2.  Reduction factor for durability,  RFd          ", "%10.2f", in.rfDurability);
    out.value("3.  Reduction factor for creep,  RFc               ", "%10.2f", in.rfCreep);
    out.line("4.  Reduction factor for seam strength, RFss, in tube's:");
    out.value("                 axial (longtidual) direction      ", "%10.2f", in.rfSeamAxial);
    out.value("                    circumeferntial direction      ", "%10.2f",
              in.rfSeamCircumferential);
    const bool english = out.english();
    if (g == 0)
        out.line("Geosynthetic with ULTIMATE strength of "
                 + formatC("%.2f", in.ultimateStrength * f.forcePerLength)
                 + (english ? " [lb/ft] was specified." : " [kN/m] was specified."));
    else if (g == 1)
        out.line("Maximum height of " + formatC("%.2f", in.desiredMaxHeight * f.length)
                 + (english ? " [ft] was specified." : " [m] was specified."));
    else
        out.line("Pumping pressure at inlet of "
                 + formatC("%.2f", in.pumpingPressure * f.pumpingPressure)
                 + (english ? " [psi] was specified." : " [kPa] was specified."));
    out.raw(kSectionEnd);
}

// What the results were computed for.
void resultsObjective(TextBuilder &out, const TubeInput &in, const TubeSolution &s)
{
    const UnitFactors &f = out.factors();
    const int g = static_cast<int>(in.analysisType);
    const bool english = out.english();
    out.line("    RESULTS");
    out.line("  ==============");
    out.line(" ");
    out.line("Results correspond to a circumference of tube of "
             + formatResult(1, s.computedCircumference * f.length)
             + (english ? " [ft] and" : " [m] and"));
    if (g == 0)
        out.line("     ULTIMATE geosynthetic strength of "
                 + formatResult(0, s.ultimateStrengthCircumferential * f.forcePerLength)
                 + (english ? " [lb/ft]." : " [kN/m]."));
    else if (g == 1)
        out.line("     maximum tube height of " + formatResult(1, s.maxHeight * f.length)
                 + (english ? " [ft]." : " [m]."));
    else
        out.line("     pumping pressure of " + formatResult(1, s.inletPressure * f.pumpingPressure)
                 + (english ? " [psi]." : " [kPa]."));
    out.line(" ");
}

// The forces in the fabric and the size of the tube.
void resultsForcesAndSize(TextBuilder &out, const TubeInput &in, const TubeSolution &s)
{
    const UnitFactors &f = out.factors();
    const UnitLabels &u = out.labels();
    // Working tensions divide by the same floored products as the run, so a
    // zero reduction factor never prints an infinite tension.
    const ReductionFactorProducts rf = reductionFactorProducts(in);
    out.line("Geosynthetic in CIRCUMFERENTIAL direction:");
    out.result("     Tensial force at WORKING conditions        ", 0,
               s.ultimateStrengthCircumferential / rf.circumferential * f.forcePerLength,
               u.forcePerLength);
    out.result("     Required ULTIMATE strength                 ", 0,
               s.ultimateStrengthCircumferential * f.forcePerLength, u.forcePerLength);
    out.line("Geosynthetic in AXIAL direction:");
    out.result("     Tensial force at WORKING conditions        ", 0,
               s.ultimateStrengthAxial / rf.axial * f.forcePerLength, u.forcePerLength);
    out.result("     Required ULTIMATE strength                 ", 0,
               s.ultimateStrengthAxial * f.forcePerLength, u.forcePerLength);
    out.result("Maximum height of tube,  H                      ", 1, s.maxHeight * f.length,
               u.length);
    out.result("Maximum width of tube,  W                       ", 1, s.maxWidth * f.length,
               u.length);
    out.line("(max. width is at height " + formatResult(1, s.heightAtMaxWidth * f.length)
             + (out.english() ? " [ft] from base)" : " [m] from base)"));
    out.result("Ratio    H / W                                  ", 3,
               s.maxHeight / std::max(s.maxWidth, 0.0001));
    out.result("Width of base of tube resting on foundation soil", 1, s.baseWidth * f.length,
               u.length);
}

void results(TextBuilder &out, const TubeInput &in, const TubeSolution &s)
{
    const UnitFactors &f = out.factors();
    const UnitLabels &u = out.labels();
    const bool twoLayers = hasTwoSlurryLayers(in);
    resultsObjective(out, in, s);
    resultsForcesAndSize(out, in, s);
    if (simplifiedLayering(in.analysisType, s.method)) {
        out.result("Cross-sectional area of slurry                  ", 1, s.totalArea * f.area,
                   u.area);
    } else {
        out.result(twoLayers ? "Cross-sectional area of lower layer of slurry   "
                             : "Cross-sectional area of layer of slurry         ",
                   1, s.areaLowerSlurry * f.area, u.area);
        if (twoLayers)
            out.result("Cross-sectional area of upper layer of slurry   ", 1,
                       s.areaUpperSlurry * f.area, u.area);
        out.result("Total storage capacity of tube per unit length  ", 1, s.totalArea * f.area,
                   u.volumePerLength);
    }
    out.result("Net pumping pressure within tube at inlet       ", 1,
               s.inletPressure * f.pumpingPressure, u.pressure);
    if (const std::string notice = solutionNoticeLine(s); !notice.empty())
        out.line(notice);
    out.raw(kSectionEnd);
}

void consolidatedTube(TextBuilder &out, const TubeInput &in, const ConsolidationResult &c)
{
    const UnitFactors &f = out.factors();
    const UnitLabels &u = out.labels();
    out.line("    CONSOLIDATED TUBE");
    out.line("  =======================");
    out.line(" ");
    out.value("Unit weight of consolidated (saturated) fill    ", "%10.1f",
              in.consolidatedUnitWeight * f.unitWeight, u.unitWeight);
    out.result("Consolidated cross-section area                 ", 1, c.consolidatedArea * f.area,
               u.area);
    out.result("Final height,  H                                ", 1, c.finalHeight * f.length,
               u.length);
    out.raw(kSectionEnd);
}

} // namespace

std::string resultsText(const ProjectRecord &record)
{
    TextBuilder out(record.display);
    titlePage(out, record.info);
    inputData(out, record.input, simplifiedLayering(record));
    results(out, record.input, record.solution);
    if (showsConsolidatedShape(record.state))
        consolidatedTube(out, record.input, record.consolidation);
    return withCrLf(out.text());
}

std::optional<Failure> writeResultsTextFile(const std::filesystem::path &path,
                                            const ProjectRecord &record)
{
    return writeFileAtomically(path, resultsText(record));
}

} // namespace vendrix
