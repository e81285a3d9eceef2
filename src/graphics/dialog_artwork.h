#pragma once
// The pictures of the dialogs, drawn with QPainter so that they stay sharp and
// need no image files: the TRUNCATE knife, the slurry layers, the inlet pump,
// the tube dimensions and the consolidation figures.

#include "model/project_record.h"

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace vendrix {

inline constexpr QSize kTruncateIconSize(92, 34);

// A knife cutting the last digits off a number.
QIcon truncateIcon();

// Cross-section of a tube on the foundation with one or two slurry layers and
// the outside fluid, with the heights Hin-Lower and Hout-Lower marked.
QPixmap slurryLayersPicture(bool twoLayers);
// The tube being filled through its inlet by a pump (given pumping pressure).
QPixmap pumpingPicture();
// The tube with its height H, width W and base width marked.
QPixmap tubeDimensionsPicture();
// Consolidation: the as-filled outline and Option 1 (settled top) or Option 2
// (rectangle of the same width).
QPixmap consolidationOptionPicture(Shape option);
// The extreme case of Option 1: the concave top flattened, the bottom sagging.
QPixmap extremeCasePicture();
enum class FieldPhoto {
    SandFill, // a sand-filled tube that keeps its shape
    ClayeySlurry, // a tube of clayey slurry before and after consolidation
};

QPixmap fieldPicture(FieldPhoto photo);

} // namespace vendrix
