#include "cli/solution_json.h"

#include "model/result_fields.h"

namespace vendrix {

void writeSolutionObject(JsonWriter &json, const TubeSolution &s, bool profile)
{
    json.beginObject("solution");
    for (const ResultField<TubeSolution> &field : solutionResultFields()) {
        if (field.number)
            json.number(field.name, s.*field.number);
        else
            json.integer(field.name, static_cast<long>(s.*field.flag));
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
