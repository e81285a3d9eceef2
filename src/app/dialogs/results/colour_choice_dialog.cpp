#include "app/dialogs/results/colour_choice_dialog.h"

#include "app/dialogs/common/dialog_widgets.h"
#include "app/dialogs/common/form_dialog.h"

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vendrix {

ColourChoiceDialog::ColourChoiceDialog(ProjectRecord &record, QWidget *parent)
    : QDialog(parent)
    , m_record(record)
{
    setWindowTitle(tr("Display of Graphics"));
    // F1 and the caption's help button open this help topic.
    setProperty("helpTopic", QStringLiteral("::/General_Information.htm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    applyDialogFace(this, kDialogFaceColour);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Display  of graphics :"), this));
    m_colour = new QRadioButton(QStringLiteral("Color (clearer appearance on screen)"), this);
    m_colour->setObjectName(QStringLiteral("screenBlackWhite_0"));
    m_blackWhite = new QRadioButton(
        QStringLiteral("Black  and White (useful when capturing\nbitmap file for prinout)"), this);
    m_blackWhite->setObjectName(QStringLiteral("screenBlackWhite_1"));
    layout->addWidget(m_colour);
    layout->addWidget(m_blackWhite);
    (record.display.screenBlackWhite ? m_blackWhite : m_colour)->setChecked(true);
    addOkButtonBox(this, layout);
}

void ColourChoiceDialog::accept()
{
    m_record.display.screenBlackWhite = m_blackWhite->isChecked();
    QDialog::accept();
}

} // namespace vendrix
