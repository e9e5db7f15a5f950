#pragma once

#include "answers/answer.h"
#include "answers/answer_options.h"
#include "core/exact_length.h"
#include "core/load_fit_search.h"
#include "core/loaded_tables.h"
#include "core/service_conditions.h"

#include <filesystem>
#include <nlohmann/json.hpp>

// A fit at service conditions (service_conditions.h): the question, its answer, and the fits that
// hold a load.

// The question: size_mm; the fit, as fit (a designation, limits from the tables) or as hole and shaft
// (each [upper_um, lower_um]); and the joint's options (service_inputs.h).
struct ServiceQuestion
{
    ServiceInputs inputs;
    ExactLength size;
};
// folder is where the tables came from, for the messages (empty: the current directory or built in).
Result<ServiceQuestion, AnswerRefusal> ReadServiceQuestion(const DeviationTables& tables, const nlohmann::json& options,
                                                           OptionNaming naming = OptionNaming::Keyword,
                                                           const std::filesystem::path& folder = {});

// The results as one JSON object: every result under its key (null where not given), the two states,
// the warnings, the assumptions, and "display": each number as it is shown (text without its unit, and
// the unit), also in each state.
nlohmann::ordered_json ServiceJson(const ServiceResults& results, OptionNaming naming = OptionNaming::Keyword);

// The answer to a service question: ServiceJson, or why there is none.
Answer ServiceAnswer(const DeviationTables& tables, const nlohmann::json& options,
                     OptionNaming naming = OptionNaming::Keyword, const std::filesystem::path& folder = {});

// A fit that holds the load: the fit's object with "preferred" and what `service` answers of it that
// a designer compares fits by.
nlohmann::ordered_json LoadFoundFitJson(const LoadFoundFit& found, OptionNaming naming = OptionNaming::Keyword);
