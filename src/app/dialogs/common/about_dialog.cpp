#include "app/dialogs/common/about_dialog.h"

#include "app/app_info.h"
#include "app/dialogs/common/dialog_widgets.h"
#include "app/dialogs/common/input_dialog.h"
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

QLabel *textLabel(const QString &text, const char *name, QWidget *parent, double scale = 1.0,
                  bool bold = false)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

QString spacedOut(const QString &text)
{
    QString result;
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &word : words) {
        if (!result.isEmpty())
            result += QStringLiteral("   ");
        for (qsizetype i = 0; i < word.size(); ++i) {
            if (i > 0)
                result += QLatin1Char(' ');
            result += word[i];
        }
    }
    return result;
}

QStringList makerContactLines()
{
    return {
        QString::fromLatin1(kMakerName),
        QString(),
        QStringLiteral("Web:     ") + QString::fromLatin1(kMakerHomePage),
        QStringLiteral("E-mail:  ") + QString::fromLatin1(kMakerEmail),
        QString(),
        QStringLiteral("Please name the program version (Vendrix Version " VENDRIX_VERSION
                       ") and its update"),
        QStringLiteral("label when you write to us."),
    };
}

ContactDialog::ContactDialog(const UiServices &services, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_choosePrinter(printDialogChooser())
{
    setObjectName(QStringLiteral("contact"));
    setWindowTitle(QStringLiteral("Contact ") + QString::fromLatin1(kMakerName));
    applyDialogFace(this, kDialogFaceColour);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 28, 16);
    const QStringList lines = makerContactLines();
    layout->addWidget(textLabel(lines[0], "makerName", this, 1.3, true));
    auto *web = new QLabel(
        QStringLiteral("Web:  <a href=\"%1\">%1</a>").arg(QString::fromLatin1(kMakerHomePage)),
        this);
    web->setObjectName(QStringLiteral("webAddress"));
    web->setTextInteractionFlags(Qt::TextBrowserInteraction);
    web->setAlignment(Qt::AlignCenter);
    connect(web, &QLabel::linkActivated, this, [this](const QString &link) {
        if (m_services.openUrl)
            m_services.openUrl(QUrl(link));
    });
    layout->addWidget(web);
    layout->addWidget(textLabel(lines[3], "email", this));
    layout->addSpacing(6);
    layout->addWidget(textLabel(lines[5] + QLatin1Char(' ') + lines[6], "note", this, 0.95));
    QPushButton *print = nullptr;
    QHBoxLayout *buttons = okAndPrintButtons(this, print);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    connect(print, &QPushButton::clicked, this, &ContactDialog::printContact);
    setMinimumWidth(480);
}

void ContactDialog::setPrinterChooser(OnePagePrinterChooser chooser)
{
    m_choosePrinter = std::move(chooser);
}

void ContactDialog::printContact()
{
    printOnePage(m_choosePrinter, m_services, this, spacedOut(QStringLiteral("Contact")),
                 makerContactLines());
}

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

    layout->addWidget(textLabel(spacedOut(QStringLiteral("Program Vendrix " VENDRIX_VERSION)),
                                "programLine", this, 1.3, true));
    layout->addWidget(
        textLabel(QStringLiteral("Cross-Section Analysis of Geosynthetic Tubes Filled with Slurry"),
                  "method", this, 1.1, true));
    layout->addWidget(textLabel(
        QStringLiteral("The computations follow the membrane equilibrium method of the published "
                       "design guidelines for geosynthetic tubes; the help pages under Design "
                       "Considerations summarise its assumptions and limitations."),
        "reference", this));
    layout->addWidget(textLabel(QStringLiteral("The scope of program Vendrix is limited to the "
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
