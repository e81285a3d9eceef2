#pragma once
// What the screen cross-section and the printed cross-section pages write and
// mark alike: the centre line's dashes, the dimension and result texts. Each
// places them in its own units (screen pixels, page twips).

#include "model/project_record.h"

#include <array>
#include <string>
#include <vector>

namespace vendrix {

// The centre line: long and short dashes in turn, as distances above the base.
struct CentreLineDash
{
    double from = 0;
    double to = 0;
};

struct CentreLinePattern
{
    double start; // where the first long dash begins (below the base when negative)
    double longDash;
    double shortDash;
    double gap;
};

inline constexpr CentreLinePattern kScreenCentreLine {-10, 40, 5, 5}; // pixels
inline constexpr CentreLinePattern kPageCentreLine {-200, 1000, 200, 200}; // twips

// The first ones are drawn always, the others only while they stay under the crest.
inline constexpr std::size_t kCentreLineDashes = 11;
inline constexpr std::size_t kAlwaysDrawnDashes = 3;

std::array<CentreLineDash, kCentreLineDashes> centreLineDashes(const CentreLinePattern &pattern);

// "label" + value + " " + unit; without the unit when there is none. The value
// has `decimals` decimals, or two significant digits where that would print 0
// (formatResult, the rule of every result text).
std::string valueText(const char *label, double value, const char *unit, int decimals = 1);

// One result line under the picture, in display units.
struct ResultLine
{
    const char *label;
    double value;
    const char *unit;
    int printedDecimals; // the page writes whole tensions
};

// The lines for the tube as filled, or for a consolidated shape.
std::vector<ResultLine> crossSectionResultLines(const ProjectRecord &record, bool asFilled);

} // namespace vendrix
