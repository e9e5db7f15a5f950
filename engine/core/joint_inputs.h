#pragma once

#include "core/service_conditions.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The joint's inputs of a service calculation, once for every front end: the command line's
// options and --help, Python's keyword arguments, the page's inputs and address, the workbench's
// fields and `quorlan --report`'s options are made from this table or checked against it. One
// reader, ApplyJointValues, gives a typed value the same meaning in all of them.

enum class JointInputKind {
    Number, // a decimal number in the input's unit
    Material, // a built-in material's id
    Choice, // one of fixed words (or, for the smoothing factor, fixed numbers)
};

// An end of an input's allowed interval. relativeToSize: the value is the nominal size's (mm).
struct JointInputBound
{
    double value;
    bool included;
    bool relativeToSize = false;
};

struct JointInput
{
    std::string_view key; // "hub_od": the command line's long option with _ for -
    JointInputKind kind;
    std::string_view unit; // "mm", "µm", "1/K", "°C", "MPa", "N·m", "N"; empty: none
    std::string_view defaultValue; // as text: "20", "steel", "press"; empty: not given unless typed
    // The interval the calculation accepts (numbers only; ±infinity: no bound). Outside it the
    // calculation refuses the input with the reason its ServiceRefusal gives.
    JointInputBound low;
    JointInputBound high;
    std::string_view helpKey; // what the input is, shared by hub_ and shaft_ ("youngs_modulus")
    std::string_view choices = {}; // of a Choice: the words, "|"-separated ("press|shrink")
};

std::span<const JointInput> JointInputs();

// The input of this key, if there is one.
const JointInput* FindJointInput(std::string_view key);

// The interval as text: "(0, inf)", "[0, 0.5]", "(size_mm, inf)"; empty for a choice or material.
std::string JointInputRange(const JointInput& input);

// One typed value: a number for a Number input, the text for the others.
struct JointValue
{
    std::string_view key;
    double number = 0.0;
    std::string text = {};
};

enum class JointProblemKind {
    UnknownKey, // not a joint input
    UnknownMaterial, // no built-in material has the id
    BadChoice, // not one of the choices
    ConflictingFriction, // friction with friction_holding or friction_pressing
};

struct JointProblem
{
    JointProblemKind kind;
    std::string_view key;
};

// The values into the inputs (which hold the size and deviations already), each key once:
// materials first, so that a value typed beside a material replaces that material's own. A typed
// expansion coefficient holds for service, heating and cooling alike (the material's cooling curve
// is not its); a typed yield strength states that the part yields there, so it is no longer judged
// as brittle. Whether the numbers make physical sense is CalculateServiceConditions' to say.
std::optional<JointProblem> ApplyJointValues(ServiceInputs& inputs, std::span<const JointValue> values);

// The joint input a refusal's field comes from ("hub_material.poisson_ratio" -> "hub_nu"); empty
// for a field of the fit (size, deviations) or of a result.
std::string_view JointInputOfField(std::string_view field);
