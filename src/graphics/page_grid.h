#pragma once
// Where the boxes and rules of a printed page lie, in twips (1/1440 inch) on
// the page canvas: x to the right from the page's left edge, y upwards from the
// top of the drawing area, so every point has y <= 0. Every page drawing takes
// its places from here.

#include <QPointF>

#include <cstddef>

namespace vendrix::pageGrid {

// Everything a page draws lies between these: x from 500 to 11500, y from 0
// down to the footer's last rule.
inline constexpr double kLeft = 500;
inline constexpr double kRight = 11500;
inline constexpr double kBottom = -15120;

// The header's and footer's rules run from kLeft to kRuleRight.
inline constexpr double kRuleRight = 11200;
inline constexpr double kRuleGap = 10; // between the lines of a double or triple rule
inline constexpr double kHeaderTopRule = 0;
inline constexpr double kHeaderBottomRule = -610;
inline constexpr double kFooterTopRule = -14480;
inline constexpr double kFooterLastRules = -15100; // then kRuleGap apart down to kBottom
inline constexpr double kHeaderTextLeft = 600;
inline constexpr double kHeaderTextRight = 11100;

// The cross-section pages: the tube stands on the base line at the centre x,
// kTubeWidth wide at true scale, between the sky band and the foundation.
namespace crossSection {
inline constexpr double kCentreX = 6000;
inline constexpr double kBaseY = -11000;
inline constexpr double kTubeWidth = 7000;
inline constexpr double kSkyTop = -2000;
inline constexpr double kFoundationBottom = -12000;
inline constexpr QPointF kTitleAt {1200, -1010};
// The non-convergence notice: its box and its first line, the others kLineStep below.
inline constexpr QPointF kNoticeTopLeft {2400, -3000};
inline constexpr QPointF kNoticeBottomRight {9400, -4500};
inline constexpr QPointF kNoticeFirstLine {2600, -3100};
inline constexpr double kLineStep = 300;
// The result lines below the foundation: as filled in two columns of at most
// three lines, a consolidated shape in one column.
inline constexpr double kResultsLeft = 1000;
inline constexpr double kResultsSecondColumn = 6000;
inline constexpr double kAsFilledResultsTop = -13300;
inline constexpr double kConsolidatedResultsTop = -13100;
// The scale bar between the foundation and the result lines.
inline constexpr double kScaleLeft = 1000;
inline constexpr double kScaleCaptionY = -12200;
inline constexpr double kScaleLabelsY = -12500;
inline constexpr double kScaleBarBottom = -13000;
inline constexpr double kScaleBarMiddle = -12940;
inline constexpr double kScaleBarTop = -12880;
} // namespace crossSection

// The design check page: the inputs in two columns, the picture below them,
// then the table of checks (value right-aligned, limit, verdict) and the notes.
namespace designCheck {
inline constexpr QPointF kTitleAt {1200, -1010};
inline constexpr double kLeft = 1200;
inline constexpr double kRight = 11000;
inline constexpr double kInputsTop = -1400;
inline constexpr double kInputsSecondColumn = 6600;
inline constexpr std::size_t kInputsPerColumn = 5;
inline constexpr double kInputLineStep = 230;
inline constexpr double kPictureGap = 100; // below the inputs
inline constexpr double kPictureHeight = 3200;
inline constexpr double kTableGap = 350; // below the picture
inline constexpr double kValueRight = 7400;
inline constexpr double kLimitLeft = 7600;
inline constexpr double kVerdictLeft = 9900;
inline constexpr double kHeadingRule = 230; // below the table's heading
inline constexpr double kFirstRow = 330; // below the table's heading
inline constexpr double kRowStep = 420;
inline constexpr double kNoteIndent = 300;
inline constexpr double kNoteBelowRow = 190;
inline constexpr double kNotesTop = -13700;
inline constexpr double kNoteStep = 220;
inline constexpr double kMessageTop = -1500;
inline constexpr double kMessageStep = 270;
} // namespace designCheck

} // namespace vendrix::pageGrid
