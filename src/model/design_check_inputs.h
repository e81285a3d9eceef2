#pragma once
// What the design check of a solved tube is asked to verify: the fabric's
// available strengths and stiffness, the water levels and foundation of the
// site, and the safety the design requires. Stored in SI.

namespace vendrix {

// A water level that follows the lower outside fluid's height.
inline constexpr double kFollowFluidHeight = -1;

struct DesignCheckInputs
{
    double fabricStrengthCircumferential = 0; // kN/m ultimate; 0: not checked (see below)
    double fabricStrengthAxial = 0; // kN/m ultimate; 0: not checked
    double fabricStiffness = 0; // kN/m at working load; 0: inextensible, not checked
    double waterLevelLoaded = kFollowFluidHeight; // m, h1 above the foundation
    double waterLevelProtected = kFollowFluidHeight; // m, h2 <= h1
    double foundationFriction = 0.5; // mu between tube and foundation
    double allowableBearingPressure = 0; // kPa; 0: not checked
    double designWaveHeight = 0; // m, Hs; 0: not checked
    double requiredSafetySliding = 1.5;
    double requiredSafetyOverturning = 2.0;
    double waveStabilityLimit = 1.0;
};

} // namespace vendrix
