#pragma once

#include "core/fit_analysis.h"
#include "core/materials.h"
#include "workbench/service/service_model.h"

#include <array>
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
    std::string governs; // of a worse-of-both-states value: the state it is from ("工作时"); else empty
};

// A result in each state, side by side: one per row of the states table.
struct ServiceStateLine
{
    std::string key; // "pressure_min_mpa", "interference_min_um"
    std::string caption;
    std::array<std::string, 2> values; // kStandstill, kInService
};

struct ServiceTexts
{
    std::vector<ServiceLine> results; // one per ServiceResultFields() entry, in that order
    std::array<std::string, 2> stateHeadings; // "静止（轮毂 20 °C，轴 20 °C）", "工作（…）"
    std::vector<ServiceStateLine> states;
    std::vector<std::string> assumptions;
    std::vector<std::string> warnings; // one sentence per warning with its numbers, never to be missed
};

ServiceTexts DescribeServiceResults(const ServiceResults& results);

std::string ServiceProblemText(const ServiceProblem& problem);

// A warning as a sentence with its numbers and state ("工作时轮毂会屈服：…"), and as a word or two
// for a column ("轮毂屈服").
std::string ServiceWarningSentence(const ServiceResults& results, const ServiceWarning& warning);
std::string ServiceWarningShortText(ServiceWarningCode code);

// The material's name in the window's language.
std::string MaterialName(const Material& material);

// A number for a field, locale-free, with no more digits than it needs: "210000", "0.3", "11.5".
std::string NumberText(double value);

// The probabilities of interference and clearance of a fit at 20 °C, zones of ±3σ, as
// "过盈概率 37.5 %" lines for the analysis; empty when the core has none.
std::vector<ServiceLine> TransitionProbabilities(const FitAnalysis& fit);
