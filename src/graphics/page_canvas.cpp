#include "graphics/page_canvas.h"

#include "graphics/qt_text.h"
#include "model/c_format.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <QSvgRenderer>

#include <algorithm>

namespace vendrix {

void registerPageFontSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

PageCanvas::PageCanvas(QPainter &painter, const QRectF &area)
    : m_painter(painter)
{
    registerPageFontSubstitutes();
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QPaintDevice *device = painter.device();
    const double dpiX = device ? device->logicalDpiX() : 96.0;
    const double trueScale = dpiX / 1440.0; // device units per twip
    const double width = kPageRightTwips - kPageLeftTwips;
    const double height = -kPageBottomTwips;
    m_scale = std::min({trueScale, area.width() / width, area.height() / height});
    const double left = area.left() + (area.width() - width * m_scale) / 2;
    const double top = area.top() + (area.height() - height * m_scale) / 2;
    m_origin = QPointF(left - kPageLeftTwips * m_scale, top);
    setFont(200);
    setPen(Qt::black, 1);
    setNoBrush();
}

PageCanvas::~PageCanvas()
{
    m_painter.restore();
}

QPointF PageCanvas::toDevice(double x, double y) const
{
    return {m_origin.x() + x * m_scale, m_origin.y() - y * m_scale};
}

void PageCanvas::setFont(double heightTwips, int weight)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    // A point size in the device's own resolution keeps fractional sizes and
    // scales with the canvas.
    const double dpi = m_painter.device() ? m_painter.device()->logicalDpiY() : 96.0;
    font.setPointSizeF(std::max(0.5, heightTwips * m_scale * 72.0 / dpi));
    font.setWeight(weight >= 600 ? QFont::DemiBold : QFont::Normal);
    font.setKerning(false);
    m_font = font;
    m_painter.setFont(m_font);
}

void PageCanvas::setPen(const QColor &colour, double widthTwips)
{
    // At least a hair's width that stays visible on screen-resolution images.
    const double minimum = m_painter.device() ? m_painter.device()->logicalDpiX() / 300.0 : 0.3;
    QPen pen(colour, std::max(widthTwips * m_scale, minimum));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter.setPen(pen);
}

void PageCanvas::setNoPen()
{
    m_painter.setPen(Qt::NoPen);
}

void PageCanvas::setBrush(const QColor &colour)
{
    m_painter.setBrush(colour);
}

void PageCanvas::setNoBrush()
{
    m_painter.setBrush(Qt::NoBrush);
}

void PageCanvas::setTextColour(const QColor &colour)
{
    m_textColour = colour;
}

void PageCanvas::setTextBackground(std::optional<QColor> colour)
{
    m_textBackground = colour;
}

namespace {

// A control character in a project text would print as a box or move the
// printer's head; it prints as a blank.
QString pageText(const std::string &text)
{
    return toQString(printableLine(text));
}

} // namespace

double PageCanvas::textWidth(const std::string &text) const
{
    QFontMetricsF metrics(m_font, m_painter.device());
    return metrics.horizontalAdvance(pageText(text)) / m_scale;
}

std::string PageCanvas::elided(const std::string &text, double width) const
{
    static const std::string kElision = "...";
    if (textWidth(text) <= width)
        return text;
    // The longest cut that fits lies in [fits, tooLong).
    std::size_t fits = 0, tooLong = text.size();
    while (tooLong - fits > 1) {
        const std::size_t middle = fits + (tooLong - fits) / 2;
        if (textWidth(text.substr(0, middle) + kElision) <= width)
            fits = middle;
        else
            tooLong = middle;
    }
    return text.substr(0, fits) + kElision;
}

void PageCanvas::drawTextAt(double x, double y, const QString &text)
{
    QFontMetricsF metrics(m_font, m_painter.device());
    const QPointF topLeft = toDevice(x, y);
    m_painter.save();
    if (m_textBackground) {
        m_painter.fillRect(
            QRectF(topLeft, QSizeF(metrics.horizontalAdvance(text), metrics.height())),
            *m_textBackground);
    }
    m_painter.setPen(m_textColour);
    m_painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    m_painter.restore();
}

void PageCanvas::text(double x, double y, const std::string &text)
{
    drawTextAt(x, y, pageText(text));
}

void PageCanvas::textRightAligned(double xEnd, double y, const std::string &text)
{
    drawTextAt(xEnd - textWidth(text), y, pageText(text));
}

void PageCanvas::textCentred(double xCentre, double y, const std::string &text)
{
    drawTextAt(xCentre - textWidth(text) / 2, y, pageText(text));
}

void PageCanvas::line(double x1, double y1, double x2, double y2)
{
    m_painter.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void PageCanvas::rectangle(double x1, double y1, double x2, double y2)
{
    m_painter.drawRect(QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized());
}

void PageCanvas::polygon(const std::vector<QPointF> &points)
{
    QPolygonF poly;
    for (const QPointF &p : points)
        poly << toDevice(p.x(), p.y());
    m_painter.drawPolygon(poly);
}

void PageCanvas::polyline(const std::vector<QPointF> &points)
{
    QPolygonF poly;
    for (const QPointF &p : points)
        poly << toDevice(p.x(), p.y());
    m_painter.drawPolyline(poly);
}

void PageCanvas::image(const QImage &image, double x, double y, double width, double height)
{
    m_painter.drawImage(QRectF(toDevice(x, y), toDevice(x + width, y - height)), image);
}

void PageCanvas::vectors(QSvgRenderer &picture, double x, double y, double width, double height)
{
    picture.render(&m_painter, QRectF(toDevice(x, y), toDevice(x + width, y - height)));
}

void PageCanvas::clipX(double left, double right)
{
    const QPointF a = toDevice(left, 2000);
    const QPointF b = toDevice(right, kPageBottomTwips - 2000);
    m_painter.setClipRect(QRectF(a, b).normalized());
}

void PageCanvas::noClip()
{
    m_painter.setClipping(false);
}

} // namespace vendrix
