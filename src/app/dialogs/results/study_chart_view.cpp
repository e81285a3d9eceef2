#include "app/dialogs/results/study_chart_view.h"

#include <QPainter>

namespace vendrix {

StudyChartView::StudyChartView(Source source, QWidget *parent)
    : QWidget(parent)
    , m_source(std::move(source))
{
    setObjectName(QStringLiteral("studyChart"));
    setMinimumSize(520, 320);
}

void StudyChartView::setValid(bool valid)
{
    m_valid = valid;
    update();
}

void StudyChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_valid) {
        drawStudyChart(painter, QRectF(rect()), m_source());
        return;
    }
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::gray);
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("No study for these values."));
}

} // namespace vendrix
