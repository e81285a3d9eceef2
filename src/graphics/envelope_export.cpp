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
    const UnitSystem units = record.display.unitSystem;
    const auto draw = [&envelope, units](QPainter &painter, const QRectF &target) {
        drawEnvelopeChart(painter, target, envelope, units);
    };
    return writeBatchDrawing(path, width, height, draw, error);
}

bool writeFieldCardInBatch(const ProjectRecord &record, const FillingEnvelope &envelope,
                           const std::string &path, std::string &error)
{
    return ensureGraphicsApplication(error) && writeFieldCardPdf(record, envelope, path, error);
}

} // namespace vendrix
