#pragma once
// A printed page in twips (1/1440 inch): origin at the top-left corner of the
// page's drawing area, x to the right, y upwards, so every point has y <= 0.
// The same page code draws onto a printer, a PDF file, the preview or an image.

#include "graphics/page_grid.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>

#include <optional>
#include <string>
#include <vector>

class QImage;
class QPainter;
class QSvgRenderer;

namespace vendrix {

// Extent of everything a report page draws, in twips.
inline constexpr double kPageLeftTwips = pageGrid::kLeft;
inline constexpr double kPageRightTwips = pageGrid::kRight;
inline constexpr double kPageBottomTwips = pageGrid::kBottom;

// Registers the metric twins of the page fonts ("Times New Roman" -> Liberation
// Serif, "Arial" -> Liberation Sans) so text measures alike on every system.
void registerPageFontSubstitutes();

class PageCanvas
{
public:
    // `area` is the drawing area in the painter's coordinates. The page extent is
    // centred in it at true size, or scaled down uniformly when it does not fit.
    PageCanvas(QPainter &painter, const QRectF &area);
    ~PageCanvas();
    PageCanvas(const PageCanvas &) = delete;
    PageCanvas &operator=(const PageCanvas &) = delete;

    // Font: "Times New Roman", character height in twips, weight 400 or 600.
    void setFont(double heightTwips, int weight = 400);
    void setPen(const QColor &colour, double widthTwips);
    void setNoPen();
    void setBrush(const QColor &colour);
    void setNoBrush();
    void setTextColour(const QColor &colour);
    // Opaque text background (none: the text is drawn over what is there).
    void setTextBackground(std::optional<QColor> colour);

    // Texts are Windows-1252 bytes; (x, y) is the top-left corner of the text.
    void text(double x, double y, const std::string &text);
    void textRightAligned(double xEnd, double y, const std::string &text);
    void textCentred(double xCentre, double y, const std::string &text);
    double textWidth(const std::string &text) const; // twips
    // `text`, cut at its end and marked with "..." when it is wider than `width`
    // twips in the current font. Found by halving, so a long text costs a few
    // measurements rather than one per character.
    std::string elided(const std::string &text, double width) const;

    void line(double x1, double y1, double x2, double y2);
    // Rectangle between two corners, outlined with the pen and filled with the brush.
    void rectangle(double x1, double y1, double x2, double y2);
    void polygon(const std::vector<QPointF> &points); // twips
    void polyline(const std::vector<QPointF> &points);
    void image(const QImage &image, double x, double y, double width, double height);
    // The picture stretched into the rectangle and drawn as vectors.
    void vectors(QSvgRenderer &picture, double x, double y, double width, double height);

    // Drawing outside this band of x is clipped away (used by the banners).
    void clipX(double left, double right);
    void noClip();

    QPointF toDevice(double x, double y) const;
    double scale() const { return m_scale; } // device units per twip

private:
    void drawTextAt(double x, double y, const QString &text);

    QPainter &m_painter;
    double m_scale = 1.0;
    QPointF m_origin; // device position of twips (0, 0)
    QFont m_font;
    QColor m_textColour = Qt::black;
    std::optional<QColor> m_textBackground;
};

} // namespace vendrix
