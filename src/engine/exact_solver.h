#pragma once
// The exact method: the tube as entered (unit weights, layers, water level and
// pumping pressure), in SI, solved to the precision of the arithmetic by
// closed-form shapes and bracketed root finding.

#include "engine/exact_shape.h"

namespace vendrix {

struct ExactRequest
{
    AnalysisType objective = AnalysisType::GivenStrength;
    double circumference = 0; // m
    double workingTension = 0; // kN/m, given strength
    double desiredMaxHeight = 0; // m, given height
    double pumpingPressure = 0; // kPa, given pressure: the net pressure at the crest
};

// Inputs for which no tube has the asked shape.
enum class ExactRefusal {
    None,
    ZeroPressure, // no shape at zero crest pressure
    NeutralHeight, // every zone below the height weightless: only the circle stands
    LighterSlurry, // a slurry lighter than the fluid beside it (the input rules forbid it)
};

struct ExactSolution
{
    ExactShape shape;
    ExactResults results;
    bool objectiveMet = false;
    AccuracyLimit limit = AccuracyLimit::None;
    long passes = 0; // shapes computed
};

// Solves the request; a refusal leaves `solution` empty. Never allocates and
// never returns a NaN or an infinity.
ExactRefusal solveTubeExact(const LayeringZones &zones, const ExactRequest &request,
                            ExactSolution &solution);

} // namespace vendrix
