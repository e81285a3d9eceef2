#include "app/dialogs/results/consolidation_explanation_dialog.h"

#include "app/dialogs/common/dialog_runner.h"
#include "app/dialogs/results/extreme_case_dialog.h"
#include "app/dialogs/results/option_photos_dialog.h"
#include "graphics/dialog_artwork.h"

#include <QPushButton>

namespace vendrix {

ConsolidationExplanationDialog::ConsolidationExplanationDialog(ProjectRecord &record,
                                                               const UiServices &services,
                                                               QWidget *parent)
    : InformationPage(record, services, "IDD_CONSOLIDATED_EXPLAIN",
                      QStringLiteral("Explanation of consolidation:  Option #1 and Option #2"),
                      parent)
{
    addPicture(consolidationOptionPicture(Shape::Option1), "option1Figure");
    addParagraph(QStringLiteral(
        "OPTION #1 assumes one-dimensional, vertical consolidation: every vertical slice of the "
        "tube loses height in proportion to its initial thickness, so the top settles while the "
        "bottom stays on the foundation. With two slurry layers the properties of the lower "
        "layer are used for the whole fill."));
    addPicture(consolidationOptionPicture(Shape::Option2), "option2Figure");
    addParagraph(QStringLiteral(
        "OPTION #2 treats consolidation as two-dimensional: the fill loses the same volume, but "
        "the final cross-section is a rectangle whose width B is the maximum width of the tube "
        "as filled. The water contents before and after consolidation are computed from the "
        "specific gravity of solids, Gs, and the unit weights of the slurry and of the "
        "consolidated fill."));
    addParagraph(QStringLiteral(
        "Option #2 is more realistic for clayey slurry that consolidates a great deal; Option #1 "
        "is appropriate for sand, which hardly consolidates."));
    addParagraph(QStringLiteral("Both options are approximate and intended for preliminary "
                                "purposes only."));
    QPushButton *photos1 = addButton(QStringLiteral("OPTION #1"), "photos1");
    QPushButton *photos2 = addButton(QStringLiteral("OPTION #2"), "photos2");
    QPushButton *extreme = addButton(QStringLiteral("Extreme case of OPTION #1"), "extreme");
    finish();
    connect(photos1, &QPushButton::clicked, this, [this] {
        OptionPhotosDialog dialog(this->record(), this->services(), Shape::Option1, this);
        runModal(dialog);
    });
    connect(photos2, &QPushButton::clicked, this, [this] {
        OptionPhotosDialog dialog(this->record(), this->services(), Shape::Option2, this);
        runModal(dialog);
    });
    connect(extreme, &QPushButton::clicked, this, [this] {
        ExtremeCaseDialog dialog(this->record(), this->services(), this);
        runModal(dialog);
    });
}

} // namespace vendrix
