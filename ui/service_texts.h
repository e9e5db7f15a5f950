#pragma once

#include "fit_analysis.h"
#include "service_conditions.h"

#include <string>
#include <vector>

// The service conditions tab's words: its inputs read from their texts, its results with their
// units, the assumptions behind them and the reasons for a refusal, in Chinese. Plain C++.

// The fields as typed; an empty optional field means "not given".
struct ServiceForm
{
    std::string hubOutsideDiameter_mm;
    std::string shaftBore_mm;
    std::string length_mm;
    MaterialProperties hubMaterial; // expansion per K, as the core takes it
    MaterialProperties shaftMaterial;
    std::string hubE_mpa, hubNu, hubAlpha_per_mk, hubStrength_mpa; // α in 10⁻⁶/K
    std::string shaftE_mpa, shaftNu, shaftAlpha_per_mk, shaftStrength_mpa;
    std::string hubTemperature_c;
    std::string shaftTemperature_c;
    std::string friction;
    std::string hubRz_um;
    std::string shaftRz_um;
    double smoothingFactor = kSmoothingFactorDin7190_2017;
    std::string joiningClearance_um; // empty: the core's default
    std::string zoneSigmas;
};

struct ServiceLine
{
    std::string caption; // "最小接触压力"
    std::string value; // "52.3 MPa", or "—（需要轮毂外径）"
};

struct ServiceTexts
{
    std::vector<ServiceLine> results; // one per ServiceResultFields() entry, in that order
    std::vector<std::string> assumptions;
    std::string problem; // in place of the results
};

ServiceTexts DescribeService(const FitAnalysis& fit, const ServiceForm& form);

// A number for a field, locale-free, with no more digits than it needs: "210000", "0.3", "11.5".
std::string NumberText(double value);

// The probabilities of interference and clearance of a fit at 20 °C, zones of ±3σ, as
// "过盈概率 37.5 %" lines for the analysis; empty when the core has none.
std::vector<ServiceLine> TransitionProbabilities(const FitAnalysis& fit);
