#pragma once
// The field card: one printed page for the crew on site with the two safe
// filling numbers in large type, a gauge table of pressure against expected
// height and tension, the envelope chart and the tube at the safe limit,
// inside the same header and footer as the report pages.

#include "model/failure.h"
#include "post/filling_envelope.h"

#include <QRectF>
#include <filesystem>

#include <optional>
#include <string>

class QPainter;
class QPagedPaintDevice;

namespace vendrix {

struct ProjectRecord;

// One row of the gauge table.
struct GaugeRow
{
    double pumpingPressure = 0; // kPa
    double maxHeight = 0; // m
    double workingTension = 0; // kN/m
};

// Round display-unit pressure steps from one step up to (not including) the safe
// limit, then the limit itself; up to the top of the range when there is none.
std::vector<GaugeRow> gaugeTableRows(const TubeInput &input, const FillingEnvelope &envelope,
                                     UnitSystem units);

// Paints the card into `area` (the drawing area in the painter's coordinates).
void drawFieldCard(QPainter &painter, const QRectF &area, const ProjectRecord &record,
                   const FillingEnvelope &envelope, const std::string &printedOn);

// Paints the card as one page of a printer or PDF writer; false when the
// painter cannot start on the device.
bool paintFieldCard(QPagedPaintDevice &device, const ProjectRecord &record,
                    const FillingEnvelope &envelope, const std::string &printedOn);

// Writes the card as a one-page PDF (A4), replacing the file only when
// complete; a failure otherwise.
std::optional<Failure> writeFieldCardPdf(const ProjectRecord &record,
                                         const FillingEnvelope &envelope,
                                         const std::filesystem::path &path);

} // namespace vendrix
