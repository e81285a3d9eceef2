#pragma once
// Binds a dialog's number fields to the record through the field table: shows
// the record's values in the display units, reads what was typed back into a
// record (converted to SI), restores the "&Default" values and rounds to
// thousandths. Text that is not a number is reported as "Please enter a
// number." with the focus on its field.

#include "app/dialogs/common/field_edit.h"
#include "model/failure.h"

#include <functional>
#include <optional>
#include <vector>

namespace vendrix {

class FieldBinder
{
public:
    using FailureReport = std::function<void(const Failure &)>;

    // `record` gives the display settings; `report` shows a field that is not a number.
    FieldBinder(const ProjectRecord &record, FailureReport report);

    // A new number field for `field`, bound in the order of the calls (the
    // order fields are read and reported in).
    FieldEdit *addNumber(FieldId field, QWidget *parent);
    FieldEdit *edit(FieldId field) const;
    // The unit beside a bound field in the record's display units.
    QLabel *unitLabel(FieldId field, QWidget *parent) const;

    // The record's values of every bound field, as shown.
    void showRecord(const ProjectRecord &record);
    // Each bound field's own "&Default" value (a field that may be left empty
    // without one is emptied), or that of one field.
    void showDefaults();
    void showDefault(FieldId field);

    // The value typed into a field, or none when it is not a number (nothing shown).
    std::optional<double> typedValue(FieldId field) const;
    // The value typed into a field; reports text that is not a number.
    bool readShown(FieldId field, double &shown);
    // Every bound field into `into` (stored SI), stopping at the first that is
    // not a number; the values read before it are already stored. An empty
    // field that may be left empty stores the value it stands for.
    bool read(ProjectRecord &into);
    // The bound fields' values of `from` into `to`.
    void commit(const ProjectRecord &from, ProjectRecord &to) const;

    // Rounds the typed values to thousandths: every bound field, or only `only`
    // (every field must still hold a number).
    bool truncate();
    bool truncate(FieldId only);

private:
    bool readAll(std::vector<double> &shown);

    const ProjectRecord &m_record;
    FailureReport m_report;
    std::vector<FieldEdit *> m_edits;
};

} // namespace vendrix
