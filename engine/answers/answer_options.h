#pragma once

#include "answers/answer.h"

#include <initializer_list>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

// Options of an answer, as a JSON object whose keys are the Python keyword names (the command
// line's long options with _ for -). Messages name an option as its caller knows it.
enum class OptionNaming {
    Keyword, // "min_clearance", for Python and the browser
    CommandLine, // "--min-clearance"
};

// The option's name in messages.
std::string OptionName(std::string_view key, OptionNaming naming);

// An options object whose keys all are known ones; else the refusal for the first unknown one (or
// for options that are no object).
std::optional<AnswerRefusal> UnknownOptionIn(const nlohmann::json& options,
                                             std::initializer_list<std::string_view> known,
                                             OptionNaming naming = OptionNaming::Keyword);

// The option's value; null when it is not there (the answers take null as not given).
const nlohmann::json& OptionValue(const nlohmann::json& options, std::string_view key);
