#pragma once
// The edit field of one record field, made from its field-table entry: its
// objectName is the field's name, a text field takes no more than the field's
// limit, a number field is right-aligned and knows its quantity and unit; one
// that may be left empty says what empty means.

#include "model/field_table.h"

#include <QLineEdit>

class QLabel;

namespace vendrix {

class FieldEdit : public QLineEdit
{
public:
    FieldEdit(FieldId field, QWidget *parent);

    FieldId field() const { return m_field; }
    const FieldEntry &entry() const { return fieldEntry(m_field); }

    // Shows a number the way every number field shows it ('.' as decimal point).
    void showNumber(double shown);
    // Shows a stored value in the display units; empty for the value an empty
    // field stands for.
    void showStored(double stored, const DisplaySettings &display);

private:
    FieldId m_field;
};

// Shows a number in any line edit the way number fields do.
void showFieldNumber(QLineEdit *edit, double shown);

// The label the field table gives the field (an empty label when it has none).
QLabel *makeFieldLabel(FieldId field, QWidget *parent);

// The unit shown beside a number field, e.g. "[kN/m ³]", named "<field>Unit";
// an empty label for a plain number.
QLabel *makeUnitLabel(FieldId field, const DisplaySettings &display, QWidget *parent);

} // namespace vendrix
