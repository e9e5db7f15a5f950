#pragma once

#include "answers/refusal_text.h" // FailureText, FitFailureText: the reasons in English
#include "cli/commands.h"
#include "core/decimal_text.h"
#include "core/exact_length.h"
#include "core/failure.h"
#include "core/fit_analysis.h"
#include "core/tolerance_class.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

// Words and numbers shared by the commands.

// "quorlan-cli: WHAT" and a pointer to --help on err; returns kExitUsage.
int UsageError(std::ostream& err, const std::string& what);

// An answer's refusal on err: bad input is a usage error (kExitUsage), anything else no result
// (kExitFailure).
int RefusalExit(const AnswerRefusal& refusal, std::ostream& err);

// The joint's options as typed, as the engine's answers read them: only those given.
nlohmann::json ServiceOptionsJson(const ServiceOptions& options);

// A user's text for a message: quoted, and cut short when long.
std::string Quoted(std::string_view text);

// Why a number was refused, after "OPTION 'TEXT'": it is no decimal number (of the unit named, if
// any), has more decimals than the reader keeps (nothing: too close to 0 for any), or is too large.
std::string NumberProblemWords(NumberProblem problem, std::string_view unit = {},
                               std::optional<int> keptDecimals = std::nullopt);

// A size for the core: a plain decimal over 0 and up to the largest size covered. Nothing, after
// the usage message, for anything else.
std::optional<ExactLength> ReadSizeArgument(std::string_view text, std::ostream& err);

// The standard's note for IT1 to IT5 above 500 mm, for text output.
inline constexpr std::string_view kExperimentalGradeNote
    = "note: ISO 286-1 gives IT1 to IT5 above 500 mm for experimental use only";

// For a class ISO 286-2 does not print (E13, m12): "note: ..." saying its limits come from the
// ISO 286-1 rules; nothing for a printed class.
std::optional<std::string> UntabulatedNote(const ToleranceClass& toleranceClass);
