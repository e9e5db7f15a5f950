#include "service_conditions.h"

#include "normal_distribution.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double kAbsoluteZeroC = -273.15;
constexpr double kUmPerMm = 1000.0;

constexpr std::array kResultFields = {
    ServiceResultField {"size_mm", &ServiceResults::size_mm},
    ServiceResultField {"interference_min_um", &ServiceResults::interference_min_um},
    ServiceResultField {"interference_max_um", &ServiceResults::interference_max_um},
    ServiceResultField {"smoothing_loss_um", &ServiceResults::smoothing_loss_um},
    ServiceResultField {"service_interference_min_um", &ServiceResults::service_interference_min_um},
    ServiceResultField {"service_interference_max_um", &ServiceResults::service_interference_max_um},
    ServiceResultField {"pressure_min_mpa", &ServiceResults::pressure_min_mpa},
    ServiceResultField {"pressure_max_mpa", &ServiceResults::pressure_max_mpa},
    ServiceResultField {"hub_bore_tangential_max_mpa", &ServiceResults::hub_bore_tangential_max_mpa},
    ServiceResultField {"hub_bore_radial_max_mpa", &ServiceResults::hub_bore_radial_max_mpa},
    ServiceResultField {"hub_bore_von_mises_max_mpa", &ServiceResults::hub_bore_von_mises_max_mpa},
    ServiceResultField {"hub_outside_tangential_max_mpa", &ServiceResults::hub_outside_tangential_max_mpa},
    ServiceResultField {"shaft_von_mises_max_mpa", &ServiceResults::shaft_von_mises_max_mpa},
    ServiceResultField {"hub_yield_safety", &ServiceResults::hub_yield_safety},
    ServiceResultField {"shaft_yield_safety", &ServiceResults::shaft_yield_safety},
    ServiceResultField {"torque_min_nm", &ServiceResults::torque_min_nm},
    ServiceResultField {"axial_force_min_n", &ServiceResults::axial_force_min_n},
    ServiceResultField {"press_force_max_n", &ServiceResults::press_force_max_n},
    ServiceResultField {"hub_assembly_temp_c", &ServiceResults::hub_assembly_temp_c},
    ServiceResultField {"shaft_assembly_temp_c", &ServiceResults::shaft_assembly_temp_c},
    ServiceResultField {"probability_interference", &ServiceResults::probability_interference},
    ServiceResultField {"probability_clearance", &ServiceResults::probability_clearance},
};

using Refusal = std::optional<ServiceRefusal>;

Refusal Refuse(ServiceRefusalReason reason, std::string_view field)
{
    return ServiceRefusal {reason, field};
}

struct NamedValue
{
    std::string_view field;
    double value;
};

Refusal FindNotFinite(std::initializer_list<NamedValue> values)
{
    for (const NamedValue& named : values)
        if (!std::isfinite(named.value))
            return Refuse(ServiceRefusalReason::kNotFinite, named.field);
    return std::nullopt;
}

struct MaterialFields
{
    std::string_view youngs_modulus;
    std::string_view poisson_ratio;
    std::string_view expansion;
    std::string_view strength;
};

constexpr MaterialFields kHubMaterialFields {"hub_material.youngs_modulus_mpa", "hub_material.poisson_ratio",
                                             "hub_material.expansion_per_k", "hub_material.strength_mpa"};
constexpr MaterialFields kShaftMaterialFields {"shaft_material.youngs_modulus_mpa", "shaft_material.poisson_ratio",
                                               "shaft_material.expansion_per_k", "shaft_material.strength_mpa"};

Refusal CheckMaterial(const MaterialProperties& material, const MaterialFields& fields)
{
    if (auto refusal = FindNotFinite({{fields.youngs_modulus, material.youngs_modulus_mpa},
                                      {fields.poisson_ratio, material.poisson_ratio},
                                      {fields.expansion, material.expansion_per_k},
                                      {fields.strength, material.strength_mpa}}))
        return refusal;
    if (!(material.youngs_modulus_mpa > 0.0))
        return Refuse(ServiceRefusalReason::kNotPositive, fields.youngs_modulus);
    if (material.poisson_ratio < 0.0 || material.poisson_ratio > 0.5)
        return Refuse(ServiceRefusalReason::kPoissonRatioOutOfRange, fields.poisson_ratio);
    // Sizes only ever grow with temperature here; a coefficient of 0 would make assembly impossible.
    if (!(material.expansion_per_k > 0.0))
        return Refuse(ServiceRefusalReason::kNotPositive, fields.expansion);
    if (!(material.strength_mpa > 0.0))
        return Refuse(ServiceRefusalReason::kNotPositive, fields.strength);
    return std::nullopt;
}

Refusal CheckLimits(const ServiceInputs& in)
{
    if (!(in.size_mm > 0.0))
        return Refuse(ServiceRefusalReason::kNotPositive, "size_mm");
    if (in.hole_upper_um < in.hole_lower_um)
        return Refuse(ServiceRefusalReason::kUpperBelowLower, "hole_upper_um");
    if (in.shaft_upper_um < in.shaft_lower_um)
        return Refuse(ServiceRefusalReason::kUpperBelowLower, "shaft_upper_um");
    if (!(in.size_mm + in.hole_lower_um / kUmPerMm > 0.0))
        return Refuse(ServiceRefusalReason::kLimitSizeNotPositive, "hole_lower_um");
    if (!(in.size_mm + in.shaft_lower_um / kUmPerMm > 0.0))
        return Refuse(ServiceRefusalReason::kLimitSizeNotPositive, "shaft_lower_um");
    return std::nullopt;
}

Refusal CheckGeometry(const ServiceInputs& in)
{
    if (in.hub_outside_diameter_mm && !(*in.hub_outside_diameter_mm > in.size_mm))
        return Refuse(ServiceRefusalReason::kHubOutsideNotLargerThanBore, "hub_outside_diameter_mm");
    if (in.shaft_bore_mm) {
        if (*in.shaft_bore_mm < 0.0)
            return Refuse(ServiceRefusalReason::kNegative, "shaft_bore_mm");
        if (!(*in.shaft_bore_mm < in.size_mm))
            return Refuse(ServiceRefusalReason::kShaftBoreNotSmallerThanShaft, "shaft_bore_mm");
    }
    if (in.length_mm && !(*in.length_mm > 0.0))
        return Refuse(ServiceRefusalReason::kNotPositive, "length_mm");
    return std::nullopt;
}

Refusal CheckConditions(const ServiceInputs& in)
{
    if (in.hub_temperature_c < kAbsoluteZeroC)
        return Refuse(ServiceRefusalReason::kBelowAbsoluteZero, "hub_temperature_c");
    if (in.shaft_temperature_c < kAbsoluteZeroC)
        return Refuse(ServiceRefusalReason::kBelowAbsoluteZero, "shaft_temperature_c");
    if (in.friction_coefficient < 0.0)
        return Refuse(ServiceRefusalReason::kNegative, "friction_coefficient");
    if (in.hub_rz_um < 0.0)
        return Refuse(ServiceRefusalReason::kNegative, "hub_rz_um");
    if (in.shaft_rz_um < 0.0)
        return Refuse(ServiceRefusalReason::kNegative, "shaft_rz_um");
    if (in.smoothing_factor < 0.0 || in.smoothing_factor > 1.0)
        return Refuse(ServiceRefusalReason::kSmoothingFactorOutOfRange, "smoothing_factor");
    if (in.joining_clearance_mm && *in.joining_clearance_mm < 0.0)
        return Refuse(ServiceRefusalReason::kNegative, "joining_clearance_mm");
    if (!(in.zone_sigmas > 0.0))
        return Refuse(ServiceRefusalReason::kNotPositive, "zone_sigmas");
    return std::nullopt;
}

Refusal FindRefusal(const ServiceInputs& in)
{
    const double absent = 0.0; // an input not given is not checked
    if (auto refusal = FindNotFinite({
            {"size_mm", in.size_mm},
            {"hole_upper_um", in.hole_upper_um},
            {"hole_lower_um", in.hole_lower_um},
            {"shaft_upper_um", in.shaft_upper_um},
            {"shaft_lower_um", in.shaft_lower_um},
            {"hub_outside_diameter_mm", in.hub_outside_diameter_mm.value_or(absent)},
            {"shaft_bore_mm", in.shaft_bore_mm.value_or(absent)},
            {"length_mm", in.length_mm.value_or(absent)},
            {"hub_temperature_c", in.hub_temperature_c},
            {"shaft_temperature_c", in.shaft_temperature_c},
            {"friction_coefficient", in.friction_coefficient},
            {"hub_rz_um", in.hub_rz_um},
            {"shaft_rz_um", in.shaft_rz_um},
            {"smoothing_factor", in.smoothing_factor},
            {"joining_clearance_mm", in.joining_clearance_mm.value_or(absent)},
            {"zone_sigmas", in.zone_sigmas},
        }))
        return refusal;
    for (const Refusal& refusal :
         {CheckLimits(in), CheckGeometry(in), CheckMaterial(in.hub_material, kHubMaterialFields),
          CheckMaterial(in.shaft_material, kShaftMaterialFields), CheckConditions(in)})
        if (refusal)
            return refusal;
    return std::nullopt;
}

// Diametral interference, µm, of a shaft limit over a hole limit with both parts at their service
// temperatures. Written as the difference plus the thermal growths so that a large size does not
// swallow a small interference.
double InterferenceAtServiceUm(const ServiceInputs& in, double shaft_deviation_um, double hole_deviation_um)
{
    const double shaft_size_mm = in.size_mm + shaft_deviation_um / kUmPerMm;
    const double hole_size_mm = in.size_mm + hole_deviation_um / kUmPerMm;
    const double shaft_growth_mm
        = shaft_size_mm * in.shaft_material.expansion_per_k * (in.shaft_temperature_c - kReferenceTemperatureC);
    const double hole_growth_mm
        = hole_size_mm * in.hub_material.expansion_per_k * (in.hub_temperature_c - kReferenceTemperatureC);
    return shaft_deviation_um - hole_deviation_um + (shaft_growth_mm - hole_growth_mm) * kUmPerMm;
}

// The two thick-walled cylinders: hub ratio Q_A = D / D_A, shaft ratio Q_I = D_I / D.
struct Cylinders
{
    double size_mm;
    double hub_ratio;
    double shaft_ratio;
    bool hollow_shaft;
};

// Diametral interference, mm, that makes 1 MPa of contact pressure (Lamé, plane stress).
double CompliancePerMpa(const Cylinders& cylinders, const MaterialProperties& hub, const MaterialProperties& shaft)
{
    const double qa2 = cylinders.hub_ratio * cylinders.hub_ratio;
    const double qi2 = cylinders.shaft_ratio * cylinders.shaft_ratio;
    const double hub_term = ((1.0 + qa2) / (1.0 - qa2) + hub.poisson_ratio) / hub.youngs_modulus_mpa;
    const double shaft_term = ((1.0 + qi2) / (1.0 - qi2) - shaft.poisson_ratio) / shaft.youngs_modulus_mpa;
    return cylinders.size_mm * (hub_term + shaft_term);
}

double PressureMpa(double effective_interference_um, double compliance_mm_per_mpa)
{
    return std::max(effective_interference_um, 0.0) / kUmPerMm / compliance_mm_per_mpa;
}

void SetStresses(ServiceResults& out, const ServiceInputs& in, const Cylinders& cylinders, double pressure_mpa)
{
    const double qa2 = cylinders.hub_ratio * cylinders.hub_ratio;
    const double qi2 = cylinders.shaft_ratio * cylinders.shaft_ratio;
    out.hub_bore_tangential_max_mpa = pressure_mpa * (1.0 + qa2) / (1.0 - qa2);
    out.hub_bore_radial_max_mpa = -pressure_mpa;
    out.hub_bore_von_mises_max_mpa = pressure_mpa * std::sqrt(3.0 + qa2 * qa2) / (1.0 - qa2);
    out.hub_outside_tangential_max_mpa = 2.0 * pressure_mpa * qa2 / (1.0 - qa2);
    // A solid shaft is under equal biaxial compression; a hollow one is worst at its bore (σt alone).
    out.shaft_von_mises_max_mpa = cylinders.hollow_shaft ? 2.0 * pressure_mpa / (1.0 - qi2) : pressure_mpa;

    if (!(pressure_mpa > 0.0))
        return; // no stress, no safety
    out.hub_yield_safety = in.hub_material.strength_mpa / *out.hub_bore_von_mises_max_mpa;
    out.shaft_yield_safety = in.shaft_material.strength_mpa / *out.shaft_von_mises_max_mpa;
    out.hub_strength_is_tensile = in.hub_material.strength_is_tensile;
    out.shaft_strength_is_tensile = in.shaft_material.strength_is_tensile;
}

// Force, N, that friction carries over the contact surface at this pressure.
double FrictionForceN(const ServiceInputs& in, double pressure_mpa, double length_mm)
{
    return pressure_mpa * std::numbers::pi * in.size_mm * length_mm * in.friction_coefficient;
}

void SetPressFit(ServiceResults& out, const ServiceInputs& in)
{
    const double shaft_bore_mm = in.shaft_bore_mm.value_or(0.0);
    const Cylinders cylinders {in.size_mm, in.size_mm / *in.hub_outside_diameter_mm, shaft_bore_mm / in.size_mm,
                               shaft_bore_mm > 0.0};
    const double compliance = CompliancePerMpa(cylinders, in.hub_material, in.shaft_material);

    const double pressure_min = PressureMpa(*out.service_interference_min_um, compliance);
    const double pressure_max = PressureMpa(*out.service_interference_max_um, compliance);
    out.pressure_min_mpa = pressure_min;
    out.pressure_max_mpa = pressure_max;
    SetStresses(out, in, cylinders, pressure_max);

    if (!in.length_mm)
        return;
    const double axial_force_n = FrictionForceN(in, pressure_min, *in.length_mm);
    out.axial_force_min_n = axial_force_n;
    out.torque_min_nm = axial_force_n * (in.size_mm / 2.0) / kUmPerMm; // N·mm to N·m
    // Pressing happens at 20 °C, where the peaks smoothed off are already lost.
    const double press_pressure = PressureMpa(*out.interference_max_um - *out.smoothing_loss_um, compliance);
    out.press_force_max_n = FrictionForceN(in, press_pressure, *in.length_mm);
}

// Temperature change, K, that opens the largest interference at 20 °C plus the joining clearance
// over a diameter that grows by α·ΔT; none is needed when the fit already clears by that much.
double JoiningTemperatureChangeK(double interference_max_um, double clearance_mm, double grown_size_mm,
                                 double expansion_per_k)
{
    const double gap_to_open_mm = interference_max_um / kUmPerMm + clearance_mm;
    return std::max(gap_to_open_mm, 0.0) / (expansion_per_k * grown_size_mm);
}

void SetAssemblyTemperatures(ServiceResults& out, const ServiceInputs& in)
{
    const double clearance_mm = out.joining_clearance_mm;
    const double smallest_bore_mm = in.size_mm + in.hole_lower_um / kUmPerMm;
    const double largest_shaft_mm = in.size_mm + in.shaft_upper_um / kUmPerMm;
    out.hub_assembly_temp_c = kReferenceTemperatureC
        + JoiningTemperatureChangeK(*out.interference_max_um, clearance_mm, smallest_bore_mm,
                                    in.hub_material.expansion_per_k);
    out.shaft_assembly_temp_c = kReferenceTemperatureC
        - JoiningTemperatureChangeK(*out.interference_max_um, clearance_mm, largest_shaft_mm,
                                    in.shaft_material.expansion_per_k);
}

void SetProbabilities(ServiceResults& out, const ServiceInputs& in)
{
    // Each size centred in its zone, the zone being ± zone_sigmas standard deviations; the
    // interference of two independent normal sizes is normal too.
    const double mean_um = (in.shaft_upper_um + in.shaft_lower_um) / 2.0 - (in.hole_upper_um + in.hole_lower_um) / 2.0;
    const double shaft_sigma_um = (in.shaft_upper_um - in.shaft_lower_um) / (2.0 * in.zone_sigmas);
    const double hole_sigma_um = (in.hole_upper_um - in.hole_lower_um) / (2.0 * in.zone_sigmas);
    const double sigma_um = std::hypot(shaft_sigma_um, hole_sigma_um);
    out.probability_interference = NormalProbabilityAbove(mean_um, sigma_um, 0.0);
    out.probability_clearance = NormalProbabilityAbove(-mean_um, sigma_um, 0.0);
}

Refusal FindResultOutOfRange(const ServiceResults& out)
{
    for (const ServiceResultField& field : kResultFields) {
        const std::optional<double>& value = out.*field.value;
        if (value && !std::isfinite(*value))
            return Refuse(ServiceRefusalReason::kResultOutOfRange, field.key);
    }
    return std::nullopt;
}

} // namespace

FitType FitTypeOfInterference(double interference_min_um, double interference_max_um)
{
    if (interference_max_um <= 0.0)
        return FitType::Clearance;
    return interference_min_um >= 0.0 ? FitType::Interference : FitType::Transition;
}

ServiceOutcome CalculateServiceConditions(const ServiceInputs& in)
{
    if (Refusal refusal = FindRefusal(in))
        return *refusal;

    ServiceResults out;
    out.friction_coefficient = in.friction_coefficient;
    out.smoothing_factor = in.smoothing_factor;
    out.joining_clearance_mm = in.joining_clearance_mm.value_or(kDefaultJoiningClearancePerDiameter * in.size_mm);
    out.zone_sigmas = in.zone_sigmas;

    out.size_mm = in.size_mm;
    out.interference_min_um = in.shaft_lower_um - in.hole_upper_um;
    out.interference_max_um = in.shaft_upper_um - in.hole_lower_um;
    const double smoothing_loss_um = in.smoothing_factor * (in.hub_rz_um + in.shaft_rz_um);
    out.smoothing_loss_um = smoothing_loss_um;
    out.service_interference_min_um
        = InterferenceAtServiceUm(in, in.shaft_lower_um, in.hole_upper_um) - smoothing_loss_um;
    out.service_interference_max_um
        = InterferenceAtServiceUm(in, in.shaft_upper_um, in.hole_lower_um) - smoothing_loss_um;

    out.fit_class_at_20c = FitTypeOfInterference(*out.interference_min_um, *out.interference_max_um);
    out.fit_class_at_service
        = FitTypeOfInterference(*out.service_interference_min_um, *out.service_interference_max_um);
    out.fit_class_changes_at_service = out.fit_class_at_service != out.fit_class_at_20c;

    if (in.hub_outside_diameter_mm)
        SetPressFit(out, in);
    SetAssemblyTemperatures(out, in);
    SetProbabilities(out, in);

    if (Refusal refusal = FindResultOutOfRange(out))
        return *refusal;
    return out;
}

std::span<const ServiceResultField> ServiceResultFields()
{
    return kResultFields;
}
