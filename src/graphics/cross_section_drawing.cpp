#include "graphics/cross_section_drawing.h"

#include "graphics/cross_section_painting.h"
#include "graphics/cross_section_scene.h"
#include "graphics/cross_section_style.h"
#include "graphics/picture_painting.h"
#include "graphics/scene_surface.h"
#include "graphics/tube_outline.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vendrix {

namespace {

double noticeBottom(double height, double lineStep)
{
    return 0.01 * height + lineStep + kPictureNoticeHeight;
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
    ScreenSurface surface(painter);
    paintCrossSectionScene(surface,
                           crossSectionScene(record, record.state.shapeShown, SceneMedium::Screen),
                           screenCrossSectionStyle(layout, record.display.screenBlackWhite));
    painter.restore();
}

} // namespace vendrix
