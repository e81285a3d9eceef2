#pragma once
// The design check picture: the solved tube on its foundation with the water
// to h1 on the loaded side (left) and h2 on the protected side, the excess
// actions of the higher level (thrust and base uplift), W' and N, and the
// contact pressure under the base. One routine for the window, the printed
// page and images.

#include "post/design_check.h"

#include <QRectF>

class QPainter;

namespace vendrix {

// Paints into `area` of the painter, to scale, with the text height derived
// from the area's size.
void drawDesignCheckPicture(QPainter &painter, const QRectF &area, const TubeSolution &tube,
                            const DesignCheckResult &result);

} // namespace vendrix
