#pragma once

#include <cstdint>

// The user's current choices (as list positions, -1 for none) and the last results, in mm.
// Every calculation reads its request from here and writes its results back here.
struct CalcState
{
    std::int32_t nSizeRange = -1;
    std::int32_t nGrade = -1;
    std::int32_t nLetter = -1;
    std::int32_t nBasis = -1;
    std::int32_t nFitClass = -1;
    double dLower = 0.0;
    double dUpper = 0.0;
    double dTolerance = 0.0;
    double dNominal = 0.0;
};

// The one calculation state of the process; the dialog, the command line and the tests all use it.
extern CalcState g_calcState;
