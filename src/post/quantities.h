#pragma once
// Quantities and cost for a tube of a given length: geosynthetic area per unit
// length, total cost, storage capacity and volume after consolidation, in the
// display units of the record's settings.

#include "model/failure.h"
#include "model/project_record.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vendrix {

struct Quantities
{
    double areaPerLength = 0; // Q1: m2/m or ft2/ft
    double tubeLength = 0; // m or ft, as shown
    double cost = 0; // per display area unit, read from the cost text
    double totalCost = 0;
    double storageCapacity = 0; // m3 or ft3
    double volumeAfterConsolidation = 0; // m3 or ft3
    bool consolidationShown = false; // a consolidated shape is current
    UnitSystem units = UnitSystem::SI; // of the shown values
};

// The leading number of the cost text, read like "%lf" ("12.5.3" reads 12.5);
// text that does not start with a number reads 0; a number too large for a
// double reads as infinity (refused by checkQuantities).
double readCostText(std::string_view costText);

// Values for the typed cost text and tube length (display units).
Quantities computeQuantities(const ProjectRecord &record, std::string_view costText,
                             double shownTubeLength);

// Error 501: a negative tube length (or one that is not a number).
std::optional<Failure> checkTubeLength(double shownTubeLength);

// Refuses quantities that are not all finite: a cost text beyond the range of
// numbers, or a length so large that storage or cost overflow. No error number
// (plain message box); the focus goes to the field to correct. Then a length
// beyond the bounds of its field (Error 502).
std::optional<Failure> checkQuantities(const Quantities &quantities);

// The quantities text (Windows-1252, CR LF line ends).
std::string quantitiesText(const ProjectRecord &record, const Quantities &quantities,
                           std::string_view remarks);

// Writes the quantities text; the reason when it could not be written.
std::optional<Failure> writeQuantitiesFile(const std::filesystem::path &path,
                                           const ProjectRecord &record,
                                           const Quantities &quantities, std::string_view remarks);

} // namespace vendrix
