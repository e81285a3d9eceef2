#pragma once
// Small painting pieces shared by the on-screen pictures (cross-section and
// input sketch): their fonts, labels on an opaque background, arrowheads and
// the scale that makes fine devices draw the same picture.

#include "graphics/drawing_palette.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace vendrix {

// Fonts of the pictures: 8 and 12 points on a 96 dots-per-inch device.
inline constexpr int kPictureSmallFontPixels = 11;
inline constexpr int kPictureLargeFontPixels = 16;

QFont pictureFont(int pixels);

// Pictures are laid out in pixels of a 96 dots-per-inch device; finer devices
// (printers, PDF) draw the same picture scaled by this factor.
double pictureDotsPerPixel(const QPainter &painter);

// Saves the painter, clips to `target` and maps picture pixels onto it; returns
// the picture's size in pixels. Pair with painter.restore().
QSizeF beginPicture(QPainter &painter, const QRectF &target);

// Text with its top-left corner at (x, y), truncated to whole pixels, on an
// opaque background.
void drawLabel(QPainter &painter, double x, double y, const QString &text, const QColor &colour,
               const QColor &background);
// The same, centred on x.
void drawCentredLabel(QPainter &painter, double centreX, double y, const QString &text,
                      const QColor &colour, const QColor &background);

// Two strokes from the tip (x, y), 12 pixels back along (dx, dy) and 4 to
// either side, with the painter's pen.
void drawArrowhead(QPainter &painter, double x, double y, double dx, double dy);

} // namespace vendrix
