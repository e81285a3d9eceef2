#include "graphics/study_export.h"

#include "graphics/batch_report.h"
#include "graphics/image_export.h"
#include "graphics/study_chart.h"
#include "graphics/study_page.h"

#include <algorithm>
#include <cctype>

namespace vendrix {

namespace {

bool isPdfPath(const std::string &path)
{
    std::string tail = path.size() >= 4 ? path.substr(path.size() - 4) : path;
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail == ".pdf";
}

} // namespace

std::vector<StudyValue> defaultStudyChartValues(AnalysisType objective)
{
    switch (objective) {
    case AnalysisType::GivenHeight:
        return {StudyValue::WorkingStrengthCircumferential, StudyValue::PumpingPressure};
    case AnalysisType::GivenPressure:
        return {StudyValue::Height, StudyValue::WorkingStrengthCircumferential};
    case AnalysisType::GivenStrength:
        break;
    }
    return {StudyValue::Height, StudyValue::PumpingPressure};
}

std::optional<Failure> writeStudyFile(const ProjectRecord &project, const StudyRequest &request,
                                      const std::vector<StudyPoint> &points,
                                      const std::string &path, int width, int height)
{
    StudyChartData data;
    data.request = &request;
    data.points = &points;
    data.shown = defaultStudyChartValues(project.input.analysisType);
    data.display = project.display;
    if (isPdfPath(path)) {
        if (auto failure = ensureGraphicsApplication())
            return failure;
        return writeStudyPdf(project, data, path);
    }
    return writeBatchDrawing(path, width, height, [&data](QPainter &painter, const QRectF &target) {
        drawStudyChart(painter, target, data);
    });
}

} // namespace vendrix
