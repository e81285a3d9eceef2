#include "graphics/picture_painting.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vendrix {

QFont pictureFont(int pixels)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}

double pictureDotsPerPixel(const QPainter &painter)
{
    const QPaintDevice *device = painter.device();
    return device ? std::max(1.0, device->logicalDpiX() / 96.0) : 1.0;
}

QSizeF beginPicture(QPainter &painter, const QRectF &target)
{
    const double dotsPerPixel = pictureDotsPerPixel(painter);
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.translate(target.topLeft());
    painter.scale(dotsPerPixel, dotsPerPixel);
    painter.setRenderHint(QPainter::Antialiasing, false);
    return target.size() / dotsPerPixel;
}

void drawLabel(QPainter &painter, double x, double y, const QString &text, const QColor &colour,
               const QColor &background)
{
    const QFontMetricsF metrics(painter.font());
    const QRectF box(std::trunc(x), std::trunc(y), metrics.horizontalAdvance(text),
                     metrics.height());
    painter.fillRect(box, background);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}

void drawCentredLabel(QPainter &painter, double centreX, double y, const QString &text,
                      const QColor &colour, const QColor &background)
{
    const QFontMetricsF metrics(painter.font());
    drawLabel(painter, centreX - 0.5 * metrics.horizontalAdvance(text), y, text, colour,
              background);
}

void drawArrowhead(QPainter &painter, double x, double y, double dx, double dy)
{
    constexpr double length = 12, spread = 4;
    const QPointF tip(std::trunc(x), std::trunc(y));
    painter.drawLine(tip,
                     QPointF(std::trunc(x + dx * length - dy * spread),
                             std::trunc(y + dy * length + dx * spread)));
    painter.drawLine(tip,
                     QPointF(std::trunc(x + dx * length + dy * spread),
                             std::trunc(y + dy * length - dx * spread)));
}

} // namespace vendrix
