#include "app/display_input_widget.h"

#include "graphics/input_sketch_drawing.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace vendrix {

CDisplyInput::CDisplyInput(ProjectRecord &record, QWidget *parent)
    : QFrame(parent)
    , m_record(record)
    , m_tag(new QLabel(QStringLiteral("IDD_DISPLAY_INPUT"), this))
{
    setObjectName(QStringLiteral("inputDisplay"));
    setWindowTitle(QStringLiteral("Display of Input Data"));
    setAccessibleName(windowTitle());
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(false);
    m_tag->setObjectName(QStringLiteral("dialogTag"));
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_tag, 0, Qt::AlignRight);
    m_tag->setVisible(record.state.hideDialogTags == 0);
}

QSize CDisplyInput::sizeHint() const
{
    // 389 x 225 dialog units of the standard window.
    return QSize(qRound(kSketchStandardWidth), qRound(kSketchStandardHeight));
}

QSize CDisplyInput::minimumSizeHint() const
{
    return QSize(292, 183);
}

void CDisplyInput::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    drawInputSketch(painter, contentsRect(), m_record);
}

QWidget *createInputDisplay(ProjectRecord &record, QWidget *parent)
{
    return new CDisplyInput(record, parent);
}

} // namespace vendrix
