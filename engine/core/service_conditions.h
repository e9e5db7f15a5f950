#pragma once

#include "core/fit_analysis.h"
#include "core/joining_friction.h"
#include "core/materials.h"
#include "core/result.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A fit at service conditions: the interference of a hub and shaft at standstill and at their service
// temperatures, the press fit it makes (thick-walled cylinders, Lamé, plane stress) in both states,
// the load it holds, the temperatures to assemble it, the chance of an interference, and warnings
// where it passes a limit. Sizes are at 20 °C; interference is diametral, shaft minus hole.

inline constexpr double kReferenceTemperatureC = 20.0;
inline constexpr double kSmoothingFactorDin7190_2017 = 0.4; // DIN 7190-1:2017
inline constexpr double kSmoothingFactorDin7190_2001 = 0.8; // the edition before it
inline constexpr double kDefaultJoiningClearancePerDiameter = 0.001;
inline constexpr double kDefaultZoneSigmas = 3.0;
inline constexpr double kDefaultRequiredSlipSafety = 1.5;
inline constexpr double kDefaultRequiredYieldSafety = 1.0;
// A brittle hub breaks without warning: DIN 7190-1 asks a safety against fracture of at least 2
// (Roloff/Matek: 2 to 3), not the yield safety of a part that can give.
inline constexpr double kDefaultRequiredFractureSafety = 2.0;

struct ServiceInputs
{
    double sizeMm = 0.0;
    double holeUpperUm = 0.0;
    double holeLowerUm = 0.0;
    double shaftUpperUm = 0.0;
    double shaftLowerUm = 0.0;
    std::optional<double> hubOutsideDiameterMm; // without it there are no press-fit results
    std::optional<double> shaftBoreMm; // none or 0: a solid shaft
    std::optional<double> lengthMm; // without it there are no forces and no torque
    MaterialProperties hubMaterial = DefaultMaterialProperties();
    MaterialProperties shaftMaterial = DefaultMaterialProperties();
    double hubTemperatureC = kReferenceTemperatureC;
    double shaftTemperatureC = kReferenceTemperatureC;
    JoiningMethod joining = JoiningMethod::Press;
    std::optional<double> frictionHolding; // none: DIN 7190-1's for the joining method and materials
    std::optional<double> frictionPressing;
    double hubRzUm = 0.0; // mean roughness depth Rz of the bore; both 0: no smoothing
    double shaftRzUm = 0.0;
    double smoothingFactor = kSmoothingFactorDin7190_2017;
    std::optional<double> joiningClearanceMm; // none: kDefaultJoiningClearancePerDiameter × size
    double zoneSigmas = kDefaultZoneSigmas; // each tolerance zone spans ± this many standard deviations
    std::optional<double> torqueNm; // the load the joint must hold; none of the two: no slip check
    std::optional<double> axialForceN;
    double requiredSlipSafety = kDefaultRequiredSlipSafety;
    double requiredYieldSafety = kDefaultRequiredYieldSafety;
    double requiredFractureSafety = kDefaultRequiredFractureSafety; // of a brittle hub
    SurfaceCondition surface = SurfaceCondition::NotGiven; // of a press fit's surfaces
};

// One state of the joint: both parts at standstill (20 °C) or at their service temperatures.
struct ServiceState
{
    std::string_view name; // "standstill" or "service"
    double hubTemperatureC = kReferenceTemperatureC;
    double shaftTemperatureC = kReferenceTemperatureC;
    double interferenceMinUm = 0.0; // effective: at these temperatures, after smoothing
    double interferenceMaxUm = 0.0;
    FitType fitType = FitType::Clearance;
    std::optional<double> pressureMinMpa;
    std::optional<double> pressureMaxMpa;
    std::optional<double> hubBoreTangentialMaxMpa;
    std::optional<double> hubBoreRadialMaxMpa;
    std::optional<double> hubBoreVonMisesMaxMpa;
    std::optional<double> hubOutsideTangentialMaxMpa;
    std::optional<double> shaftVonMisesMaxMpa;
    std::optional<double> hubYieldSafety;
    std::optional<double> shaftYieldSafety;
    std::optional<double> torqueMinNm;
    std::optional<double> axialForceMinN;
    std::optional<double> slipSafety;
};

inline constexpr std::size_t kStandstill = 0;
inline constexpr std::size_t kInService = 1;
inline constexpr std::size_t kNoState = 2; // a result or warning of neither state alone

enum class ServiceWarningCode {
    HubYield, // below the required yield safety
    HubFracture, // a brittle hub below the required safety against fracture
    ShaftYield,
    NoPressFit, // clearance, so no contact pressure, in a state
    LoosensInService, // the fit changes type between the states
    Slip, // below the required slip safety under the load
    NoRoughness, // press-fit results without smoothing: no roughness depth given
    HubHeatingLimit, // heating the hub alone would pass its material's highest joining temperature
    CoolingUnreachable, // cooling the shaft alone would need less than liquid nitrogen's -196 °C
    AssemblyUnreachable, // neither, nor both together at their limits, open the joining clearance
};

// A limit a result passes: which, by how much, and in which state (kNoState where it concerns
// neither alone).
struct ServiceWarning
{
    ServiceWarningCode code;
    double value = 0.0; // the safety, interference or temperature that passes the limit
    double limit = 0.0; // the limit: the required safety, the joining temperature, ...
    std::size_t state = kNoState;
};

// Every result is in the unit its name ends with; empty where an input it needs was not given (or, for
// a safety, where there is no stress or no load). Where both states give a value, the worse one.
struct ServiceResults
{
    std::optional<double> sizeMm;
    std::optional<double> interferenceMinUm; // at 20 °C, before smoothing
    std::optional<double> interferenceMaxUm;
    std::optional<double> smoothingLossUm;
    std::optional<double> serviceInterferenceMinUm; // at the service temperatures, after smoothing
    std::optional<double> serviceInterferenceMaxUm;
    std::optional<double> pressureMinMpa; // 0 where the effective interference is not positive
    std::optional<double> pressureMaxMpa;
    std::optional<double> hubBoreTangentialMaxMpa;
    std::optional<double> hubBoreRadialMaxMpa; // the contact pressure, as a compressive stress
    std::optional<double> hubBoreVonMisesMaxMpa;
    std::optional<double> hubOutsideTangentialMaxMpa;
    std::optional<double> shaftVonMisesMaxMpa;
    std::optional<double> hubYieldSafety; // brittle hub: against its tensile strength, on σt at the bore
    std::optional<double> shaftYieldSafety;
    std::optional<double> interferenceAtHubYieldUm; // largest effective one keeping the required safety
    std::optional<double> interferenceAtShaftYieldUm; // hollow shafts only
    std::optional<double> torqueMinNm;
    std::optional<double> axialForceMinN;
    std::optional<double> slipSafety;
    std::optional<double> pressForceMaxN;
    std::optional<double> hubAssemblyTempC; // hub heated, shaft at 20 °C; none for a clearance fit
    std::optional<double> shaftAssemblyTempC; // shaft cooled, hub at 20 °C
    std::optional<double> probabilityInterference; // fraction, 0 to 1, of the zones at 20 °C
    std::optional<double> probabilityClearance;
    // The strengths the safeties are taken against, and the section each was taken for: the hub's
    // outside diameter (or its wall, cast), the shaft's diameter (or its wall, cast).
    std::optional<double> hubStrengthMpa;
    std::optional<double> hubStrengthSectionMm;
    std::optional<double> shaftStrengthMpa;
    std::optional<double> shaftStrengthSectionMm;

    std::array<ServiceState, 2> states; // kStandstill, kInService
    std::vector<ServiceWarning> warnings;

    // The assumptions behind the results, to be shown beside them.
    JoiningMethod joining = JoiningMethod::Press;
    double frictionHolding = 0.0;
    double frictionPressing = 0.0;
    bool frictionTabulated = true; // false: DIN 7190-1 has no value for the material pair
    double smoothingFactor = 0.0;
    double joiningClearanceMm = 0.0;
    double zoneSigmas = 0.0;
    double requiredSlipSafety = 0.0;
    double requiredYieldSafety = 0.0;
    double requiredFractureSafety = 0.0;
    SurfaceCondition surface = SurfaceCondition::NotGiven;
    bool frictionLessFavourable = false; // no surface condition: each check took the worse coefficient
    SectionBasis hubSectionBasis = SectionBasis::Diameter;
    SectionBasis shaftSectionBasis = SectionBasis::Diameter;
    double hubJoiningLimitC = 0.0; // the hub material's highest joining temperature
    FitType fitTypeAt20c = FitType::Clearance; // before smoothing
    FitType fitTypeAtService = FitType::Clearance; // after smoothing
    bool fitTypeChangesAtService = false;
    bool hubBrittle = false; // the hub's safety is against its tensile strength (grey iron)
    bool shaftBrittle = false;
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
    kCoolingCurveNotFalling, // a material contracts less to -196 °C than to -78 °C
    kMissing, // an input the question needs was not given
    kResultOutOfRange, // the inputs are too large for a result to be represented
    kNoMinimumStrength, // the material standard gives no minimum strength for the part's section
};

// An input that makes no physical sense: why, and which field (an input name, or for
// kResultOutOfRange the result's).
struct ServiceRefusal
{
    ServiceRefusalReason reason;
    std::string_view field;
};

using ServiceOutcome = Result<ServiceResults, ServiceRefusal>;

ServiceOutcome CalculateServiceConditions(const ServiceInputs& inputs);

// The inputs with the size and the four deviations of a fit from the tables (default inputs where none
// are given): whatever limits they held before are replaced.
ServiceInputs WithFitLimits(const FitAnalysis& fit, ServiceInputs inputs = {});

// Whether the joint holds its load: it transmits it with the required slip safety and keeps hub and
// shaft within the required yield safety in both states, and it can be joined. False without a load.
bool HoldsTheLoad(const ServiceResults& results);

// The effective interferences (at a state's temperatures, after smoothing) a joint needs to hold its
// load: at least minForSlipUm for the slip safety, at most maxForYieldUm for the yield safety of hub
// and shaft. The inputs must have a hub outside diameter, a length and a load.
struct LoadInterferenceBounds
{
    double minForSlipUm;
    double maxForYieldUm;
};
LoadInterferenceBounds InterferenceBoundsForLoad(const ServiceInputs& inputs);

// The section, mm, whose minimum strength a part is judged on: for the hub its outside diameter (the
// bar or forging it is made from) or, cast, its wall; for the shaft its diameter or, cast, its wall
// (D - D_I) / 2, which for a solid round is its radius, the wall that cools alike. The hub's needs
// the hub's outside diameter.
double HubStrengthSectionMm(const ServiceInputs& inputs);
double ShaftStrengthSectionMm(const ServiceInputs& inputs);

// The safety a hub of this material must keep: against fracture if brittle, else against yield.
double RequiredHubSafety(const ServiceInputs& inputs);

// Fit type of an interference range: a clearance fit never interferes, an interference fit always does.
FitType FitTypeOfInterference(double interferenceMinUm, double interferenceMaxUm);

// Which way a result gets worse, where both states give it.
enum class Worse { Lower, Higher, NotPerState };

// The optional results with their keys, in the order the command line prints them.
struct ServiceResultField
{
    std::string_view key;
    std::optional<double> ServiceResults::*value;
    std::optional<double> ServiceState::*stateValue = nullptr; // the same result in each state
    Worse worse = Worse::NotPerState;
};
std::span<const ServiceResultField> ServiceResultFields();

// The values of a state with their keys, in the order of the JSON state objects.
struct ServiceStateField
{
    std::string_view key;
    std::optional<double> ServiceState::*value;
};
std::span<const ServiceStateField> ServiceStateFields();

// The state whose value a result is, or kNoState where both states give the same (or none does).
std::size_t GoverningState(const ServiceResults& results, const ServiceResultField& field);

// The warning's key in output: "hub_yield", "no_press_fit", ...
std::string_view ServiceWarningKey(ServiceWarningCode code);

// The refusal's key in output, one per reason: "hub_not_larger_than_bore", "below_absolute_zero", ...
// Every front end words a refusal by this key (the JSON's "reason"), none by a list of its own.
constexpr std::string_view ServiceRefusalKey(ServiceRefusalReason reason)
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
        return "poisson_ratio_out_of_range";
    case ServiceRefusalReason::kSmoothingFactorOutOfRange:
        return "smoothing_out_of_range";
    case ServiceRefusalReason::kBelowAbsoluteZero:
        return "below_absolute_zero";
    case ServiceRefusalReason::kCoolingCurveNotFalling:
        return "cooling_curve_not_falling";
    case ServiceRefusalReason::kMissing:
        return "missing_option";
    case ServiceRefusalReason::kResultOutOfRange:
        return "result_out_of_range";
    case ServiceRefusalReason::kNoMinimumStrength:
        return "no_minimum_strength";
    }
    return "internal_error";
}
inline constexpr int kServiceRefusalReasonCount = 14;
