#include "answers/service_inputs.h"

#include "answers/answer_inputs.h"
#include "core/joint_inputs.h"
#include "core/materials.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace {

std::string_view RefusalWords(ServiceRefusalReason reason)
{
    switch (reason) {
    case ServiceRefusalReason::kNotFinite:
        return "is not a finite number";
    case ServiceRefusalReason::kNotPositive:
        return "must be more than 0";
    case ServiceRefusalReason::kNegative:
        return "must not be negative";
    case ServiceRefusalReason::kUpperBelowLower:
        return "has its upper deviation below its lower one";
    case ServiceRefusalReason::kLimitSizeNotPositive:
        return "takes the part's smallest size to zero or below";
    case ServiceRefusalReason::kHubOutsideNotLargerThanBore:
        return "must be larger than the bore";
    case ServiceRefusalReason::kShaftBoreNotSmallerThanShaft:
        return "must be smaller than the shaft";
    case ServiceRefusalReason::kPoissonRatioOutOfRange:
        return "must lie from 0 to 0.5";
    case ServiceRefusalReason::kSmoothingFactorOutOfRange:
        return "must lie from 0 to 1";
    case ServiceRefusalReason::kBelowAbsoluteZero:
        return "is below absolute zero";
    case ServiceRefusalReason::kCoolingCurveNotFalling:
        return "must make the part contract more at -196 °C than at -78 °C";
    case ServiceRefusalReason::kMissing:
        return "is needed";
    case ServiceRefusalReason::kResultOutOfRange:
        return "cannot be represented: the inputs are too large";
    case ServiceRefusalReason::kNoMinimumStrength:
        return "is needed: no minimum strength of the material is known for a section of this size";
    }
    return "is refused";
}

// Each input's help by its help key: what it is, then (after the unit) its default.
struct HelpWords
{
    std::string_view helpKey;
    std::string_view words;
    std::string_view note; // empty: none
};
constexpr HelpWords kHelp[] = {
    {"hub_outside_diameter", "hub outside diameter", "none: no press-fit results"},
    {"shaft_bore", "shaft bore", "default 0: solid"},
    {"length", "joint length", "none: no forces or torque"},
    {"material", "built-in material id", "default steel"},
    {"youngs_modulus", "Young's modulus", "default: the material's"},
    {"poisson_ratio", "Poisson's ratio", "default: the material's"},
    {"expansion", "thermal expansion", "default: the material's; a typed one holds for heating and cooling alike"},
    {"yield_strength", "yield strength", "default: the material's; a typed one makes the part yield, not brittle"},
    {"temperature", "temperature in service", "default 20"},
    {"max_joining_temperature", "hottest the hub may be heated to join it", "default: the material's"},
    {"joining", "press (default): pressed on lengthways; shrink: hub heated or shaft cooled", ""},
    {"surface", "a press fit's surfaces, dry or oiled",
     "none: holding takes the lower coefficient, pressing in the higher"},
    {"friction", "friction coefficient for holding and pressing alike", ""},
    {"friction_holding", "friction coefficient against slip", "default: DIN 7190-1 for the joining and materials"},
    {"friction_pressing", "friction coefficient while pressing in", "default: DIN 7190-1 for the materials"},
    {"bore_roughness", "mean roughness depth Rz of the bore", "default 0"},
    {"shaft_roughness", "mean roughness depth Rz of the shaft", "default 0"},
    {"smoothing", "smoothing factor: 0.4 (DIN 7190-1:2017, default) or 0.8", ""},
    {"joining_clearance", "clearance for assembly", "default 0.001 × size"},
    {"zone_sigma", "standard deviations each tolerance zone spans", "default 3"},
    {"torque", "torque the joint must hold", ""},
    {"axial_force", "axial force the joint must hold", ""},
    {"slip_safety", "required safety against slip", "default 1.5"},
    {"yield_safety", "required safety against yield", "default 1.0"},
    {"fracture_safety", "required safety against fracture of a brittle hub", "default 2.0 (DIN 7190-1)"},
};

// A choice's words for a message: "press or shrink".
std::string ChoiceWords(const JointInput& input)
{
    std::string words(input.choices);
    const std::size_t bar = words.find('|');
    return bar == std::string::npos ? words : words.replace(bar, 1, " or ");
}

// Every reason's key is a listed reason code, so that a refusal made from one at run time is too.
consteval bool RefusalKeysAreReasonCodes()
{
    for (int reason = 0; reason < kServiceRefusalReasonCount; ++reason) {
        if (!IsReasonCode(ServiceRefusalKey(static_cast<ServiceRefusalReason>(reason))))
            return false;
    }
    return true;
}
static_assert(RefusalKeysAreReasonCodes());

AnswerRefusal RefusalWithKey(AnswerRefusal::Kind kind, ServiceRefusalReason reason, std::string message)
{
    return {kind, std::string(ServiceRefusalKey(reason)), std::move(message)};
}

} // namespace

std::span<const std::string_view> ServiceJointKeys()
{
    static const std::vector<std::string_view> keys = [] {
        std::vector<std::string_view> list;
        for (const JointInput& input : JointInputs())
            list.push_back(input.key);
        return list;
    }();
    return keys;
}

bool HasLoadOption(const nlohmann::json& options)
{
    return !OptionValue(options, "torque").is_null() || !OptionValue(options, "axial_force").is_null();
}

Result<ServiceInputs, AnswerRefusal> ReadServiceJoint(const nlohmann::json& options, ServiceInputs inputs,
                                                      OptionNaming naming)
{
    std::vector<JointValue> values;
    for (const JointInput& input : JointInputs()) {
        const nlohmann::json& given = OptionValue(options, input.key);
        if (given.is_null())
            continue;
        JointValue value {input.key};
        if (input.kind == JointInputKind::Number) {
            const auto number = ReadFiniteNumber(given, OptionName(input.key, naming));
            if (!number)
                return number.reason();
            value.number = *number;
        } else if (input.kind == JointInputKind::Material) {
            const auto text = ReadText(given, OptionName(input.key, naming));
            if (!text)
                return text.reason();
            value.text = *text;
        } else {
            const std::optional<std::string> text = NumberText(given);
            if (!text)
                return BadInput("bad_choice",
                                OptionName(input.key, naming) + " " + QuotedValue(given) + " is not "
                                    + ChoiceWords(input));
            value.text = *text;
        }
        values.push_back(std::move(value));
    }
    const std::optional<JointProblem> problem = ApplyJointValues(inputs, values);
    if (!problem)
        return inputs;
    const std::string name = OptionName(problem->key, naming);
    const auto typed = [&] {
        return QuotedInput(std::find_if(values.begin(), values.end(), [&](const JointValue& value) {
                               return value.key == problem->key;
                           })->text);
    };
    switch (problem->kind) {
    case JointProblemKind::ConflictingFriction:
        return BadInput("conflicting_options",
                        name + " sets both coefficients: give it or " + OptionName("friction_holding", naming) + " and "
                            + OptionName("friction_pressing", naming));
    case JointProblemKind::UnknownMaterial:
        return BadInput("unknown_material",
                        name + " " + typed() + " is not a built-in material ("
                            + (naming == OptionNaming::CommandLine ? "--materials" : "materials()") + " lists them)");
    case JointProblemKind::BadChoice:
        return BadInput("bad_choice", name + " " + typed() + " is not " + ChoiceWords(*FindJointInput(problem->key)));
    case JointProblemKind::UnknownKey:
        break;
    }
    return UnknownOption(name);
}

AnswerRefusal ServiceRefusalAnswer(const ServiceRefusal& refusal, ExactLength size, OptionNaming naming)
{
    if (refusal.reason == ServiceRefusalReason::kLimitSizeNotPositive) {
        // Not a typing mistake but a fit with no parts: no result, as for a fit from the tables.
        return RefusalWithKey(AnswerRefusal::Kind::Refused, refusal.reason,
                              std::string("the ") + (refusal.field.starts_with("hole") ? "hole" : "shaft")
                                  + "'s smallest limit of size would be zero or less at " + FormatMm(size) + " mm");
    }
    std::string name(refusal.field);
    const std::string_view key = JointInputOfField(refusal.field);
    if (!key.empty())
        name = OptionName(key, naming);
    else if (refusal.field.starts_with("hole_"))
        name = OptionName("hole", naming);
    else if (refusal.field.starts_with("shaft_") && refusal.field.ends_with("_um"))
        name = OptionName("shaft", naming);
    if (refusal.reason == ServiceRefusalReason::kMissing && refusal.field == "torque_nm")
        name = OptionName("torque", naming) + " or " + OptionName("axial_force", naming);
    const std::string words(RefusalWords(refusal.reason));
    if (refusal.reason == ServiceRefusalReason::kResultOutOfRange)
        return RefusalWithKey(AnswerRefusal::Kind::BadInput, refusal.reason, "the result " + name + " " + words);
    return RefusalWithKey(AnswerRefusal::Kind::BadInput, refusal.reason, name + " " + words);
}

std::string ServiceInputHelp(const JointInput& input)
{
    const auto help = std::find_if(std::begin(kHelp), std::end(kHelp),
                                   [&](const HelpWords& words) { return words.helpKey == input.helpKey; });
    if (help == std::end(kHelp))
        return std::string(input.key);
    std::string words(help->words);
    // "hub Young's modulus": the inputs of both parts share their help.
    const std::string_view part = input.key.substr(0, input.key.find('_'));
    if (input.kind == JointInputKind::Number && (part == "hub" || part == "shaft") && !input.helpKey.starts_with(part))
        words = std::string(part) + " " + words;
    if (!input.unit.empty())
        words += ", " + std::string(input.unit);
    if (!help->note.empty())
        words += " (" + std::string(help->note) + ")";
    return words;
}

nlohmann::ordered_json ServiceInputsJson()
{
    auto list = nlohmann::ordered_json::array();
    for (const JointInput& input : JointInputs()) {
        nlohmann::ordered_json entry;
        entry["key"] = input.key;
        entry["kind"] = input.kind == JointInputKind::Number ? "number"
            : input.kind == JointInputKind::Material         ? "material"
                                                             : "choice";
        entry["unit"] = input.unit;
        entry["default"]
            = input.defaultValue.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(input.defaultValue);
        entry["range"] = input.kind == JointInputKind::Number ? nlohmann::ordered_json(JointInputRange(input))
                                                              : nlohmann::ordered_json(nullptr);
        auto choices = nlohmann::ordered_json::array();
        if (input.kind == JointInputKind::Choice) {
            std::string rest(input.choices);
            for (std::size_t bar; (bar = rest.find('|')) != std::string::npos; rest.erase(0, bar + 1))
                choices.push_back(rest.substr(0, bar));
            choices.push_back(rest);
        }
        entry["choices"] = choices;
        entry["help_key"] = input.helpKey;
        entry["help"] = ServiceInputHelp(input);
        list.push_back(std::move(entry));
    }
    return list;
}
