#pragma once
// "Display of Input Data": the schematic of the problem being entered, shown
// beside the main menu while a project is open and repainted when the input
// menu closes.

#include "model/project_record.h"

#include <QWidget>

class QLabel;

namespace vendrix {

class InputDisplay : public QWidget
{
    Q_OBJECT
public:
    // The size of the window at the standard size.
    static constexpr QSize kStandardSize {584, 366};

    // `method` is the solution method chosen for the next run, which decides
    // the layering the sketch shows; it must outlive the display.
    InputDisplay(const ProjectRecord &record, const SolutionMethod &method,
                 QWidget *parent = nullptr);
    QSize sizeHint() const override { return kStandardSize; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const ProjectRecord &m_record;
    const SolutionMethod &m_method;
    QLabel *m_tag;
};

} // namespace vendrix
