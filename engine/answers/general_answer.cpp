#include "answers/general_answer.h"

#include "answers/answer_inputs.h"
#include "answers/json_numbers.h"
#include "answers/json_object.h"
#include "core/decimal_text.h"
#include "core/general/general_tolerances.h"
#include "presentation/general_presentation.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <string>

namespace {

constexpr std::array<std::string_view, 5> kSizeOptions = {"size_mm", "class", "kind", "feature", "standard"};
constexpr std::array<std::string_view, 2> kTableOptions = {"class", "standard"};

template<std::size_t n>
std::optional<AnswerRefusal> UnknownIn(const nlohmann::json& options, const std::array<std::string_view, n>& known)
{
    if (!options.is_object())
        return BadInput("not_options", "the options are not a JSON object");
    for (const auto& [key, value] : options.items()) {
        bool isKnown = false;
        for (const std::string_view name : known)
            isKnown = isKnown || key == name;
        if (!isKnown)
            return UnknownOption(key);
    }
    return std::nullopt;
}

const nlohmann::json* Member(const nlohmann::json& options, const char* key)
{
    const auto found = options.find(key);
    return found == options.end() || found->is_null() ? nullptr : &*found;
}

Result<GeneralClasses, AnswerRefusal> ReadClasses(const nlohmann::json& options)
{
    const nlohmann::json* value = Member(options, "class");
    if (!value)
        return BadInput("missing_option", "class is missing: f, m, c or v, H, K or L, or both as in mK");
    const auto text = ReadText(*value, "class");
    if (!text)
        return text.reason();
    const auto classes = ParseGeneralClasses(*text);
    if (!classes)
        return BadInput("not_a_general_class",
                        "class " + QuotedInput(*text) + " is not f, m, c or v, H, K or L, or a pair such as mK");
    return *classes;
}

Result<GeneralStandard, AnswerRefusal> ReadStandard(const nlohmann::json& options)
{
    const nlohmann::json* value = Member(options, "standard");
    if (!value)
        return GeneralStandard::Iso;
    const auto text = ReadText(*value, "standard");
    if (!text)
        return text.reason();
    const auto standard = ParseGeneralStandard(*text);
    if (!standard)
        return BadInput("bad_choice", "standard " + QuotedInput(*text) + " is not iso or gb");
    return *standard;
}

Result<GeneralKind, AnswerRefusal> ReadKind(const nlohmann::json& options)
{
    const nlohmann::json* value = Member(options, "kind");
    if (!value)
        return GeneralKind::Linear;
    const auto text = ReadText(*value, "kind");
    if (!text)
        return text.reason();
    for (const GeneralKind kind : {GeneralKind::Linear, GeneralKind::Edge, GeneralKind::Angle}) {
        if (*text == GeneralKindName(kind))
            return kind;
    }
    return BadInput("bad_choice", "kind " + QuotedInput(*text) + " is not linear, edge or angle");
}

// Any length over 0: the tables' own ranges decide the rest, with their own reasons.
Result<ExactLength, AnswerRefusal> ReadLength(const nlohmann::json& options)
{
    const nlohmann::json* value = Member(options, "size_mm");
    if (!value)
        return BadInput("missing_option", "size_mm is missing");
    const auto text = NumberText(*value);
    if (!text)
        return BadInput("not_a_number", "size_mm " + QuotedValue(*value) + " is not a finite number of millimetres");
    const auto size = ParseMillimetres(*text);
    if (!size) {
        if (size.reason() == NumberProblem::TooPrecise)
            return BadInput("too_precise", "size_mm " + QuotedInput(*text) + " has more than 6 decimals");
        if (size.reason() == NumberProblem::TooLarge)
            return BadInput("too_large", "size_mm " + QuotedInput(*text) + " is too large");
        return BadInput("not_a_number", "size_mm " + QuotedInput(*text) + " is not a decimal number of millimetres");
    }
    if (size->nm <= 0)
        return BadInput("not_positive", "size_mm " + QuotedInput(*text) + " is not over 0");
    return *size;
}

AnswerRefusal RefusalOf(GeneralRefusal refusal, const GeneralTable& table, char classLetter, ExactLength size)
{
    const std::string at = " at " + FormatMm(size) + " mm";
    const std::string designation = GeneralClassDesignation(table, classLetter);
    switch (refusal) {
    case GeneralRefusal::NotPositive:
        return BadInput("not_positive", "the size is not over 0");
    case GeneralRefusal::BelowTables:
        return Refused("below_general_range",
                       designation + " has no value" + at + ": below 0.5 mm the deviation is written beside the size");
    case GeneralRefusal::BeyondTables:
        return Refused("beyond_general_range",
                       designation + " has no value" + at + ": its table ends at "
                           + FormatMm(*table.rows.back().range.upTo) + " mm");
    case GeneralRefusal::EmptyCell:
        return Refused("not_in_class",
                       designation + " has no value" + at + ": " + std::string(table.source)
                           + " leaves the class out there");
    }
    return Refused("unknown_failure", "no general tolerance");
}

void AddRange(JsonObject& json, const GeneralRange& range)
{
    json.Add("over_mm", range.over.nm == 0 && !range.includesOver ? nlohmann::ordered_json() : JsonMm(range.over))
        .Add("up_to_mm", range.upTo ? JsonMm(*range.upTo) : nlohmann::ordered_json())
        .Add("includes_over", range.includesOver);
}

// An angle's deviation in degrees: minutes over 60 (30′ is 0.5°, 20′ 0.3333...°).
double Degrees(int minutes)
{
    return minutes / 60.0;
}

nlohmann::ordered_json LinearJson(const GeneralTolerance& tolerance)
{
    JsonObject json(12);
    json.Add("standard", std::string(tolerance.table->standard))
        .Add("source", std::string(tolerance.table->source))
        .Add("class", std::string(1, LinearClassLetter(tolerance.linearClass)))
        .Add("kind", std::string(GeneralKindName(tolerance.kind)))
        .Add("size_mm", JsonMm(tolerance.size));
    AddRange(json, tolerance.range);
    if (tolerance.kind == GeneralKind::Angle)
        json.Add("deviation_deg", Degrees(tolerance.deviationArcMinutes))
            .Add("deviation_text", ArcMinutesText(tolerance.deviationArcMinutes));
    else
        json.Add("deviation_mm", JsonMm(tolerance.deviation));
    json.Add("display",
             nlohmann::ordered_json {{"deviation", GeneralDeviationText(tolerance)},
                                     {"line", GeneralToleranceLine(tolerance)}});
    return json.Take();
}

nlohmann::ordered_json GeometricalJson(const GeometricalTolerance& tolerance)
{
    JsonObject json(11);
    json.Add("standard", std::string(tolerance.table->standard))
        .Add("source", std::string(tolerance.table->source))
        .Add("class", std::string(1, GeometricalClassLetter(tolerance.geometricalClass)))
        .Add("feature", std::string(GeometricalFeatureName(tolerance.feature)))
        .Add("length_mm", JsonMm(tolerance.length));
    AddRange(json, tolerance.range);
    json.Add("tolerance_mm", JsonMm(tolerance.tolerance))
        .Add("display",
             nlohmann::ordered_json {{"tolerance", GeometricalToleranceText(tolerance)},
                                     {"line", GeometricalToleranceLine(tolerance)}});
    return json.Take();
}

// What ISO 2768-2 clause 5 (GB/T 1184-1996 clause 5) says of the features it gives no table.
std::string_view RuleText(std::string_view feature)
{
    if (feature == "circularity")
        return "equal to the diameter's tolerance, but not more than the circular run-out tolerance";
    if (feature == "cylindricity")
        return "no general tolerance: it is made up of circularity, straightness and parallelism, each within "
               "its own general or indicated tolerance";
    if (feature == "parallelism")
        return "equal to the size tolerance or to the straightness or flatness tolerance, whichever is greater; "
               "the longer of the two features is the datum";
    return "no general tolerance of its own: the deviation may be as large as the circular run-out tolerance";
}

nlohmann::ordered_json RulesJson()
{
    auto rules = nlohmann::ordered_json::array();
    for (const std::string_view feature : UntabulatedFeatures())
        rules.push_back({{"feature", std::string(feature)}, {"rule", std::string(RuleText(feature))}});
    return rules;
}

nlohmann::ordered_json RowJson(const GeneralRow& row, std::size_t column, bool angle)
{
    JsonObject json(6);
    AddRange(json, row.range);
    const int cell = row.cells[column];
    if (cell == kNoCell) {
        json.Add(angle ? "deviation_deg" : "value_mm", nullptr).Add("display", nullptr);
        return json.Take();
    }
    if (angle)
        json.Add("deviation_deg", Degrees(cell)).Add("display", ArcMinutesText(cell));
    else
        json.Add("value_mm", JsonMm(ExactLength::FromUm(cell)))
            .Add("display", FormatMm(ExactLength::FromUm(cell)) + " mm");
    return json.Take();
}

nlohmann::ordered_json TableJson(const GeneralTable& table, std::size_t column, bool angle, bool signedValues)
{
    auto rows = nlohmann::ordered_json::array();
    for (const GeneralRow& row : table.rows) {
        auto json = RowJson(row, column, angle);
        if (signedValues && !angle && json["display"].is_string())
            json["display"] = "±" + json["display"].get<std::string>();
        rows.push_back(std::move(json));
    }
    return {{"standard", std::string(table.standard)}, {"source", std::string(table.source)}, {"rows", rows}};
}

} // namespace

Answer GeneralAnswer(const nlohmann::json& options)
{
    if (const auto unknown = UnknownIn(options, kSizeOptions))
        return *unknown;
    const auto classes = ReadClasses(options);
    if (!classes)
        return classes.reason();
    const auto standard = ReadStandard(options);
    if (!standard)
        return standard.reason();
    const auto size = ReadLength(options);
    if (!size)
        return size.reason();

    if (const nlohmann::json* featureValue = Member(options, "feature")) {
        if (Member(options, "kind"))
            return BadInput("conflicting_options", "give kind or feature, not both");
        const auto text = ReadText(*featureValue, "feature");
        if (!text)
            return text.reason();
        const auto feature = ParseGeometricalFeature(*text);
        if (!feature)
            return BadInput("bad_choice",
                            "feature " + QuotedInput(*text)
                                + " is not straightness, flatness, perpendicularity, symmetry or runout");
        if (!classes->geometrical)
            return BadInput("not_a_general_class",
                            "a feature takes a geometrical class H, K or L (or a pair such as mK)");
        const auto tolerance = FindGeometricalTolerance(*feature, *classes->geometrical, *standard, *size);
        if (!tolerance)
            return RefusalOf(tolerance.reason(), GeometricalTable(*feature, *standard),
                             GeometricalClassLetter(*classes->geometrical), *size);
        return GeometricalJson(*tolerance);
    }
    const auto kind = ReadKind(options);
    if (!kind)
        return kind.reason();
    if (!classes->linear)
        return BadInput("not_a_general_class",
                        "a size takes a linear class f, m, c or v (or a pair such as mK); H, K and L need a feature");
    const auto tolerance = FindGeneralTolerance(*kind, *classes->linear, *standard, *size);
    if (!tolerance)
        return RefusalOf(tolerance.reason(), LinearTable(*kind, *standard), LinearClassLetter(*classes->linear), *size);
    return LinearJson(*tolerance);
}

Answer GeneralTableAnswer(const nlohmann::json& options)
{
    if (const auto unknown = UnknownIn(options, kTableOptions))
        return *unknown;
    const auto classes = ReadClasses(options);
    if (!classes)
        return classes.reason();
    const auto standard = ReadStandard(options);
    if (!standard)
        return standard.reason();
    nlohmann::ordered_json json;
    json["class"] = (classes->linear ? std::string(1, LinearClassLetter(*classes->linear)) : std::string())
        + (classes->geometrical ? std::string(1, GeometricalClassLetter(*classes->geometrical)) : std::string());
    json["standard"] = *standard == GeneralStandard::Iso ? "iso" : "gb";
    if (classes->linear) {
        const auto column = static_cast<std::size_t>(*classes->linear);
        json["linear"] = TableJson(LinearTable(GeneralKind::Linear, *standard), column, false, true);
        json["edge"] = TableJson(LinearTable(GeneralKind::Edge, *standard), column, false, true);
        json["angle"] = TableJson(LinearTable(GeneralKind::Angle, *standard), column, true, true);
    }
    if (classes->geometrical) {
        const auto column = static_cast<std::size_t>(*classes->geometrical);
        nlohmann::ordered_json geometrical;
        geometrical["straightness_flatness"]
            = TableJson(GeometricalTable(GeometricalFeature::Flatness, *standard), column, false, false);
        geometrical["perpendicularity"]
            = TableJson(GeometricalTable(GeometricalFeature::Perpendicularity, *standard), column, false, false);
        geometrical["symmetry"]
            = TableJson(GeometricalTable(GeometricalFeature::Symmetry, *standard), column, false, false);
        geometrical["runout"]
            = TableJson(GeometricalTable(GeometricalFeature::Runout, *standard), column, false, false);
        json["geometrical"] = std::move(geometrical);
        json["rules"] = RulesJson();
    }
    return json;
}
