// Records accepted by the project reader and by the input rules, taken through
// the run, both consolidation options and the quantities as the batch command
// does: every value the program then shows or writes must be a number. A
// computation that cannot give one must be caught by the checks that turn it
// into a reported failure.
#include "engine/analysis_run.h"
#include "engine/numerical_results.h"
#include "engine/solution_check.h"
#include "fuzz_check.h"
#include "model/field_table.h"
#include "model/input_rules.h"
#include "model/project_file.h"
#include "model/units.h"
#include "post/consolidation.h"
#include "post/quantities.h"
#include "report/results_text.h"
#include "report/spreadsheet_export.h"

#include <cstddef>
#include <cstdint>

using namespace vendrix;

namespace {

void requireNumbers(const std::string &text, const char *what)
{
    if (fuzz::showsNonNumber(text)) {
        std::fprintf(stderr, "%s\n", text.c_str());
        fuzz::broken(what);
    }
}

void checkShownResults(const ProjectRecord &record)
{
    for (const std::string &line : numericalResultsLines(record))
        requireNumbers(line, "numerical results show numbers");
    requireNumbers(resultsText(record), "the results text shows numbers");
    requireNumbers(spreadsheetText(record), "the spreadsheet shows numbers");
}

void checkQuantities(const ProjectRecord &record)
{
    const double shownLength
        = record.input.tubeLength * (isEnglish(record.display) ? kFeetPerMetre : 1.0);
    if (checkCostText(record.input.costPerUnitArea) || checkTubeLength(shownLength))
        return;
    const Quantities q = computeQuantities(record, record.input.costPerUnitArea, shownLength);
    if (vendrix::checkQuantities(q))
        return;
    requireNumbers(quantitiesText(record, q, ""), "the quantities show numbers");
}

void checkConsolidation(ProjectRecord record, int option)
{
    const double factor = isEnglish(record.display) ? kPcfPerKilonewtonPerCubicMetre : 1.0;
    if (checkConsolidationData(record, record.input.specificGravitySolids,
                               record.input.consolidatedUnitWeight * factor))
        return;
    if (option == 1) {
        record.state.shapeShown = Shape::Option1;
        computeConsolidationOption1(record);
    } else {
        record.state.shapeShown = Shape::Option2;
        computeConsolidationOption2(record);
    }
    if (checkConsolidationResult(record.consolidation))
        return;
    checkShownResults(record);
    checkQuantities(record);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ProjectRecord record;
    if (deserializeProject(std::string_view(reinterpret_cast<const char *>(data), size), record))
        return 0;
    // Texts the user typed are printed as they are; only the numbers matter here.
    for (const FieldEntry &entry : recordFields()) {
        if (entry.kind == FieldKind::Text && std::string_view(entry.name) != "costPerUnitArea")
            entry.text(record)->clear();
    }
    if (const auto failure = checkStoredInputs(record);
        failure && failure->number != kDesiredHeightAboveDiameter)
        return 0;
    if (runAnalysis(record).refused() || checkSolutionResult(record.solution))
        return 0;
    record.state.shapeShown = Shape::AsFilled;
    checkShownResults(record);
    checkQuantities(record);
    checkConsolidation(record, 1);
    checkConsolidation(record, 2);
    return 0;
}
