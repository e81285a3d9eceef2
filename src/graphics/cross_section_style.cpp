#include "graphics/cross_section_style.h"

#include "graphics/cross_section_drawing.h"
#include "graphics/drawing_palette.h"
#include "graphics/page_grid.h"
#include "graphics/picture_painting.h"

namespace vendrix {

namespace {

using Colours = std::array<std::optional<QColor>, kSceneRoles>;

void set(Colours &colours, SceneRole role, std::optional<QColor> colour)
{
    colours[std::size_t(role)] = colour;
}

Colours screenRoleColours(bool blackWhite)
{
    using namespace pictureColours;
    using R = SceneRole;
    const ScreenPalette p = screenPalette(blackWhite);
    Colours c;
    for (auto [role, colour] : std::initializer_list<std::pair<R, QColor>> {
             {R::Sky, p.background},
             {R::Foundation, p.foundationFill},
             {R::FoundationOutline, rust},
             {R::Water, p.fluidFill},
             {R::WaterOutline, skyBlue},
             {R::Tube, p.tubeFill},
             {R::TubeOutline, amber},
             {R::LowerSlurry, p.lowerFill},
             {R::LowerSlurryOutline, amber},
             {R::TubeTrace, amber},
             {R::Consolidated, p.consolidatedFill},
             {R::ConsolidatedOutline, paleYellow},
             {R::CentreLine, centreBlue},
             {R::CentreSymbolBack, p.symbolBack},
             {R::Ink, Qt::black},
             {R::LabelInWater, p.skyLabel},
             {R::LabelInAir, p.paleBlueLabel},
             {R::FinalHeightLabel, p.amberLabel},
             {R::ResultText, p.resultText},
             {R::ResultBack, p.resultBack},
             {R::TitleText, p.titleText},
             {R::TitleBack, p.titleBack},
             {R::NoticeBox, p.warningBox},
             {R::NoticeOutline, darkMagenta},
             {R::NoticeText, darkMagenta},
         })
        set(c, role, colour);
    return c;
}

Colours pageRoleColours(bool blackWhite)
{
    using R = SceneRole;
    const PagePalette p = pagePalette(blackWhite);
    Colours c;
    for (auto [role, colour] : std::initializer_list<std::pair<R, QColor>> {
             {R::Sky, p.sky},
             {R::SkyOutline, p.skyOutline},
             {R::Foundation, p.foundation},
             {R::FoundationOutline, p.foundationOutline},
             {R::Water, p.fluid},
             {R::WaterOutline, p.fluidOutline},
             {R::Tube, p.peach},
             {R::TubeOutline, p.peachOutline},
             {R::LowerSlurry, p.rose},
             {R::LowerSlurryOutline, p.roseOutline},
             {R::TubeTrace, Qt::black},
             {R::Consolidated, p.rose},
             {R::ConsolidatedOutline, p.peachOutline},
             {R::CentreLine, pictureColours::centreBlue},
             {R::Ink, Qt::black},
             {R::LabelInWater, p.fluidText},
             {R::LabelInAir, p.skyText},
             {R::FinalHeightLabel, p.roseText},
             {R::ResultText, Qt::black},
             {R::TitleText, Qt::black},
             {R::NoticeBox, p.notice},
             {R::NoticeOutline, Qt::black},
             {R::NoticeText, Qt::black},
             {R::ScaleBar, p.scaleBar},
         })
        set(c, role, colour);
    return c;
}

void screenTexts(CrossSectionStyle &s, const CrossSectionLayout &l)
{
    const double W = l.width, H = l.height, dy = l.lineStep;
    s.title = {{0.5 * W, 0.92 * H}, TextAnchor::Centre};
    for (int k = 2; k < 8; ++k)
        s.asFilledResults.push_back({{0.1 * W, l.baseY + k * dy}});
    s.consolidatedResults = s.asFilledResults;
    s.noticeFrom = {s.snap(0.14 * W), s.snap(0.01 * H + dy)};
    s.noticeTo = s.noticeFrom + QPointF(s.snap(0.75 * W), kPictureNoticeHeight);
    s.noticeLines = {{0.16 * W, 0.011 * H + dy},
                     {0.16 * W, 0.011 * H + 2.3 * dy},
                     {0.16 * W, 0.011 * H + 3.6 * dy}};
}

LegendStyle screenLegend(const CrossSectionLayout &l, bool blackWhite)
{
    using namespace pictureColours;
    LegendStyle legend {std::trunc(0.55 * l.width),
                        {},
                        {amber, paleYellow, skyBlue, paleBlue},
                        {ochre, paleYellow, skyBlue, paleBlue},
                        blackWhite};
    for (std::size_t row = 0; row < legend.rowTops.size(); ++row)
        legend.rowTops[row] = std::trunc(0.72 * l.height + double(row + 1) * l.lineStep);
    return legend;
}

} // namespace

CrossSectionStyle screenCrossSectionStyle(const CrossSectionLayout &l, bool blackWhite)
{
    CrossSectionStyle s;
    const double W = l.width, H = l.height, A = l.baseY, w = l.centreX;
    s.place = {w, A, l.scale, -l.scale};
    s.up = -1;
    s.wholeUnits = true;
    s.colours = screenRoleColours(blackWhite);
    s.ground = {{{0, 0}, {W, H}, SceneRole::Sky, std::nullopt},
                {{0, A + 1}, {W, H}, SceneRole::Foundation, SceneRole::FoundationOutline}};
    s.waterRight = W;
    s.waterWhenDry = true;
    s.labelFont = {kPictureSmallFontPixels};
    s.largeFont = s.titleFont = {kPictureLargeFontPixels};
    s.centreLine = {3, Qt::FlatCap};
    s.dashes = kScreenCentreLine;
    s.dashReach = s.dashReachOverConsolidated = 50;
    s.dashEndWithinReach = false;
    s.width = {40, 50, 20, 40};
    s.height = {40, -50, -10, 30, 40, -1, -1};
    s.finalHeight = {20, 20, 6, 1};
    s.labelRaise = 10;
    screenTexts(s, l);
    s.legend = screenLegend(l, blackWhite);
    s.centreSymbol = CentreSymbolStyle {
        {w - 8, A + 15}, {w - 2, A + 25, w - 2, A + 35}, {w - 2, A + 35, w + 5, A + 35}};
    s.widthLabelOverCentreLine = true;
    return s;
}

CrossSectionStyle pageCrossSectionStyle(double maxWidth, bool blackWhite)
{
    namespace grid = pageGrid::crossSection;
    using pageGrid::kLeft, pageGrid::kRight;
    CrossSectionStyle s;
    // Without a width there is no scale; the page then shows its title only.
    s.drawsTube = maxWidth > 0;
    const double f = s.drawsTube ? grid::kTubeWidth / maxWidth : 0; // twips per metre
    s.place = {grid::kCentreX, grid::kBaseY, f, f};
    s.colours = pageRoleColours(blackWhite);
    s.ground
        = {{{kLeft, grid::kFoundationBottom},
            {kRight, grid::kBaseY},
            SceneRole::Foundation,
            SceneRole::FoundationOutline},
           {{kLeft, grid::kSkyTop}, {kRight, grid::kBaseY}, SceneRole::Sky, SceneRole::SkyOutline}};
    s.waterLeft = kLeft;
    s.waterRight = kRight;
    s.waterFullTop = s.waterCeiling.emplace(grid::kSkyTop);
    s.labelFont = s.largeFont = {220};
    s.titleFont = {220, 600};
    s.outline = s.finalDimension = {1, Qt::FlatCap};
    s.dimension = {20, Qt::FlatCap};
    s.centreLine = {40, Qt::FlatCap};
    s.arrow = {120, 40};
    s.title = {grid::kTitleAt};
    s.dashes = kPageCentreLine;
    s.dashReach = 2300;
    s.dashReachOverConsolidated = 300;
    s.dashEndWithinReach = true;
    s.width = {400, 500, 200, 400};
    s.height = {1000, -500, -100, 700, 800, 1, 0};
    s.finalHeight = {400, 200, -200, -1};
    s.labelRaise = 100;
    const double step = grid::kLineStep, top = grid::kAsFilledResultsTop;
    for (const double x : {grid::kResultsLeft, grid::kResultsSecondColumn})
        for (const double y : {top, top - step, top - 2 * step})
            s.asFilledResults.push_back({{x, y}});
    for (int i = 0; i < 6; ++i)
        s.consolidatedResults.push_back(
            {{grid::kResultsLeft, grid::kConsolidatedResultsTop - step * i}});
    s.noticeFrom = grid::kNoticeTopLeft;
    s.noticeTo = grid::kNoticeBottomRight;
    for (int i = 0; i < 3; ++i)
        s.noticeLines.push_back(grid::kNoticeFirstLine - QPointF(0, step * i));
    s.scaleBar = true;
    s.traceFromBaseCentre = true;
    s.consolidatedLeftFirst = true;
    return s;
}

} // namespace vendrix
