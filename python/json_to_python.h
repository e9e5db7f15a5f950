#pragma once

#include <nlohmann/json.hpp>
#include <pybind11/pybind11.h>

// A JSON value as plain Python objects (dict, list, str, int, float, bool, None), built directly:
// no JSON text in between.
pybind11::object ToPython(const nlohmann::ordered_json& json);

// Python arguments as JSON values for the answers' readers: None, bool, int, float, str, and lists
// or tuples of them; anything else raises TypeError naming the key.
nlohmann::json FromPython(pybind11::handle value, const char* key);
