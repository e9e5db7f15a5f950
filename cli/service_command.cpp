#include "cli_text.h"
#include "commands.h"
#include "decimal_text.h"
#include "fit_analysis.h"
#include "loaded_tables.h"
#include "materials.h"
#include "scales.h"
#include "service_conditions.h"
#include "tolerance_class.h"

#include <charconv>
#include <nlohmann/json.hpp>
#include <ostream>

namespace {

// Reads every number option of the request into the inputs; false after the usage message.
class NumberReader
{
public:
    explicit NumberReader(std::ostream& err)
        : m_err(err)
    {
    }

    bool Read(const std::optional<std::string>& text, std::string_view option, double& value)
    {
        if (!text || !m_ok)
            return m_ok;
        const auto number = ParseDecimalNumber(*text);
        if (!number) {
            UsageError(m_err, std::string(option) + " " + Quoted(*text) + " " + NumberProblemWords(number.reason()));
            m_ok = false;
        } else {
            value = *number;
        }
        return m_ok;
    }

    bool Read(const std::optional<std::string>& text, std::string_view option, std::optional<double>& value)
    {
        if (!text)
            return m_ok;
        double number = 0.0;
        if (Read(text, option, number))
            value = number;
        return m_ok;
    }

    bool Ok() const { return m_ok; }

private:
    std::ostream& m_err;
    bool m_ok = true;
};

bool ReadMaterial(const std::optional<std::string>& id, std::string_view option, MaterialProperties& properties,
                  std::ostream& err)
{
    if (!id)
        return true;
    const auto material = FindMaterial(*id);
    if (!material) {
        UsageError(err,
                   std::string(option) + " " + Quoted(*id) + " is not a built-in material (--materials lists them)");
        return false;
    }
    properties = material->properties;
    return true;
}

bool ReadOverrides(NumberReader& reader, const MaterialOverrides& overrides, std::string_view part,
                   MaterialProperties& properties)
{
    const std::string prefix = "--" + std::string(part) + "-";
    reader.Read(overrides.youngsModulus, prefix + "e", properties.youngs_modulus_mpa);
    reader.Read(overrides.poissonRatio, prefix + "nu", properties.poisson_ratio);
    reader.Read(overrides.expansion, prefix + "alpha", properties.expansion_per_k);
    if (overrides.strength) {
        reader.Read(overrides.strength, prefix + "yield", properties.strength_mpa);
        properties.strength_is_tensile = false;
    }
    return reader.Ok();
}

// The two deviations of a part given directly, in µm, upper first.
bool ReadDeviations(NumberReader& reader, const std::vector<std::string>& texts, std::string_view option, double& upper,
                    double& lower)
{
    return reader.Read(texts[0], std::string(option) + " UPPER", upper)
        && reader.Read(texts[1], std::string(option) + " LOWER", lower);
}

std::string_view RefusalText(ServiceRefusalReason reason)
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
    case ServiceRefusalReason::kResultOutOfRange:
        return "cannot be represented: the inputs are too large";
    }
    return "is refused";
}

std::string Fixed(double value, int decimals)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text = error == std::errc() ? std::string(buffer, end) : "?";
    // A value that rounds to zero is zero, never "-0.0".
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

void WriteJson(const ServiceResults& results, std::ostream& out)
{
    nlohmann::ordered_json json;
    for (const ServiceResultField& field : ServiceResultFields()) {
        const auto& value = results.*(field.value);
        json[std::string(field.key)] = value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
    }
    json["fit_type_at_20c"] = FitTypeName(results.fit_class_at_20c);
    json["fit_type_at_service"] = FitTypeName(results.fit_class_at_service);
    json["friction_coefficient"] = results.friction_coefficient;
    json["smoothing_factor"] = results.smoothing_factor;
    json["joining_clearance_um"] = results.joining_clearance_mm * 1000.0;
    json["zone_sigma"] = results.zone_sigmas;
    json["hub_strength_is_tensile"] = results.hub_strength_is_tensile;
    json["shaft_strength_is_tensile"] = results.shaft_strength_is_tensile;
    out << json.dump() << '\n';
}

// One line "label: value unit", or the reason it is missing.
void Line(std::ostream& out, std::string_view label, const std::optional<double>& value, int decimals,
          std::string_view unit, std::string_view missing)
{
    out << label << ": ";
    if (value)
        out << Fixed(*value, decimals) << (unit.empty() ? "" : " ") << unit << '\n';
    else
        out << "- (" << missing << ")\n";
}

void WriteText(const ServiceResults& r, std::ostream& out)
{
    const char* noHub = "needs --hub-od";
    const char* noLength = "needs --hub-od and --length";
    out << "interference at 20 °C: " << Fixed(*r.interference_min_um, 1) << " to " << Fixed(*r.interference_max_um, 1)
        << " µm (" << FitTypeName(r.fit_class_at_20c) << " fit; negative: clearance)\n";
    out << "interference at service, after smoothing: " << Fixed(*r.service_interference_min_um, 1) << " to "
        << Fixed(*r.service_interference_max_um, 1) << " µm (" << FitTypeName(r.fit_class_at_service) << " fit"
        << (r.fit_class_changes_at_service ? ": the fit changes type at service" : "") << ")\n";
    Line(out, "contact pressure, least", r.pressure_min_mpa, 1, "MPa", noHub);
    Line(out, "contact pressure, most", r.pressure_max_mpa, 1, "MPa", noHub);
    Line(out, "hub bore, tangential stress", r.hub_bore_tangential_max_mpa, 1, "MPa", noHub);
    Line(out, "hub bore, von Mises stress", r.hub_bore_von_mises_max_mpa, 1, "MPa", noHub);
    Line(out, "hub outside, tangential stress", r.hub_outside_tangential_max_mpa, 1, "MPa", noHub);
    Line(out, "shaft, von Mises stress", r.shaft_von_mises_max_mpa, 1, "MPa", noHub);
    Line(out, "hub safety against yield", r.hub_yield_safety, 2, "", "needs --hub-od and an interference");
    Line(out, "shaft safety against yield", r.shaft_yield_safety, 2, "", "needs --hub-od and an interference");
    Line(out, "torque held, least", r.torque_min_nm, 1, "N·m", noLength);
    Line(out, "axial force held, least", r.axial_force_min_n, 0, "N", noLength);
    Line(out, "press-in force, most", r.press_force_max_n, 0, "N", noLength);
    Line(out, "hub assembly temperature (shaft at 20 °C)", r.hub_assembly_temp_c, 1, "°C", "-");
    Line(out, "shaft assembly temperature (hub at 20 °C)", r.shaft_assembly_temp_c, 1, "°C", "-");
    out << "probability of interference: " << Fixed(*r.probability_interference * 100.0, 2) << " %\n"
        << "probability of clearance: " << Fixed(*r.probability_clearance * 100.0, 2) << " %\n";
    out << "assumed: sizes at 20 °C; interference is diametral (shaft minus hole)\n"
        << "assumed: smoothing loss " << Fixed(*r.smoothing_loss_um, 2) << " µm, factor "
        << Fixed(r.smoothing_factor, 1) << " × (Rz hub + Rz shaft)\n"
        << "assumed: plane stress, hub and shaft of equal length, uniform pressure (Lamé)\n"
        << "assumed: friction coefficient " << Fixed(r.friction_coefficient, 3) << ", for holding and pressing\n"
        << "assumed: joining clearance " << Fixed(r.joining_clearance_mm * 1000.0, 1) << " µm\n"
        << "assumed: sizes normally distributed, centred in their zones, each zone ±" << Fixed(r.zone_sigmas, 1)
        << " standard deviations\n";
    if (r.hub_strength_is_tensile || r.shaft_strength_is_tensile)
        out << "assumed: grey cast iron has no yield point: its tensile strength stands in for it\n";
}

int ListMaterials(std::ostream& out)
{
    out << "id            E MPa    nu     alpha 1/K   strength MPa  name\n";
    for (const Material& material : BuiltInMaterials()) {
        const MaterialProperties& p = material.properties;
        char line[256];
        std::snprintf(line, sizeof line, "%-12s %7s  %5s  %10s  %8s%-5s  %s\n", std::string(material.id).c_str(),
                      Fixed(p.youngs_modulus_mpa, 0).c_str(), Fixed(p.poisson_ratio, 3).c_str(),
                      Fixed(p.expansion_per_k * 1e6, 1).append("e-6").c_str(), Fixed(p.strength_mpa, 0).c_str(),
                      p.strength_is_tensile ? " (Rm)" : "", std::string(material.name_en).c_str());
        out << line;
    }
    return kExitResult;
}

} // namespace

int RunService(const ServiceRequest& request, std::ostream& out, std::ostream& err)
{
    if (request.listMaterials)
        return ListMaterials(out);
    if (request.sizeText.empty())
        return UsageError(err, "service needs SIZE (or --materials)");
    const auto size = ReadSizeArgument(request.sizeText, err);
    if (!size)
        return kExitUsage;

    ServiceInputs inputs;
    inputs.size_mm = ToMm(*size);
    NumberReader reader(err);
    const bool direct = !request.hole.empty() || !request.shaft.empty();
    if (request.fitText && direct)
        return UsageError(err, "give either --fit or --hole and --shaft");
    if (request.fitText) {
        const auto designation = ParseFitDesignation(*request.fitText);
        if (!designation)
            return UsageError(err, "--fit " + Quoted(*request.fitText) + " is not a fit such as H7/s6");
        const auto fit = AnalyseFit(LoadDeviationTables(request.tables), *designation, *size);
        if (!fit) {
            err << "quorlan-cli: " << FitFailureText(*designation, fit.reason(), *size, request.tables) << '\n';
            return kExitFailure;
        }
        inputs.hole_upper_um = ToUm(fit->hole.deviations.upper);
        inputs.hole_lower_um = ToUm(fit->hole.deviations.lower);
        inputs.shaft_upper_um = ToUm(fit->shaft.deviations.upper);
        inputs.shaft_lower_um = ToUm(fit->shaft.deviations.lower);
    } else if (request.hole.size() == 2 && request.shaft.size() == 2) {
        if (!ReadDeviations(reader, request.hole, "--hole", inputs.hole_upper_um, inputs.hole_lower_um)
            || !ReadDeviations(reader, request.shaft, "--shaft", inputs.shaft_upper_um, inputs.shaft_lower_um))
            return kExitUsage;
    } else {
        return UsageError(err, "give the fit: --fit H7/s6, or --hole UPPER LOWER --shaft UPPER LOWER in µm");
    }

    if (!ReadMaterial(request.hubMaterial, "--hub-material", inputs.hub_material, err)
        || !ReadMaterial(request.shaftMaterial, "--shaft-material", inputs.shaft_material, err))
        return kExitUsage;
    ReadOverrides(reader, request.hubOverrides, "hub", inputs.hub_material);
    ReadOverrides(reader, request.shaftOverrides, "shaft", inputs.shaft_material);
    reader.Read(request.hubOutsideDiameter, "--hub-od", inputs.hub_outside_diameter_mm);
    reader.Read(request.shaftBore, "--shaft-id", inputs.shaft_bore_mm);
    reader.Read(request.length, "--length", inputs.length_mm);
    reader.Read(request.hubTemperature, "--hub-temp", inputs.hub_temperature_c);
    reader.Read(request.shaftTemperature, "--shaft-temp", inputs.shaft_temperature_c);
    reader.Read(request.friction, "--friction", inputs.friction_coefficient);
    reader.Read(request.hubRz, "--rz-hub", inputs.hub_rz_um);
    reader.Read(request.shaftRz, "--rz-shaft", inputs.shaft_rz_um);
    reader.Read(request.zoneSigmas, "--zone-sigma", inputs.zone_sigmas);
    std::optional<double> joiningUm;
    reader.Read(request.joiningClearance, "--joining-clearance", joiningUm);
    if (joiningUm)
        inputs.joining_clearance_mm = *joiningUm / 1000.0;
    if (!reader.Ok())
        return kExitUsage;
    if (request.smoothing) {
        if (*request.smoothing == "0.4")
            inputs.smoothing_factor = kSmoothingFactorDin7190_2017;
        else if (*request.smoothing == "0.8")
            inputs.smoothing_factor = kSmoothingFactorDin7190_2001;
        else
            return UsageError(err, "--smoothing " + Quoted(*request.smoothing) + " is not 0.4 or 0.8");
    }

    const ServiceOutcome outcome = CalculateServiceConditions(inputs);
    if (const auto* refusal = std::get_if<ServiceRefusal>(&outcome))
        return UsageError(err, std::string(refusal->field) + " " + std::string(RefusalText(refusal->reason)));
    const auto& results = std::get<ServiceResults>(outcome);
    if (request.json)
        WriteJson(results, out);
    else
        WriteText(results, out);
    return kExitResult;
}
