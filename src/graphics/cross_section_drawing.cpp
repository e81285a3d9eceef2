#include "graphics/cross_section_drawing.h"

#include "engine/numerical_results.h"
#include "graphics/cross_section_marks.h"
#include "graphics/picture_painting.h"
#include "graphics/qt_text.h"
#include "graphics/tube_outline.h"
#include "model/solved_layering.h"
#include "model/units.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace vendrix {

namespace colours = crossSectionColours;

namespace {

constexpr int kSmallFontPixels = kPictureSmallFontPixels;
constexpr int kLargeFontPixels = kPictureLargeFontPixels;

// The non-convergence notice: a box of fixed height near the top of the picture.
constexpr double kNoticeHeight = 70;
// Between the final height's dimension line and its label.
constexpr double kFinalHeightLabelGap = 6;

double noticeBottom(double height, double lineStep)
{
    return 0.01 * height + lineStep + kNoticeHeight;
}

// Picture pixels to device: truncation towards zero as the picture is laid out.
double px(double value)
{
    return std::trunc(value);
}

class Picture
{
public:
    Picture(QPainter &painter, const ProjectRecord &record, const CrossSectionLayout &layout)
        : m_p(painter)
        , m_record(record)
        , m_l(layout)
        , m_palette(screenPalette(record.display.screenBlackWhite))
        , m_factors(UnitFactors::forSettings(record.display.unitSystem))
        , m_labels(unitLabels(record.display))
        , m_oneSlurry(simplifiedLayering(record))
    { }

    void paint();

private:
    OutlinePlacement placement() const { return {m_l.centreX, m_l.baseY, m_l.scale, -m_l.scale}; }

    QPointF point(double x, double y, int side) const
    {
        const QPointF p = placement().place(QPointF(x, y), side);
        return {px(p.x()), px(p.y())};
    }

    // A half outline (metres) on `side` (+1 right, -1 left) in whole pixels.
    QPolygonF onPicture(const QPolygonF &metres, int side) const
    {
        QPolygonF polygon = placedOutline(metres, placement(), side);
        for (QPointF &p : polygon)
            p = QPointF(px(p.x()), px(p.y()));
        return polygon;
    }

    // The half of the as-filled shape on `side`, clipped at `ceiling` (m).
    QPolygonF tubeHalf(int side, double ceiling = HUGE_VAL) const
    {
        return onPicture(tubeHalfOutline(m_record.solution, ceiling), side);
    }

    void fill(const QPolygonF &polygon, const QColor &fillColour, const QColor &outline)
    {
        m_p.setPen(QPen(outline, 1));
        m_p.setBrush(fillColour);
        m_p.drawPolygon(polygon);
    }

    void rectangle(const QRectF &rect, const QColor &fillColour, const QColor &outline)
    {
        m_p.setPen(QPen(outline, 1));
        m_p.setBrush(fillColour);
        m_p.drawRect(rect);
    }

    void line(double x1, double y1, double x2, double y2)
    {
        m_p.drawLine(QPointF(px(x1), px(y1)), QPointF(px(x2), px(y2)));
    }

    void arrowhead(double x, double y, double dx, double dy) { drawArrowhead(m_p, x, y, dx, dy); }

    void text(double x, double y, const QString &value, const QColor &colour, const QColor &back)
    {
        drawLabel(m_p, x, y, value, colour, back);
    }

    void centredText(double centreX, double y, const QString &value, const QColor &colour,
                     const QColor &back)
    {
        drawCentredLabel(m_p, centreX, y, value, colour, back);
    }

    static QString valueLabel(const char *label, double value, const char *unit)
    {
        return toQString(valueText(label, value, unit));
    }

    void centreLine();
    void widthDimension();
    void widthLabel();
    void heightDimension();
    void centreSymbol();
    void title();
    void resultLines();
    void convergenceNotice();
    void legend();
    void consolidatedShape();
    void finalHeightDimension();

    QPainter &m_p;
    const ProjectRecord &m_record;
    const CrossSectionLayout &m_l;
    ScreenPalette m_palette;
    UnitFactors m_factors;
    UnitLabels m_labels;
    bool m_oneSlurry; // solved as one slurry in the lower fluid (classic given pressure)
};

void Picture::paint()
{
    const double W = m_l.width, H = m_l.height, A = m_l.baseY;
    const std::optional<Shape> shape = m_record.state.shapeShown;
    const TubeInput &in = m_record.input;

    m_p.fillRect(QRectF(0, 0, W, H), m_palette.background);
    rectangle(QRectF(QPointF(0, A + 1), QPointF(W, H)), m_palette.foundationFill, colours::rust);

    const double bandTop = m_oneSlurry ? 0 : px(A - m_l.scale * in.fluidHeightLower);
    rectangle(QRectF(QPointF(0, bandTop), QPointF(W, A)), m_palette.fluidFill, colours::skyBlue);

    const QColor tubeFill = m_oneSlurry ? m_palette.lowerFill : m_palette.tubeFill;
    for (int side : {1, -1}) {
        const QPolygonF half = tubeHalf(side);
        if (shape == Shape::AsFilled) {
            fill(half, tubeFill, colours::amber);
        } else {
            m_p.setPen(QPen(colours::amber, 1));
            m_p.drawPolyline(half);
        }
    }
    if (shape == Shape::AsFilled && !m_oneSlurry) {
        // With one layer the circumference lies above every point: the whole
        // tube is the lower layer.
        const double boundary = in.twoSlurryLayers ? in.slurryHeightLower : in.circumference;
        for (int side : {1, -1})
            fill(tubeHalf(side, boundary), m_palette.lowerFill, colours::amber);
    }
    centreLine();
    widthDimension();
    heightDimension();
    centreSymbol();
    title();
    resultLines();
    if (m_record.solution.convergenceWarning)
        convergenceNotice();
    if (shape == Shape::AsFilled)
        legend();
    if (shape == Shape::Option1 || shape == Shape::Option2) {
        consolidatedShape();
        centreLine();
        finalHeightDimension();
        widthLabel(); // over the centre line drawn again
    }
}

void Picture::centreLine()
{
    static const auto dashes = centreLineDashes(kScreenCentreLine);
    const double A = m_l.baseY, w = m_l.centreX;
    const double limit = A - m_l.scale * m_l.crestHeight - 50;
    m_p.setPen(QPen(colours::centreBlue, 3, Qt::SolidLine, Qt::FlatCap));
    for (std::size_t i = 0; i < dashes.size(); ++i) {
        if (i >= kAlwaysDrawnDashes && !(A - dashes[i].from > limit))
            break;
        line(w, A - dashes[i].from, w, A - dashes[i].to);
    }
}

void Picture::widthDimension()
{
    const double K = m_l.baseY - m_l.scale * m_l.crestHeight;
    const double xr = m_l.centreX + m_l.scale * m_l.halfWidth;
    const double xl = m_l.centreX - m_l.scale * m_l.halfWidth;
    m_p.setPen(QPen(Qt::black, 1));
    line(xl, K - 40, xl, K + 50);
    line(xr, K - 40, xr, K + 50);
    line(xl, K - 20, xr, K - 20);
    arrowhead(xr, K - 20, -1, 0);
    arrowhead(xl, K - 20, 1, 0);
    widthLabel();
}

void Picture::widthLabel()
{
    const double K = m_l.baseY - m_l.scale * m_l.crestHeight;
    const bool inFluid = m_oneSlurry
        || m_l.scale * m_l.crestHeight + 40 < m_l.scale * m_record.input.fluidHeightLower;
    m_p.setFont(pictureFont(kSmallFontPixels));
    centredText(m_l.centreX, K - 40,
                valueLabel("Width = ", 2 * m_l.halfWidth * m_factors.length, m_labels.length),
                Qt::black, inFluid ? m_palette.skyLabel : m_palette.paleBlueLabel);
}

void Picture::heightDimension()
{
    const double A = m_l.baseY;
    const double K = A - m_l.scale * m_l.crestHeight;
    const double xr = m_l.centreX + m_l.scale * m_l.halfWidth;
    m_p.setPen(QPen(Qt::black, 1));
    line(xr + 40, K, xr - 50, K);
    line(xr + 40, A + 1, xr - 10, A + 1);
    line(xr + 30, K, xr + 30, A + 1);
    arrowhead(xr + 30, K, 0, 1);
    arrowhead(xr + 30, A + 1, 0, -1);
    const bool inFluid = m_oneSlurry || 0.5 * m_l.crestHeight < m_record.input.fluidHeightLower;
    m_p.setFont(pictureFont(kSmallFontPixels));
    centredText(xr + 40, A - 0.5 * m_l.scale * m_l.crestHeight - 10,
                valueLabel("H = ", m_l.crestHeight * m_factors.length, m_labels.length), Qt::black,
                inFluid ? m_palette.skyLabel : m_palette.paleBlueLabel);
}

void Picture::centreSymbol()
{
    const double A = m_l.baseY, w = m_l.centreX;
    m_p.setFont(pictureFont(kLargeFontPixels));
    text(w - 8, A + 15, QStringLiteral("C"), colours::centreBlue, m_palette.symbolBack);
    m_p.setPen(QPen(colours::centreBlue, 1));
    line(w - 2, A + 25, w - 2, A + 35);
    line(w - 2, A + 35, w + 5, A + 35);
}

void Picture::title()
{
    QString value;
    if (m_record.state.shapeShown == Shape::AsFilled) {
        static const char *const types[] = {" A.", " B.", " C."};
        const int type = std::clamp(static_cast<int>(m_record.input.analysisType), 0, 2);
        value = QStringLiteral("Results of Analysis Type:") + QString::fromLatin1(types[type]);
    } else {
        value = QStringLiteral("Consolidated Shape");
    }
    m_p.setFont(pictureFont(kLargeFontPixels));
    centredText(0.5 * m_l.width, 0.92 * m_l.height, value, m_palette.titleText,
                m_palette.titleBack);
}

void Picture::resultLines()
{
    const bool asFilled = m_record.state.shapeShown == Shape::AsFilled;
    m_p.setFont(pictureFont(kSmallFontPixels));
    int k = 2;
    for (const ResultLine &entry : crossSectionResultLines(m_record, asFilled))
        text(0.1 * m_l.width, m_l.baseY + k++ * m_l.lineStep,
             valueLabel(entry.label, entry.value, entry.unit), m_palette.resultText,
             m_palette.resultBack);
}

void Picture::convergenceNotice()
{
    const double W = m_l.width, H = m_l.height, dy = m_l.lineStep;
    rectangle(QRectF(px(0.14 * W), px(0.01 * H + dy), px(0.75 * W), kNoticeHeight),
              m_palette.warningBox, colours::darkMagenta);
    const double rows[] = {0.011 * H + dy, 0.011 * H + 2.3 * dy, 0.011 * H + 3.6 * dy};
    m_p.setFont(pictureFont(kLargeFontPixels));
    for (std::size_t i = 0; i < kDisplayedNonConvergenceNotice.size(); ++i)
        text(0.16 * W, rows[i], QString::fromLatin1(kDisplayedNonConvergenceNotice[i]),
             colours::darkMagenta, m_palette.warningBox);
}

void Picture::legend()
{
    using namespace colours;
    const TubeInput &in = m_record.input;
    const bool twoLayers = in.twoSlurryLayers;
    const double x0 = px(0.55 * m_l.width);
    const double k = m_factors.unitWeight;
    const QColor swatches[] = {amber, paleYellow, skyBlue, paleBlue};
    const QColor outlines[] = {ochre, paleYellow, skyBlue, paleBlue};
    const QString texts[]
        = {valueLabel(twoLayers ? "Unit weight of lower slurry = " : "Unit weight of slurry = ",
                      in.slurryUnitWeightLower * k, m_labels.unitWeight),
           twoLayers ? valueLabel("Unit weight of upper slurry = ", in.slurryUnitWeightUpper * k,
                                  m_labels.unitWeight)
                     : QString(),
           valueLabel("Unit weight of outer lower fluid = ", in.fluidUnitWeightLower * k,
                      m_labels.unitWeight),
           valueLabel("Unit weight of outer upper fluid = ", in.fluidUnitWeightUpper * k,
                      m_labels.unitWeight)};
    m_p.setFont(pictureFont(kSmallFontPixels));
    for (int row = 0; row < 4; ++row) {
        const double y = px(0.72 * m_l.height + (row + 1) * m_l.lineStep);
        if (m_palette.blackWhite)
            rectangle(QRectF(x0, y, 30, 11), Qt::white, outlines[row]);
        else
            m_p.fillRect(QRectF(x0, y, 30, 11), swatches[row]);
        if (!texts[row].isEmpty())
            text(x0 + 35, y, texts[row], m_palette.resultText, m_palette.resultBack);
    }
}

void Picture::consolidatedShape()
{
    // The as-filled outline once more, over the left half and back over the right.
    QPolygonF outline = tubeHalf(-1);
    std::reverse(outline.begin(), outline.end());
    outline += tubeHalf(1);
    m_p.setPen(QPen(Qt::black, 1));
    m_p.setBrush(Qt::NoBrush);
    m_p.drawPolyline(outline);

    const ConsolidationResult &c = m_record.consolidation;
    if (m_record.state.shapeShown == Shape::Option1) {
        const QPolygonF shape = consolidatedHalfOutline(c);
        for (int side : {1, -1})
            fill(onPicture(shape, side), m_palette.consolidatedFill, colours::paleYellow);
    } else {
        const double halfWidth = 0.5 * m_record.solution.maxWidth;
        rectangle(QRectF(point(-halfWidth, c.finalHeight, 1), point(halfWidth, 0, 1)),
                  m_palette.consolidatedFill, colours::paleYellow);
    }
}

void Picture::finalHeightDimension()
{
    const double A = m_l.baseY, s = m_l.scale, w = m_l.centreX;
    const double maxWidth = m_record.solution.maxWidth;
    const double finalHeight = m_record.consolidation.finalHeight;
    const double xd = w - 0.25 * s * maxWidth;
    const double top = A - s * finalHeight;
    m_p.setPen(QPen(Qt::black, 1));
    line(xd, A + 20, xd, top - 20);
    line(xd - 20, A, xd + 20, A);
    line(xd - 20, top, w - 0.1 * s * maxWidth, top);
    arrowhead(xd, A, 0, -1);
    arrowhead(xd, top, 0, 1);
    m_p.setFont(pictureFont(kSmallFontPixels));
    // Beside the dimension line rather than over it; drawn after the centre line.
    text(xd + kFinalHeightLabelGap, A - 0.5 * s * finalHeight - 10,
         valueLabel("final H = ", finalHeight * m_factors.length, m_labels.length), Qt::black,
         m_palette.amberLabel);
}

} // namespace

CrossSectionLayout crossSectionLayout(const TubeSolution &solution, double width, double height)
{
    CrossSectionLayout l;
    l.width = width;
    l.height = height;
    l.centreX = 0.5 * width;
    l.baseY = 0.65 * height;
    l.lineStep = 0.035 * height;
    const ProfileExtent extent = profileExtent(solution);
    l.halfWidth = extent.halfWidth;
    l.crestHeight = extent.crestHeight;
    // Not a number never enlarges the picture.
    if (!std::isfinite(l.halfWidth))
        l.halfWidth = 0;
    if (!std::isfinite(l.crestHeight))
        l.crestHeight = 0;
    double s = 0.15 * width;
    if (l.halfWidth * s > 0 && l.halfWidth * s < 0.2 * width)
        s *= 0.2 * width / (l.halfWidth * s);
    if (l.halfWidth * s > 0.37 * width)
        s *= 0.37 * width / (l.halfWidth * s);
    if (l.crestHeight * s > 0.52 * height)
        s *= 0.52 * height / (l.crestHeight * s);
    if (solution.convergenceWarning) {
        // The notice covers the top of the picture; a crest under it would hide
        // the width label (its top 40 pixels above the crest) and its dimension.
        const double room = l.baseY - noticeBottom(height, l.lineStep) - 41;
        if (room > 0 && l.crestHeight * s > room)
            s *= room / (l.crestHeight * s);
    }
    l.scale = s;
    return l;
}

void drawCrossSection(QPainter &painter, const QRectF &target, const ProjectRecord &record)
{
    QSizeF size = beginPicture(painter, target);
    // Texts keep their size, so below the smallest whole picture the result
    // lines would overlap and the legend be cut: that picture is drawn instead,
    // scaled down with its texts.
    const double shrink = std::min({1.0, size.width() / kSmallestWholePicture.width(),
                                    size.height() / kSmallestWholePicture.height()});
    if (shrink > 0 && shrink < 1) {
        painter.scale(shrink, shrink);
        size /= shrink;
    }
    const CrossSectionLayout layout
        = crossSectionLayout(record.solution, size.width(), size.height());
    Picture(painter, record, layout).paint();
    painter.restore();
}

} // namespace vendrix
