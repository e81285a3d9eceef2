#include "post/quantities.h"

#include "model/atomic_file.h"
#include "model/c_format.h"
#include "model/input_rules.h"
#include "model/units.h"

#include <cctype>
#include <cmath>

namespace vendrix {

double readCostText(std::string_view costText)
{
    const std::string text(costText);
    const char *begin = text.c_str();
    while (*begin != '\0' && std::isspace(static_cast<unsigned char>(*begin)) != 0)
        ++begin;
    char *end = nullptr;
    const double value = strtodC(begin, &end);
    if (end == begin)
        return 0;
    // Read in full precision: a float would turn costs from about 3.4e38 up into
    // infinity. A text beyond even a double stays infinite for checkQuantities.
    return value;
}

Quantities computeQuantities(const ProjectRecord &record, std::string_view costText,
                             double shownTubeLength)
{
    const double length = isEnglish(record.display) ? kFeetPerMetre : 1.0;
    Quantities q;
    q.areaPerLength = record.solution.computedCircumference * length;
    q.tubeLength = shownTubeLength;
    q.cost = readCostText(costText);
    q.totalCost = q.cost * shownTubeLength * q.areaPerLength;
    q.storageCapacity = length * (record.solution.totalArea * shownTubeLength * length);
    q.units = record.display.unitSystem;
    q.consolidationShown
        = record.state.shapeShown == Shape::Option1 || record.state.shapeShown == Shape::Option2;
    q.volumeAfterConsolidation
        = length * (record.consolidation.consolidatedArea * shownTubeLength * length);
    return q;
}

std::optional<Failure> checkTubeLength(double shownTubeLength)
{
    if (!(shownTubeLength >= 0))
        return Failure {501, std::string("Length should not be negative") + kPleaseCorrect,
                        "tubeLength"};
    return std::nullopt;
}

std::optional<Failure> checkQuantities(const Quantities &q)
{
    if (!std::isfinite(q.cost))
        return Failure {0, std::string("Cost per unit area is too large.") + kPleaseCorrect,
                        "costPerUnitArea"};
    for (const double value : {q.areaPerLength, q.tubeLength, q.totalCost, q.storageCapacity,
                               q.volumeAfterConsolidation}) {
        if (!std::isfinite(value))
            return Failure {
                0,
                std::string("Length of tube is too large for the quantities to be computed.")
                    + kPleaseCorrect,
                "tubeLength"};
    }
    DisplaySettings display;
    display.unitSystem = q.units;
    return checkNumberBounds(FieldId::TubeLength, q.tubeLength, display);
}

std::string quantitiesText(const ProjectRecord &record, const Quantities &q,
                           std::string_view remarks)
{
    const bool english = isEnglish(record.display);
    const bool asian = record.display.asianPacific;
    const std::string currency = "[" + printableLine(record.display.currencyUnit) + "]";
    const std::string rule(65, '=');
    const char *prefix = nullptr;
    const char *suffix = nullptr;
    if (!english) {
        prefix = asian ? "        m^2/ m                 m           "
                       : "        m\xB2 / m                 m           ";
        suffix = asian ? "/ m^2       " : "/ m\xB2        ";
    } else {
        prefix = asian ? "       ft^2/ ft                ft          "
                       : "       ft\xB2 / ft                ft          ";
        suffix = asian ? " / ft^2     " : " / ft\xB2      ";
    }
    const char *volumeUnit
        = english ? (asian ? "  ft^3" : "  ft \xB3") : (asian ? "  m^3" : "  m \xB3");

    std::string text;
    text += printableLines(remarks) + "\n";
    text += "  \n\n\n\n";
    text += rule + "\n";
    text += " Area of encapsulating      Length   Cost per unit area   Total\n";
    text += " geosynthetic               of tube    of Geosynthetic    Cost\n";
    text += " per unit length of tube\n";
    text += prefix + currency + suffix + currency + "\n";
    text += rule + "\n";
    text += " " + formatC("%11.2f", q.areaPerLength) + formatC("%21.0f", q.tubeLength)
        + formatC("%15.2f", q.cost) + formatC("%17.2f", q.totalCost) + "\n";
    text += rule + "\n";
    text += " \n\n\n";
    text += "Total storage capacity of tube is " + formatC("%.0f", q.storageCapacity) + volumeUnit
        + "\n";
    if (q.consolidationShown)
        text += "Estimated total volume after consolidation is "
            + formatC("%.0f", q.volumeAfterConsolidation) + volumeUnit + "\n";
    text += "  \n\n\n\n";

    return withCrLf(text);
}

std::optional<Failure> writeQuantitiesFile(const std::filesystem::path &path,
                                           const ProjectRecord &record,
                                           const Quantities &quantities, std::string_view remarks)
{
    return writeFileAtomically(path, quantitiesText(record, quantities, remarks));
}

} // namespace vendrix
