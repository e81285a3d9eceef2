#include "app/dialogs/common/dialog_widgets.h"

#include "graphics/qt_text.h"

#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace vendrix {

QButtonGroup *makeRadioGroup(const char *field, QWidget *parent)
{
    auto *group = new QButtonGroup(parent);
    group->setObjectName(QString::fromLatin1(field));
    return group;
}

QRadioButton *makeRadio(const QString &text, QButtonGroup *group, int value, QWidget *parent)
{
    auto *radio = new QRadioButton(text, parent);
    radio->setObjectName(group->objectName() + QLatin1Char('_') + QString::number(value));
    group->addButton(radio, value);
    return radio;
}

QPushButton *makeButton(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QLabel *makeLabel(const char *windows1252, QWidget *parent)
{
    return new QLabel(toQString(windows1252), parent);
}

void keepRoomWhenHidden(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *widget : widgets) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
}

QHBoxLayout *okAndPrintButtons(QDialog *dialog, QPushButton *&print)
{
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton *ok = makeButton(QStringLiteral("&OK"), "ok", dialog);
    print = makeButton(QStringLiteral("&PRINT"), "print", dialog);
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(print);
    buttons->addStretch(1);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return buttons;
}

QLabel *centredTitle(const QString &text, const char *name, QWidget *parent, double scale,
                     bool bold)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

QLabel *centredTextLabel(const QString &text, const char *name, QWidget *parent, double scale,
                         bool bold)
{
    QLabel *label = centredTitle(text, name, parent, scale, bold);
    label->setWordWrap(true);
    return label;
}

QLabel *makeHeading(const QString &text, QWidget *parent, bool underline)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setUnderline(underline);
    label->setFont(font);
    return label;
}

void addOkButtonBox(QDialog *dialog, QBoxLayout *layout)
{
    auto *buttons = new QDialogButtonBox(dialog);
    QPushButton *ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    layout->addWidget(buttons);
}

} // namespace vendrix
