#pragma once
// CrossSectionView: the drawing area of "Graphical results"; paints the
// cross-section of the current shape from the record at every repaint.

#include "model/project_record.h"

#include <QImage>
#include <QWidget>

namespace vendrix {

class CrossSectionView : public QWidget
{
    Q_OBJECT
public:
    // The size of the drawing area at the standard size, also the saved bitmap's.
    static constexpr QSize kStandardSize {628, 410};

    CrossSectionView(const ProjectRecord &record, QWidget *parent = nullptr);
    QSize sizeHint() const override { return kStandardSize; }

    // The picture as it stands, at the area's size in pixels.
    QImage picture() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const ProjectRecord &m_record;
};

} // namespace vendrix
