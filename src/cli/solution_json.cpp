#include "cli/solution_json.h"

namespace vendrix {

namespace {

// The results under "solution", in their order; each key is the field's name.
struct SolutionKey
{
    const char *name;
    double TubeSolution::*number;
    decltype(TubeSolution::convergenceWarning) TubeSolution::*flag; // when number is null
};

const SolutionKey kSolutionKeys[] = {
    {"computedCircumference", &TubeSolution::computedCircumference, nullptr},
    {"inletPressure", &TubeSolution::inletPressure, nullptr},
    {"totalArea", &TubeSolution::totalArea, nullptr},
    {"ultimateStrengthCircumferential", &TubeSolution::ultimateStrengthCircumferential, nullptr},
    {"ultimateStrengthAxial", &TubeSolution::ultimateStrengthAxial, nullptr},
    {"convergenceWarning", nullptr, &TubeSolution::convergenceWarning},
    {"maxHeight", &TubeSolution::maxHeight, nullptr},
    {"maxWidth", &TubeSolution::maxWidth, nullptr},
    {"heightAtMaxWidth", &TubeSolution::heightAtMaxWidth, nullptr},
    {"baseWidth", &TubeSolution::baseWidth, nullptr},
    {"areaLowerSlurry", &TubeSolution::areaLowerSlurry, nullptr},
    {"areaUpperSlurry", &TubeSolution::areaUpperSlurry, nullptr},
};

} // namespace

void writeSolutionObject(JsonWriter &json, const TubeSolution &s, bool profile)
{
    json.beginObject("solution");
    for (const SolutionKey &key : kSolutionKeys) {
        if (key.number)
            json.number(key.name, s.*key.number);
        else
            json.integer(key.name, static_cast<long>(s.*key.flag));
    }
    if (profile) {
        json.beginArray("profileX");
        for (int i = 0; i < kProfilePoints; ++i)
            json.arrayNumber(s.profileX[static_cast<size_t>(i)]);
        json.endArray();
        json.beginArray("profileY");
        for (int i = 0; i < kProfilePoints; ++i)
            json.arrayNumber(s.profileY[static_cast<size_t>(i)]);
        json.endArray();
    }
    json.endObject();
}

} // namespace vendrix
