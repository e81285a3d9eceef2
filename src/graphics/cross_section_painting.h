#pragma once
// The one routine that paints a cross-section scene: the screen picture, saved
// bitmaps, batch images and the printed pages all come from here, each with
// its style.

namespace vendrix {

struct CrossSectionScene;
struct CrossSectionStyle;
class SceneSurface;

// Paints `scene` onto `surface` as `style` lays it out, element by element in
// the order they cover each other.
void paintCrossSectionScene(SceneSurface &surface, const CrossSectionScene &scene,
                            const CrossSectionStyle &style);

} // namespace vendrix
