#pragma once
// "Display of Input Data": the window beside the main menu showing the sketch of
// the problem being entered. It keeps nothing of its own; every repaint reads
// the project record.

#include "model/project_record.h"

#include <QFrame>

class QLabel;

namespace vendrix {

class CDisplyInput : public QFrame
{
    Q_OBJECT

public:
    explicit CDisplyInput(ProjectRecord &record, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const ProjectRecord &m_record;
    QLabel *m_tag;
};

// The input display of a new workspace. Matches DesktopHooks::createInputDisplay.
QWidget *createInputDisplay(ProjectRecord &record, QWidget *parent);

} // namespace vendrix
