#pragma once
// The parametric study's chart on screen: the same painting as the saved
// pictures and the printed page, of whatever the window holds when it paints.

#include "graphics/study_chart.h"

#include <QWidget>

#include <functional>

namespace vendrix {

class StudyChartView : public QWidget
{
public:
    using Source = std::function<StudyChartData()>;
    StudyChartView(Source source, QWidget *parent);

    // Points of other values than the fields show are never drawn.
    void setValid(bool valid);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Source m_source;
    bool m_valid = false;
};

} // namespace vendrix
