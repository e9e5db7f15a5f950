#pragma once

#include "fit_analysis.h"
#include "materials.h"
#include "service_model.h"

#include <string>
#include <vector>

// The service conditions tab's words, in the window's language (text_language.h): its fields, its
// results with their units, the assumptions behind them and the reasons for a refusal. Plain C++.

// A field's caption ("轮毂外径") and unit ("mm", empty: none).
struct FieldWords
{
    std::string caption;
    std::string unit;
};
FieldWords ServiceFieldWords(ServiceField field);

struct ServiceLine
{
    std::string caption; // "最小接触压力"
    std::string value; // "52.3 MPa", or "—（需要轮毂外径）"
};

struct ServiceTexts
{
    std::vector<ServiceLine> results; // one per ServiceResultFields() entry, in that order
    std::vector<std::string> assumptions;
    std::vector<std::string> warnings; // results to doubt, shown where they cannot be missed
};

ServiceTexts DescribeServiceResults(const ServiceResults& results);

std::string ServiceProblemText(const ServiceProblem& problem);

// The material's name in the window's language.
std::string MaterialName(const Material& material);

// A number for a field, locale-free, with no more digits than it needs: "210000", "0.3", "11.5".
std::string NumberText(double value);

// The probabilities of interference and clearance of a fit at 20 °C, zones of ±3σ, as
// "过盈概率 37.5 %" lines for the analysis; empty when the core has none.
std::vector<ServiceLine> TransitionProbabilities(const FitAnalysis& fit);
