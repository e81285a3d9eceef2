#include "post/parametric_study.h"

#include "engine/reduction_factors.h"
#include "model/unit_constants.h"

#include <cmath>

namespace vendrix {

const std::vector<StudyValue> &allStudyValues()
{
    static const std::vector<StudyValue> values = {
        StudyValue::Height,
        StudyValue::MaxWidth,
        StudyValue::BaseWidth,
        StudyValue::StorageArea,
        StudyValue::WorkingStrengthCircumferential,
        StudyValue::WorkingStrengthAxial,
        StudyValue::RequiredStrengthCircumferential,
        StudyValue::RequiredStrengthAxial,
        StudyValue::PumpingPressure,
        StudyValue::HeightPerDiameter,
    };
    return values;
}

const char *studyValueName(StudyValue value)
{
    switch (value) {
    case StudyValue::Height:
        return "maxHeight";
    case StudyValue::MaxWidth:
        return "maxWidth";
    case StudyValue::BaseWidth:
        return "baseWidth";
    case StudyValue::StorageArea:
        return "storageArea";
    case StudyValue::WorkingStrengthCircumferential:
        return "workingStrengthCircumferential";
    case StudyValue::WorkingStrengthAxial:
        return "workingStrengthAxial";
    case StudyValue::RequiredStrengthCircumferential:
        return "requiredStrengthCircumferential";
    case StudyValue::RequiredStrengthAxial:
        return "requiredStrengthAxial";
    case StudyValue::PumpingPressure:
        return "pumpingPressure";
    case StudyValue::HeightPerDiameter:
        break;
    }
    return "heightPerDiameter";
}

const char *studyValueLabel(StudyValue value)
{
    switch (value) {
    case StudyValue::Height:
        return "Maximum height";
    case StudyValue::MaxWidth:
        return "Maximum width";
    case StudyValue::BaseWidth:
        return "Base width";
    case StudyValue::StorageArea:
        return "Storage area";
    case StudyValue::WorkingStrengthCircumferential:
        return "Working strength circumferential";
    case StudyValue::WorkingStrengthAxial:
        return "Working strength axial";
    case StudyValue::RequiredStrengthCircumferential:
        return "Required strength circumferential";
    case StudyValue::RequiredStrengthAxial:
        return "Required strength axial";
    case StudyValue::PumpingPressure:
        return "Pumping pressure";
    case StudyValue::HeightPerDiameter:
        break;
    }
    return "H/D";
}

Quantity studyValueQuantity(StudyValue value)
{
    switch (value) {
    case StudyValue::Height:
    case StudyValue::MaxWidth:
    case StudyValue::BaseWidth:
        return Quantity::Length;
    case StudyValue::StorageArea:
        return Quantity::Area;
    case StudyValue::WorkingStrengthCircumferential:
    case StudyValue::WorkingStrengthAxial:
    case StudyValue::RequiredStrengthCircumferential:
    case StudyValue::RequiredStrengthAxial:
        return Quantity::ForcePerLength;
    case StudyValue::PumpingPressure:
        return Quantity::Pressure;
    case StudyValue::HeightPerDiameter:
        break;
    }
    return Quantity::None;
}

double studyValueOf(const StudyPoint &point, StudyValue value)
{
    if (!point.solved)
        return std::nan("");
    const TubeSolution &s = point.solution;
    // Working strength as the numerical results give it: required / product.
    const ReductionFactorProducts rf = reductionFactorProducts(point.input);
    switch (value) {
    case StudyValue::Height:
        return s.maxHeight;
    case StudyValue::MaxWidth:
        return s.maxWidth;
    case StudyValue::BaseWidth:
        return s.baseWidth;
    case StudyValue::StorageArea:
        return s.totalArea;
    case StudyValue::WorkingStrengthCircumferential:
        return s.ultimateStrengthCircumferential / rf.circumferential;
    case StudyValue::WorkingStrengthAxial:
        return s.ultimateStrengthAxial / rf.axial;
    case StudyValue::RequiredStrengthCircumferential:
        return s.ultimateStrengthCircumferential;
    case StudyValue::RequiredStrengthAxial:
        return s.ultimateStrengthAxial;
    case StudyValue::PumpingPressure:
        return s.inletPressure;
    case StudyValue::HeightPerDiameter:
        break;
    }
    return s.maxHeight / (point.input.circumference / kPi);
}

double shownStudyInput(std::string_view field, double stored, const DisplaySettings &display)
{
    const FieldEntry *entry = findRecordField(field);
    return entry ? shownFieldValue(entry->id, stored, display) : stored;
}

double storedStudyInput(std::string_view field, double shown, const DisplaySettings &display)
{
    const FieldEntry *entry = findRecordField(field);
    return entry ? storedFieldValue(entry->id, shown, display) : shown;
}

double studyInputValue(const ProjectRecord &project, std::string_view field)
{
    const FieldEntry *entry = findRecordField(field);
    return entry && entry->number ? storedRecordValue(project, entry->id) : 0;
}

Quantity studyInputQuantity(std::string_view field)
{
    const FieldEntry *entry = findRecordField(field);
    return entry ? entry->quantity : Quantity::None;
}

} // namespace vendrix
