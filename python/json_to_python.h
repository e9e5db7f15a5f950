#pragma once

#include "answers/answer.h"

#include <nlohmann/json.hpp>
#include <pybind11/pybind11.h>

// A JSON value as plain Python objects (dict, list, str, int, float, bool, None), built directly:
// no JSON text in between.
pybind11::object ToPython(const nlohmann::ordered_json& json);

// What an argument may be: one value, or a pair of values (a part's upper and lower deviation).
enum class ArgumentShape { Value, Pair };

// A Python argument as a JSON value for the answers' readers: None, bool, int, float or str, or for
// a pair a list or tuple of two of them. Nothing else is converted, so that no nesting or length
// of a container costs more than one look; the refusal names the key. The readers refuse what is
// not a number; an integer too large for 64 bits reaches them as its decimal text (its magnitude
// as 1eN where Python would not print it), a str that is not Unicode text is refused here.
Result<nlohmann::json, AnswerRefusal> FromPython(pybind11::handle value, const char* key,
                                                 ArgumentShape shape = ArgumentShape::Value);

// A str argument as UTF-8.
Result<std::string, AnswerRefusal> TextFromPython(pybind11::handle value, const char* key);
