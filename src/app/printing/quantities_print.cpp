#include "app/printing/quantities_print.h"

#include <QFont>
#include <QPaintDevice>
#include <QPainter>

namespace vendrix {

void drawQuantitiesPage(QPainter &painter, const QuantitiesPage &page)
{
    const QPaintDevice *device = painter.device();
    const double dpiY = device->logicalDpiY();
    const double scale = device->logicalDpiX() / 600.0; // fixed offsets were for 600 dpi
    painter.save();
    painter.translate(100 * scale, 100 * scale);

    QFont font(QStringLiteral("Liberation Sans"));
    const int h = static_cast<int>(12 * dpiY / 72);
    font.setPixelSize(h);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int s = static_cast<int>(1.2 * h);
    const int x0 = 3 * h;
    auto rule = [&](int y) {
        painter.save();
        painter.setPen(QPen(Qt::black, 10 * scale));
        painter.drawLine(QPointF(300 * scale, y), QPointF(3500 * scale, y));
        painter.restore();
    };
    // Text is placed on its baseline, as the positions are given.
    auto text = [&](int x, int y, const QString &t) { painter.drawText(QPoint(x, y), t); };

    text(static_cast<int>(300 * scale), h + s, page.remarks);
    int y = h + 5 * s + 50;
    rule(y);
    y += s;
    text(x0, y, QStringLiteral(" Area of encapsulating"));
    text(x0 + 10 * h, y, QStringLiteral(" Length"));
    text(x0 + 16 * h, y, QStringLiteral(" Cost per unit area"));
    text(x0 + 26 * h, y, QStringLiteral(" Cost"));
    y += s;
    const int geosyntheticLine = y;
    text(x0, y, QStringLiteral(" geosynthetic"));
    text(x0 + 10 * h, y, QStringLiteral(" of tube"));
    y += s;
    text(x0, y, QStringLiteral(" per unit length of tube"));
    const int unitLine = geosyntheticLine + 2 * s;
    text(x0 + 3 * h, unitLine, page.areaUnit);
    text(x0 + 11 * h, unitLine, page.lengthUnit);
    text(x0 + 18 * h, unitLine, page.costUnit);
    text(x0 + 26 * h, unitLine, page.currencyUnit);
    rule(unitLine + s);
    const int valueLine = unitLine + 2 * s;
    text(x0 + h, valueLine, page.areaPerLength);
    text(x0 + 10 * h, valueLine, page.tubeLength);
    text(x0 + 20 * h, valueLine, page.costText);
    text(x0 + 26 * h, valueLine, page.totalCost);
    rule(valueLine + s / 2); // below the values, so the rule does not strike them through
    y = valueLine + 3 * s;
    text(x0, y, page.storageLine);
    if (!page.volumeLine.isEmpty())
        text(x0, y + s, page.volumeLine);
    painter.restore();
}

} // namespace vendrix
