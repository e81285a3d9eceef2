#pragma once
// The scale bar of the printed cross-section pages: a bar of alternating cells
// with its numbers, chosen by the tube's height so that it reads in round
// numbers and its unit stays inside the frame.

namespace vendrix {

struct CrossSectionStyle;
struct SceneScale;
class SceneSurface;

// Paints the bar for a drawing at `twipsPerMetre`, in the style's label font.
void paintPageScaleBar(SceneSurface &surface, const SceneScale &scale, double twipsPerMetre,
                       const CrossSectionStyle &style);

} // namespace vendrix
