#include "report_content.h"

#include "fit_analysis.h"
#include "fit_diagram.h"
#include "fit_window_texts.h"
#include "materials.h"
#include "service_conditions.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <utility>

namespace {

// "+25", "0", "-9.5": a deviation or clearance reads with its sign, as on a drawing.
std::string SignedUm(ExactLength length)
{
    return (length.nm > 0 ? "+" : "") + FormatUm(length);
}

std::string Fixed(double value, int decimals)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (error != std::errc())
        return "?";
    std::string text(buffer, end);
    // A value that rounds to zero is zero, never "-0.0".
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

// The shortest text that reads back as the number: "210000", "0.3", "1.15e-05".
std::string Shortest(double value)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : "?";
}

// A limit of size to at least three decimals, as a drawing gives it: "40.000", "40.0125".
std::string LimitMm(ExactLength length)
{
    std::string text = FormatMm(length);
    const auto point = text.find('.');
    const std::size_t decimals = point == std::string::npos ? 0 : text.size() - point - 1;
    if (point == std::string::npos)
        text += '.';
    if (decimals < 3)
        text.append(3 - decimals, '0');
    return text;
}

ReportPart PartOf(ExactLength size, const PartLimits& part)
{
    return {ClassName(part.toleranceClass),        SignedUm(part.deviations.upper),
            SignedUm(part.deviations.lower),       LimitMm(size + part.deviations.upper),
            LimitMm(size + part.deviations.lower), FormatUm(part.Tolerance())};
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
    {"torque_min_nm", "N·m", 1, 1.0},
    {"axial_force_min_n", "N", 0, 1.0},
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
        if (p.youngs_modulus_mpa == properties.youngs_modulus_mpa && p.poisson_ratio == properties.poisson_ratio
            && p.expansion_per_k == properties.expansion_per_k && p.strength_mpa == properties.strength_mpa
            && p.strength_is_tensile == properties.strength_is_tensile)
            return std::string(language == ReportLanguage::Chinese ? material.name_zh : material.name_en);
    }
    return {};
}

void AddMaterial(std::vector<ReportValue>& inputs, std::string_view part, const MaterialProperties& material,
                 ReportLanguage language)
{
    const std::string prefix(part);
    const std::string name = MaterialName(material, language);
    inputs.push_back({prefix + "_material", name.empty() ? "-" : name, ""});
    inputs.push_back({prefix + "_e", Shortest(material.youngs_modulus_mpa), "MPa"});
    inputs.push_back({prefix + "_nu", Shortest(material.poisson_ratio), ""});
    inputs.push_back({prefix + "_alpha", Shortest(material.expansion_per_k * 1e6), "10⁻⁶/K"});
    inputs.push_back(
        {prefix + (material.strength_is_tensile ? "_tensile" : "_yield"), Shortest(material.strength_mpa), "MPa"});
}

std::vector<ReportValue> InputsOf(const ServiceInputs& inputs, const ServiceResults& results, ReportLanguage language)
{
    std::vector<ReportValue> list;
    const auto optional = [&list](const char* key, const std::optional<double>& value, const char* unit) {
        if (value)
            list.push_back({key, Shortest(*value), unit});
    };
    optional("hub_od", inputs.hub_outside_diameter_mm, "mm");
    optional("shaft_bore", inputs.shaft_bore_mm, "mm");
    optional("length", inputs.length_mm, "mm");
    AddMaterial(list, "hub", inputs.hub_material, language);
    AddMaterial(list, "shaft", inputs.shaft_material, language);
    list.push_back({"hub_temp", Shortest(inputs.hub_temperature_c), "°C"});
    list.push_back({"shaft_temp", Shortest(inputs.shaft_temperature_c), "°C"});
    list.push_back({"friction", Shortest(results.friction_coefficient), ""});
    list.push_back({"rz_hub", Shortest(inputs.hub_rz_um), "µm"});
    list.push_back({"rz_shaft", Shortest(inputs.shaft_rz_um), "µm"});
    list.push_back({"smoothing", Shortest(results.smoothing_factor), ""});
    list.push_back({"joining_clearance", Fixed(results.joining_clearance_mm * 1000.0, 1), "µm"});
    list.push_back({"zone_sigma", Shortest(results.zone_sigmas), ""});
    return list;
}

std::string FitClassKey(FitClass fitClass)
{
    return std::string(FitTypeName(fitClass == kFitClearance        ? FitType::Clearance
                                       : fitClass == kFitTransition ? FitType::Transition
                                                                    : FitType::Interference));
}

std::vector<ReportNote> WarningsOf(const ServiceInputs& inputs, const ServiceResults& r)
{
    std::vector<ReportNote> warnings;
    if (r.hub_yield_safety && *r.hub_yield_safety < 1.0)
        warnings.push_back({"hub_yield", {Fixed(*r.hub_yield_safety, 2)}});
    if (r.shaft_yield_safety && *r.shaft_yield_safety < 1.0)
        warnings.push_back({"shaft_yield", {Fixed(*r.shaft_yield_safety, 2)}});
    if (r.fit_class_changes_at_service)
        warnings.push_back(
            {"loosens_in_service", {FitClassKey(r.fit_class_at_20c), FitClassKey(r.fit_class_at_service)}});
    if (inputs.hub_outside_diameter_mm && r.pressure_min_mpa && *r.pressure_min_mpa <= 0.0)
        warnings.push_back({"no_press_fit", {}});
    return warnings;
}

std::vector<ReportNote> AssumptionsOf(const ServiceInputs& inputs, const ServiceResults& r)
{
    std::vector<ReportNote> notes = {
        {"sizes_at_20c", {}},
        {"fit_class", {FitClassKey(r.fit_class_at_20c), FitClassKey(r.fit_class_at_service)}},
        {"smoothing", {Fixed(r.smoothing_loss_um.value_or(0.0), 2), Fixed(r.smoothing_factor, 1)}},
        {"plane_stress", {}},
        {"friction", {Fixed(r.friction_coefficient, 3)}},
        {"joining_clearance", {Fixed(r.joining_clearance_mm * 1000.0, 1)}},
        {"normal_distribution", {Fixed(r.zone_sigmas, 1)}},
    };
    if (r.hub_strength_is_tensile || r.shaft_strength_is_tensile)
        notes.push_back({"brittle", {}});
    if (!inputs.hub_outside_diameter_mm)
        notes.push_back({"needs_hub_od", {}});
    else if (!inputs.length_mm)
        notes.push_back({"needs_length", {}});
    return notes;
}

std::string RefusalKey(ServiceRefusalReason reason)
{
    switch (reason) {
    case ServiceRefusalReason::kNotFinite:
        return "not_finite";
    case ServiceRefusalReason::kNotPositive:
        return "not_positive";
    case ServiceRefusalReason::kNegative:
        return "negative";
    case ServiceRefusalReason::kUpperBelowLower:
        return "upper_below_lower";
    case ServiceRefusalReason::kLimitSizeNotPositive:
        return "limit_size_not_positive";
    case ServiceRefusalReason::kHubOutsideNotLargerThanBore:
        return "hub_not_larger_than_bore";
    case ServiceRefusalReason::kShaftBoreNotSmallerThanShaft:
        return "bore_not_smaller_than_shaft";
    case ServiceRefusalReason::kPoissonRatioOutOfRange:
        return "poisson_out_of_range";
    case ServiceRefusalReason::kSmoothingFactorOutOfRange:
        return "smoothing_out_of_range";
    case ServiceRefusalReason::kBelowAbsoluteZero:
        return "below_absolute_zero";
    case ServiceRefusalReason::kResultOutOfRange:
        return "result_out_of_range";
    }
    return "refused";
}

} // namespace

ServiceInputs ServiceInputsOf(const FitAnalysis& fit)
{
    ServiceInputs inputs;
    inputs.size_mm = ToMm(fit.size);
    inputs.hole_upper_um = ToUm(fit.hole.deviations.upper);
    inputs.hole_lower_um = ToUm(fit.hole.deviations.lower);
    inputs.shaft_upper_um = ToUm(fit.shaft.deviations.upper);
    inputs.shaft_lower_um = ToUm(fit.shaft.deviations.lower);
    return inputs;
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
        ServiceInputs inputs = *service;
        const ServiceInputs limits = ServiceInputsOf(fit);
        inputs.size_mm = limits.size_mm;
        inputs.hole_upper_um = limits.hole_upper_um;
        inputs.hole_lower_um = limits.hole_lower_um;
        inputs.shaft_upper_um = limits.shaft_upper_um;
        inputs.shaft_lower_um = limits.shaft_lower_um;
        const ServiceOutcome outcome = CalculateServiceConditions(inputs);
        if (const auto* refusal = std::get_if<ServiceRefusal>(&outcome)) {
            content.serviceRefusal = ReportNote {RefusalKey(refusal->reason), {std::string(refusal->field)}};
        } else {
            const auto& results = std::get<ServiceResults>(outcome);
            ReportService section;
            section.inputs = InputsOf(inputs, results, language);
            for (const ServiceResultField& field : ServiceResultFields()) {
                const std::optional<double>& value = results.*(field.value);
                if (!value || field.key == "size_mm")
                    continue;
                const ResultFormat format = FormatOf(field.key);
                section.results.push_back(
                    {std::string(field.key), Fixed(*value * format.scale, format.decimals), std::string(format.unit)});
            }
            section.warnings = WarningsOf(inputs, results);
            section.assumptions = AssumptionsOf(inputs, results);
            content.service = std::move(section);
        }
    }
    return content;
}
