#include "app/dialogs/results/cross_section_view.h"

#include "graphics/cross_section_drawing.h"
#include "graphics/image_export.h"

#include <QPainter>

namespace vendrix {

CrossSectionView::CrossSectionView(const ProjectRecord &record, QWidget *parent)
    : QWidget(parent)
    , m_record(record)
{
    setObjectName(QStringLiteral("crossSection"));
    // The standard drawing area: smaller, the result lines and legend crowd.
    setMinimumSize(kStandardSize);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QImage CrossSectionView::picture() const
{
    return renderDrawing(
        [this](QPainter &painter, const QRectF &target) {
            drawCrossSection(painter, target, m_record);
        },
        size());
}

void CrossSectionView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawCrossSection(painter, QRectF(rect()), m_record);
}

} // namespace vendrix
