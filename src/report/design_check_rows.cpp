#include "report/design_check_rows.h"

#include "model/c_format.h"
#include "model/units.h"

namespace vendrix {

namespace {

// Display factors and labels of the quantities the check shows.
struct Shown
{
    UnitFactors f;
    UnitLabels units;

    explicit Shown(const DisplaySettings &display)
        : f(UnitFactors::forSettings(display.unitSystem))
        , units(unitLabels(display))
    { }

    std::string length(double m) const { return formatResult(3, m * f.length); }
    std::string force(double kNm) const { return formatResult(2, kNm * f.forcePerLength); }
    // Foundation pressures in kPa or psf, as the allowable one is entered.
    std::string pressure(double kPa) const { return formatResult(2, kPa * f.pressurePsf); }
    std::string withUnit(const std::string &value, const char *label) const
    {
        return value + " " + label;
    }
};

std::string factor(double value)
{
    return formatResult(3, value);
}

std::string reasonNote(const std::optional<CheckReason> &reason)
{
    return reason ? checkReasonText(*reason) : "";
}

RowVerdict verdictOf(const std::optional<bool> &pass)
{
    if (!pass)
        return RowVerdict::None;
    return *pass ? RowVerdict::Pass : RowVerdict::Fail;
}

DesignCheckRow checkRow(const char *name, const std::optional<double> &value, std::string limit,
                        const std::optional<bool> &pass, const std::optional<CheckReason> &reason,
                        const std::string &shownValue = {})
{
    return {name, value ? (shownValue.empty() ? factor(*value) : shownValue) : "-",
            std::move(limit), verdictOf(pass), reasonNote(reason)};
}

const char *fillingBandText(FillingBand band)
{
    switch (band) {
    case FillingBand::Usual:
        return "usual for dewatering (up to 0.6)";
    case FillingBand::High:
        return "high: pumping must be controlled (0.6 to 0.8)";
    case FillingBand::VeryHigh:
        return "very high: risk of over-filling (above 0.8)";
    }
    return "";
}

const char *stretchEndText(StretchEnd end)
{
    switch (end) {
    case StretchEnd::Converged:
        return "";
    case StretchEnd::StepLimit:
        return "not settled after 50 steps; ";
    case StretchEnd::StrainLimit:
        return "strain limited to 0.5; ";
    case StretchEnd::NoTube:
        return "no stretched tube holds the fill";
    }
    return "";
}

DesignCheckRow stretchRow(const DesignCheckResult &r, const Shown &s)
{
    DesignCheckRow row
        = checkRow("Fabric strain T/J", r.strain, "", std::nullopt, r.reasons.stretch,
                   r.strain ? formatResult(2, *r.strain * 100) + " %" : "");
    if (!r.stretch)
        return row;
    const FabricStretch &st = *r.stretch;
    row.note = stretchEndText(st.end);
    if (st.end == StretchEnd::NoTube)
        return row;
    row.note += "C " + s.length(st.circumference) + ", H " + s.length(st.height) + " ("
        + (st.heightChange >= 0 ? "+" : "") + s.length(st.heightChange) + "), W "
        + s.length(st.width) + ", T " + s.force(st.tension) + " " + s.units.forcePerLength;
    return row;
}

void rigidBodyRows(std::vector<DesignCheckRow> &rows, const DesignCheckInputs &check,
                   const DesignCheckResult &r, const Shown &s)
{
    const auto valueIn
        = [](const std::optional<double> &v, std::string text) { return v ? text : std::string(); };
    rows.push_back(checkRow(
        "Submerged weight W'", r.submergedWeight, "", std::nullopt, std::nullopt,
        valueIn(r.submergedWeight,
                s.withUnit(s.force(r.submergedWeight.value_or(0)), s.units.forcePerLength))));
    rows.push_back(
        checkRow("Normal force N", r.normalForce, "", std::nullopt, std::nullopt,
                 valueIn(r.normalForce,
                         s.withUnit(s.force(r.normalForce.value_or(0)), s.units.forcePerLength))));
    rows.push_back(checkRow(
        "Eccentricity e", r.eccentricity, "", std::nullopt, std::nullopt,
        valueIn(r.eccentricity, s.withUnit(s.length(r.eccentricity.value_or(0)), s.units.length))));
    rows.push_back(checkRow("Sliding safety factor", r.safetySliding,
                            ">= " + factor(check.requiredSafetySliding), r.pass.sliding,
                            r.reasons.sliding));
    rows.push_back(checkRow("Overturning safety factor", r.safetyOverturning,
                            ">= " + factor(check.requiredSafetyOverturning), r.pass.overturning,
                            r.reasons.overturning));
    const std::string allowable = check.allowableBearingPressure > 0
        ? "<= " + s.withUnit(s.pressure(check.allowableBearingPressure), s.units.foundationPressure)
        : "";
    rows.push_back(checkRow("Maximum contact pressure q", r.maxContactPressure, allowable,
                            r.pass.foundation, r.reasons.foundation,
                            valueIn(r.maxContactPressure,
                                    s.withUnit(s.pressure(r.maxContactPressure.value_or(0)),
                                               s.units.foundationPressure))));
    if (r.partialContact)
        rows.back().note = "contact lost over part of the base";
}

} // namespace

const char *verdictText(RowVerdict verdict)
{
    switch (verdict) {
    case RowVerdict::Pass:
        return "PASS";
    case RowVerdict::Fail:
        return "FAIL";
    case RowVerdict::None:
        return "";
    }
    return "";
}

std::vector<std::string> designCheckInputLines(const DesignCheckInputs &check,
                                               const DesignCheckResult &r,
                                               const DisplaySettings &display)
{
    const Shown s(display);
    const auto checked = [](double value, std::string text) {
        return value > 0 ? text : std::string("not checked");
    };
    const char *force = s.units.forcePerLength;
    return {
        "Available ultimate strength, circumferential: "
            + checked(r.availableStrengthCircumferential,
                      s.withUnit(s.force(r.availableStrengthCircumferential), force)),
        "Available ultimate strength, axial: "
            + checked(check.fabricStrengthAxial,
                      s.withUnit(s.force(check.fabricStrengthAxial), force)),
        "Tensile stiffness J: "
            + checked(check.fabricStiffness, s.withUnit(s.force(check.fabricStiffness), force)),
        "Water level loaded side h1: " + s.withUnit(s.length(r.loadedLevel), s.units.length)
            + (check.waterLevelLoaded == kFollowFluidHeight ? " (outside fluid)" : ""),
        "Water level protected side h2: " + s.withUnit(s.length(r.protectedLevel), s.units.length)
            + (check.waterLevelProtected == kFollowFluidHeight ? " (outside fluid)" : ""),
        "Friction coefficient: " + factor(check.foundationFriction),
        "Allowable bearing pressure: "
            + checked(
                check.allowableBearingPressure,
                s.withUnit(s.pressure(check.allowableBearingPressure), s.units.foundationPressure)),
        "Design wave height Hs: "
            + checked(check.designWaveHeight,
                      s.withUnit(s.length(check.designWaveHeight), s.units.length)),
    };
}

std::vector<DesignCheckRow> designCheckRows(const DesignCheckInputs &check,
                                            const DesignCheckResult &r,
                                            const DisplaySettings &display)
{
    const Shown s(display);
    std::vector<DesignCheckRow> rows;
    rows.push_back(checkRow("Fabric utilisation, circumferential", r.utilisationCircumferential,
                            "<= 1", r.pass.utilisationCircumferential,
                            r.reasons.utilisationCircumferential));
    rows.push_back(checkRow("Fabric utilisation, axial", r.utilisationAxial, "<= 1",
                            r.pass.utilisationAxial, r.reasons.utilisationAxial));
    rows.push_back(stretchRow(r, s));
    rows.push_back({"Filling ratio H/D", factor(r.fillingRatio), "guidance", RowVerdict::None,
                    fillingBandText(r.fillingBand)});
    rigidBodyRows(rows, check, r, s);
    rows.push_back(checkRow("Wave stability number", r.waveStabilityNumber,
                            "<= " + factor(check.waveStabilityLimit), r.pass.waveStability,
                            r.reasons.waveStability));
    return rows;
}

std::vector<std::string> designCheckNotes(const DesignCheckResult &r, SolutionMethod chosen)
{
    std::vector<std::string> notes;
    if (chosen != SolutionMethod::Exact)
        notes.emplace_back("Solved by the exact method (Options chooses the classic method).");
    notes.emplace_back("The shape is not re-solved for the level difference: the water acts on "
                       "the solved outline.");
    if (r.reasons.sliding == CheckReason::Overtopped)
        notes.emplace_back("The loaded level is above the crest: overtopping is not covered "
                           "by this check.");
    return notes;
}

} // namespace vendrix
