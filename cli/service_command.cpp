#include "answers/list_answers.h"
#include "answers/service_answer.h"
#include "answers/service_inputs.h"
#include "answers/service_warning_text.h"
#include "cli/cli_text.h"
#include "cli/commands.h"
#include "core/loaded_tables.h"
#include "core/materials.h"
#include "core/number_format.h"
#include "core/service_conditions.h"
#include "presentation/service_figures.h"

#include <cstdio>
#include <ostream>

namespace {

const ServiceResultField& Field(std::string_view key)
{
    for (const ServiceResultField& field : ServiceResultFields())
        if (field.key == key)
            return field;
    return ServiceResultFields().front();
}

// Which state a value is taken from, where the states differ in temperature.
std::string StateNote(const ServiceResults& r, const ServiceResultField& field)
{
    const ServiceState& standstill = r.states[kStandstill];
    const ServiceState& service = r.states[kInService];
    if (!field.stateValue || !(r.*field.value)
        || (standstill.hubTemperatureC == service.hubTemperatureC
            && standstill.shaftTemperatureC == service.shaftTemperatureC))
        return "";
    switch (GoverningState(r, field)) {
    case kStandstill:
        return " (standstill)";
    case kInService:
        return " (service)";
    default:
        return " (both states)";
    }
}

// One line "label: value unit (state)", or the reason it is missing.
void Line(std::ostream& out, const ServiceResults& r, std::string_view label, std::string_view key,
          std::string_view missing)
{
    const ServiceResultField& field = Field(key);
    const std::optional<double>& value = r.*field.value;
    const std::string_view unit = ServiceFigureFormatOf(key).unit;
    out << label << ": ";
    if (value)
        out << ServiceFigureText(key, *value) << (unit.empty() ? "" : " ") << unit << StateNote(r, field) << '\n';
    else
        out << "- (" << missing << ")\n";
}

std::string CoolingWords(double temperatureC)
{
    if (temperatureC >= kDryIceC)
        return " (dry ice, -78 °C, is cold enough)";
    if (temperatureC >= kLiquidNitrogenC)
        return " (needs liquid nitrogen, -196 °C)";
    return " (colder than liquid nitrogen, -196 °C: out of reach)";
}

std::string FrictionWords(const ServiceResults& r)
{
    const std::string_view surface = SurfaceConditionName(r.surface);
    return "assumed: friction " + FixedDecimals(r.frictionHolding, 3) + " holding, "
        + FixedDecimals(r.frictionPressing, 3) + " pressing in; " + std::string(JoiningMethodName(r.joining)) + " fit"
        + (surface.empty() || r.joining != JoiningMethod::Press ? "" : ", surfaces " + std::string(surface))
        + (r.frictionLessFavourable ? "; surface condition not given (--surface): holding takes the lower "
                                      "coefficient, pressing in the higher"
                                    : "")
        + (r.frictionTabulated ? "" : "; DIN 7190-1 gives no value for these materials: its lowest stands in") + '\n';
}

// "355 MPa (for 80.0 mm outside diameter)"
std::string StrengthWords(const ServiceResults& r, bool hub)
{
    const std::optional<double>& strength = hub ? r.hubStrengthMpa : r.shaftStrengthMpa;
    const std::optional<double>& section = hub ? r.hubStrengthSectionMm : r.shaftStrengthSectionMm;
    const SectionBasis basis = hub ? r.hubSectionBasis : r.shaftSectionBasis;
    if (!strength)
        return "- (needs --hub-od)";
    return ServiceFigureText("hub_strength_mpa", *strength) + " MPa (for " + FixedDecimals(*section, 1) + " mm "
        + (basis == SectionBasis::WallThickness ? "wall thickness" : (hub ? "outside diameter" : "diameter")) + ")";
}

void WriteInterferences(const ServiceResults& r, std::ostream& out)
{
    const ServiceState& standstill = r.states[kStandstill];
    const ServiceState& service = r.states[kInService];
    out << "interference at 20 °C: " << FixedDecimals(*r.interferenceMinUm, 1) << " to "
        << FixedDecimals(*r.interferenceMaxUm, 1) << " µm (" << FitTypeName(r.fitTypeAt20c)
        << " fit; negative: clearance)\n";
    out << "interference at standstill, after smoothing: " << FixedDecimals(standstill.interferenceMinUm, 1) << " to "
        << FixedDecimals(standstill.interferenceMaxUm, 1) << " µm (" << FitTypeName(standstill.fitType) << " fit)\n";
    out << "interference at service (hub " << FixedDecimals(service.hubTemperatureC, 1) << " °C, shaft "
        << FixedDecimals(service.shaftTemperatureC, 1)
        << " °C), after smoothing: " << FixedDecimals(service.interferenceMinUm, 1) << " to "
        << FixedDecimals(service.interferenceMaxUm, 1) << " µm (" << FitTypeName(service.fitType) << " fit"
        << (r.fitTypeChangesAtService ? ": the fit changes type at service" : "") << ")\n";
}

void WriteAssembly(const ServiceResults& r, std::ostream& out)
{
    out << "hub assembly temperature (shaft at 20 °C): ";
    if (r.hubAssemblyTempC)
        out << FixedDecimals(*r.hubAssemblyTempC, 1) << " °C (its material allows up to "
            << FixedDecimals(r.hubJoiningLimitC, 0) << " °C)\n";
    else
        out << "- (a clearance fit: no heating needed)\n";
    out << "shaft assembly temperature (hub at 20 °C): ";
    if (r.shaftAssemblyTempC)
        out << FixedDecimals(*r.shaftAssemblyTempC, 1) << " °C" << CoolingWords(*r.shaftAssemblyTempC) << '\n';
    else if (r.hubAssemblyTempC)
        out << "- (no cooling reaches it: even at absolute zero the shaft would not shrink enough)\n";
    else
        out << "- (a clearance fit: no cooling needed)\n";
}

void WriteText(const ServiceResults& r, std::ostream& out)
{
    for (const ServiceWarning& warning : r.warnings)
        out << "WARNING " << ServiceWarningKey(warning.code) << ": "
            << ServiceWarningText(r, warning, OptionNaming::CommandLine) << '\n';
    WriteInterferences(r, out);
    const char* noHub = "needs --hub-od";
    const char* noLength = "needs --hub-od and --length";
    Line(out, r, "contact pressure, least", "pressure_min_mpa", noHub);
    Line(out, r, "contact pressure, most", "pressure_max_mpa", noHub);
    Line(out, r, "hub bore, tangential stress", "hub_bore_tangential_max_mpa", noHub);
    Line(out, r, "hub bore, von Mises stress", "hub_bore_von_mises_max_mpa", noHub);
    Line(out, r, "hub outside, tangential stress", "hub_outside_tangential_max_mpa", noHub);
    Line(out, r, "shaft, von Mises stress", "shaft_von_mises_max_mpa", noHub);
    out << "hub strength: " << StrengthWords(r, true) << '\n';
    out << "shaft strength: " << StrengthWords(r, false) << '\n';
    Line(out, r, r.hubBrittle ? "hub safety against fracture (tangential stress)" : "hub safety against yield",
         "hub_yield_safety", "needs --hub-od and an interference");
    Line(out, r, "shaft safety against yield", "shaft_yield_safety", "needs --hub-od and an interference");
    Line(out, r, "largest effective interference for the hub's safety", "interference_at_hub_yield_um", noHub);
    if (r.interferenceAtShaftYieldUm)
        Line(out, r, "largest effective interference for the shaft's safety", "interference_at_shaft_yield_um", "");
    Line(out, r, "torque held, least", "torque_min_nm", noLength);
    Line(out, r, "axial force held, least", "axial_force_min_n", noLength);
    Line(out, r, "slip safety under the load", "slip_safety",
         r.torqueMinNm ? "needs --torque or --axial-force" : "needs --hub-od, --length and --torque or --axial-force");
    Line(out, r, "press-in force, most", "press_force_max_n", noLength);
    WriteAssembly(r, out);
    out << "probability of interference: " << ServiceFigureText("probability_interference", *r.probabilityInterference)
        << " %\n"
        << "probability of clearance: " << ServiceFigureText("probability_clearance", *r.probabilityClearance)
        << " %\n";
    out << "assumed: sizes at 20 °C; interference is diametral (shaft minus hole); results are the worse of "
           "standstill (both parts at 20 °C) and service\n"
        << "assumed: smoothing loss " << FixedDecimals(*r.smoothingLossUm, 2) << " µm, factor "
        << FixedDecimals(r.smoothingFactor, 1) << " × (Rz hub + Rz shaft)\n"
        << "assumed: plane stress, hub and shaft of equal length, uniform pressure (Lamé)\n"
        << FrictionWords(r) << "assumed: required safeties " << FixedDecimals(r.requiredSlipSafety, 2)
        << " against slip, " << FixedDecimals(r.requiredYieldSafety, 2) << " against yield"
        << (r.hubBrittle ? ", " + FixedDecimals(r.requiredFractureSafety, 2) + " against fracture of the brittle hub"
                         : std::string())
        << "\n"
        << "assumed: joining clearance " << FixedDecimals(r.joiningClearanceMm * 1000.0, 1) << " µm\n"
        << "assumed: sizes normally distributed, centred in their zones, each zone ±" << FixedDecimals(r.zoneSigmas, 1)
        << " standard deviations\n";
    if (r.hubBrittle || r.shaftBrittle)
        out << "assumed: grey cast iron has no yield point: its tensile strength stands in, against the largest "
               "tensile stress (DIN 7190-1)\n";
    out << "assumed: strengths are the material standard's minimum for the section (a typed one as given)\n";
}

int ListMaterials(std::ostream& out)
{
    out << "id            E MPa    nu     alpha 1/K   strength MPa  to -78/-196 C 1/K   joining max  name\n";
    for (const Material& material : BuiltInMaterials()) {
        const MaterialProperties& p = material.properties;
        char line[320];
        std::snprintf(line, sizeof line, "%-12s %7s  %5s  %10s  %8s%-5s  %7s/%-10s  %6s C     %s\n",
                      std::string(material.id).c_str(), FixedDecimals(p.youngsModulusMpa, 0).c_str(),
                      FixedDecimals(p.poissonRatio, 3).c_str(),
                      FixedDecimals(p.expansionPerK * 1e6, 1).append("e-6").c_str(),
                      p.tabulatedStrength && p.strengthBySize.empty() ? "-" : FixedDecimals(p.strengthMpa, 0).c_str(),
                      p.brittle ? " (Rm)" : "", FixedDecimals(p.expansionToDryIcePerK * 1e6, 1).c_str(),
                      FixedDecimals(p.expansionToNitrogenPerK * 1e6, 1).append("e-6").c_str(),
                      FixedDecimals(p.maxJoiningTemperatureC, 0).c_str(), std::string(material.nameEn).c_str());
        out << line;
    }
    return kExitResult;
}

} // namespace

int RunService(const ServiceRequest& request, std::ostream& out, std::ostream& err)
{
    if (request.listMaterials) {
        if (!request.json)
            return ListMaterials(out);
        out << MaterialsAnswer()->dump() << '\n';
        return kExitResult;
    }
    if (request.sizeText.empty())
        return UsageError(err, "service needs SIZE (or --materials)");
    const auto size = ReadSizeArgument(request.sizeText, err);
    if (!size)
        return kExitUsage;

    nlohmann::json options = ServiceOptionsJson(request.options);
    options["size_mm"] = request.sizeText;
    if (request.fitText)
        options["fit"] = *request.fitText;
    if (!request.hole.empty())
        options["hole"] = request.hole;
    if (!request.shaft.empty())
        options["shaft"] = request.shaft;
    const auto question
        = ReadServiceQuestion(LoadDeviationTables(request.tables), options, OptionNaming::CommandLine, request.tables);
    if (!question)
        return RefusalExit(question.reason(), err);
    const ServiceOutcome outcome = CalculateServiceConditions(question->inputs);
    if (!outcome)
        return RefusalExit(ServiceRefusalAnswer(outcome.reason(), *size, OptionNaming::CommandLine), err);
    if (request.json)
        out << ServiceJson(*outcome, OptionNaming::CommandLine).dump() << '\n';
    else
        WriteText(*outcome, out);
    return kExitResult;
}
