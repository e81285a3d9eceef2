#pragma once
// The banner of the input sketch naming the requested type of analysis: the
// caption followed by the letter A, B or C.

#include "model/project_record.h"

#include <QRectF>

class QPainter;

namespace vendrix {

// The letter of an analysis type: 'A' given strength, 'B' given height, 'C' given
// pumping pressure.
char analysisTypeLetter(AnalysisType type);

// Paints the banner filling `target`; text sizes follow the target's height.
void drawAnalysisTypeImage(QPainter &painter, const QRectF &target, AnalysisType type);

} // namespace vendrix
