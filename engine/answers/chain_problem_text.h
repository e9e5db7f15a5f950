#pragma once

#include "answers/answer.h"
#include "core/chains/link_problem.h"

#include <filesystem>
#include <string_view>

// A chain's problem as a refusal with its code and one English line that names where it is: "line
// 4 (shaft): tolerance 'h77' is not ...". where is "line" for a CSV text, "link" for links given
// one by one; tables the folder the deviation tables came from, for a table file at fault.
AnswerRefusal ChainRefusal(const ChainProblem& problem, std::string_view where, std::string_view linkName,
                           const std::filesystem::path& tables);
