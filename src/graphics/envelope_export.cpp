#include "graphics/envelope_export.h"

#include "graphics/batch_report.h"
#include "graphics/envelope_chart.h"
#include "graphics/field_card.h"
#include "graphics/image_export.h"
#include "model/project_record.h"

namespace vendrix {

bool writeEnvelopeChartImage(const ProjectRecord &record, const FillingEnvelope &envelope,
                             const std::string &path, int width, int height, std::string &error)
{
    if (!ensureGraphicsApplication(error))
        return false;
    const UnitSystem units = record.display.unitSystem;
    return writeDrawingImage(
        path, QSize(width, height),
        [&envelope, units](QPainter &painter, const QRectF &target) {
            drawEnvelopeChart(painter, target, envelope, units);
        },
        error);
}

bool writeFieldCardInBatch(const ProjectRecord &record, const FillingEnvelope &envelope,
                           const std::string &path, std::string &error)
{
    return ensureGraphicsApplication(error) && writeFieldCardPdf(record, envelope, path, error);
}

} // namespace vendrix
