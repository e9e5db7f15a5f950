#pragma once

#include "core/general/general_tables.h"
#include "workbench/general/general_model.h"

#include <string>
#include <string_view>

// The general tolerances tab's words, in the window's language (text_language.h). The report
// takes its ranges, table titles and rules from here too, so that each is worded once. Plain C++.

std::string GeneralQuestionText(GeneralQuestion question); // "线性尺寸", "Linear size"
std::string GeneralStandardText(GeneralStandard standard); // "ISO 2768", "GB/T 1804 + GB/T 1184"
std::string GeneralProblemText(const GeneralProblem& problem);

// "大于 30 至 120 mm", "over 30 up to 120 mm"; "0.5 至 3 mm" where the range holds its lower end.
std::string GeneralRangeWords(const GeneralRange& range);

// The title of a title-block table by its key ("linear": "线性尺寸的极限偏差").
std::string GeneralSectionTitle(std::string_view key);

// A feature without a table of its own, by its key (core's UntabulatedFeatures), and its rule as
// GB/T 1184 words it, or in English as the answers do.
std::string UntabulatedFeatureName(std::string_view key);
std::string UntabulatedFeatureRule(std::string_view key);
