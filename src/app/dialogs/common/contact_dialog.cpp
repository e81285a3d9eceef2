#include "app/dialogs/common/contact_dialog.h"

#include "app/app_info.h"
#include "app/dialogs/common/dialog_widgets.h"
#include "app/dialogs/common/form_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace vendrix {

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
    : OnePageDialog(services, parent)
{
    setObjectName(QStringLiteral("contact"));
    setWindowTitle(QStringLiteral("Contact ") + QString::fromLatin1(kMakerName));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 28, 16);
    const QStringList lines = makerContactLines();
    layout->addWidget(centredTextLabel(lines[0], "makerName", this, 1.3, true));
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
    layout->addWidget(centredTextLabel(lines[3], "email", this));
    layout->addSpacing(6);
    layout->addWidget(centredTextLabel(lines[5] + QLatin1Char(' ') + lines[6], "note", this, 0.95));
    layout->addSpacing(8);
    QPushButton *print = addOkAndPrintButtons(layout);
    connect(print, &QPushButton::clicked, this, &ContactDialog::printContact);
    setMinimumWidth(480);
}

void ContactDialog::printContact()
{
    printPage(spacedOut(QStringLiteral("Contact")), makerContactLines());
}

} // namespace vendrix
