#include "app/dialogs/results/photos2_dialog.h"

#include "graphics/dialog_artwork.h"

namespace vendrix {

Photos2Dialog::Photos2Dialog(ProjectRecord &record, const UiServices &services, QWidget *parent)
    : InformationPage(record, services, "IDD_PHOTOS2", QStringLiteral("Photos for Option #2"),
                      parent)
{
    addPicture(fieldPicture(FieldPhoto::ClayeySlurry), "photo");
    addParagraph(QStringLiteral(
        "A tube filled with clayey slurry, just after filling (left) and after the fill has "
        "consolidated (right): the tube has become low and flat, close to a rectangle as wide as "
        "the tube was. OPTION #2 suits such fills."));
    finish();
}

} // namespace vendrix
