#include "app/dialogs/results/photos1_dialog.h"

#include "graphics/dialog_artwork.h"

namespace vendrix {

Photos1Dialog::Photos1Dialog(ProjectRecord &record, const UiServices &services, QWidget *parent)
    : InformationPage(record, services, "IDD_PHOTOS1", QStringLiteral("Photos for Option #1"),
                      parent)
{
    addPicture(fieldPicture(FieldPhoto::SandFill), "photo");
    addParagraph(QStringLiteral(
        "A tube filled with sand: sand hardly consolidates, so the tube keeps the shape it had "
        "when it was filled. OPTION #1 suits such fills."));
    finish();
}

} // namespace vendrix
