#pragma once
// The cross-section picture of the graphical results: foundation, outside fluid,
// the tube as filled (one or two slurry layers) or the consolidated shape over
// the as-filled outline, dimensions, result lines, legend and title. One routine
// paints the dialog, saved bitmaps and batch images.

#include "graphics/picture_painting.h"
#include "model/project_record.h"

#include <QColor>
#include <QRectF>
#include <QSizeF>

class QPainter;

namespace vendrix {

// Colours of the picture.
namespace crossSectionColours = pictureColours;

// Where the tube lies in the picture: centre x, base line, pixels per metre and
// the half width and height of the tube as filled. In picture pixels (a device
// of 96 dots per inch; larger devices scale the whole picture).
struct CrossSectionLayout
{
    double width = 0; // picture width W
    double height = 0; // picture height H
    double centreX = 0; // 0.5 W
    double baseY = 0; // 0.65 H
    double lineStep = 0; // 0.035 H
    double scale = 0; // pixels per metre
    double halfWidth = 0; // largest x of the profile, m
    double crestHeight = 0; // largest y of the profile, m
};

// The non-convergence notice: a box of fixed height near the top of the picture.
inline constexpr double kPictureNoticeHeight = 70;

// The smallest picture whose result lines, legend and labels stand apart at
// their fixed text sizes; smaller targets get this picture scaled down.
inline const QSizeF kSmallestWholePicture(600, 400);

CrossSectionLayout crossSectionLayout(const TubeSolution &solution, double width, double height);

// Paints the cross-section scene of record.state.shapeShown in the screen style,
// in colour or, with display.screenBlackWhite, black and white.
// `target` is in the painter's coordinates; its size in picture pixels is the
// target size divided by the device's dots per inch over 96.
void drawCrossSection(QPainter &painter, const QRectF &target, const ProjectRecord &record);

} // namespace vendrix
