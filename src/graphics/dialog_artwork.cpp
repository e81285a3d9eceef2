#include "graphics/dialog_artwork.h"

#include "graphics/drawing_palette.h"
#include "graphics/tube_outline.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

namespace vendrix {

namespace {

using namespace artworkColours;

// A transparent picture of `size`, painted smoothly by `paint`.
QPixmap paintedPicture(QSize size, const std::function<void(QPainter &)> &paint)
{
    const qreal ratio = 2.0; // sharp on high-density screens
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    return pixmap;
}

void drawFoundation(QPainter &painter, const QRectF &area, qreal y)
{
    painter.fillRect(QRectF(area.left(), y, area.width(), area.bottom() - y), foundation);
    painter.setPen(QPen(foundation.darker(140), 1));
    for (qreal x = area.left(); x < area.right(); x += 8)
        painter.drawLine(QPointF(x, y + 8), QPointF(x + 8, y));
}

void drawDimension(QPainter &painter, QPointF a, QPointF b, const QString &text)
{
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(a, b);
    const bool vertical = std::abs(a.x() - b.x()) < 0.5;
    const qreal t = 3;
    if (vertical) {
        painter.drawLine(a + QPointF(-t, 0), a + QPointF(t, 0));
        painter.drawLine(b + QPointF(-t, 0), b + QPointF(t, 0));
        painter.drawText(QRectF((a.x() + 4), std::min(a.y(), b.y()), 80, std::abs(a.y() - b.y())),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
    } else {
        painter.drawLine(a + QPointF(0, -t), a + QPointF(0, t));
        painter.drawLine(b + QPointF(0, -t), b + QPointF(0, t));
        painter.drawText(QRectF(std::min(a.x(), b.x()), a.y() - 16, std::abs(a.x() - b.x()), 14),
                         Qt::AlignCenter, text);
    }
}

QFont pictureFont(int pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

QIcon truncateIcon()
{
    return QIcon(paintedPicture(kTruncateIconSize, [](QPainter &painter) {
        painter.setFont(pictureFont(14, true));
        // The number, its last digits falling away behind the blade.
        painter.setPen(Qt::black);
        painter.drawText(QRectF(4, 0, 48, 22), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("2.345"));
        painter.setPen(QColor(150, 40, 40));
        painter.save();
        painter.translate(66, 12);
        painter.rotate(18);
        painter.drawText(QRectF(-2, -9, 26, 18), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("67"));
        painter.restore();
        // The knife: a dark handle above a steel blade that cuts down between the digits.
        QPainterPath blade;
        blade.moveTo(56, 6);
        blade.lineTo(62, 6);
        blade.lineTo(62, 20);
        blade.quadTo(59, 23, 56, 21);
        blade.closeSubpath();
        painter.setPen(QPen(QColor(60, 60, 70), 1));
        painter.setBrush(QColor(205, 210, 220));
        painter.drawPath(blade);
        painter.setBrush(QColor(90, 55, 30));
        painter.drawRoundedRect(QRectF(55, 0, 8, 7), 2, 2);
        painter.setFont(pictureFont(9, true));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, 23, kTruncateIconSize.width(), 11), Qt::AlignCenter,
                         QStringLiteral("TRUNCATE"));
    }));
}

QPixmap slurryLayersPicture(bool twoLayers)
{
    const QSize size(320, 120);
    return paintedPicture(size, [&](QPainter &painter) {
        painter.setFont(pictureFont(11));
        const QRectF area(0, 0, size.width(), size.height());
        const qreal ground = 100;
        // Outside fluid up to Hout-Lower.
        const qreal waterTop = 62;
        painter.fillRect(QRectF(0, waterTop, size.width(), ground - waterTop), water);
        const QRectF tube(96, 22, 130, ground - 22);
        const QPainterPath outline = schematicTubeOutline(tube, 0.5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(twoLayers ? slurryUpper : slurryLower);
        painter.drawPath(outline);
        const qreal interface = 70;
        if (twoLayers) {
            painter.save();
            painter.setClipPath(outline);
            painter.fillRect(
                QRectF(tube.left() - 10, interface, tube.width() + 20, ground - interface),
                slurryLower);
            painter.restore();
        }
        painter.setPen(QPen(geotextile, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(outline);
        drawFoundation(painter, area, ground);
        painter.setPen(Qt::black);
        if (twoLayers) {
            painter.drawText(QRectF(tube.left(), 38, tube.width(), 14), Qt::AlignCenter,
                             QStringLiteral("upper layer"));
            painter.drawText(QRectF(tube.left(), 78, tube.width(), 14), Qt::AlignCenter,
                             QStringLiteral("lower layer"));
            drawDimension(painter, QPointF(240, ground), QPointF(240, interface),
                          QStringLiteral("H in-Lower"));
            painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
            painter.drawLine(QPointF(tube.right() - 6, interface), QPointF(243, interface));
        } else {
            painter.drawText(QRectF(tube.left(), 50, tube.width(), 14), Qt::AlignCenter,
                             QStringLiteral("slurry"));
        }
        drawDimension(painter, QPointF(14, ground), QPointF(14, waterTop),
                      QStringLiteral("H out-Lower"));
    });
}

QPixmap pumpingPicture()
{
    const QSize size(170, 92);
    return paintedPicture(size, [&](QPainter &painter) {
        const QRectF area(0, 0, size.width(), size.height());
        const qreal ground = 76;
        const QRectF tube(62, 18, 100, ground - 18);
        const QPainterPath outline = schematicTubeOutline(tube, 0.5);
        painter.setPen(QPen(geotextile, 2));
        painter.setBrush(slurryLower);
        painter.drawPath(outline);
        // The pump and the hose to the inlet on the crest.
        painter.setBrush(QColor(200, 60, 50));
        painter.drawRoundedRect(QRectF(6, 44, 30, 24), 4, 4);
        painter.setPen(QPen(QColor(50, 50, 50), 4));
        QPainterPath hose;
        hose.moveTo(36, 52);
        hose.cubicTo(60, 52, 70, 6, 112, 14);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(hose);
        drawFoundation(painter, area, ground);
        painter.setPen(Qt::black);
        painter.setFont(pictureFont(10, true));
        painter.drawText(QRectF(4, 24, 50, 14), Qt::AlignLeft, QStringLiteral("pump"));
        painter.setFont(pictureFont(10));
        painter.drawText(QRectF(96, 0, 74, 12), Qt::AlignLeft, QStringLiteral("inlet"));
    });
}

QPixmap tubeDimensionsPicture()
{
    const QSize size(100, 96);
    return paintedPicture(size, [&](QPainter &painter) {
        painter.setFont(pictureFont(11, true));
        const qreal ground = 70;
        const QRectF tube(12, 26, 76, ground - 26);
        painter.setPen(QPen(geotextile, 2));
        painter.setBrush(slurryLower);
        painter.drawPath(schematicTubeOutline(tube, 0.5));
        drawFoundation(painter, QRectF(0, 0, size.width(), 84), ground);
        drawDimension(painter, QPointF(tube.left(), 16), QPointF(tube.right(), 16),
                      QStringLiteral("W"));
        drawDimension(painter, QPointF(50, ground), QPointF(50, tube.top()), QStringLiteral("H"));
    });
}

QPixmap consolidationOptionPicture(Shape option)
{
    const QSize size(200, 100);
    return paintedPicture(size, [&](QPainter &painter) {
        const qreal ground = 84;
        const QRectF tube(30, 14, 140, ground - 14);
        const QPainterPath filled = schematicTubeOutline(tube, 0.5);
        if (option == Shape::Option1) {
            const QRectF settled(30, 44, 140, ground - 44);
            painter.setPen(Qt::NoPen);
            painter.setBrush(slurryLower);
            painter.drawPath(schematicTubeOutline(settled, 0.5));
        } else {
            painter.fillRect(QRectF(tube.left(), 54, tube.width(), ground - 54), slurryLower);
        }
        painter.setPen(QPen(geotextile, 1.5, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(filled);
        drawFoundation(painter, QRectF(0, 0, size.width(), size.height()), ground);
        painter.setPen(Qt::black);
        painter.setFont(pictureFont(10));
        painter.drawText(QRectF(0, 0, size.width(), 12), Qt::AlignCenter,
                         option == Shape::Option1
                             ? QStringLiteral("OPTION #1: vertical settlement")
                             : QStringLiteral("OPTION #2: rectangle of width B"));
        if (option != Shape::Option1)
            drawDimension(painter, QPointF(tube.left(), 70), QPointF(tube.right(), 70),
                          QStringLiteral("B"));
    });
}

QPixmap extremeCasePicture()
{
    const QSize size(220, 110);
    return paintedPicture(size, [&](QPainter &painter) {
        const qreal ground = 80;
        // Settled top that would be concave (dashed) and the flattened top with the
        // bottom sagging beneath it.
        QPainterPath concave;
        concave.moveTo(30, ground);
        concave.cubicTo(10, ground, 20, 40, 60, 38);
        concave.quadTo(110, 62, 160, 38);
        concave.cubicTo(200, 40, 210, ground, 190, ground);
        QPainterPath flattened;
        flattened.moveTo(30, ground);
        flattened.cubicTo(10, ground, 20, 40, 60, 50);
        flattened.lineTo(160, 50);
        flattened.cubicTo(200, 40, 210, ground, 190, ground);
        flattened.quadTo(110, ground + 14, 30, ground);
        painter.setPen(QPen(geotextile, 1.5));
        painter.setBrush(slurryLower);
        painter.drawPath(flattened);
        painter.setPen(QPen(QColor(160, 30, 30), 1.5, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(concave);
        painter.setPen(QPen(foundation, 2));
        painter.drawLine(QPointF(0, ground), QPointF(size.width(), ground));
        painter.setPen(Qt::black);
        painter.setFont(pictureFont(10));
        painter.drawText(QRectF(0, 0, size.width(), 14), Qt::AlignCenter,
                         QStringLiteral("concave top (dashed) set horizontal"));
        painter.drawText(QRectF(0, 94, size.width(), 14), Qt::AlignCenter,
                         QStringLiteral("bottom sags beneath it"));
    });
}

QPixmap fieldPicture(FieldPhoto photo)
{
    const QSize size(300, 130);
    return paintedPicture(size, [&](QPainter &painter) {
        // Sky and a sandy shore, like a photograph taken on site.
        QLinearGradient sky(0, 0, 0, 80);
        sky.setColorAt(0, siteSkyTop);
        sky.setColorAt(1, siteSkyHorizon);
        painter.fillRect(QRectF(0, 0, size.width(), 90), sky);
        painter.fillRect(QRectF(0, 90, size.width(), 40), shore);
        painter.setPen(QPen(geotextile, 1.5));
        if (photo == FieldPhoto::SandFill) {
            painter.setBrush(fabric);
            painter.drawPath(schematicTubeOutline(QRectF(40, 40, 220, 60), 0.6));
        } else {
            painter.setBrush(fabric);
            painter.drawPath(schematicTubeOutline(QRectF(14, 36, 126, 64), 0.5));
            painter.drawPath(schematicTubeOutline(QRectF(160, 70, 130, 30), 0.8));
        }
        painter.setPen(Qt::black);
        painter.setFont(pictureFont(10));
        if (photo == FieldPhoto::SandFill) {
            painter.drawText(QRectF(0, 108, size.width(), 20), Qt::AlignCenter,
                             QStringLiteral("sand fill: the tube keeps its shape"));
        } else {
            painter.drawText(QRectF(0, 108, 150, 20), Qt::AlignCenter,
                             QStringLiteral("just filled"));
            painter.drawText(QRectF(150, 108, 150, 20), Qt::AlignCenter,
                             QStringLiteral("after consolidation"));
        }
    });
}

} // namespace vendrix
