// Pages 3 and 4 of the printed report: the cross-section scene at true scale
// (tied to the tube's maximum width) in the page style, with its scale bar.

#include "graphics/cross_section_painting.h"
#include "graphics/cross_section_scene.h"
#include "graphics/cross_section_style.h"
#include "graphics/report_pages.h"
#include "graphics/scene_surface.h"

namespace vendrix {

void drawCrossSectionPage(PageCanvas &canvas, const ProjectRecord &record, Shape shape)
{
    PageSurface surface(canvas);
    paintCrossSectionScene(
        surface, crossSectionScene(record, shape, SceneMedium::Page),
        pageCrossSectionStyle(record.solution.maxWidth, record.display.printBlackWhite));
}

} // namespace vendrix
