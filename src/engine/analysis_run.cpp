#include "engine/analysis_run.h"

#include "engine/classic_run.h"
#include "engine/exact_run.h"
#include "engine/solution_check.h"
#include "model/c_format.h"
#include "model/input_rules.h"

namespace vendrix {

namespace {

// A desired height above the ideal diameter, compared in SI so that a height
// equal to the ideal diameter passes in both unit systems; the message shows
// display units.
std::optional<Failure> checkDesiredHeight(const TubeInput &input, const DisplaySettings &display)
{
    if (input.analysisType != AnalysisType::GivenHeight
        || !(input.desiredMaxHeight > input.circumference * kRunDiameterPerCircumference))
        return std::nullopt;
    const bool english = isEnglish(display);
    const double f = english ? kFeetPerMetre : 1.0;
    const double diameter = input.circumference * f * kRunDiameterPerCircumference;
    return Failure {kDesiredHeightAboveDiameter,
                    "Maximum desired height of tube should not exceed "
                        + formatC("%.2f", diameter - 0.005) + (english ? " [ft]\n" : " [m]\n")
                        + "i.e., the diameter of an ideal circular tube having the given\n"
                          "circumference of "
                        + formatC("%.2f", input.circumference * f) + (english ? " [ft]." : " [m].")
                        + "\n\nPlease correcet",
                    {}};
}

} // namespace

RunOutcome solveAnalysis(ProjectRecord &record, SolutionMethod method)
{
    RunOutcome outcome;
    const TubeInput &input = record.input;
    // An opened file may carry a circumference the Slurry Data dialog refuses;
    // no tube has one. The sign is the same in both unit systems.
    outcome.failure = checkCircumference(input.circumference);
    if (!outcome.failure)
        outcome.failure = checkDesiredHeight(input, record.display);
    if (outcome.failure)
        return outcome;

    if (method == SolutionMethod::Exact)
        outcome.failure = runExact(record, outcome);
    else
        runClassic(record, outcome);
    if (!outcome.failure)
        record.state.resultsValid = true;
    return outcome;
}

RunOutcome runAnalysis(ProjectRecord &record, SolutionMethod method)
{
    // A refused run keeps the state as it was. The solver refuses a height
    // above the diameter with its own Error No.302.
    if (auto failure = checkStoredInputs(record);
        failure && failure->number != kDesiredHeightAboveDiameter) {
        RunOutcome refused;
        refused.failure = std::move(failure);
        return refused;
    }
    RunOutcome outcome = solveAnalysis(record, method);
    if (outcome.refused())
        return outcome;
    // Results that are not numbers are never shown: the run counts as failed.
    outcome.failure = checkSolutionResult(record.solution);
    record.state.resultsValid = !outcome.failure;
    if (outcome.failure)
        return outcome;
    outcome.warning = record.solution.convergenceWarning;
    record.state.shapeShown = Shape::AsFilled;
    return outcome;
}

} // namespace vendrix
