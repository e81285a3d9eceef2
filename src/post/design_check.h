#pragma once
// The design check of a solved tube, per metre of tube: fabric utilisation and
// stretch, filling ratio, the tube as a rigid body between two water levels
// (sliding, overturning, foundation pressure) and wave stability. It always
// takes the exact method's solution of the entered tube.

#include "model/design_check_inputs.h"
#include "model/failure.h"
#include "model/project_record.h"
#include "post/fabric_stretch.h"
#include "post/rigid_body_actions.h"

#include <optional>

namespace vendrix {

// Why a check gives no value.
enum class CheckReason {
    NotChecked, // its input is 0
    NoDrivingAction, // equal water levels
    Overtopped, // the loaded level above the crest
    Overturns, // the resultant at or beyond the protected base edge
    FillNotHeavier, // the fill is not heavier than the water: the tube floats
    LevelsReversed, // the loaded level below the protected one
};

// The words of a reason, as the results show them.
const char *checkReasonText(CheckReason reason);

enum class FillingBand {
    Usual, // H/D up to 0.6: usual for dewatering
    High, // 0.6 to 0.8: pumping must be controlled
    VeryHigh, // above 0.8: risk of over-filling
};

// Whether each check passes; empty when it has no verdict (see its reason).
struct DesignCheckPass
{
    std::optional<bool> utilisationCircumferential;
    std::optional<bool> utilisationAxial;
    std::optional<bool> foundation;
    std::optional<bool> sliding;
    std::optional<bool> overturning;
    std::optional<bool> waveStability;
};

// Why a check has no value or no verdict (and "overturns" beside the
// overturning factor of a tube that overturns).
struct DesignCheckReasons
{
    std::optional<CheckReason> utilisationCircumferential;
    std::optional<CheckReason> utilisationAxial;
    std::optional<CheckReason> stretch;
    std::optional<CheckReason> foundation;
    std::optional<CheckReason> sliding;
    std::optional<CheckReason> overturning;
    std::optional<CheckReason> waveStability;
};

// The results under the names the exported results use, in SI; an empty
// value cannot be given (its check's reason says why).
struct DesignCheckResult
{
    std::optional<double> utilisationCircumferential; // required / available ultimate strength
    std::optional<double> utilisationAxial;
    std::optional<double> strain; // T / J of the stretched tube
    std::optional<double> stretchedCircumference; // m
    std::optional<double> stretchedHeight; // m
    std::optional<double> stretchedWidth; // m
    std::optional<double> stretchedTension; // kN/m, working tension
    double fillingRatio = 0; // H / (C / pi)
    std::optional<double> submergedWeight; // kN/m, W'
    std::optional<double> normalForce; // kN/m, N
    std::optional<double> eccentricity; // m, + towards the protected side
    std::optional<double> maxContactPressure; // kPa, q
    std::optional<double> safetySliding;
    std::optional<double> safetyOverturning;
    std::optional<double> waveStabilityNumber;
    DesignCheckPass pass;
    DesignCheckReasons reasons;

    // What the window and the report show beside them.
    double availableStrengthCircumferential = 0; // kN/m, as used (the entered one by default)
    FillingBand fillingBand = FillingBand::Usual;
    double waterUnitWeight = 0; // kN/m3, gw
    double fillWeight = 0; // kN/m, W
    double loadedLevel = 0; // m, h1 as used
    double protectedLevel = 0; // m, h2 as used
    std::optional<FabricStretch> stretch; // with a stiffness: steps, end, changes
    std::optional<RigidBodyActions> actions; // every force and moment
    bool partialContact = false; // b/6 < |e| < b/2: the base lifts over part of its width
};

// gw: the lower outside fluid's unit weight, or the transporting medium's when
// that fluid is air.
double checkWaterUnitWeight(const TubeInput &input);

// The checks of `exact`, the exact method's solution of `input`.
DesignCheckResult computeDesignCheck(const TubeInput &input, const TubeSolution &exact,
                                     const DesignCheckInputs &check);

// Solves a copy of the record by the exact method for the check; the run's
// refusal, or a plain message when the solution holds no tube.
std::optional<Failure> solveForDesignCheck(const ProjectRecord &record, TubeSolution &exact);

} // namespace vendrix
