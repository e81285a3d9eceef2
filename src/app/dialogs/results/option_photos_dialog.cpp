#include "app/dialogs/results/option_photos_dialog.h"

#include "graphics/dialog_artwork.h"

namespace vendrix {

namespace {

struct OptionPhotos
{
    FieldPhoto photo;
    const char *tag;
    const char *title;
    const char *text;
};

const OptionPhotos kOptionPhotos[] = {
    {FieldPhoto::SandFill, "IDD_PHOTOS1", "Photos for Option #1",
     "A tube filled with sand: sand hardly consolidates, so the tube keeps the shape it had "
     "when it was filled. OPTION #1 suits such fills."},
    {FieldPhoto::ClayeySlurry, "IDD_PHOTOS2", "Photos for Option #2",
     "A tube filled with clayey slurry, just after filling (left) and after the fill has "
     "consolidated (right): the tube has become low and flat, close to a rectangle as wide as "
     "the tube was. OPTION #2 suits such fills."},
};

const OptionPhotos &photosOf(Shape option)
{
    return kOptionPhotos[option == Shape::Option2 ? 1 : 0];
}

} // namespace

OptionPhotosDialog::OptionPhotosDialog(ProjectRecord &record, const UiServices &services,
                                       Shape option, QWidget *parent)
    : InformationPage(record, services, photosOf(option).tag,
                      QString::fromLatin1(photosOf(option).title), parent)
{
    addPicture(fieldPicture(photosOf(option).photo), "photo");
    addParagraph(QString::fromLatin1(photosOf(option).text));
    finish();
}

} // namespace vendrix
