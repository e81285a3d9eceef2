#include "app/dialogs/common/information_page.h"

#include "app/dialogs/common/dialog_widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vendrix {

InformationPage::InformationPage(ProjectRecord &record, const UiServices &services,
                                 const char *tagName, const QString &title, QWidget *parent)
    : FormDialog(record, services, tagName, parent)
    , m_body(new QVBoxLayout)
{
    setWindowTitle(title);
    setHelpTopic(QStringLiteral("::/Design_Considerations.htm#p13"));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_body);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void InformationPage::addPicture(const QPixmap &picture, const char *name)
{
    auto *label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(picture);
    label->setAlignment(Qt::AlignCenter);
    m_body->addWidget(label);
}

void InformationPage::addParagraph(const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setFixedWidth(520);
    m_body->addWidget(label);
}

QPushButton *InformationPage::addButton(const QString &text, const char *name)
{
    auto *button = makeButton(text, name, this);
    m_buttons.push_back(button);
    return button;
}

void InformationPage::finish()
{
    auto *back = makeButton(QStringLiteral("&RETURN"), "return", this);
    back->setDefault(true);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    auto *row = new QHBoxLayout;
    row->addWidget(tagLabel());
    row->addStretch();
    for (QPushButton *button : m_buttons)
        row->addWidget(button);
    row->addWidget(back);
    m_body->addSpacing(6);
    m_body->addLayout(row);
    back->setFocus();
}

} // namespace vendrix
