#include "graphics/cross_section_painting.h"

#include "graphics/cross_section_scene.h"
#include "graphics/cross_section_style.h"
#include "graphics/page_scale_bar.h"
#include "graphics/scene_surface.h"

#include <algorithm>

namespace vendrix {

namespace {

class ScenePainter
{
public:
    ScenePainter(SceneSurface &surface, const CrossSectionScene &scene,
                 const CrossSectionStyle &style)
        : m_s(surface)
        , m_scene(scene)
        , m_style(style)
    { }

    void paint();

private:
    QPolygonF placed(const QPolygonF &metres, double side) const
    {
        return placedOutline(metres, m_style.place, side);
    }
    QPointF snapped(QPointF p) const { return {m_style.snap(p.x()), m_style.snap(p.y())}; }
    double scale() const { return m_style.place.xScale; }
    double crestY(double raise = 0) const { return m_style.y(m_scene.crestHeight, raise); }
    double rightEdge() const { return m_style.place.centreX + scale() * m_scene.halfWidth; }
    void pen(SceneRole role, const SceneStroke &stroke)
    {
        m_s.setPen(m_style.colour(role), stroke);
    }
    void brush(SceneRole role) { m_s.setBrush(m_style.colour(role)); }
    void text(const TextSpot &spot, const std::string &value, SceneRole ink, SceneRole back)
    {
        m_s.text(spot, value, m_style.colour(ink), m_style.back(back));
    }
    SceneRole labelBack(bool inWater) const
    {
        return inWater ? SceneRole::LabelInWater : SceneRole::LabelInAir;
    }

    void ground();
    void water();
    void title();
    void tubeAsFilled();
    void lowerLayer();
    void centreLine(double reach);
    void widthDimension();
    void widthLabel();
    void heightDimension();
    void centreSymbol();
    void resultLines();
    void notice();
    void legend();
    void consolidatedShape();
    void finalHeightDimension();

    SceneSurface &m_s;
    const CrossSectionScene &m_scene;
    const CrossSectionStyle &m_style;
};

// Later elements cover earlier ones. SVG images record every pen, brush and
// font change, so each element sets its own state and no more: an added reset
// changes the saved files even where the picture looks the same.
void ScenePainter::paint()
{
    if (!m_style.drawsTube) {
        title();
        return;
    }
    ground();
    water();
    tubeAsFilled();
    lowerLayer();
    centreLine(m_style.dashReach);
    widthDimension();
    heightDimension();
    centreSymbol();
    title();
    resultLines();
    notice();
    legend();
    if (m_style.scaleBar)
        paintPageScaleBar(m_s, m_scene.scale, scale(), m_style);
    if (m_scene.consolidated()) {
        consolidatedShape();
        centreLine(m_style.dashReachOverConsolidated);
        finalHeightDimension();
        if (m_style.widthLabelOverCentreLine)
            widthLabel();
    }
}

void ScenePainter::ground()
{
    for (const SceneBox &box : m_style.ground) {
        if (box.outline) {
            pen(*box.outline, m_style.outline);
            brush(box.fill);
            m_s.rectangle(box.from, box.to);
        } else {
            m_s.fill(box.from, box.to, m_style.colour(box.fill));
        }
    }
}

// The outside water up to its level, or over the whole tube for the band of
// the classic given-pressure search.
void ScenePainter::water()
{
    const double base = m_style.y(0);
    double top = m_style.waterFullTop;
    if (!m_scene.water.overWholeTube) {
        top = m_style.snap(m_style.y(m_scene.water.level));
        if (m_style.waterCeiling && m_style.below(*m_style.waterCeiling, top))
            top = *m_style.waterCeiling;
    }
    if (!m_style.waterWhenDry && !m_style.below(base, top))
        return;
    pen(SceneRole::WaterOutline, m_style.outline);
    brush(SceneRole::Water);
    m_s.rectangle({m_style.waterLeft, top}, {m_style.waterRight, base});
}

void ScenePainter::title()
{
    m_s.setFont(m_style.titleFont);
    text(m_style.title, m_scene.title, SceneRole::TitleText, SceneRole::TitleBack);
}

// Right half then left half: filled as filled, else only traced under the
// consolidated shape.
void ScenePainter::tubeAsFilled()
{
    for (double side : {1.0, -1.0}) {
        if (m_scene.asFilled()) {
            pen(SceneRole::TubeOutline, m_style.outline);
            brush(m_scene.tubeFill);
            m_s.polygon(placed(m_scene.tubeHalf, side));
        } else {
            pen(SceneRole::TubeTrace, m_style.outline);
            m_s.polyline(placed(m_scene.tubeHalf, side));
        }
    }
}

void ScenePainter::lowerLayer()
{
    if (m_scene.lowerLayerHalf.isEmpty())
        return;
    for (double side : {1.0, -1.0}) {
        pen(SceneRole::LowerSlurryOutline, m_style.outline);
        brush(SceneRole::LowerSlurry);
        m_s.polygon(placed(m_scene.lowerLayerHalf, side));
    }
}

// Dashes from below the base up to `reach` above the crest; the first ones always.
void ScenePainter::centreLine(double reach)
{
    const auto dashes = centreLineDashes(m_style.dashes);
    const double limit = crestY(reach), x = m_style.place.centreX;
    pen(SceneRole::CentreLine, m_style.centreLine);
    for (std::size_t i = 0; i < dashes.size(); ++i) {
        const double from = m_style.y(0, dashes[i].from), to = m_style.y(0, dashes[i].to);
        const double tested = m_style.dashEndWithinReach ? to : from;
        if (i >= kAlwaysDrawnDashes && !m_style.below(tested, limit))
            break;
        m_s.line({x, from}, {x, to});
    }
}

// The width above the crest.
void ScenePainter::widthDimension()
{
    const WidthDimensionStyle &d = m_style.width;
    const double xr = rightEdge();
    const double xl = m_style.place.centreX - scale() * m_scene.halfWidth;
    pen(SceneRole::Ink, m_style.dimension);
    for (const double x : {xl, xr})
        m_s.line({x, crestY(d.extensionAbove)}, {x, crestY(-d.extensionBelow)});
    const double y = crestY(d.lineAbove);
    m_s.line({xl, y}, {xr, y});
    m_s.arrowhead({xr, y}, {-1, 0}, m_style.arrow);
    m_s.arrowhead({xl, y}, {1, 0}, m_style.arrow);
    widthLabel();
}

void ScenePainter::widthLabel()
{
    const double above = m_style.width.labelAbove;
    const bool inWater = m_scene.water.holds(scale() * m_scene.crestHeight + above, scale());
    m_s.setFont(m_style.labelFont);
    text({{m_style.place.centreX, crestY(above)}, TextAnchor::Centre}, m_scene.widthLabel,
         SceneRole::Ink, labelBack(inWater));
}

// The height right of the tube.
void ScenePainter::heightDimension()
{
    const HeightDimensionStyle &d = m_style.height;
    const double xr = rightEdge(), top = crestY(), base = m_style.y(0, d.baseLineRaise);
    pen(SceneRole::Ink, m_style.dimension);
    m_s.line({xr + d.outerX, top}, {xr + d.crestLineEnd, top});
    m_s.line({xr + d.outerX, base}, {xr + d.baseLineEnd, base});
    m_s.line({xr + d.lineX, top}, {xr + d.lineX, base});
    m_s.arrowhead({xr + d.lineX, top}, {0, -m_style.up}, m_style.arrow);
    m_s.arrowhead({xr + d.lineX, m_style.y(0, d.baseArrowRaise)}, {0, m_style.up}, m_style.arrow);
    const double middle = 0.5 * m_scene.crestHeight;
    m_s.setFont(m_style.labelFont);
    text({{xr + d.labelX, m_style.y(middle, m_style.labelRaise)}, TextAnchor::Centre},
         m_scene.heightLabel, SceneRole::Ink, labelBack(m_scene.water.holds(middle)));
}

void ScenePainter::centreSymbol()
{
    if (!m_style.centreSymbol)
        return;
    const CentreSymbolStyle &symbol = *m_style.centreSymbol;
    m_s.setFont(m_style.largeFont);
    text({symbol.letterAt}, "C", SceneRole::CentreLine, SceneRole::CentreSymbolBack);
    pen(SceneRole::CentreLine, m_style.outline);
    m_s.line(symbol.stem.p1(), symbol.stem.p2());
    m_s.line(symbol.foot.p1(), symbol.foot.p2());
}

void ScenePainter::resultLines()
{
    const auto &spots = m_scene.asFilled() ? m_style.asFilledResults : m_style.consolidatedResults;
    m_s.setFont(m_style.labelFont);
    const std::size_t count = std::min(spots.size(), m_scene.resultLines.size());
    for (std::size_t i = 0; i < count; ++i)
        text(spots[i], m_scene.resultLines[i], SceneRole::ResultText, SceneRole::ResultBack);
}

void ScenePainter::notice()
{
    if (m_scene.notice.empty())
        return;
    pen(SceneRole::NoticeOutline, m_style.outline);
    brush(SceneRole::NoticeBox);
    m_s.rectangle(m_style.noticeFrom, m_style.noticeTo);
    m_s.setFont(m_style.largeFont);
    const std::size_t count = std::min(m_style.noticeLines.size(), m_scene.notice.size());
    for (std::size_t i = 0; i < count; ++i)
        text({m_style.noticeLines[i]}, m_scene.notice[i], SceneRole::NoticeText,
             SceneRole::NoticeBox);
}

void ScenePainter::legend()
{
    if (!m_style.legend || !m_scene.asFilled())
        return;
    const LegendStyle &legend = *m_style.legend;
    m_s.setFont(m_style.labelFont);
    const std::size_t count = std::min(legend.rowTops.size(), m_scene.legend.size());
    for (std::size_t row = 0; row < count; ++row) {
        const QPointF from(legend.left, legend.rowTops[row]);
        const QPointF to = from + QPointF(legend.swatchSize.width(), legend.swatchSize.height());
        if (legend.outlinedSwatches) {
            m_s.setPen(legend.swatchOutlines[row], m_style.outline);
            m_s.setBrush(QColor(Qt::white));
            m_s.rectangle(from, to);
        } else {
            m_s.fill(from, to, legend.swatches[row]);
        }
        if (!m_scene.legend[row].empty())
            text({from + QPointF(legend.textGap, 0)}, m_scene.legend[row], SceneRole::ResultText,
                 SceneRole::ResultBack);
    }
}

// The as-filled outline once more, then the consolidated shape over it.
void ScenePainter::consolidatedShape()
{
    QPolygonF left = placed(m_scene.tubeHalf, -1), right = placed(m_scene.tubeHalf, 1);
    if (m_style.traceFromBaseCentre)
        std::reverse(right.begin(), right.end());
    else
        std::reverse(left.begin(), left.end());
    pen(SceneRole::Ink, m_style.outline);
    m_s.setBrush(std::nullopt);
    m_s.polyline(left + right);

    const auto outlined = [this] {
        pen(SceneRole::ConsolidatedOutline, m_style.outline);
        brush(SceneRole::Consolidated);
    };
    if (m_scene.shape == Shape::Option1) {
        const double first = m_style.consolidatedLeftFirst ? -1 : 1;
        for (double side : {first, -first}) {
            outlined();
            m_s.polygon(placed(m_scene.consolidatedHalf, side));
        }
    } else {
        outlined();
        const double half = 0.5 * m_scene.maxWidth;
        m_s.rectangle(snapped(m_style.place.place({-half, m_scene.finalHeight}, 1)),
                      snapped(m_style.place.place({half, 0}, 1)));
    }
}

void ScenePainter::finalHeightDimension()
{
    const FinalHeightStyle &d = m_style.finalHeight;
    const double s = scale(), w = m_style.place.centreX, maxWidth = m_scene.maxWidth;
    const double height = m_scene.finalHeight;
    const double xd = w - 0.25 * s * maxWidth;
    const double base = m_style.y(0), top = m_style.y(height);
    pen(SceneRole::Ink, m_style.finalDimension);
    m_s.line({xd, m_style.y(0, -d.extension)}, {xd, m_style.y(height, d.extension)});
    m_s.line({xd - d.tick, base}, {xd + d.tick, base});
    m_s.line({xd - d.tick, top}, {w - 0.1 * s * maxWidth, top});
    m_s.arrowhead({xd, base}, {0, m_style.up * d.arrowBack}, m_style.arrow);
    m_s.arrowhead({xd, top}, {0, -m_style.up * d.arrowBack}, m_style.arrow);
    m_s.setFont(m_style.labelFont);
    // Beside the dimension line rather than over it; drawn after the centre line.
    text({{xd + d.labelOffset, m_style.y(0.5 * height, m_style.labelRaise)}},
         m_scene.finalHeightLabel, SceneRole::Ink, SceneRole::FinalHeightLabel);
}

} // namespace

void paintCrossSectionScene(SceneSurface &surface, const CrossSectionScene &scene,
                            const CrossSectionStyle &style)
{
    ScenePainter(surface, scene, style).paint();
}

} // namespace vendrix
