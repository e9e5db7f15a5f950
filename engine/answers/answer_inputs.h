#pragma once

#include "answers/answer.h"
#include "core/exact_length.h"
#include "core/tolerance_class.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

// The inputs of the answers as Python and the browser pass them: numbers as JSON numbers or as
// text, both read by the strict readers, so that every front end refuses the same inputs. A
// refusal names the input by its key ("size_mm").

// A user's text for a message: quoted, cut short, and printable ASCII only.
std::string QuotedInput(std::string_view text);

// Any input value for a message, quoted: a string as it is, NaN and infinities by name (the JSON
// library would print them as null), anything else as JSON.
std::string QuotedValue(const nlohmann::json& value);

// A JSON number as its shortest exact decimal text ("40.025", never an exponent), a string as it
// is; nothing for any other kind (booleans included).
std::optional<std::string> NumberText(const nlohmann::json& value);

// A size over 0 and up to the largest size covered, to the nanometre.
Result<ExactLength, AnswerRefusal> ReadSizeMm(const nlohmann::json& value, std::string_view key = "size_mm");

// A deviation or clearance in micrometres, to the nanometre.
Result<ExactLength, AnswerRefusal> ReadMicrometres(const nlohmann::json& value, std::string_view key);

// Any finite number.
Result<double, AnswerRefusal> ReadFiniteNumber(const nlohmann::json& value, std::string_view key);

// A yes-or-no: a JSON boolean, or exactly the text "true", "false", "yes" or "no" (an address holds
// only texts); anything else is refused, never taken for yes.
Result<bool, AnswerRefusal> ReadFlag(const nlohmann::json& value, std::string_view key);

// A string, as a JSON string.
Result<std::string, AnswerRefusal> ReadText(const nlohmann::json& value, std::string_view key);

Result<FitDesignation, AnswerRefusal> ReadFitDesignation(std::string_view text);
Result<ToleranceClass, AnswerRefusal> ReadToleranceClass(std::string_view text);
// A grade name with or without "IT": "7", "IT7", "01".
Result<int, AnswerRefusal> ReadGrade(std::string_view text);

// The refusal for an option no answer knows.
AnswerRefusal UnknownOption(std::string_view key);
