#include "app/dialogs/common/field_edit.h"

#include "graphics/qt_text.h"
#include "model/c_format.h"

#include <QLabel>

namespace vendrix {

FieldEdit::FieldEdit(FieldId field, QWidget *parent)
    : QLineEdit(parent)
    , m_field(field)
{
    const FieldEntry &e = entry();
    setObjectName(QString::fromLatin1(e.name));
    if (e.kind == FieldKind::Number) {
        setMinimumWidth(110);
        setMaximumWidth(150);
        setAlignment(Qt::AlignRight);
        if (e.blankText) {
            // Wide enough to read what an empty field means.
            setPlaceholderText(QString::fromLatin1(e.blankText));
            const int width = fontMetrics().horizontalAdvance(placeholderText()) + 16;
            setMinimumWidth(width);
            setMaximumWidth(width);
        }
    } else if (e.maxLength > 0) {
        setMaxLength(e.maxLength);
    }
}

void FieldEdit::showNumber(double shown)
{
    showFieldNumber(this, shown);
}

void FieldEdit::showStored(double stored, const DisplaySettings &display)
{
    if (isBlankValue(m_field, stored))
        clear();
    else
        showNumber(shownFieldValue(m_field, stored, display));
}

void showFieldNumber(QLineEdit *edit, double shown)
{
    edit->setText(QString::fromStdString(formatFieldNumber(shown)));
}

QLabel *makeFieldLabel(FieldId field, QWidget *parent)
{
    const char *text = fieldEntry(field).label;
    return new QLabel(QString::fromLatin1(text ? text : ""), parent);
}

QLabel *makeUnitLabel(FieldId field, const DisplaySettings &display, QWidget *parent)
{
    const FieldEntry &entry = fieldEntry(field);
    const char *unit = quantityUnitLabel(entry.quantity, display);
    auto *label = new QLabel(toQString(unit ? unit : ""), parent);
    label->setObjectName(QString::fromLatin1(entry.name) + QStringLiteral("Unit"));
    return label;
}

} // namespace vendrix
