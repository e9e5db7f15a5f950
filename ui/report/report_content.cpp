#include "report/report_content.h"

#include "core/fit_analysis.h"
#include "core/fit_diagram.h"
#include "core/materials.h"
#include "core/number_format.h"
#include "core/service_conditions.h"
#include "workbench/analysis/analysis_texts.h"

#include <cmath>
#include <string_view>
#include <utility>

namespace {

ReportPart PartOf(ExactLength size, const PartLimits& part)
{
    return {ClassName(part.toleranceClass),          SignedUm(part.deviations.upper),
            SignedUm(part.deviations.lower),         DrawingMm(size + part.deviations.upper),
            DrawingMm(size + part.deviations.lower), FormatUm(part.Tolerance())};
}

// How each result is printed: its unit, its decimals and a scale (a fraction shown in %).
struct ResultFormat
{
    std::string_view key;
    std::string_view unit;
    int decimals;
    double scale;
};

constexpr ResultFormat kResultFormats[] = {
    {"size_mm", "mm", 3, 1.0},
    {"interference_min_um", "µm", 1, 1.0},
    {"interference_max_um", "µm", 1, 1.0},
    {"smoothing_loss_um", "µm", 2, 1.0},
    {"service_interference_min_um", "µm", 1, 1.0},
    {"service_interference_max_um", "µm", 1, 1.0},
    {"pressure_min_mpa", "MPa", 1, 1.0},
    {"pressure_max_mpa", "MPa", 1, 1.0},
    {"hub_bore_tangential_max_mpa", "MPa", 1, 1.0},
    {"hub_bore_radial_max_mpa", "MPa", 1, 1.0},
    {"hub_bore_von_mises_max_mpa", "MPa", 1, 1.0},
    {"hub_outside_tangential_max_mpa", "MPa", 1, 1.0},
    {"shaft_von_mises_max_mpa", "MPa", 1, 1.0},
    {"hub_yield_safety", "", 2, 1.0},
    {"shaft_yield_safety", "", 2, 1.0},
    {"interference_at_hub_yield_um", "µm", 1, 1.0},
    {"interference_at_shaft_yield_um", "µm", 1, 1.0},
    {"torque_min_nm", "N·m", 1, 1.0},
    {"axial_force_min_n", "N", 0, 1.0},
    {"slip_safety", "", 2, 1.0},
    {"press_force_max_n", "N", 0, 1.0},
    {"hub_assembly_temp_c", "°C", 1, 1.0},
    {"shaft_assembly_temp_c", "°C", 1, 1.0},
    {"probability_interference", "%", 2, 100.0},
    {"probability_clearance", "%", 2, 100.0},
};

ResultFormat FormatOf(std::string_view key)
{
    for (const ResultFormat& format : kResultFormats)
        if (format.key == key)
            return format;
    return {key, "", 3, 1.0}; // a result added to the core later still shows, plainly
}

// The built-in material with exactly these values, named in the report's language; else empty.
std::string MaterialName(const MaterialProperties& properties, ReportLanguage language)
{
    for (const Material& material : BuiltInMaterials()) {
        const MaterialProperties& p = material.properties;
        if (p.youngsModulusMpa == properties.youngsModulusMpa && p.poissonRatio == properties.poissonRatio
            && p.expansionPerK == properties.expansionPerK && p.strengthMpa == properties.strengthMpa
            && p.brittle == properties.brittle)
            return std::string(language == ReportLanguage::Chinese ? material.nameZh : material.nameEn);
    }
    return {};
}

void AddMaterial(std::vector<ReportValue>& inputs, std::string_view part, const MaterialProperties& material,
                 ReportLanguage language)
{
    const std::string prefix(part);
    const std::string name = MaterialName(material, language);
    inputs.push_back({prefix + "_material", name.empty() ? "-" : name, ""});
    inputs.push_back({prefix + "_e", ShortestNumber(material.youngsModulusMpa), "MPa"});
    inputs.push_back({prefix + "_nu", ShortestNumber(material.poissonRatio), ""});
    inputs.push_back({prefix + "_alpha", ShortestNumber(material.expansionPerK * 1e6), "× 10⁻⁶/K"});
    inputs.push_back(
        {prefix + (material.brittle ? "_tensile" : "_yield"), ShortestNumber(material.strengthMpa), "MPa"});
}

std::vector<ReportValue> InputsOf(const ServiceInputs& inputs, const ServiceResults& results, ReportLanguage language)
{
    std::vector<ReportValue> list;
    const auto optional = [&list](const char* key, const std::optional<double>& value, const char* unit) {
        if (value)
            list.push_back({key, ShortestNumber(*value), unit});
    };
    optional("hub_od", inputs.hubOutsideDiameterMm, "mm");
    optional("shaft_bore", inputs.shaftBoreMm, "mm");
    optional("length", inputs.lengthMm, "mm");
    optional("torque", inputs.torqueNm, "N·m");
    optional("axial_force", inputs.axialForceN, "N");
    if (inputs.torqueNm || inputs.axialForceN)
        list.push_back({"required_slip_safety", ShortestNumber(inputs.requiredSlipSafety), ""});
    list.push_back({"required_yield_safety", ShortestNumber(inputs.requiredYieldSafety), ""});
    list.push_back({"joining", std::string(JoiningMethodName(results.joining)), ""});
    AddMaterial(list, "hub", inputs.hubMaterial, language);
    AddMaterial(list, "shaft", inputs.shaftMaterial, language);
    list.push_back({"hub_temp", ShortestNumber(inputs.hubTemperatureC), "°C"});
    list.push_back({"shaft_temp", ShortestNumber(inputs.shaftTemperatureC), "°C"});
    list.push_back({"friction", ShortestNumber(results.frictionHolding), ""});
    list.push_back({"friction_pressing", ShortestNumber(results.frictionPressing), ""});
    list.push_back({"rz_hub", ShortestNumber(inputs.hubRzUm), "µm"});
    list.push_back({"rz_shaft", ShortestNumber(inputs.shaftRzUm), "µm"});
    list.push_back({"smoothing", ShortestNumber(results.smoothingFactor), ""});
    list.push_back({"joining_clearance", FixedDecimals(results.joiningClearanceMm * 1000.0, 1), "µm"});
    list.push_back({"zone_sigma", ShortestNumber(results.zoneSigmas), ""});
    return list;
}

std::string FitClassKey(FitType type)
{
    return std::string(FitTypeName(type));
}

// "at_standstill", "in_service" or, for a warning of neither alone, "in_both_states": a key the
// report words.
std::string StateKey(std::size_t state)
{
    return state == kStandstill ? "at_standstill" : state == kInService ? "in_service" : "in_both_states";
}

// The calculation's warnings, keyed as the core names them, with the numbers each sentence takes.
std::vector<ReportNote> WarningsOf(const ServiceResults& r)
{
    std::vector<ReportNote> warnings;
    for (const ServiceWarning& warning : r.warnings) {
        std::vector<std::string> args;
        switch (warning.code) {
        case ServiceWarningCode::HubYield:
        case ServiceWarningCode::ShaftYield:
        case ServiceWarningCode::Slip:
            args = {StateKey(warning.state), FixedDecimals(warning.value, 2), FixedDecimals(warning.limit, 2)};
            break;
        case ServiceWarningCode::NoPressFit:
            args = {StateKey(warning.state), FixedDecimals(warning.value, 1)};
            break;
        case ServiceWarningCode::CoolingUnreachable:
            args = {FixedDecimals(warning.value, 1)};
            break;
        case ServiceWarningCode::HubHeatingLimit:
        case ServiceWarningCode::AssemblyUnreachable:
            args = {FixedDecimals(warning.value, 1), FixedDecimals(warning.limit, 1)};
            break;
        case ServiceWarningCode::LoosensInService:
            args = {FitClassKey(r.states[kStandstill].fitType), FitClassKey(r.states[kInService].fitType)};
            break;
        case ServiceWarningCode::NoRoughness:
            break;
        }
        warnings.push_back({std::string(ServiceWarningKey(warning.code)), std::move(args)});
    }
    return warnings;
}

std::vector<ReportNote> AssumptionsOf(const ServiceInputs& inputs, const ServiceResults& r)
{
    std::vector<ReportNote> notes = {
        {"sizes_at_20c", {}},
        {"fit_class", {FitClassKey(r.fitTypeAt20c), FitClassKey(r.fitTypeAtService)}},
        {"smoothing", {FixedDecimals(r.smoothingLossUm.value_or(0.0), 2), FixedDecimals(r.smoothingFactor, 1)}},
        {"plane_stress", {}},
        {"friction_both", {FixedDecimals(r.frictionHolding, 3), FixedDecimals(r.frictionPressing, 3)}},
        {"joining_clearance", {FixedDecimals(r.joiningClearanceMm * 1000.0, 1)}},
        {"normal_distribution", {FixedDecimals(r.zoneSigmas, 1)}},
    };
    if (r.hubBrittle || r.shaftBrittle)
        notes.push_back({"brittle", {}});
    if (!inputs.hubOutsideDiameterMm)
        notes.push_back({"needs_hub_od", {}});
    else if (!inputs.lengthMm)
        notes.push_back({"needs_length", {}});
    return notes;
}

std::string StateValue(const std::optional<double>& value, const ResultFormat& format)
{
    return value ? FixedDecimals(*value * format.scale, format.decimals) : "-";
}

// Both states side by side: the effective interferences, then every value the core gives per state.
void AddStates(ReportService& section, const ServiceResults& results)
{
    for (std::size_t state : {kStandstill, kInService}) {
        section.hubTemperaturesC[state] = ShortestNumber(results.states[state].hubTemperatureC);
        section.shaftTemperaturesC[state] = ShortestNumber(results.states[state].shaftTemperatureC);
    }
    for (const bool min : {true, false}) {
        ReportStateRow row {min ? "effective_interference_min_um" : "effective_interference_max_um", "µm", {}};
        for (std::size_t state : {kStandstill, kInService}) {
            const ServiceState& s = results.states[state];
            row.values[state] = FixedDecimals(min ? s.interferenceMinUm : s.interferenceMaxUm, 1);
        }
        section.states.push_back(std::move(row));
    }
    for (const ServiceStateField& field : ServiceStateFields()) {
        const ResultFormat format = FormatOf(field.key);
        ReportStateRow row {std::string(field.key), std::string(format.unit), {}};
        for (std::size_t state : {kStandstill, kInService})
            row.values[state] = StateValue(results.states[state].*(field.value), format);
        section.states.push_back(std::move(row));
    }
}

} // namespace

ServiceInputs ServiceInputsOf(const FitAnalysis& fit)
{
    return WithFitLimits(fit);
}

ReportContent BuildReportContent(const FitAnalysis& fit, const ServiceInputs* service, ReportLanguage language,
                                 std::string version, std::string date)
{
    ReportContent content;
    content.language = language;
    content.fitName = ClassName(fit.hole.toleranceClass) + "/" + ClassName(fit.shaft.toleranceClass);
    content.sizeMm = FormatMm(fit.size);
    content.type = FitTypeName(fit.type);
    content.hole = PartOf(fit.size, fit.hole);
    content.shaft = PartOf(fit.size, fit.shaft);
    // ES - ei is the largest clearance (the smallest interference), EI - es the smallest clearance
    // (the largest interference); the larger extreme first.
    switch (fit.type) {
    case FitType::Clearance:
        content.extremes = {{"max_clearance", SignedUm(fit.maxClearance), "µm"},
                            {"min_clearance", SignedUm(fit.minClearance), "µm"}};
        break;
    case FitType::Transition:
        content.extremes = {{"max_clearance", SignedUm(fit.maxClearance), "µm"},
                            {"max_interference", SignedUm(fit.minClearance), "µm"}};
        break;
    case FitType::Interference:
        content.extremes = {{"max_interference", SignedUm(fit.minClearance), "µm"},
                            {"min_interference", SignedUm(fit.maxClearance), "µm"}};
        break;
    }
    content.mean
        = {fit.meanClearance.nm >= 0 ? "mean_clearance" : "mean_interference", SignedUm(fit.meanClearance), "µm"};
    content.fitToleranceUm = FormatUm(fit.fitTolerance);
    content.drawingLine = DescribeFit(fit).drawingLine;
    content.diagramSvg = FitDiagramSvg(fit);
    content.version = std::move(version);
    content.date = std::move(date);

    if (service) {
        // The limits are the fit's, whatever the caller's inputs held.
        const ServiceInputs inputs = WithFitLimits(fit, *service);
        const ServiceOutcome outcome = CalculateServiceConditions(inputs);
        if (!outcome) {
            const ServiceRefusal& refusal = outcome.reason();
            content.serviceRefusal
                = ReportNote {std::string(ServiceRefusalKey(refusal.reason)), {std::string(refusal.field)}};
        } else {
            const ServiceResults& results = *outcome;
            ReportService section;
            section.inputs = InputsOf(inputs, results, language);
            for (const ServiceResultField& field : ServiceResultFields()) {
                const std::optional<double>& value = results.*(field.value);
                if (!value || field.key == "size_mm")
                    continue;
                const ResultFormat format = FormatOf(field.key);
                section.results.push_back({std::string(field.key),
                                           FixedDecimals(*value * format.scale, format.decimals),
                                           std::string(format.unit)});
            }
            for (const ServiceResultField& field : ServiceResultFields()) {
                const std::size_t state = GoverningState(results, field);
                if (state == kNoState)
                    continue;
                for (ReportValue& value : section.results)
                    if (value.key == field.key)
                        value.state = state == kStandstill ? "standstill" : "service";
            }
            AddStates(section, results);
            section.warnings = WarningsOf(results);
            section.assumptions = AssumptionsOf(inputs, results);
            content.service = std::move(section);
        }
    }
    return content;
}
