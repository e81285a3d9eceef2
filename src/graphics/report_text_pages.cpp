// Page 1 (title page) and page 2 (input data and results) of the printed report.

#include "engine/numerical_results.h"
#include "engine/reduction_factors.h"
#include "graphics/logo_picture.h"
#include "graphics/page_canvas.h"
#include "graphics/page_grid.h"
#include "graphics/report_pages.h"
#include "model/c_format.h"
#include "model/solved_layering.h"
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

void centred(PageCanvas &canvas, double y, const std::string &text)
{
    canvas.text((11500 - canvas.textWidth(text) - kRightMargin) / 2, y, text);
}

// A field value from x on, elided at the frame.
void fitted(PageCanvas &canvas, double x, double y, const std::string &text)
{
    canvas.text(x, y, canvas.elided(text, kTextRight - x));
}

// The second path line ("....." and the rest). The end of a path names the
// file, so a line too wide loses characters after its leading dots instead.
std::string fittedPathTail(const PageCanvas &canvas, const std::string &tail, double width)
{
    if (tail.size() <= 6 || canvas.textWidth(tail) <= width)
        return tail;
    // Keep the five dots and the fewest characters removed after them that fit
    // (at most all but the last one), found by halving.
    auto without
        = [&tail](std::size_t removed) { return tail.substr(0, 5) + tail.substr(5 + removed); };
    std::size_t tooFew = 0, enough = tail.size() - 6;
    while (enough - tooFew > 1) {
        const std::size_t middle = tooFew + (enough - tooFew) / 2;
        if (canvas.textWidth(without(middle)) <= width)
            enough = middle;
        else
            tooFew = middle;
    }
    return without(enough);
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
    centred(canvas, y, canvas.elided(title, width));
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
    labelled("Name:", info.companyName.cp1252);
    labelled("Street:", info.companyStreet1.cp1252);
    if (info.companyStreet2.cp1252.size() > 1)
        labelled(nullptr, info.companyStreet2.cp1252);
    std::string city = info.companyCity.cp1252;
    if (!info.companyState.cp1252.empty() || !info.companyZip.cp1252.empty())
        city += ", " + info.companyState.cp1252 + "  " + info.companyZip.cp1252;
    labelled(nullptr, city);
    labelled("Telephone # :", info.companyPhone.cp1252);
    labelled("Fax # :", info.companyFax.cp1252);
    labelled("E-Mail :", info.companyEmail.cp1252);
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

namespace {

// The program's title, the project title and the frame's triple rules.
void drawTitleBand(PageCanvas &canvas, const ProjectInfo &info)
{
    canvas.setPen(Qt::black, 2);
    canvas.setNoBrush();
    canvas.setFont(200, 600);
    centred(canvas, -3000, kProductTitle);
    centredTitle(canvas, -3300, info.title.cp1252);
    canvas.setFont(140);
    centred(canvas, -3820, kReportCredit);
    using namespace pageGrid;
    const double right = kRight - kRightMargin;
    for (double y : {-2900.0, -2910.0, -2920.0, -4000.0, -4010.0, -4020.0})
        canvas.line(kLeft, y, right, y);
    for (double x : {right, right - kRuleGap, right - 2 * kRuleGap, kLeft, kLeft + kRuleGap,
                     kLeft + 2 * kRuleGap})
        canvas.line(x, kHeaderTopRule, x, kFooterLastRules);
    if (info.includeLogo) {
        // A logo that cannot be read leaves the space empty without a message.
        LogoPicture logo;
        if (logo.loadFromFile(info.logoPath.cp1252))
            logo.draw(canvas, 600, -700, 10500, 2100);
    }
}

void drawProjectIdentification(PageCanvas &canvas, const ProjectInfo &info)
{
    canvas.setFont(200, 600);
    canvas.text(1200, -4200, "PROJECT IDENTIFICATION");
    canvas.setFont(200);
    std::string number = info.projectNumber.cp1252;
    if (!info.projectNumberSuffix.cp1252.empty())
        number += " -- " + info.projectNumberSuffix.cp1252;
    const std::pair<const char *, const std::string &> fields[] = {
        {"Title:", info.title.cp1252},
        {"Project Number:", number},
        {"Client:", info.client.cp1252},
        {"Designer:", info.designer.cp1252},
    };
    double y = -4800;
    for (const auto &[label, value] : fields) {
        canvas.text(1200, y, label);
        fitted(canvas, 3000, y, value);
        y -= 300;
    }
}

// The description, the file path and the date; returns the y of the date line.
double drawDescriptionAndPath(PageCanvas &canvas, const ProjectInfo &info)
{
    canvas.setFont(200, 600);
    canvas.text(1200, -6300, "Description:");
    canvas.setFont(200);
    const std::vector<std::string> description = titlePageDescriptionLines(info.description.cp1252);
    for (std::size_t k = 1; k <= description.size(); ++k)
        fitted(canvas, 2000, -6300 - 300.0 * double(k), description[k - 1]);

    int k = 21 + int(description.size());
    canvas.setFont(200, 600);
    canvas.text(1200, -300.0 * (k + 2), "File path and name:");
    canvas.setFont(200);
    const std::vector<std::string> path = titlePagePathLines(projectPathText(info));
    fitted(canvas, 4000, -300.0 * (k + 2), path[0]);
    if (path.size() > 1) {
        ++k;
        canvas.textRightAligned(11300 - kRightMargin, -300.0 * (k + 2),
                                fittedPathTail(canvas, path[1], 11300 - kRightMargin - kTextLeft));
    }
    const double y = -300.0 * (k + 3);
    canvas.setFont(200, 600);
    canvas.text(1200, y, "Date and time of creating the input data:");
    canvas.setFont(200);
    fitted(canvas, 5000, y - 30, info.dateTime.cp1252);
    return y;
}

// The credit box moves down when a long description, a two-line path and a
// second street line push the company block (ending at `above`) into it.
void drawCreditBox(PageCanvas &canvas, double above)
{
    const double shift = std::min(0.0, (above - 350) - (-12000.0));
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

} // namespace

void drawTitlePage(PageCanvas &canvas, const ProjectRecord &record)
{
    const ProjectInfo &info = record.info;
    drawTitleBand(canvas, info);
    drawProjectIdentification(canvas, info);
    const double dateLine = drawDescriptionAndPath(canvas, info);
    drawCreditBox(canvas, drawCompanyBlock(canvas, info, dateLine - 600));
}

namespace {

std::string unitText(const char *label)
{
    return std::string(" ") + label;
}

// What the run was asked for and what it found for it, with their unit.
struct ObjectiveTexts
{
    std::string specified; // "... was specified."
    std::string found; // the second results line
};

ObjectiveTexts objectiveTexts(const ProjectRecord &record)
{
    const TubeInput &in = record.input;
    const TubeSolution &out = record.solution;
    const UnitFactors f = UnitFactors::forSettings(record.display.unitSystem);
    const UnitLabels units = unitLabels(record.display);
    const auto texts = [](const char *asked, double given, const char *found, int decimals,
                          double result, const char *unit) {
        return ObjectiveTexts {asked + formatC("%.2f", given) + unitText(unit) + " was specified.",
                               found + formatResult(decimals, result) + unitText(unit) + "."};
    };
    switch (in.analysisType) {
    case AnalysisType::GivenStrength:
        return texts("Geosynthetic with ULTIMATE strength of ",
                     in.ultimateStrength * f.forcePerLength, "ULTIMATE geosynthetic strength of ",
                     0, out.ultimateStrengthCircumferential * f.forcePerLength,
                     units.forcePerLength);
    case AnalysisType::GivenHeight:
        return texts("Maximum height of ", in.desiredMaxHeight * f.length,
                     "maximum tube height of ", 1, out.maxHeight * f.length, units.length);
    case AnalysisType::GivenPressure:
        return texts("Pumping pressure at inlet of ", in.pumpingPressure * f.pumpingPressure,
                     "pumping pressure of ", 1, out.inletPressure * f.pumpingPressure,
                     units.pressure);
    }
    return {};
}

// Page 2, block by block; rows are numbered down the page, 270 twips apart.
class InputResultsPage
{
public:
    InputResultsPage(PageCanvas &canvas, const ProjectRecord &record)
        : m_canvas(canvas)
        , m_in(record.input)
        , m_out(record.solution)
        , m_record(record)
        , m_f(UnitFactors::forSettings(record.display.unitSystem))
        , m_units(unitLabels(record.display))
        , m_oneSlurry(simplifiedLayering(record))
        , m_twoLayers(hasTwoSlurryLayers(record.input))
    { }

    void paint()
    {
        m_canvas.setPen(Qt::black, 1);
        heading(-1010, "INPUT DATA");
        const int objectiveRow = inputData(5);
        heading(-270.0 * objectiveRow - 470, "RESULTS");
        const int pressureRow = areas(dimensions(tensions(objectiveRow + 3)));
        pumpingPressure(pressureRow);
        if (showsConsolidatedShape(m_record.state) && !m_record.display.omitConsolidationPage)
            consolidatedTube(pressureRow);
    }

private:
    void heading(double y, const char *text)
    {
        m_canvas.setFont(220, 600);
        m_canvas.text(1200, y, text);
        m_canvas.setFont(220);
    }
    void row(int n, double x, const std::string &label, const std::string &value = {})
    {
        m_canvas.text(x, -270.0 * n, label);
        if (!value.empty())
            m_canvas.textRightAligned(9000, -270.0 * n, value);
    }
    std::string length(double metres, int decimals) const
    {
        return formatResult(decimals, metres * m_f.length);
    }
    std::string area(double squareMetres) const { return formatResult(1, squareMetres * m_f.area); }
    std::string weight(double kNm3, const char *format = "%.2f") const
    {
        return formatC(format, kNm3 * m_f.unitWeight);
    }

    int inputData(int n);
    int weights(int n);
    int designParameters(int n);
    int tensions(int n);
    int dimensions(int n);
    int areas(int n);
    void pumpingPressure(int n);
    void consolidatedTube(int p);

    PageCanvas &m_canvas;
    const TubeInput &m_in;
    const TubeSolution &m_out;
    const ProjectRecord &m_record;
    UnitFactors m_f;
    UnitLabels m_units;
    bool m_oneSlurry; // solved as one slurry in the lower fluid (classic given pressure)
    bool m_twoLayers;
};

// The input rows from row n; returns the row of the objective.
int InputResultsPage::inputData(int n)
{
    row(n, 700, "Circumference of tube,  " + unitText(m_units.length),
        formatC("%.1f", m_in.circumference * m_f.length));
    n = weights(n + 1);
    if (!m_oneSlurry && m_twoLayers)
        row(n++, 700,
            "Specified height of lower layer of slurry, Hin-L,  " + unitText(m_units.length),
            formatC("%.1f", m_in.slurryHeightLower * m_f.length));
    row(n, 700,
        "Specified height of outside lower layer of fluid, Hout-L,  " + unitText(m_units.length),
        formatC("%.1f", m_in.fluidHeightLower * m_f.length));
    const int objectiveRow = designParameters(n + 2) + 2;
    row(objectiveRow, 700, objectiveTexts(m_record).specified);
    return objectiveRow;
}

// The unit weights of the slurry and of the fluid outside; returns the next row.
int InputResultsPage::weights(int n)
{
    const std::string weightUnit = unitText(m_units.unitWeight);
    const char *slurry = m_oneSlurry ? "Unit weight of slurry,  "
        : m_twoLayers                ? "Unit weight of lower layer of slurry,  "
                                     : "Unit weight of layer of slurry,  ";
    row(n++, 700, slurry + weightUnit, weight(m_in.slurryUnitWeightLower));
    if (m_twoLayers && !m_oneSlurry)
        row(n++, 700, "Unit weight of upper layer of slurry,  " + weightUnit,
            weight(m_in.slurryUnitWeightUpper));
    if (m_in.fluidUnitWeightLower < 0.0006) {
        row(n++, 700, "The surrounding exterior of the tube is described as air");
    } else if (m_oneSlurry) {
        row(n++, 700, "Unit weight of fluid outside tube,  " + weightUnit,
            weight(m_in.fluidUnitWeightLower));
    } else {
        row(n++, 700, "Unit weight of fluid outside tube, lower layer,  " + weightUnit,
            weight(m_in.fluidUnitWeightLower));
        row(n++, 700, "Unit weight of fluid outside tube, upper layer,  " + weightUnit,
            weight(m_in.fluidUnitWeightUpper));
    }
    return n;
}

// The reduction factors; returns the row of the last one.
int InputResultsPage::designParameters(int n)
{
    row(n++, 700, "GEOSYNTHETIC DESIGN PARAMETERS:");
    row(n++, 1700, "1.  Reduction factor for installation damage,  RFid",
        formatC("%.2f", m_in.rfInstallationDamage));
    row(n++, 1700, "2.  Reduction factor for durability,  RFd", formatC("%.2f", m_in.rfDurability));
    row(n++, 1700, "3.  Reduction factor for creep,  RFc", formatC("%.2f", m_in.rfCreep));
    row(n++, 1700, "4.  Reduction factor for seam strength, RFss, in tube's: ");
    row(n++, 2700, "axial (longitudial) direction ", formatC("%.2f", m_in.rfSeamAxial));
    row(n, 2700, "circumferential direction ", formatC("%.2f", m_in.rfSeamCircumferential));
    return n;
}

// What was found and the tensions in both directions; returns the next row.
int InputResultsPage::tensions(int n)
{
    row(n++, 700,
        "Results correspond to a circumference of tube of " + length(m_out.computedCircumference, 1)
            + unitText(m_units.length) + " and");
    row(n++, 700, objectiveTexts(m_record).found);
    const ReductionFactorProducts products = reductionFactorProducts(m_in);
    const std::string forceUnit = unitText(m_units.forcePerLength);
    const struct
    {
        const char *direction;
        double ultimate;
        double product;
    } directions[] = {
        {"Geosynthetic in CIRCUMFERENTIAL direction:", m_out.ultimateStrengthCircumferential,
         products.circumferential},
        {"Geosynthetic in AXIAL direction:", m_out.ultimateStrengthAxial, products.axial},
    };
    for (const auto &d : directions) {
        row(n++, 700, d.direction);
        row(n++, 1700, "Tensial force at WORKING conditions,  " + forceUnit,
            formatResult(0, d.ultimate / d.product * m_f.forcePerLength));
        row(n++, 1700, "Required ULTIMATE strength,  " + forceUnit,
            formatResult(0, d.ultimate * m_f.forcePerLength));
    }
    return n;
}

// Height, width, their ratio and the base; returns the next row.
int InputResultsPage::dimensions(int n)
{
    const std::string lengthUnit = unitText(m_units.length);
    row(n++, 700, "Maximum height of tube,  H " + lengthUnit, length(m_out.maxHeight, 1));
    row(n++, 700, "Maximum width of tube,  W " + lengthUnit, length(m_out.maxWidth, 1));
    row(n++, 1700,
        "(max. width is at height " + length(m_out.heightAtMaxWidth, 1) + lengthUnit
            + " from base)");
    // The ratio of a run without a width is shown with the smallest divisor
    // instead of dividing by zero.
    row(n++, 700, "Ratio    H / W ",
        formatResult(3, m_out.maxHeight / std::max(m_out.maxWidth, 0.0001)));
    row(n++, 700, "Width of base of tube resting on foundation soil,  " + lengthUnit,
        length(m_out.baseWidth, 1));
    return n;
}

// The areas of the slurry layers and the storage; returns the next row.
int InputResultsPage::areas(int n)
{
    const std::string areaUnit = unitText(m_units.area);
    if (m_oneSlurry) {
        row(n++, 700, "Cross-sectional area of slurry,  " + areaUnit, area(m_out.totalArea));
        return n;
    }
    row(n++, 700,
        (m_twoLayers ? "Cross-sectional area of lower layer of slurry,  "
                     : "Cross-sectional area of layer of slurry,  ")
            + areaUnit,
        area(m_out.areaLowerSlurry));
    if (m_twoLayers)
        row(n++, 700, "Cross-sectional area of upper layer of slurry,  " + areaUnit,
            area(m_out.areaUpperSlurry));
    row(n++, 700,
        "Total storage capacity of tube per unit length,  " + unitText(m_units.volumePerLength),
        area(m_out.totalArea));
    return n;
}

void InputResultsPage::pumpingPressure(int n)
{
    row(n, 700, "Net pumping pressure within tube at inlet,  " + unitText(m_units.pressure),
        formatResult(1, m_out.inletPressure * m_f.pumpingPressure));
    if (const std::string notice = solutionNoticeLine(m_out); !notice.empty())
        row(n + 1, 700, notice);
}

void InputResultsPage::consolidatedTube(int p)
{
    heading(-270.0 * p - 740, "CONSOLIDATED TUBE:");
    row(p + 4, 700,
        "Unit weight of consolidated (saturated) fill,  " + unitText(m_units.unitWeight),
        weight(m_in.consolidatedUnitWeight, "%.1f"));
    row(p + 5, 700, "Consolidated cross-section area,  " + unitText(m_units.area),
        area(m_record.consolidation.consolidatedArea));
    row(p + 6, 700, "Final height,  H  " + unitText(m_units.length),
        length(m_record.consolidation.finalHeight, 1));
}

} // namespace

void drawInputResultsPage(PageCanvas &canvas, const ProjectRecord &record)
{
    InputResultsPage(canvas, record).paint();
}

} // namespace vendrix
