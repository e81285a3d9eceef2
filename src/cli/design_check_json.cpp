#include "cli/design_check_json.h"

#include "cli/json_writer.h"
#include "model/windows1252.h"
#include "post/design_check.h"

namespace vendrix {

namespace {

using Value = std::optional<double> DesignCheckResult::*;
using Verdict = std::optional<bool> DesignCheckPass::*;
using Reason = std::optional<CheckReason> DesignCheckReasons::*;

struct NamedValue
{
    const char *name;
    Value value;
};

constexpr NamedValue kValues[] = {
    {"utilisationCircumferential", &DesignCheckResult::utilisationCircumferential},
    {"utilisationAxial", &DesignCheckResult::utilisationAxial},
    {"strain", &DesignCheckResult::strain},
    {"stretchedCircumference", &DesignCheckResult::stretchedCircumference},
    {"stretchedHeight", &DesignCheckResult::stretchedHeight},
    {"stretchedWidth", &DesignCheckResult::stretchedWidth},
    {"stretchedTension", &DesignCheckResult::stretchedTension},
    {"fillingRatio", nullptr}, // always given
    {"submergedWeight", &DesignCheckResult::submergedWeight},
    {"normalForce", &DesignCheckResult::normalForce},
    {"eccentricity", &DesignCheckResult::eccentricity},
    {"maxContactPressure", &DesignCheckResult::maxContactPressure},
    {"safetySliding", &DesignCheckResult::safetySliding},
    {"safetyOverturning", &DesignCheckResult::safetyOverturning},
    {"waveStabilityNumber", &DesignCheckResult::waveStabilityNumber},
};

struct NamedVerdict
{
    const char *name;
    Verdict verdict;
};

constexpr NamedVerdict kVerdicts[] = {
    {"utilisationCircumferential", &DesignCheckPass::utilisationCircumferential},
    {"utilisationAxial", &DesignCheckPass::utilisationAxial},
    {"foundation", &DesignCheckPass::foundation},
    {"sliding", &DesignCheckPass::sliding},
    {"overturning", &DesignCheckPass::overturning},
    {"waveStability", &DesignCheckPass::waveStability},
};

struct NamedReason
{
    const char *name;
    Reason reason;
};

constexpr NamedReason kReasons[] = {
    {"utilisationCircumferential", &DesignCheckReasons::utilisationCircumferential},
    {"utilisationAxial", &DesignCheckReasons::utilisationAxial},
    {"stretch", &DesignCheckReasons::stretch},
    {"foundation", &DesignCheckReasons::foundation},
    {"sliding", &DesignCheckReasons::sliding},
    {"overturning", &DesignCheckReasons::overturning},
    {"waveStability", &DesignCheckReasons::waveStability},
};

void writeResult(JsonWriter &json, const DesignCheckResult &r)
{
    for (const NamedValue &v : kValues) {
        const std::optional<double> value
            = v.value != nullptr ? r.*v.value : std::optional<double>(r.fillingRatio);
        if (value)
            json.number(v.name, *value);
        else
            json.null(v.name);
    }
    json.beginObject("pass");
    for (const NamedVerdict &v : kVerdicts) {
        if (const std::optional<bool> pass = r.pass.*v.verdict)
            json.boolean(v.name, *pass);
        else
            json.null(v.name);
    }
    json.endObject();
    json.beginObject("reasons");
    for (const NamedReason &v : kReasons) {
        if (const std::optional<CheckReason> reason = r.reasons.*v.reason)
            json.string(v.name, checkReasonText(*reason));
    }
    json.endObject();
}

} // namespace

void writeDesignCheckJson(JsonWriter &json, const ProjectRecord &record)
{
    json.beginObject("designCheck");
    TubeSolution exact;
    if (const std::optional<Failure> failure = solveForDesignCheck(record, exact))
        json.string("error", windows1252ToUtf8(failure->messageText));
    else
        writeResult(json, computeDesignCheck(record.input, exact, record.designCheck));
    json.endObject();
}

} // namespace vendrix
