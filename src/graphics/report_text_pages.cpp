// Page 1 (title page) and page 2 (input data and results) of the printed report.

#include "engine/numerical_results.h"
#include "engine/reduction_factors.h"
#include "graphics/dib_image.h"
#include "graphics/page_canvas.h"
#include "graphics/report_pages.h"

#include "engine/numerical_results.h"
#include "model/c_format.h"
#include "model/units.h"

#include <algorithm>

namespace vendrix {

namespace {

// Right-margin allowance of the page: right-hand coordinates are a constant minus it.
constexpr double kRightMargin = 300;

// Texts of the title page that name this program and its makers.
constexpr const char *kProductTitle
    = "VENDRIX 3.0  -  DESIGN OF GEOSYNTHETIC TUBES FILLED WITH SLURRY";
constexpr const char *kReportCredit
    = "Report of the cross-section analysis of a geosynthetic tube, prepared with Vendrix";
constexpr const char *kCreditHeading = "D E S I G N   P H I L O S O P H Y   A N D   P R O G R A M";
constexpr const char *kCreditLines[4] = {
    "Design philosophy:  the Vendrix engineering team",
    "Program development:  the Vendrix software team",
    "Vendrix Engineering Software",
    "Technical support through the program's contact page",
};

// Texts of any length stay clear of the frame's triple rules (x 500 to 520 and
// 11180 to 11200) with a little air.
constexpr double kTextLeft = 620;
constexpr double kTextRight = 11500 - kRightMargin - 100;
constexpr const char *kElision = "...";

void centred(PageCanvas &canvas, double y, const std::string &text)
{
    canvas.text((11500 - canvas.textWidth(text) - kRightMargin) / 2, y, text);
}

// `text`, cut at its end and marked with "..." when it is wider than `width`.
std::string elided(const PageCanvas &canvas, const std::string &text, double width)
{
    if (canvas.textWidth(text) <= width)
        return text;
    std::string cut = text;
    while (!cut.empty() && canvas.textWidth(cut + kElision) > width)
        cut.pop_back();
    return cut + kElision;
}

// A field value from x on, elided at the frame.
void fitted(PageCanvas &canvas, double x, double y, const std::string &text)
{
    canvas.text(x, y, elided(canvas, text, kTextRight - x));
}

// The second path line ("....." and the rest). The end of a path names the
// file, so a line too wide loses characters after its leading dots instead.
std::string fittedPathTail(const PageCanvas &canvas, std::string tail, double width)
{
    while (tail.size() > 6 && canvas.textWidth(tail) > width)
        tail.erase(5, 1);
    return tail;
}

// The project title in its large font, made smaller (down to the 200 of the
// other lines) and at last elided until it fits between the frame's sides.
void centredTitle(PageCanvas &canvas, double y, const std::string &title)
{
    const double width = kTextRight - kTextLeft;
    double height = 400;
    canvas.setFont(height);
    while (height > 200 && canvas.textWidth(title) > width) {
        height -= 20;
        canvas.setFont(height);
    }
    centred(canvas, y, elided(canvas, title, width));
}

// "Company's information:" from y down, one line per field; returns the y of
// the last line.
double drawCompanyBlock(PageCanvas &canvas, const ProjectInfo &info, double y)
{
    canvas.setFont(200, 600);
    canvas.text(1200, y, "Company's information:");
    canvas.setFont(200);
    auto labelled = [&](const char *label, const std::string &value) {
        y -= 300;
        if (label)
            canvas.text(1200, y, label);
        fitted(canvas, 3000, y, value);
    };
    labelled("Name:", info.companyName);
    labelled("Street:", info.companyStreet1);
    if (info.companyStreet2.size() > 1)
        labelled(nullptr, info.companyStreet2);
    std::string city = info.companyCity;
    if (!info.companyState.empty() || !info.companyZip.empty())
        city += ", " + info.companyState + "  " + info.companyZip;
    labelled(nullptr, city);
    labelled("Telephone # :", info.companyPhone);
    labelled("Fax # :", info.companyFax);
    labelled("E-Mail :", info.companyEmail);
    return y;
}

} // namespace

std::vector<std::string> titlePageDescriptionLines(const std::string &description)
{
    // Line ends in the stored text would print as stray marks; they count as blanks.
    std::string text = description;
    for (char &c : text)
        if (c == '\r' || c == '\n' || c == '\t')
            c = ' ';
    std::vector<std::string> lines;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && lines.size() < 6) {
        if (n - i < 70) {
            lines.push_back(text.substr(i));
            break;
        }
        std::size_t next = i + 70;
        std::size_t length = 70;
        for (std::size_t j = 70; j >= 40; --j) {
            if (i + j < n && text[i + j] == ' ') {
                length = j;
                next = i + j + 1;
                break;
            }
        }
        lines.push_back(text.substr(i, length));
        i = next;
    }
    return lines;
}

std::vector<std::string> titlePagePathLines(const std::string &path)
{
    if (path.size() <= 60)
        return {path};
    return {path.substr(0, 55) + ".....", "....." + path.substr(55)};
}

void drawTitlePage(PageCanvas &canvas, const ProjectRecord &record)
{
    const ProjectInfo &info = record.info;
    canvas.setPen(Qt::black, 2);
    canvas.setNoBrush();

    canvas.setFont(200, 600);
    centred(canvas, -3000, kProductTitle);
    centredTitle(canvas, -3300, info.title);
    canvas.setFont(140);
    centred(canvas, -3820, kReportCredit);

    const double right = 11500 - kRightMargin;
    for (double y : {-2900.0, -2910.0, -2920.0, -4000.0, -4010.0, -4020.0})
        canvas.line(500, y, right, y);
    for (double x : {right, right - 10, right - 20, 500.0, 510.0, 520.0})
        canvas.line(x, 0, x, -15100);

    if (info.includeLogo) {
        // A logo that cannot be read leaves the space empty without a message.
        DibImage logo;
        if (logo.loadFromFile(info.logoPath))
            logo.draw(canvas, 600, -700, 10500, 2100);
    }

    canvas.setFont(200, 600);
    canvas.text(1200, -4200, "PROJECT IDENTIFICATION");
    canvas.setFont(200);
    canvas.text(1200, -4800, "Title:");
    fitted(canvas, 3000, -4800, info.title);
    canvas.text(1200, -5100, "Project Number:");
    std::string number = info.projectNumber;
    if (!info.projectNumberSuffix.empty())
        number += " -- " + info.projectNumberSuffix;
    fitted(canvas, 3000, -5100, number);
    canvas.text(1200, -5400, "Client:");
    fitted(canvas, 3000, -5400, info.client);
    canvas.text(1200, -5700, "Designer:");
    fitted(canvas, 3000, -5700, info.designer);

    canvas.setFont(200, 600);
    canvas.text(1200, -6300, "Description:");
    canvas.setFont(200);
    const std::vector<std::string> description = titlePageDescriptionLines(info.description);
    for (std::size_t k = 1; k <= description.size(); ++k)
        fitted(canvas, 2000, -6300 - 300.0 * double(k), description[k - 1]);

    int k = 21 + int(description.size());
    canvas.setFont(200, 600);
    canvas.text(1200, -300.0 * (k + 2), "File path and name:");
    canvas.setFont(200);
    const std::vector<std::string> path = titlePagePathLines(info.projectPath);
    fitted(canvas, 4000, -300.0 * (k + 2), path[0]);
    if (path.size() > 1) {
        ++k;
        canvas.textRightAligned(11300 - kRightMargin, -300.0 * (k + 2),
                                fittedPathTail(canvas, path[1], 11300 - kRightMargin - kTextLeft));
    }
    double y = -300.0 * (k + 3);
    canvas.setFont(200, 600);
    canvas.text(1200, y, "Date and time of creating the input data:");
    canvas.setFont(200);
    fitted(canvas, 5000, y - 30, info.dateTime);

    y = drawCompanyBlock(canvas, info, y - 600);

    // The credit box moves down when a long description, a two-line path and a
    // second street line push the company block into it.
    const double shift = std::min(0.0, (y - 350) - (-12000.0));
    canvas.setPen(Qt::black, 2);
    canvas.setNoBrush();
    canvas.rectangle(1000, -12000 + shift, 11000, -13750 + shift);
    canvas.rectangle(1020, -12020 + shift, 10980, -13730 + shift);
    canvas.rectangle(1040, -12040 + shift, 10960, -13710 + shift);
    canvas.setFont(200, 600);
    canvas.text(1900, -12100 + shift, kCreditHeading);
    canvas.setFont(200);
    for (int i = 0; i < 4; ++i)
        canvas.text(4000, -12500 - 300.0 * i + shift, kCreditLines[i]);
}

void drawInputResultsPage(PageCanvas &canvas, const ProjectRecord &record)
{
    const TubeInput &in = record.input;
    const TubeSolution &out = record.solution;
    const bool english = isEnglish(record.display);
    const UnitFactors f = UnitFactors::forSettings(record.display.unitSystem);
    const UnitLabels units = unitLabels(record.display);
    const auto unit = [](const char *label) { return std::string(" ") + label; };
    const bool pressureType = in.analysisType == AnalysisType::GivenPressure;
    const bool twoLayers = hasTwoSlurryLayers(in);

    canvas.setPen(Qt::black, 1);
    auto heading = [&](double y, const char *text) {
        canvas.setFont(220, 600);
        canvas.text(1200, y, text);
        canvas.setFont(220);
    };
    auto row = [&](int n, double x, const std::string &label, const std::string &value = {}) {
        canvas.text(x, -270.0 * n, label);
        if (!value.empty())
            canvas.textRightAligned(9000, -270.0 * n, value);
    };

    heading(-1010, "INPUT DATA");
    int n = 5;
    row(n, 700, "Circumference of tube,  " + unit(units.length),
        formatC("%.1f", in.circumference * f.length));
    ++n;
    const std::string weightUnit = unit(units.unitWeight);
    if (pressureType)
        row(n, 700, "Unit weight of slurry,  " + weightUnit,
            formatC("%.2f", in.slurryUnitWeightLower * f.unitWeight));
    else
        row(n, 700,
            (twoLayers ? "Unit weight of lower layer of slurry,  "
                       : "Unit weight of layer of slurry,  ")
                + weightUnit,
            formatC("%.2f", in.slurryUnitWeightLower * f.unitWeight));
    ++n;
    if (twoLayers && !pressureType) {
        row(n, 700, "Unit weight of upper layer of slurry,  " + weightUnit,
            formatC("%.2f", in.slurryUnitWeightUpper * f.unitWeight));
        ++n;
    }
    if (in.fluidUnitWeightLower < 0.0006) {
        row(n++, 700, "The surrounding exterior of the tube is described as air");
    } else if (pressureType) {
        row(n++, 700, "Unit weight of fluid outside tube,  " + weightUnit,
            formatC("%.2f", in.fluidUnitWeightLower * f.unitWeight));
    } else {
        row(n++, 700, "Unit weight of fluid outside tube, lower layer,  " + weightUnit,
            formatC("%.2f", in.fluidUnitWeightLower * f.unitWeight));
        row(n++, 700, "Unit weight of fluid outside tube, upper layer,  " + weightUnit,
            formatC("%.2f", in.fluidUnitWeightUpper * f.unitWeight));
    }
    if (!pressureType && twoLayers)
        row(n++, 700, "Specified height of lower layer of slurry, Hin-L,  " + unit(units.length),
            formatC("%.1f", in.slurryHeightLower * f.length));
    row(n, 700, "Specified height of outside lower layer of fluid, Hout-L,  " + unit(units.length),
        formatC("%.1f", in.fluidHeightLower * f.length));
    n += 2;
    row(n++, 700, "GEOSYNTHETIC DESIGN PARAMETERS:");
    row(n++, 1700, "1.  Reduction factor for installation damage,  RFid",
        formatC("%.2f", in.rfInstallationDamage));
    row(n++, 1700, "2.  Reduction factor for durability,  RFd", formatC("%.2f", in.rfDurability));
    row(n++, 1700, "3.  Reduction factor for creep,  RFc", formatC("%.2f", in.rfCreep));
    row(n++, 1700, "4.  Reduction factor for seam strength, RFss, in tube's: ");
    row(n++, 2700, "axial (longitudial) direction ", formatC("%.2f", in.rfSeamAxial));
    row(n, 2700, "circumferential direction ", formatC("%.2f", in.rfSeamCircumferential));
    n += 2;
    const int t = n;
    switch (in.analysisType) {
    case AnalysisType::GivenStrength:
        row(t, 700,
            "Geosynthetic with ULTIMATE strength of "
                + formatC("%.2f", in.ultimateStrength * f.forcePerLength)
                + (english ? " [lb/ft] was specified." : " [kN/m] was specified."));
        break;
    case AnalysisType::GivenHeight:
        row(t, 700,
            "Maximum height of " + formatC("%.2f", in.desiredMaxHeight * f.length)
                + (english ? " [ft] was specified." : " [m] was specified."));
        break;
    case AnalysisType::GivenPressure:
        row(t, 700,
            "Pumping pressure at inlet of "
                + formatC("%.2f", in.pumpingPressure * f.pumpingPressure)
                + (english ? " [psi] was specified." : " [kPa] was specified."));
        break;
    }

    heading(-270.0 * t - 470, "RESULTS");
    n = t + 3;
    row(n++, 700,
        "Results correspond to a circumference of tube of "
            + formatResult(1, out.computedCircumference * f.length)
            + (english ? " [ft] and" : " [m] and"));
    switch (in.analysisType) {
    case AnalysisType::GivenStrength:
        row(n++, 700,
            "ULTIMATE geosynthetic strength of "
                + formatResult(0, out.ultimateStrengthCircumferential * f.forcePerLength)
                + (english ? " [lb/ft]." : " [kN/m]."));
        break;
    case AnalysisType::GivenHeight:
        row(n++, 700,
            "maximum tube height of " + formatResult(1, out.maxHeight * f.length)
                + (english ? " [ft]." : " [m]."));
        break;
    case AnalysisType::GivenPressure:
        row(n++, 700,
            "pumping pressure of " + formatResult(1, out.inletPressure * f.pumpingPressure)
                + (english ? " [psi]." : " [kPa]."));
        break;
    }
    const ReductionFactorProducts products = reductionFactorProducts(in);
    const std::string forceUnit = unit(units.forcePerLength);
    row(n++, 700, "Geosynthetic in CIRCUMFERENTIAL direction:");
    row(n++, 1700, "Tensial force at WORKING conditions,  " + forceUnit,
        formatResult(
            0, out.ultimateStrengthCircumferential / products.circumferential * f.forcePerLength));
    row(n++, 1700, "Required ULTIMATE strength,  " + forceUnit,
        formatResult(0, out.ultimateStrengthCircumferential * f.forcePerLength));
    row(n++, 700, "Geosynthetic in AXIAL direction:");
    row(n++, 1700, "Tensial force at WORKING conditions,  " + forceUnit,
        formatResult(0, out.ultimateStrengthAxial / products.axial * f.forcePerLength));
    row(n++, 1700, "Required ULTIMATE strength,  " + forceUnit,
        formatResult(0, out.ultimateStrengthAxial * f.forcePerLength));
    row(n++, 700, "Maximum height of tube,  H " + unit(units.length),
        formatResult(1, out.maxHeight * f.length));
    row(n++, 700, "Maximum width of tube,  W " + unit(units.length),
        formatResult(1, out.maxWidth * f.length));
    row(n++, 1700,
        "(max. width is at height " + formatResult(1, out.heightAtMaxWidth * f.length)
            + (english ? " [ft] from base)" : " [m] from base)"));
    // The ratio of a run without a width is shown with the smallest divisor
    // instead of dividing by zero.
    row(n++, 700, "Ratio    H / W ",
        formatResult(3, out.maxHeight / std::max(out.maxWidth, 0.0001)));
    row(n++, 700, "Width of base of tube resting on foundation soil,  " + unit(units.length),
        formatResult(1, out.baseWidth * f.length));
    const std::string areaUnit = unit(units.area);
    if (pressureType) {
        row(n++, 700, "Cross-sectional area of slurry,  " + areaUnit,
            formatResult(1, out.totalArea * f.area));
    } else {
        row(n++, 700,
            (twoLayers ? "Cross-sectional area of lower layer of slurry,  "
                       : "Cross-sectional area of layer of slurry,  ")
                + areaUnit,
            formatResult(1, out.areaLowerSlurry * f.area));
        if (twoLayers)
            row(n++, 700, "Cross-sectional area of upper layer of slurry,  " + areaUnit,
                formatResult(1, out.areaUpperSlurry * f.area));
        row(n++, 700,
            "Total storage capacity of tube per unit length,  " + unit(units.volumePerLength),
            formatResult(1, out.totalArea * f.area));
    }
    const int p = n;
    row(p, 700, "Net pumping pressure within tube at inlet,  " + unit(units.pressure),
        formatResult(1, out.inletPressure * f.pumpingPressure));
    if (const std::string notice = solutionNoticeLine(out); !notice.empty())
        row(p + 1, 700, notice);

    const bool consolidated
        = record.state.shapeShown == Shape::Option1 || record.state.shapeShown == Shape::Option2;
    if (consolidated && !record.display.omitConsolidationPage) {
        heading(-270.0 * p - 740, "CONSOLIDATED TUBE:");
        row(p + 4, 700, "Unit weight of consolidated (saturated) fill,  " + weightUnit,
            formatC("%.1f", in.consolidatedUnitWeight * f.unitWeight));
        row(p + 5, 700, "Consolidated cross-section area,  " + areaUnit,
            formatResult(1, record.consolidation.consolidatedArea * f.area));
        row(p + 6, 700, "Final height,  H  " + unit(units.length),
            formatResult(1, record.consolidation.finalHeight * f.length));
    }
}

} // namespace vendrix
