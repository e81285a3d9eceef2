#include "app/window/input_display.h"

#include "graphics/input_sketch_drawing.h"
#include "graphics/picture_painting.h"

#include <QLabel>
#include <QPainter>

namespace vendrix {

InputDisplay::InputDisplay(const ProjectRecord &record, const SolutionMethod &method,
                           QWidget *parent)
    : QWidget(parent)
    , m_record(record)
    , m_method(method)
    , m_tag(new QLabel(QStringLiteral("IDD_DISPLY_INPUT"), this))
{
    setObjectName(QStringLiteral("inputDisplay"));
    setWindowTitle(tr("Display of Input Data"));
    // Its texts keep their size: any smaller and they would be cut at the sides.
    setMinimumSize(kStandardSize);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_tag->setObjectName(QStringLiteral("dialogTag"));
    m_tag->move(8, 40);
}

void InputDisplay::paintEvent(QPaintEvent *)
{
    // The tag follows the main menu's tag button, which may change at any time.
    m_tag->setVisible(!m_record.state.hideDialogTags);
    // The sketch keeps the proportions of the standard window whatever room the
    // main window gives it, so the tube is never cut off at the sides.
    // It stands in the middle of the window: above it the sky (or the fluid, when
    // that reaches the top of the sketch) and below it the foundation continue.
    QPainter painter(this);
    const QSizeF fitted = QSizeF(kStandardSize).scaled(QSizeF(size()), Qt::KeepAspectRatio);
    const QRectF target(
        QPointF(0.5 * (width() - fitted.width()), 0.5 * (height() - fitted.height())), fitted);
    const SketchContent content = sketchContent(m_record.input, m_method, fitted.height());
    painter.fillRect(QRectF(0, 0, width(), target.top() + 1),
                     content.fluidDrawn && content.fluidToTop ? pictureColours::skyBlue
                                                              : pictureColours::paleBlue);
    painter.fillRect(QRectF(0, target.bottom() - 1, width(), height() - target.bottom() + 1),
                     pictureColours::rust);
    drawInputSketch(painter, target, m_record, m_method, false);
    // The requested type of analysis stays in the window's top-left corner.
    const double scale = fitted.height() / kStandardSize.height();
    painter.save();
    painter.scale(scale, scale);
    drawAnalysisTypeImage(painter, 8, 8, m_record.input.analysisType);
    painter.restore();
}

} // namespace vendrix
