#include "app/dialogs/common/form_dialog.h"

#include "app/dialogs/common/dialog_widgets.h"
#include "graphics/dialog_artwork.h"
#include "graphics/qt_text.h"
#include "model/c_format.h"
#include "model/input_rules.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcutEvent>
#include <QShowEvent>

namespace vendrix {

void applyDialogFace(QWidget *widget, const QColor &face)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    // A control that does nothing must look so: grey text, and a field on the
    // face colour instead of the white of one that can be typed into.
    const QColor greyText(128, 128, 128);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, greyText);
    palette.setColor(QPalette::Disabled, QPalette::Base, face);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QPushButton *makeTruncateButton(QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QStringLiteral("truncate"));
    button->setIcon(truncateIcon());
    button->setIconSize(kTruncateIconSize);
    button->setToolTip(QStringLiteral("TRUNCATE"));
    button->setAccessibleName(QStringLiteral("TRUNCATE"));
    return button;
}

FormDialog::FormDialog(ProjectRecord &record, const UiServices &services, const char *tagName,
                       QWidget *parent)
    : QDialog(parent)
    , m_record(record)
    , m_services(services)
    , m_fields(record, [this](const Failure &failure) { showFailure(failure); })
    , m_tag(new QLabel(QString::fromLatin1(tagName), this))
{
    applyDialogFace(this, kDialogFaceColour);
    m_tag->setObjectName(QStringLiteral("dialogTag"));
    m_tag->setVisible(!record.state.hideDialogTags);
    // The caption's help button opens the window's help topic.
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
}

FormDialog::EditButtons FormDialog::makeEditButtons(bool withDefaults, bool withTruncate)
{
    EditButtons buttons;
    buttons.cancel = makeButton(QStringLiteral("&Cancel"), "cancel", this);
    if (withDefaults)
        buttons.defaults = makeButton(QStringLiteral("&Default"), "default", this);
    if (withTruncate)
        buttons.truncate = makeTruncateButton(this);
    return buttons;
}

QHBoxLayout *FormDialog::editButtonRow(QPushButton *ok, const EditButtons &buttons)
{
    auto *row = new QHBoxLayout;
    row->addWidget(ok);
    row->addWidget(buttons.cancel);
    row->addWidget(buttons.defaults);
    row->addStretch();
    row->addWidget(m_tag);
    row->addWidget(buttons.truncate);
    return row;
}

QHBoxLayout *FormDialog::taggedButtonRow(std::initializer_list<QPushButton *> buttons)
{
    auto *row = new QHBoxLayout;
    row->addWidget(m_tag);
    row->addStretch();
    for (QPushButton *button : buttons)
        row->addWidget(button);
    return row;
}

void FormDialog::connectEditButtons(QPushButton *ok, const EditButtons &buttons,
                                    const std::function<void()> &restoreDefaults,
                                    const std::function<void()> &truncate)
{
    if (ok != nullptr) {
        // Otherwise the dialog frames the first button after the focus (Cancel)
        // as its default.
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, [this, ok] {
            if (hasFocusOn(ok))
                accept();
        });
    }
    if (buttons.cancel != nullptr)
        connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    if (buttons.defaults != nullptr && restoreDefaults)
        connect(buttons.defaults, &QPushButton::clicked, this, restoreDefaults);
    if (buttons.truncate != nullptr && truncate)
        connect(buttons.truncate, &QPushButton::clicked, this, truncate);
}

QString FormDialog::helpTopic() const
{
    return property("helpTopic").toString();
}

void FormDialog::setHelpTopic(const QString &topic)
{
    setProperty("helpTopic", topic);
}

void FormDialog::showEvent(QShowEvent *event)
{
    // An underlined letter (Alt+O, Alt+1) presses its button as a click does,
    // and buttons that act only with the focus need it first.
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        button->installEventFilter(this);
    if (QWidget *first = firstField(); first && !event->spontaneous())
        first->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}

void FormDialog::setEnterSuccessor(QWidget *from, QWidget *to)
{
    m_enterOrder[from] = to;
}

QWidget *FormDialog::enterSuccessor(QWidget *from) const
{
    const auto it = m_enterOrder.find(from);
    return it == m_enterOrder.end() ? nullptr : it->second;
}

void FormDialog::watchMultiLineEnter(QWidget *editor)
{
    editor->installEventFilter(this);
}

bool FormDialog::hasFocusOn(const QWidget *widget) const
{
    return focusWidget() == widget;
}

void FormDialog::moveFocusFrom(QWidget *from)
{
    QWidget *to = enterSuccessor(from);
    if (to != nullptr && to->isVisibleTo(this) && to->isEnabled()) {
        to->setFocus(Qt::TabFocusReason);
        if (auto *edit = qobject_cast<QLineEdit *>(to))
            edit->selectAll();
    }
}

void FormDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(helpTopic());
        event->accept();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier).toInt() != 0) {
        QDialog::keyPressEvent(event);
        return;
    }
    QWidget *from = focusWidget();
    if (auto *button = qobject_cast<QPushButton *>(from)) {
        if (button->isEnabled())
            button->click();
    } else if (from != nullptr) {
        moveFocusFrom(from);
    }
    event->accept();
}

bool FormDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        auto *button = qobject_cast<QAbstractButton *>(watched);
        if (button && button->isEnabled() && button->focusPolicy() != Qt::NoFocus
            && !static_cast<QShortcutEvent *>(event)->isAmbiguous())
            button->setFocus(Qt::ShortcutFocusReason);
        return false;
    }
    auto *editor = qobject_cast<QPlainTextEdit *>(watched);
    if (editor != nullptr && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers().testAnyFlags(Qt::ControlModifier | Qt::ShiftModifier))
                editor->insertPlainText(QStringLiteral("\n"));
            else
                moveFocusFrom(editor);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool FormDialog::showsFailure(const std::optional<Failure> &failure)
{
    if (failure)
        showFailure(*failure);
    return failure.has_value();
}

void FormDialog::showFailure(const Failure &failure)
{
    if (failure.number == 0) {
        if (m_services.message)
            m_services.message(this, failureText(failure));
    } else if (m_services.conflict) {
        m_services.conflict(this, failure.errorNumberText(), failure.messageText);
    }
    focusField(toQString(failure.focusField));
}

void FormDialog::focusField(const QString &objectName)
{
    if (objectName.isEmpty())
        return;
    if (auto *field = findChild<QWidget *>(objectName)) {
        field->setFocus(Qt::OtherFocusReason);
        if (auto *edit = qobject_cast<QLineEdit *>(field))
            edit->selectAll();
    }
}

} // namespace vendrix
