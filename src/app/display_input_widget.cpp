#include "app/display_input_widget.h"

#include "graphics/input_sketch_drawing.h"

#include <QLabel>
#include <QPainter>

namespace vendrix {

namespace {
const QColor kSketchBackground(204, 236, 255);
const QColor kFoundation(202, 62, 21);
} // namespace

CDisplyInput::CDisplyInput(const ProjectRecord &record, QWidget *parent)
    : QWidget(parent)
    , m_record(record)
    , m_tag(new QLabel(QStringLiteral("IDD_DISPLY_INPUT"), this))
{
    setObjectName(QStringLiteral("inputDisplay"));
    setWindowTitle(tr("Display of Input Data"));
    setMinimumSize(kStandardSize / 2);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_tag->setObjectName(QStringLiteral("dialogTag"));
    m_tag->move(8, 40);
}

void CDisplyInput::paintEvent(QPaintEvent *)
{
    // The tag follows the main menu's tag button, which may change at any time.
    m_tag->setVisible(m_record.state.hideDialogTags == 0);
    // The sketch keeps the proportions of the standard window whatever room the
    // main window gives it, so the tube is never cut off at the sides.
    QPainter painter(this);
    painter.fillRect(rect(), kSketchBackground);
    const QSizeF fitted = QSizeF(kStandardSize).scaled(QSizeF(size()), Qt::KeepAspectRatio);
    const QRectF target(QPointF(0.5 * (width() - fitted.width()), 0), fitted);
    drawInputSketch(painter, target, m_record);
    // Below the sketch the foundation simply continues.
    painter.fillRect(QRectF(0, target.bottom(), width(), height() - target.bottom()),
                     kFoundation);
}

} // namespace vendrix
