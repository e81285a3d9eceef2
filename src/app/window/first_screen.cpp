#include "app/window/first_screen.h"

#include "app/app_info.h"
#include "app/dialogs/common/dialog_widgets.h"
#include "app/dialogs/common/disclaimer_dialog.h"
#include "app/dialogs/common/form_dialog.h"
#include "graphics/qt_text.h"
#include "graphics/shell_artwork.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace vendrix {

namespace {

QLabel *line(const QString &text, const char *name, int pixelHeight, bool bold, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

FirstScreen::FirstScreen(const UiServices &services, const std::string &updateLabel,
                         QWidget *parent, DialogRunner runDialog)
    : QDialog(parent)
    , m_services(services)
    , m_runDialog(std::move(runDialog))
{
    setObjectName(QStringLiteral("firstScreen"));
    setWindowTitle(QString());
    applyDialogFace(this, kFirstScreenFaceColour);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(6);
    layout->addLayout(createTop(updateLabel));
    layout->addSpacing(12);
    addNotices(layout);
    layout->addSpacing(12);
    layout->addLayout(createButtons());
}

QLayout *FirstScreen::createTop(const std::string &updateLabel)
{
    auto *top = new QHBoxLayout;
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(firstScreenPicture(QSize(300, 200)));
    top->addWidget(picture);
    top->addSpacing(16);
    auto *rights = new QVBoxLayout;
    rights->addStretch(1);
    rights->addWidget(
        line(QStringLiteral("Vendrix  Version " VENDRIX_VERSION), "rights1", 20, false, this));
    rights->addWidget(line(QStringLiteral("Copyright \u00a9 ") + QString::fromLatin1(kMakerName),
                           "rights2", 20, false, this));
    rights->addWidget(line(QStringLiteral("All rights reserved."), "rights3", 20, false, this));
    rights->addSpacing(10);
    QLabel *warning = line(QStringLiteral("Unauthorized reproduction or distribution of this "
                                          "program, or any part of it, is prohibited."),
                           "warning", 13, false, this);
    warning->setWordWrap(true);
    rights->addWidget(warning);
    rights->addSpacing(6);
    auto *update = new QLineEdit(toQString(updateLabel), this);
    update->setObjectName(QStringLiteral("updateLabel"));
    update->setReadOnly(true);
    update->setFocusPolicy(Qt::NoFocus);
    update->setMaximumWidth(160);
    rights->addWidget(update);
    rights->addStretch(1);
    top->addLayout(rights, 1);
    return top;
}

void FirstScreen::addNotices(QVBoxLayout *layout)
{
    layout->addWidget(line(QStringLiteral("Before using Vendrix,  review and understand:"),
                           "notice1", 18, true, this));
    layout->addWidget(line(QStringLiteral("1.  the DISCLAIMER in the About box (Help > About "
                                          "Vendrix), and"),
                           "notice2", 18, true, this));
    layout->addWidget(line(QStringLiteral("2.  the Limitation of Analysis in Help (Design "
                                          "Considerations)."),
                           "notice3", 18, true, this));
}

QLayout *FirstScreen::createButtons()
{
    auto *buttons = new QGridLayout;
    QPushButton *checkUpdate
        = makeButton(QStringLiteral("Check for Latest Update Via Internet"), "checkUpdate", this);
    QPushButton *disclaimer
        = makeButton(QStringLiteral("Click to see DISCLAIMER"), "showDisclaimer", this);
    QString address = QString::fromLatin1(kMakerHomePage);
    address.remove(QStringLiteral("https://")).remove(QLatin1Char('/'));
    QPushButton *homePage = makeButton(address, "homePage", this);
    QPushButton *ok = makeButton(QStringLiteral("&OK"), "ok", this);
    ok->setDefault(true);
    ok->setMinimumWidth(100);
    buttons->addWidget(checkUpdate, 0, 0);
    buttons->addWidget(disclaimer, 0, 1);
    buttons->addWidget(homePage, 1, 0);
    buttons->addWidget(ok, 1, 1, Qt::AlignRight);

    connect(checkUpdate, &QPushButton::clicked, this, [this] {
        if (m_services.openUrl)
            m_services.openUrl(QUrl(QString::fromLatin1(kMakerUpdatePage)));
    });
    connect(homePage, &QPushButton::clicked, this, [this] {
        if (m_services.openUrl)
            m_services.openUrl(QUrl(QString::fromLatin1(kMakerHomePage)));
    });
    connect(disclaimer, &QPushButton::clicked, this, [this] {
        DisclaimerDialog dialog(m_services, this);
        m_runDialog(dialog);
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
    return buttons;
}

} // namespace vendrix
