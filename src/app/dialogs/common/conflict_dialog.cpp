#include "app/dialogs/common/conflict_dialog.h"

#include "app/dialogs/common/dialog_runner.h"
#include "app/dialogs/common/form_dialog.h"
#include "graphics/qt_text.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace vendrix {

namespace {

constexpr int kMessageMinimumWidth = 354;

} // namespace

ConflictDialog::ConflictDialog(QWidget *parent)
    : QDialog(parent)
    , m_message(new QLabel(QStringLiteral("what is wrong"), this))
    , m_errorNumber(new QLabel(QStringLiteral("Error # 1001"), this))
    , m_ok(new QPushButton(QStringLiteral("&OK"), this))
{
    setWindowTitle(QStringLiteral("Conflict -- before running . . . "));
    applyDialogFace(this, kConflictFaceColour);
    m_message->setObjectName(QStringLiteral("messageText"));
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_message->setMinimumSize(kMessageMinimumWidth, 92);
    m_message->setTextFormat(Qt::PlainText);
    m_errorNumber->setObjectName(QStringLiteral("errorNumberText"));
    m_errorNumber->setTextFormat(Qt::PlainText);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    m_ok->setMinimumWidth(75);
    // This tag stays visible: the conflict message always names itself.
    auto *tag = new QLabel(QStringLiteral("IDD_POLICING"), this);
    tag->setObjectName(QStringLiteral("dialogTag"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(m_message, 0, 0, 1, 3);
    layout->addWidget(m_errorNumber, 1, 0, Qt::AlignLeft | Qt::AlignBottom);
    layout->addWidget(m_ok, 1, 1, Qt::AlignCenter);
    layout->addWidget(tag, 1, 2, Qt::AlignRight | Qt::AlignBottom);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(2, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void ConflictDialog::showEvent(QShowEvent *event)
{
    m_message->setText(toQString(messageText));
    // Wide enough for the longest line of the message (within reason), so that
    // no line breaks to leave a word alone.
    int widest = 0;
    for (const QString &line : m_message->text().split(QLatin1Char('\n')))
        widest = std::max(widest, m_message->fontMetrics().horizontalAdvance(line));
    m_message->setMinimumWidth(std::clamp(widest + 12, kMessageMinimumWidth, 640));
    m_errorNumber->setText(toQString(errorNumberText));
    m_ok->setFocus();
    QDialog::showEvent(event);
}

void showConflict(QWidget *parent, const std::string &errorNumberText,
                  const std::string &messageText)
{
    ConflictDialog dialog(parent);
    dialog.errorNumberText = errorNumberText;
    dialog.messageText = messageText;
    runModal(dialog);
}

} // namespace vendrix
