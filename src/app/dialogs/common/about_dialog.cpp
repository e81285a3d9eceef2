#include "app/dialogs/common/about_dialog.h"

#include "app/app_info.h"
#include "app/dialogs/common/contact_dialog.h"
#include "app/dialogs/common/dialog_widgets.h"
#include "app/dialogs/common/form_dialog.h"
#include "graphics/shell_artwork.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vendrix {

namespace {

QLabel *pictureLabel(const QPixmap &pixmap, const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(pixmap);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

AboutDialog::AboutDialog(const UiServices &services, QWidget *parent, DialogRunner runDialog)
    : QDialog(parent)
    , m_services(services)
    , m_runDialog(std::move(runDialog))
{
    setObjectName(QStringLiteral("about"));
    setWindowTitle(QStringLiteral("About Vendrix"));
    applyDialogFace(this, kDialogFaceColour);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->setSpacing(8);

    auto *pictures = new QHBoxLayout;
    pictures->addWidget(pictureLabel(programIcon().pixmap(96, 96), "programPicture", this));
    pictures->addWidget(pictureLabel(firstScreenPicture(QSize(240, 150)), "tubePicture", this));
    layout->addLayout(pictures);

    layout->addWidget(
        centredTextLabel(spacedOut(QStringLiteral("Program Vendrix " VENDRIX_VERSION)),
                         "programLine", this, 1.3, true));
    layout->addWidget(centredTextLabel(
        QStringLiteral("Cross-Section Analysis of Geosynthetic Tubes Filled with Slurry"), "method",
        this, 1.1, true));
    layout->addWidget(centredTextLabel(
        QStringLiteral("The computations follow the membrane equilibrium method of the published "
                       "design guidelines for geosynthetic tubes; the help pages under Design "
                       "Considerations summarise its assumptions and limitations."),
        "reference", this));
    layout->addWidget(
        centredTextLabel(QStringLiteral("The scope of program Vendrix is limited to the "
                                        "computational portion associated with the design "
                                        "of geosynthetic tubes."),
                         "scope", this));
    layout->addSpacing(6);

    auto *buttons = new QHBoxLayout;
    QPushButton *back = makeButton(QStringLiteral("&RETURN"), "ok", this);
    QPushButton *maker = makeButton(QString::fromLatin1(kMakerName), "maker", this);
    QPushButton *disclaimer = makeButton(QStringLiteral("&DISCLAIMER"), "disclaimer", this);
    back->setDefault(true);
    buttons->addWidget(back);
    buttons->addStretch(1);
    buttons->addWidget(maker);
    buttons->addStretch(1);
    buttons->addWidget(disclaimer);
    layout->addLayout(buttons);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    connect(maker, &QPushButton::clicked, this, [this] {
        ContactDialog contact(m_services, this);
        m_runDialog(contact);
    });
    connect(disclaimer, &QPushButton::clicked, this, [this] {
        DisclaimerDialog dialog(m_services, this);
        m_runDialog(dialog);
    });
    setFixedWidth(560);
}

} // namespace vendrix
