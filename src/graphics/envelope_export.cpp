#include "graphics/envelope_export.h"

#include "graphics/batch_report.h"
#include "graphics/envelope_chart.h"
#include "graphics/field_card.h"
#include "graphics/image_export.h"
#include "model/project_record.h"

namespace vendrix {

std::optional<Failure> writeEnvelopeChartImage(const ProjectRecord &record,
                                               const FillingEnvelope &envelope,
                                               const std::filesystem::path &path, int width,
                                               int height)
{
    const UnitSystem units = record.display.unitSystem;
    const auto draw = [&envelope, units](QPainter &painter, const QRectF &target) {
        drawEnvelopeChart(painter, target, envelope, units);
    };
    return writeBatchDrawing(path, width, height, draw);
}

std::optional<Failure> writeFieldCardInBatch(const ProjectRecord &record,
                                             const FillingEnvelope &envelope,
                                             const std::filesystem::path &path)
{
    if (auto failure = ensureGraphicsApplication())
        return failure;
    return writeFieldCardPdf(record, envelope, path);
}

} // namespace vendrix
