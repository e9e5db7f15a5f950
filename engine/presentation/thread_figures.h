#pragma once

#include "core/exact_length.h"
#include "core/threads/thread_limits.h"

#include <string>

// A thread's figures as a person reads them. Limits of size to 0.001 mm, as ISO 965-2 prints them:
// the exact limit rounded to the nearest micrometre, half away from zero. ISO 965-2 adds the whole-
// micrometre deviations and tolerances to the basic diameters of ISO 724 rounded to 0.001 mm, which
// gives the very same figure (a whole micrometre added cannot move a rounding); both maxima and
// minima round to the nearest, neither is pushed inwards. Deviations with their sign ("-32", "+32",
// "0"), tolerances and clearances without one ("132"), in µm.

// "9.968", "8.994", "10.000".
std::string ThreadLimitMm(ExactLength limit);

struct BoltFigures
{
    std::string className;
    std::string majorMax, majorMin, pitchMax, pitchMin, rootMax; // mm
    std::string es, td, td2; // µm
};

struct NutFigures
{
    std::string className;
    std::string majorMin, pitchMax, pitchMin, minorMax, minorMin; // mm
    std::string ei, td1, td2; // µm
};

struct ThreadFitFigures
{
    std::string minClearance, maxClearance; // µm, the pitch diameters' clearances
};

BoltFigures PresentBolt(const BoltLimits& bolt);
NutFigures PresentNut(const NutLimits& nut);
ThreadFitFigures PresentThreadFit(const ThreadFit& fit);
