#pragma once
// The data of the one open project: inputs, identification, display settings,
// run-time state and the latest results. All physical values are stored in SI.

#include "model/design_check_inputs.h"
#include "model/record_text.h"
#include "model/solution_method.h"
#include "model/units.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace vendrix {

// Number of profile points of the half cross-section: one per 0.5 degree of
// tangent angle from the edge of the base contact (0) to the crest (360).
inline constexpr int kProfilePoints = 361;
// The profile arrays carry one spare entry that stays 0.
inline constexpr int kProfileArraySize = 362;

using ProfileArray = std::array<double, kProfileArraySize>;

// Objective of the analysis; stored as 0, 1, 2 (the radio-button index).
enum class AnalysisType : int { GivenStrength = 0, GivenHeight = 1, GivenPressure = 2 };

// A shape the drawings, reports and printout can show: the tube as filled or
// the consolidated estimate of Option 1 or 2.
enum class Shape { AsFilled, Option1, Option2 };

struct TubeInput
{
    double circumference = 10.0; // m
    bool twoSlurryLayers = true; // false: one slurry layer
    double slurryUnitWeightLower = 12.0; // kN/m3
    double slurryUnitWeightUpper = 11.0; // kN/m3; equals the lower one with one layer
    double fluidUnitWeightLower = 10.0; // kN/m3, outside fluid up to fluidHeightLower
    double fluidUnitWeightUpper = 0.0; // kN/m3, outside fluid (or air) above it
    double slurryHeightLower = 1.0; // m, Hin-Lower (two layers only)
    double fluidHeightLower = 2.0; // m, Hout-Lower
    AnalysisType analysisType = AnalysisType::GivenStrength;
    double ultimateStrength = 100.0; // kN/m, circumferential (GivenStrength)
    double desiredMaxHeight = 2.5; // m (GivenHeight)
    double pumpingPressure = 20.0; // kPa (GivenPressure)
    double rfInstallationDamage = 1.3; // RFid
    double rfDurability = 1.0; // RFd
    double rfCreep = 1.5; // RFc
    double rfSeamCircumferential = 2.0; // RFss, circumferential direction
    double rfSeamAxial = 2.0; // RFss, axial direction
    double transportUnitWeight = kTransportUnitWeightInitial; // kN/m3; the English water default
    double specificGravitySolids = 2.7; // Gs
    double consolidatedUnitWeight = 12.0; // kN/m3, saturated consolidated fill
    std::string costPerUnitArea = "0.00"; // as typed: currency per display area unit
    std::string quantityRemarks;
    double tubeLength = 1.0; // m, for quantities and cost
};

// What the outputs show for the path of a project that was never saved.
inline constexpr const char *kProjectNotSaved = "Not saved, yet";

// Identification of the project and of the designer's company. Texts are
// RecordText (Windows-1252 bytes, as in the files); the path is the system's.
struct ProjectInfo
{
    RecordText title; // at most 40 characters
    RecordText projectNumber;
    RecordText projectNumberSuffix; // shown after "__"
    RecordText client;
    RecordText dateTime;
    RecordText designer;
    RecordText stationNumber;
    RecordText description; // at most 600 characters, several lines
    RecordText companyName; // 100
    RecordText companyStreet1; // 100
    RecordText companyStreet2; // 100
    RecordText companyCity; // 30
    RecordText companyState; // 20
    RecordText companyZip; // 20
    RecordText companyPhone; // 30
    RecordText companyFax; // 30
    RecordText companyEmail; // 30
    RecordText logoPath; // full path of the logo bitmap
    bool includeLogo = false; // print the logo
    std::filesystem::path projectPath; // the project's file; empty while never saved
};

// How values and graphics are shown; survives a new project except where noted.
struct DisplaySettings
{
    UnitSystem unitSystem = UnitSystem::SI; // display only
    std::string currencyUnit = "$";
    bool printBlackWhite = false; // reset by a new project
    bool screenBlackWhite = false; // reset by a new project
    bool asianPacific = false; // write exponents as "^2" and "^3"
    bool omitConsolidationPage = false; // reset by a new project
    // The design check page after the cross-section pages; a choice of the
    // program, not saved in the project.
    bool addDesignCheckPage = false;
};

// Run-time state; never saved. The desktop program keeps the main menu and
// input display windows itself.
struct AppState
{
    bool projectOpen = false;
    bool resultsValid = false;
    std::optional<Shape> shapeShown; // none before a run
    bool hideDialogTags = true;
    std::string startDirectory;
    std::string dataDirectory;
    std::string updateLabel = "Update #1.2";
};

// Why a result of the exact method lies outside the range in which it is
// exact to nine digits (the run then also sets the convergence warning).
enum class AccuracyLimit {
    None,
    NearlyRound, // 1 - pi H / C below 1e-7
    TooFlat, // crest pressure below 1e-300 of the base pressure
};

// Results of the last analysis run, in SI.
struct TubeSolution
{
    ProfileArray profileX {}; // m, from the symmetry axis; point 0 = edge of base contact
    ProfileArray profileY {}; // m, above the foundation; point 360 = crest
    double computedCircumference = 0; // m
    double inletPressure = 0; // kPa, net pressure at the crest
    double totalArea = 0; // m2, also storage capacity in m3/m
    double ultimateStrengthCircumferential = 0; // kN/m
    double ultimateStrengthAxial = 0; // kN/m
    bool convergenceWarning = false; // constraints not met
    double maxHeight = 0; // m
    double maxWidth = 0; // m
    double heightAtMaxWidth = 0; // m
    double baseWidth = 0; // m
    double areaLowerSlurry = 0; // m2
    double areaUpperSlurry = 0; // m2
    SolutionMethod method = kDefaultSolutionMethod; // how the run solved it
    AccuracyLimit accuracyLimit = AccuracyLimit::None; // not stored in project files
};

// Consolidated shape estimates, in SI. Only Option 1 writes the arrays.
struct ConsolidationResult
{
    ProfileArray rawShapeX {}; // Option 1 before the extreme-case step; index 0 = origin
    ProfileArray rawShapeY {};
    ProfileArray shapeX {}; // final Option 1 profile
    ProfileArray shapeY {};
    double consolidatedArea = 0; // m2, both options
    double finalHeight = 0; // m, both options
};

// The one project record. Exactly one instance lives in the application
// (desktop program or batch command); everything else receives a reference.
struct ProjectRecord
{
    TubeInput input;
    ProjectInfo info;
    DisplaySettings display;
    AppState state;
    TubeSolution solution;
    ConsolidationResult consolidation;
    DesignCheckInputs designCheck;
};

// True when a consolidated estimate (Option 1 or 2) is the current shape.
inline bool showsConsolidatedShape(std::optional<Shape> shape)
{
    return shape == Shape::Option1 || shape == Shape::Option2;
}

inline bool showsConsolidatedShape(const AppState &state)
{
    return showsConsolidatedShape(state.shapeShown);
}

inline bool isEnglish(const DisplaySettings &display)
{
    return display.unitSystem == UnitSystem::English;
}

// The project's path as the text files show it (Windows-1252), or
// kProjectNotSaved.
std::string projectPathText(const ProjectInfo &info);

// Restores the initial values of a new project; keeps unitSystem,
// currencyUnit, asianPacific and dataDirectory. startDirectory is set to
// currentDirectory.
void resetProject(ProjectRecord &record, const std::string &currentDirectory);

} // namespace vendrix
