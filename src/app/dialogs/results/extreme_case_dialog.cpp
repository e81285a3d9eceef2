#include "app/dialogs/results/extreme_case_dialog.h"

#include "graphics/dialog_artwork.h"

namespace vendrix {

ExtremeCaseDialog::ExtremeCaseDialog(ProjectRecord &record, const UiServices &services,
                                     QWidget *parent)
    : InformationPage(record, services, "IDD_EXTREME", QStringLiteral("Extreme case of OPTION #1"),
                      parent)
{
    addPicture(extremeCasePicture(), "extremeFigure");
    addParagraph(QStringLiteral(
        "When the fill consolidates strongly, OPTION #1 would settle the middle of the top below "
        "its sides, giving a concave upper surface. The concave part is then set horizontal, at "
        "the level of its lowest point, and the bottom of the tube beneath it is allowed to sag "
        "by the height that the top lost."));
    addParagraph(QStringLiteral("In such cases OPTION #2 is more realistic."));
    finish();
}

} // namespace vendrix
