#include "app/dialogs/common/field_binder.h"

#include "graphics/qt_text.h"
#include "model/input_rules.h"
#include "model/units.h"

namespace vendrix {

FieldBinder::FieldBinder(const ProjectRecord &record, FailureReport report)
    : m_record(record)
    , m_report(std::move(report))
{ }

FieldEdit *FieldBinder::addNumber(FieldId field, QWidget *parent)
{
    auto *edit = new FieldEdit(field, parent);
    m_edits.push_back(edit);
    return edit;
}

FieldEdit *FieldBinder::edit(FieldId field) const
{
    for (FieldEdit *edit : m_edits) {
        if (edit->field() == field)
            return edit;
    }
    return nullptr;
}

QLabel *FieldBinder::unitLabel(FieldId field, QWidget *parent) const
{
    return makeUnitLabel(field, m_record.display, parent);
}

void FieldBinder::showRecord(const ProjectRecord &record)
{
    for (FieldEdit *edit : m_edits)
        edit->showStored(storedRecordValue(record, edit->field()), record.display);
}

void FieldBinder::showDefaults()
{
    for (FieldEdit *edit : m_edits) {
        if (edit->entry().dialogDefault)
            showDefault(edit->field());
        else if (edit->entry().blankValue)
            edit->clear();
    }
}

void FieldBinder::showDefault(FieldId field)
{
    edit(field)->showNumber(dialogDefaultValue(field, m_record.display.unitSystem));
}

std::optional<double> FieldBinder::typedValue(FieldId field) const
{
    return parseShownNumber(fromQString(edit(field)->text()));
}

bool FieldBinder::readShown(FieldId field, double &shown)
{
    if (const auto failure = checkNumberField(field, fromQString(edit(field)->text()), shown)) {
        if (m_report)
            m_report(*failure);
        return false;
    }
    return true;
}

bool FieldBinder::read(ProjectRecord &into)
{
    for (FieldEdit *edit : m_edits) {
        const std::optional<double> &blank = edit->entry().blankValue;
        if (blank && edit->text().trimmed().isEmpty()) {
            *edit->entry().number(into) = *blank;
            continue;
        }
        double shown = 0;
        if (!readShown(edit->field(), shown))
            return false;
        *edit->entry().number(into) = storedFieldValue(edit->field(), shown, m_record.display);
    }
    return true;
}

void FieldBinder::commit(const ProjectRecord &from, ProjectRecord &to) const
{
    for (FieldEdit *edit : m_edits)
        *edit->entry().number(to) = storedRecordValue(from, edit->field());
}

bool FieldBinder::readAll(std::vector<double> &shown)
{
    shown.assign(m_edits.size(), 0.0);
    for (std::size_t i = 0; i < m_edits.size(); ++i) {
        if (!readShown(m_edits[i]->field(), shown[i]))
            return false;
    }
    return true;
}

bool FieldBinder::truncate()
{
    std::vector<double> shown;
    if (!readAll(shown))
        return false;
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        m_edits[i]->showNumber(roundToThousandths(shown[i]));
    return true;
}

bool FieldBinder::truncate(FieldId only)
{
    std::vector<double> shown;
    if (!readAll(shown))
        return false;
    for (std::size_t i = 0; i < m_edits.size(); ++i) {
        if (m_edits[i]->field() == only)
            m_edits[i]->showNumber(roundToThousandths(shown[i]));
    }
    return true;
}

} // namespace vendrix
