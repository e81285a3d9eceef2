// The comma-separated outline and the CAD drawing of the cross-section.
#include "batch_test_support.h"
#include "cli/batch_command.h"
#include "report/cross_section_dxf.h"
#include "report/dxf_writer.h"
#include "report/outline_csv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace vendrix {
namespace {

// A tube 1.5 m high on a 1.2 m base whose half width is 0.9375 m at mid-height,
// and an Option 1 shape: a quarter ellipse 1.4 m by 0.9 m after the origin.
double profileX(double s)
{
    return (0.6 + 0.4 * std::sin(M_PI * s)) * (1 - s * s * s * s);
}

ProjectRecord sampleRecord(std::optional<Shape> shapeShown, int englishUnits)
{
    ProjectRecord record;
    record.state.shapeShown = shapeShown;
    record.display.unitSystem = englishUnits ? UnitSystem::English : UnitSystem::SI;
    for (size_t i = 0; i < kProfilePoints; ++i) {
        const double s = static_cast<double>(i) / 360.0;
        record.solution.profileX[i] = profileX(s);
        record.solution.profileY[i] = 0.75 - 0.75 * std::cos(M_PI * s);
    }
    for (size_t i = 1; i < kProfileArraySize; ++i) {
        const double t = M_PI / 2 * static_cast<double>(i - 1) / 360.0;
        record.consolidation.shapeX[i] = 1.4 * std::cos(t);
        record.consolidation.shapeY[i] = 0.9 * std::sin(t);
    }
    record.solution.maxWidth = 2.0;
    record.solution.computedCircumference = 5;
    record.solution.ultimateStrengthCircumferential = 50;
    record.consolidation.finalHeight = 0.8;
    return record;
}

std::vector<std::string> split(const std::string &text, const std::string &separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(separator, start);
        if (end == std::string::npos)
            end = text.size();
        parts.push_back(text.substr(start, end - start));
        start = end + separator.size();
    }
    return parts;
}

TEST(OutlineCsv, HeaderRowAndOnePointPerRowInDisplayUnits)
{
    struct Case
    {
        Shape shape;
        int english;
        const char *header;
        size_t rows;
        const char *firstRow;
    };
    const Case cases[] = {
        {Shape::AsFilled, 0, "x [m],y [m]", 722, "0.6000,0.0000"},
        {Shape::AsFilled, 1, "x [ft],y [ft]", 722, "1.9685,0.0000"},
        {Shape::Option1, 0, "x [m],y [m]", 722, "0.0000,0.0000"},
        {Shape::Option2, 1, "x [ft],y [ft]", 4, "3.2808,0.0000"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.header + std::to_string(static_cast<int>(c.shape)));
        const ProjectRecord record = sampleRecord(c.shape, c.english);
        const std::string text = outlineCsvText(record);
        ASSERT_EQ(text.find('\r'), std::string::npos);
        const auto rows = split(text, "\n");
        ASSERT_EQ(rows.size(), c.rows + 1);
        EXPECT_EQ(rows[0], c.header);
        EXPECT_EQ(rows[1], c.firstRow);
        // Both halves: the last row mirrors the first.
        const auto first = split(rows[1], ","), last = split(rows.back(), ",");
        ASSERT_EQ(first.size(), 2u);
        ASSERT_EQ(last.size(), 2u);
        EXPECT_DOUBLE_EQ(std::atof(first[0].c_str()), -std::atof(last[0].c_str()));
        EXPECT_EQ(first[1], last[1]);
        // The 1.5 m crest in the same unit as the widths.
        double crest = 0;
        for (size_t i = 1; i < rows.size(); ++i)
            crest = std::max(crest, std::atof(split(rows[i], ",")[1].c_str()));
        if (c.shape == Shape::AsFilled) {
            EXPECT_NEAR(crest, 1.5 * (c.english ? 3.28084 : 1), 1e-4);
        }
    }
}

// The file as (group code, value) pairs, checking that every code is a number.
std::vector<std::pair<int, std::string>> groups(const std::string &dxf)
{
    const auto lines = split(dxf, "\r\n");
    EXPECT_EQ(lines.size() % 2, 0u);
    std::vector<std::pair<int, std::string>> pairs;
    for (size_t i = 0; i + 1 < lines.size(); i += 2) {
        char *end = nullptr;
        const long code = std::strtol(lines[i].c_str(), &end, 10);
        EXPECT_EQ(*end, '\0') << "line " << i << ": " << lines[i];
        pairs.emplace_back(static_cast<int>(code), lines[i + 1]);
    }
    return pairs;
}

std::string headerValue(const std::vector<std::pair<int, std::string>> &pairs, const char *name)
{
    for (size_t i = 0; i + 1 < pairs.size(); ++i)
        if (pairs[i].first == 9 && pairs[i].second == name)
            return pairs[i + 1].second;
    return "";
}

// One record of the file: a table entry or an entity, its layer and its first
// value of each group code.
struct DxfRecord
{
    std::string type;
    std::string layer;
    std::map<int, std::string> values;

    double number(int code, double otherwise = NAN) const
    {
        const auto it = values.find(code);
        return it == values.end() ? otherwise : std::atof(it->second.c_str());
    }
};

std::vector<DxfRecord> records(const std::string &dxf)
{
    std::vector<DxfRecord> found;
    for (const auto &[code, value] : groups(dxf)) {
        if (code == 0)
            found.push_back({value, "", {}});
        else if (code == 8 && !found.empty())
            found.back().layer = value;
        else if (!found.empty())
            found.back().values.emplace(code, value);
    }
    return found;
}

TEST(CrossSectionDxf, UnitsHeaderAndFramingOfTheFile)
{
    for (int english : {0, 1}) {
        SCOPED_TRACE(english);
        const std::string dxf = crossSectionDxf(sampleRecord(Shape::AsFilled, english));
        const auto pairs = groups(dxf);
        ASSERT_GE(pairs.size(), 4u);
        EXPECT_EQ(pairs.front(), (std::pair<int, std::string>(0, "SECTION")));
        EXPECT_EQ(pairs.back(), (std::pair<int, std::string>(0, "EOF")));
        EXPECT_EQ(headerValue(pairs, "$ACADVER"), "AC1009");
        EXPECT_EQ(std::atoi(headerValue(pairs, "$INSUNITS").c_str()), english ? 2 : 6);
        EXPECT_EQ(std::atoi(headerValue(pairs, "$MEASUREMENT").c_str()), english ? 0 : 1);
        EXPECT_EQ(std::atof(headerValue(pairs, "$EXTMAX").c_str()) > 0, true);
        for (const auto &[code, value] : pairs) {
            if (code < 10 || code > 59)
                continue;
            char *end = nullptr;
            std::strtod(value.c_str(), &end);
            EXPECT_EQ(*end, '\0') << code << ": " << value;
        }
        EXPECT_NE(dxf.find(english ? "Lengths in feet" : "Lengths in metres"), std::string::npos);
        // CAD users pick the drawing apart by its layers: name, colour, line type.
        std::vector<std::string> layerTable;
        for (const DxfRecord &r : records(dxf))
            if (r.type == "LAYER")
                layerTable.push_back(r.values.at(2) + " " + std::to_string(int(r.number(62))) + " "
                                     + r.values.at(6));
        EXPECT_EQ(layerTable,
                  (std::vector<std::string> {
                      "0 7 CONTINUOUS", "TUBE 30 CONTINUOUS", "TUBE_AS_FILLED 8 CONTINUOUS",
                      "SLURRY_INTERFACE 40 CONTINUOUS", "FLUID_LEVEL 5 CONTINUOUS",
                      "FOUNDATION 1 CONTINUOUS", "CENTRE_LINE 5 CENTER", "DIMENSIONS 7 CONTINUOUS",
                      "TEXT 7 CONTINUOUS"}));
    }
}

// Vertices of the polylines on `layer`, in drawing units.
std::vector<DxfPoint> vertices(const std::string &dxf, const char *layer, int &closedFlag)
{
    const auto pairs = groups(dxf);
    std::vector<DxfPoint> points;
    bool inside = false;
    for (size_t i = 0; i + 2 < pairs.size(); ++i) {
        if (pairs[i].first != 0)
            continue;
        const bool onLayer = pairs[i + 1] == std::pair<int, std::string>(8, layer);
        if (pairs[i].second == "POLYLINE" && onLayer) {
            inside = true;
            closedFlag = std::atoi(pairs[i + 6].second.c_str()); // after 66 and the 10/20/30 point
        } else if (pairs[i].second == "SEQEND") {
            inside = false;
        } else if (inside && pairs[i].second == "VERTEX") {
            points.push_back(
                {std::atof(pairs[i + 2].second.c_str()), std::atof(pairs[i + 3].second.c_str())});
        }
    }
    return points;
}

TEST(CrossSectionDxf, ClosedOutlineAtTrueScaleWithTheBaseOnTheFoundation)
{
    struct Case
    {
        Shape shape;
        int english;
        double halfWidth, height; // m
        size_t points;
    };
    const Case cases[] = {
        {Shape::AsFilled, 0, 0, 1.5, 721},
        {Shape::Option1, 1, 1.4, 0.9, 721},
        {Shape::Option2, 0, 1.0, 0.8, 4},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.shape));
        const double factor = c.english ? 3.28084 : 1.0;
        const std::string dxf = crossSectionDxf(sampleRecord(c.shape, c.english));
        int closed = -1;
        const auto points = vertices(dxf, dxfLayers::kTube, closed);
        EXPECT_EQ(closed, 1);
        EXPECT_EQ(points.size(), c.points);
        double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
        for (const DxfPoint &p : points) {
            minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
        }
        EXPECT_NEAR(minX, -maxX, 1e-6);
        EXPECT_NEAR(minY, 0, 1e-6);
        EXPECT_NEAR(maxY, c.height * factor, 1e-4);
        if (c.shape != Shape::AsFilled) {
            EXPECT_NEAR(maxX, c.halfWidth * factor, 1e-4);
        }
        int asFilledClosed = -1;
        EXPECT_EQ(vertices(dxf, dxfLayers::kAsFilled, asFilledClosed).empty(),
                  c.shape == Shape::AsFilled);
    }
}

// Option 2 shows a tube 2 m wide and 0.8 m high: with the gap of 8 % and the
// text height of 2.5 % of 2 m, the dimensions, the foundation and the opening
// view lie here, in metres and scaled to feet.
TEST(CrossSectionDxf, DimensionsLinesAndViewWhereTheSizesPutThem)
{
    struct Line
    {
        const char *layer;
        double x1, y1, x2, y2; // m
    };
    const Line lines[] = {
        {dxfLayers::kFoundation, -1.46, 0, 1.46, 0}, // 1.3 half widths and the gap
        {dxfLayers::kCentreLine, 0, -0.16, 0, 1.596}, // above the 1.5 m crest as filled
        {dxfLayers::kFluidLevel, -1.46, 2, 1.46, 2},
        {dxfLayers::kDimensions, -1, 0.032, -1, 1.008},
        {dxfLayers::kDimensions, 1, 0.032, 1, 1.008},
        {dxfLayers::kDimensions, -1, 0.96, 1, 0.96},
        {dxfLayers::kDimensions, 0.2, 0.8, 1.208, 0.8},
        {dxfLayers::kDimensions, 1.16, 0, 1.16, 0.8},
    };
    // Arrow heads 1.2 text heights long and a third as wide: tip, then two corners.
    const double arrows[][6] = {{1, 0.96, 0.94, 0.97, 0.94, 0.95},
                                {-1, 0.96, -0.94, 0.95, -0.94, 0.97},
                                {1.16, 0.8, 1.15, 0.74, 1.17, 0.74},
                                {1.16, 0, 1.17, 0.06, 1.15, 0.06}};
    struct Text
    {
        double x, y, angle; // m, degrees
        const char *metres, *feet;
    };
    const Text texts[] = {{0, 0.985, 0, "Width = 2.00 [m]", "Width = 6.56 [ft]"},
                          {1.13, 0.4, 90, "H = 0.80 [m]", "H = 2.62 [ft]"}};
    for (int english : {0, 1}) {
        SCOPED_TRACE(english);
        const double f = english ? 3.28084 : 1.0;
        const auto all = records(crossSectionDxf(sampleRecord(Shape::Option2, english)));
        const auto near
            = [f](double drawn, double metres) { return std::fabs(drawn / f - metres) < 1e-5; };
        for (const Line &l : lines) {
            EXPECT_TRUE(std::any_of(all.begin(), all.end(),
                                    [&](const DxfRecord &r) {
                                        return r.type == "LINE" && r.layer == l.layer
                                            && near(r.number(10), l.x1) && near(r.number(20), l.y1)
                                            && near(r.number(11), l.x2) && near(r.number(21), l.y2);
                                    }))
                << l.layer << " from " << l.x1 << ", " << l.y1;
        }
        EXPECT_EQ(std::count_if(all.begin(), all.end(),
                                [](const DxfRecord &r) { return r.type == "LINE"; }),
                  std::size(lines));
        for (const auto &a : arrows) {
            EXPECT_TRUE(std::any_of(all.begin(), all.end(),
                                    [&](const DxfRecord &r) {
                                        return r.type == "SOLID" && near(r.number(10), a[0])
                                            && near(r.number(20), a[1]) && near(r.number(11), a[2])
                                            && near(r.number(21), a[3]) && near(r.number(12), a[4])
                                            && near(r.number(22), a[5]);
                                    }))
                << "arrow at " << a[0] << ", " << a[1];
        }
        for (const Text &t : texts) {
            const auto text = std::find_if(all.begin(), all.end(), [&](const DxfRecord &r) {
                return r.type == "TEXT" && r.values.at(1) == (english ? t.feet : t.metres);
            });
            ASSERT_NE(text, all.end()) << t.metres;
            EXPECT_TRUE(near(text->number(10), t.x) && near(text->number(20), t.y)) << t.metres;
            EXPECT_TRUE(near(text->number(11), t.x) && near(text->number(21), t.y)) << t.metres;
            EXPECT_EQ(text->number(50, 0), t.angle);
        }
        // Opens on everything drawn: from the texts under the base to the fluid level.
        const auto view = std::find_if(all.begin(), all.end(), [](const DxfRecord &r) {
            return r.type == "VPORT" && r.values.count(12) != 0;
        });
        ASSERT_NE(view, all.end());
        EXPECT_TRUE(near(view->number(12), 0) && near(view->number(22), 0.7225));
        EXPECT_TRUE(near(view->number(40), 1.1 * (2 + 0.555)));
    }
}

TEST(CrossSectionDxf, FluidLevelStopsAtTheTubeAndSlurryInterfaceSpansIt)
{
    ProjectRecord record = sampleRecord(Shape::AsFilled, 0);
    record.input.analysisType = AnalysisType::GivenStrength;
    record.input.twoSlurryLayers = true;
    record.input.slurryHeightLower = 0.75; // mid-height, where the half width is 0.9375 m
    record.input.fluidHeightLower = 0.75;
    const std::string dxf = crossSectionDxf(record);
    const double x = profileX(0.5);
    const std::string interface = std::string("  8\r\n") + dxfLayers::kSlurryInterface;
    const size_t at = dxf.find(interface);
    ASSERT_NE(at, std::string::npos);
    const auto pairs = groups(dxf.substr(dxf.rfind("  0\r\nLINE", at)));
    EXPECT_NEAR(std::atof(pairs[2].second.c_str()), -x, 2e-3);
    EXPECT_NEAR(std::atof(pairs[5].second.c_str()), x, 2e-3);
    EXPECT_EQ(std::atof(pairs[3].second.c_str()), 0.75);
    // Two pieces of fluid level, one on each side of the tube.
    size_t pieces = 0;
    for (size_t p = dxf.find(dxfLayers::kFluidLevel); p != std::string::npos;
         p = dxf.find(dxfLayers::kFluidLevel, p + 1))
        ++pieces;
    EXPECT_EQ(pieces, 1u + 2u); // the layer table and two lines

    // The exact method solves a given pumping pressure with the layers as entered.
    record.input.analysisType = AnalysisType::GivenPressure;
    const std::string exact = crossSectionDxf(record);
    EXPECT_NE(exact.find(interface), std::string::npos);
    EXPECT_NE(exact.find(std::string("  8\r\n") + dxfLayers::kFluidLevel), std::string::npos);
    // The classic one solves one slurry in the lower fluid, with no level outside.
    record.solution.method = SolutionMethod::Classic;
    const std::string pressure = crossSectionDxf(record);
    EXPECT_EQ(pressure.find(interface), std::string::npos);
    EXPECT_EQ(pressure.find(std::string("  8\r\n") + dxfLayers::kFluidLevel), std::string::npos);
}

TEST(DxfWriter, TextsStayOnOneLineAndAnEmptyDrawingHasFiniteExtents)
{
    DxfWriter empty(DxfUnit::Metres);
    EXPECT_NE(empty.document().find("$EXTMAX\r\n 10\r\n0.000000\r\n"), std::string::npos);
    EXPECT_NE(empty.document().find(" 40\r\n0.001000\r\n"), std::string::npos); // view height

    DxfWriter dxf(DxfUnit::Feet);
    dxf.addLayer("TEXT", 7);
    dxf.text("TEXT", {1, 2}, 0.5, "Dike\r\n4 \xC4");
    const std::string document = dxf.document();
    EXPECT_NE(document.find("  1\r\nDike  4 \xC4\r\n"), std::string::npos);
    EXPECT_NE(document.find("$DWGCODEPAGE\r\n  3\r\nANSI_1252\r\n"), std::string::npos);
}

// Every kind of entity in feet, against a file checked by reading it and by
// opening it in a CAD program: extents, view, dashes, escapes, codes.
TEST(DxfWriter, DrawingMatchesTheReferenceFile)
{
    DxfWriter dxf(DxfUnit::Feet);
    dxf.addLayer("AXIS", 5, true);
    dxf.addLayer("TEXT", 7);
    dxf.line("AXIS", {-1, 2}, {3, -4});
    dxf.polyline("AXIS", {{0.5, 0}, {1, 1.25}}, false);
    dxf.triangle("AXIS", {0, 0}, {1, 0}, {0, 2});
    dxf.text("TEXT", {-0.5, 1}, 0.25, "Left");
    dxf.text("TEXT", {1, 1}, 0.5, "50%% ^C", DxfAlign::Centre, 90);
    std::ifstream file(std::string(VENDRIX_TEST_DATA_DIR) + "/dxf_writer_drawing.dxf",
                       std::ios::binary);
    const std::string expected((std::istreambuf_iterator<char>(file)), {});
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(dxf.document(), expected);
}

} // namespace
} // namespace vendrix

namespace vendrix {
namespace {

TEST(BatchExports, FilesThatCannotBeWrittenAreReportedWithStatusTwo)
{
    const std::filesystem::path dir
        = std::filesystem::temp_directory_path() / ("vendrix-exports-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const test::BatchResult written
        = test::runBatch({"--csv", (dir / "a.csv").string(), "--dxf", (dir / "a.dxf").string()});
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_TRUE(std::filesystem::exists(dir / "a.csv"));
    EXPECT_TRUE(std::filesystem::exists(dir / "a.dxf"));
    const test::BatchResult refused = test::runBatch(
        {"--csv", (dir / "missing/a.csv").string(), "--dxf", (dir / "missing/a.dxf").string()});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("cannot write the CSV file"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("cannot write the CAD drawing"), std::string::npos) << refused.err;
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace vendrix
