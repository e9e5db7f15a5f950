#pragma once

#include "fit_type.h"
#include "materials.h"
#include "scales.h"

#include <optional>
#include <span>
#include <string_view>
#include <variant>

// A fit at service conditions: the interference of a hub and shaft at their service temperatures, the
// press fit it makes (thick-walled cylinders, Lamé, plane stress), the temperatures to assemble it
// and the chance of an interference. Sizes are at 20 °C; interference is diametral, shaft minus hole.

inline constexpr double kReferenceTemperatureC = 20.0;
inline constexpr double kSmoothingFactorDin7190_2017 = 0.4; // DIN 7190-1:2017
inline constexpr double kSmoothingFactorDin7190_2001 = 0.8; // the edition before it
inline constexpr double kDefaultFrictionCoefficient = 0.15;
inline constexpr double kDefaultJoiningClearancePerDiameter = 0.001;
inline constexpr double kDefaultZoneSigmas = 3.0;

struct ServiceInputs
{
    double size_mm = 0.0;
    double hole_upper_um = 0.0;
    double hole_lower_um = 0.0;
    double shaft_upper_um = 0.0;
    double shaft_lower_um = 0.0;
    std::optional<double> hub_outside_diameter_mm; // without it there are no press-fit results
    std::optional<double> shaft_bore_mm; // none or 0: a solid shaft
    std::optional<double> length_mm; // without it there are no forces and no torque
    MaterialProperties hub_material = DefaultMaterialProperties();
    MaterialProperties shaft_material = DefaultMaterialProperties();
    double hub_temperature_c = kReferenceTemperatureC;
    double shaft_temperature_c = kReferenceTemperatureC;
    double friction_coefficient = kDefaultFrictionCoefficient;
    double hub_rz_um = 0.0; // mean roughness depth Rz of the bore; both 0: no smoothing
    double shaft_rz_um = 0.0;
    double smoothing_factor = kSmoothingFactorDin7190_2017;
    std::optional<double> joining_clearance_mm; // none: kDefaultJoiningClearancePerDiameter × size
    double zone_sigmas = kDefaultZoneSigmas; // each tolerance zone spans ± this many standard deviations
};

// Every result is in the unit its name ends with; empty where an input it needs was not given (or, for
// a yield safety, where there is no stress). The names are the keys the command line prints.
struct ServiceResults
{
    std::optional<double> size_mm;
    std::optional<double> interference_min_um; // at 20 °C, before smoothing
    std::optional<double> interference_max_um;
    std::optional<double> smoothing_loss_um;
    std::optional<double> service_interference_min_um; // at the service temperatures, after smoothing
    std::optional<double> service_interference_max_um;
    std::optional<double> pressure_min_mpa; // 0 where the interference at service is not positive
    std::optional<double> pressure_max_mpa;
    std::optional<double> hub_bore_tangential_max_mpa;
    std::optional<double> hub_bore_radial_max_mpa; // the contact pressure, as a compressive stress
    std::optional<double> hub_bore_von_mises_max_mpa;
    std::optional<double> hub_outside_tangential_max_mpa;
    std::optional<double> shaft_von_mises_max_mpa;
    std::optional<double> hub_yield_safety;
    std::optional<double> shaft_yield_safety;
    std::optional<double> torque_min_nm;
    std::optional<double> axial_force_min_n;
    std::optional<double> press_force_max_n;
    std::optional<double> hub_assembly_temp_c; // hub heated, shaft at 20 °C
    std::optional<double> shaft_assembly_temp_c; // shaft cooled, hub at 20 °C
    std::optional<double> probability_interference; // fraction, 0 to 1, of the zones at 20 °C
    std::optional<double> probability_clearance;

    // The assumptions behind the results, to be shown beside them.
    double friction_coefficient = 0.0;
    double smoothing_factor = 0.0;
    double joining_clearance_mm = 0.0;
    double zone_sigmas = 0.0;
    FitType fit_class_at_20c = FitType::Clearance;
    FitType fit_class_at_service = FitType::Clearance;
    bool fit_class_changes_at_service = false;
    bool hub_strength_is_tensile = false; // the hub's safety is against its tensile strength (grey iron)
    bool shaft_strength_is_tensile = false;
};

enum class ServiceRefusalReason {
    kNotFinite,
    kNotPositive,
    kNegative,
    kUpperBelowLower,
    kLimitSizeNotPositive, // a deviation takes the part's smallest size to zero or below
    kHubOutsideNotLargerThanBore,
    kShaftBoreNotSmallerThanShaft,
    kPoissonRatioOutOfRange, // outside 0 to 0.5
    kSmoothingFactorOutOfRange, // outside 0 to 1
    kBelowAbsoluteZero,
    kResultOutOfRange, // the inputs are too large for a result to be represented
};

// An input that makes no physical sense: why, and which field (an input name, or for
// kResultOutOfRange the result's).
struct ServiceRefusal
{
    ServiceRefusalReason reason;
    std::string_view field;
};

using ServiceOutcome = std::variant<ServiceResults, ServiceRefusal>;

ServiceOutcome CalculateServiceConditions(const ServiceInputs& inputs);

// Fit class of an interference range: a clearance fit never interferes, an interference fit always does.
FitType FitTypeOfInterference(double interference_min_um, double interference_max_um);

// The optional results with their keys, in the order the command line prints them.
struct ServiceResultField
{
    std::string_view key;
    std::optional<double> ServiceResults::*value;
};
std::span<const ServiceResultField> ServiceResultFields();
