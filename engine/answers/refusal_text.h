#pragma once

#include "answers/answer.h"
#include "core/exact_length.h"
#include "core/failure.h"
#include "core/fit_analysis.h"
#include "core/tolerance_class.h"

#include <filesystem>
#include <string>
#include <string_view>

// The English words for why the core has no result, shared by every front end that speaks English.

// A core failure in words, naming the table file (and line) where one is at fault; tables is the
// folder the files were read from (empty: the current directory).
std::string FailureText(const Failure& failure, const std::filesystem::path& tables);

// Which part of a fit has no result, and why: "hole H7 at 40 mm: table file ... is missing".
std::string FitFailureText(const FitDesignation& fit, const FitFailure& failure, ExactLength size,
                           const std::filesystem::path& tables);

// The stable code of a failure: "no_standard_value", "table_missing", ...
ReasonCode FailureReason(const Failure& failure);

// A failure as a refusal with that code and message: the size or grade off the scale is bad input,
// anything else a refusal.
AnswerRefusal RefusalOf(const Failure& failure, std::string message);

// What is wrong with a fit designation, after its text: "is not a hole class, a slash and a shaft
// class", or the side at fault and why ("does not start with a hole class such as H7: 'H19' has no
// grade IT01 to IT18").
std::string FitTextProblemText(const FitTextProblem& problem);
