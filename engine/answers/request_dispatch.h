#pragma once

#include "answers/answer.h"

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

// Answers asked for as JSON, for the browser build. A request names its answer by "op" (the Python
// function's name: fit, limits, tolerance, find_fits, service, limits_table, tolerances_table,
// diagram_svg, materials, preferred_fits, reason_codes, thread, thread_table; and fit_parts, a
// designation's letters and grades for the page's pickers) and holds the inputs under the Python keyword names:
//   {"op": "fit", "fit": "H7/g6", "size_mm": 40}
// The reply is {"ok": true, "answer": ...} or {"ok": false, "kind": "refused" or "bad_input",
// "reason": CODE, "message": TEXT}. Always the shipped tables. Never throws: malformed request JSON
// is a bad_input reply.
std::string AnswerRequestJson(std::string_view requestJson);

// The same for a request already parsed.
Answer AnswerRequest(const nlohmann::json& request);

// A refusal as the reply's members.
nlohmann::ordered_json RefusalJson(const AnswerRefusal& refusal);
