#pragma once
// ColourChoiceDialog: "Display of Graphics" — the colour or black-and-white
// choice of the cross-section on screen, opened from "Graphical results".

#include "model/project_record.h"

#include <QDialog>

class QRadioButton;

namespace vendrix {

class ColourChoiceDialog : public QDialog
{
    Q_OBJECT
public:
    ColourChoiceDialog(ProjectRecord &record, QWidget *parent = nullptr);
    void accept() override;

private:
    ProjectRecord &m_record;
    QRadioButton *m_colour;
    QRadioButton *m_blackWhite;
};

} // namespace vendrix
