#pragma once

#include "answers/reason_codes.h"
#include "core/result.h"

#include <nlohmann/json.hpp>
#include <string>

// Why an answer has none: the input was malformed (a usage error on the command line, ValueError in
// Python), or the standard or engine gives no value for a well-formed question (exit 1 on the
// command line, quorlan.Refused in Python).
struct AnswerRefusal
{
    enum class Kind { BadInput, Refused };
    Kind kind = Kind::BadInput;
    std::string reason; // short stable snake_case code from kReasonCodes, e.g. "no_standard_value"
    std::string message; // one English line
};

// Every answer is one JSON value, with the keys the command line's --json prints.
using Answer = Result<nlohmann::ordered_json, AnswerRefusal>;

inline AnswerRefusal BadInput(ReasonCode reason, std::string message)
{
    return {AnswerRefusal::Kind::BadInput, std::string(reason.Text()), std::move(message)};
}

inline AnswerRefusal Refused(ReasonCode reason, std::string message)
{
    return {AnswerRefusal::Kind::Refused, std::string(reason.Text()), std::move(message)};
}
