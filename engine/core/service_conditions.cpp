#include "core/service_conditions.h"

#include "core/normal_distribution.h"
#include "core/service_checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double kAbsoluteZeroC = -273.15;
constexpr double kUmPerMm = 1000.0;

using S = ServiceResults;
using St = ServiceState;
constexpr std::array kResultFields = {
    ServiceResultField {"size_mm", &S::sizeMm},
    ServiceResultField {"interference_min_um", &S::interferenceMinUm},
    ServiceResultField {"interference_max_um", &S::interferenceMaxUm},
    ServiceResultField {"smoothing_loss_um", &S::smoothingLossUm},
    ServiceResultField {"service_interference_min_um", &S::serviceInterferenceMinUm},
    ServiceResultField {"service_interference_max_um", &S::serviceInterferenceMaxUm},
    ServiceResultField {"pressure_min_mpa", &S::pressureMinMpa, &St::pressureMinMpa, Worse::Lower},
    ServiceResultField {"pressure_max_mpa", &S::pressureMaxMpa, &St::pressureMaxMpa, Worse::Higher},
    ServiceResultField {"hub_bore_tangential_max_mpa", &S::hubBoreTangentialMaxMpa, &St::hubBoreTangentialMaxMpa,
                        Worse::Higher},
    // Compressive: the more negative, the worse.
    ServiceResultField {"hub_bore_radial_max_mpa", &S::hubBoreRadialMaxMpa, &St::hubBoreRadialMaxMpa, Worse::Lower},
    ServiceResultField {"hub_bore_von_mises_max_mpa", &S::hubBoreVonMisesMaxMpa, &St::hubBoreVonMisesMaxMpa,
                        Worse::Higher},
    ServiceResultField {"hub_outside_tangential_max_mpa", &S::hubOutsideTangentialMaxMpa,
                        &St::hubOutsideTangentialMaxMpa, Worse::Higher},
    ServiceResultField {"shaft_von_mises_max_mpa", &S::shaftVonMisesMaxMpa, &St::shaftVonMisesMaxMpa, Worse::Higher},
    ServiceResultField {"hub_yield_safety", &S::hubYieldSafety, &St::hubYieldSafety, Worse::Lower},
    ServiceResultField {"shaft_yield_safety", &S::shaftYieldSafety, &St::shaftYieldSafety, Worse::Lower},
    ServiceResultField {"interference_at_hub_yield_um", &S::interferenceAtHubYieldUm},
    ServiceResultField {"interference_at_shaft_yield_um", &S::interferenceAtShaftYieldUm},
    ServiceResultField {"torque_min_nm", &S::torqueMinNm, &St::torqueMinNm, Worse::Lower},
    ServiceResultField {"axial_force_min_n", &S::axialForceMinN, &St::axialForceMinN, Worse::Lower},
    ServiceResultField {"slip_safety", &S::slipSafety, &St::slipSafety, Worse::Lower},
    ServiceResultField {"press_force_max_n", &S::pressForceMaxN},
    ServiceResultField {"hub_assembly_temp_c", &S::hubAssemblyTempC},
    ServiceResultField {"shaft_assembly_temp_c", &S::shaftAssemblyTempC},
    ServiceResultField {"probability_interference", &S::probabilityInterference},
    ServiceResultField {"probability_clearance", &S::probabilityClearance},
    ServiceResultField {"hub_strength_mpa", &S::hubStrengthMpa},
    ServiceResultField {"hub_strength_section_mm", &S::hubStrengthSectionMm},
    ServiceResultField {"shaft_strength_mpa", &S::shaftStrengthMpa},
    ServiceResultField {"shaft_strength_section_mm", &S::shaftStrengthSectionMm},
};

constexpr std::array kStateFields = {
    ServiceStateField {"pressure_min_mpa", &St::pressureMinMpa},
    ServiceStateField {"pressure_max_mpa", &St::pressureMaxMpa},
    ServiceStateField {"hub_yield_safety", &St::hubYieldSafety},
    ServiceStateField {"shaft_yield_safety", &St::shaftYieldSafety},
    ServiceStateField {"torque_min_nm", &St::torqueMinNm},
    ServiceStateField {"axial_force_min_n", &St::axialForceMinN},
    ServiceStateField {"slip_safety", &St::slipSafety},
};

// Diametral interference, µm, of a shaft limit over a hole limit with each part at its temperature.
// Written as the difference plus the thermal growths so that a large size does not swallow a small
// interference.
double InterferenceAtUm(const ServiceInputs& in, double shaftDeviationUm, double holeDeviationUm,
                        double hubTemperatureC, double shaftTemperatureC)
{
    const double shaftSizeMm = in.sizeMm + shaftDeviationUm / kUmPerMm;
    const double holeSizeMm = in.sizeMm + holeDeviationUm / kUmPerMm;
    const double shaftGrowthMm = shaftSizeMm * ThermalStrain(in.shaftMaterial, shaftTemperatureC);
    const double holeGrowthMm = holeSizeMm * ThermalStrain(in.hubMaterial, hubTemperatureC);
    return shaftDeviationUm - holeDeviationUm + (shaftGrowthMm - holeGrowthMm) * kUmPerMm;
}

// The two thick-walled cylinders, Lamé, plane stress: hub ratio Q_A = D / D_A, shaft ratio Q_I = D_I / D,
// and the stresses per MPa of contact pressure.
struct Joint
{
    double complianceMmPerMpa; // diametral interference that makes 1 MPa of contact pressure
    double hubBoreTangentialPerMpa;
    double hubBoreVonMisesPerMpa;
    double hubOutsideTangentialPerMpa;
    double shaftVonMisesPerMpa; // solid: equal biaxial compression; hollow: σt alone at its bore
    bool hollowShaft;
};

Joint JointOf(const ServiceInputs& in)
{
    const double shaftBoreMm = in.shaftBoreMm.value_or(0.0);
    const double qa = in.sizeMm / *in.hubOutsideDiameterMm;
    const double qi = shaftBoreMm / in.sizeMm;
    const double qa2 = qa * qa;
    const double qi2 = qi * qi;
    const double hubTerm = ((1.0 + qa2) / (1.0 - qa2) + in.hubMaterial.poissonRatio) / in.hubMaterial.youngsModulusMpa;
    const double shaftTerm
        = ((1.0 + qi2) / (1.0 - qi2) - in.shaftMaterial.poissonRatio) / in.shaftMaterial.youngsModulusMpa;
    const bool hollow = shaftBoreMm > 0.0;
    return {in.sizeMm * (hubTerm + shaftTerm),        (1.0 + qa2) / (1.0 - qa2),
            std::sqrt(3.0 + qa2 * qa2) / (1.0 - qa2), 2.0 * qa2 / (1.0 - qa2),
            hollow ? 2.0 / (1.0 - qi2) : 1.0,         hollow};
}

double PressureMpa(double effectiveInterferenceUm, const Joint& joint)
{
    return std::max(effectiveInterferenceUm, 0.0) / kUmPerMm / joint.complianceMmPerMpa;
}

// The stress the hub's strength is set against: σt at the bore for a brittle hub (DIN 7190-1), the
// von Mises stress there otherwise. A brittle shaft is under compression, where the two agree.
double HubCriterionPerMpa(const ServiceInputs& in, const Joint& joint)
{
    return in.hubMaterial.brittle ? joint.hubBoreTangentialPerMpa : joint.hubBoreVonMisesPerMpa;
}

// Force, N, that friction carries over the contact surface at this pressure.
double FrictionForceN(const ServiceInputs& in, double pressureMpa, double friction)
{
    return pressureMpa * std::numbers::pi * in.sizeMm * *in.lengthMm * friction;
}

// The load as one force at the contact surface, N: the axial force and the circumferential force of
// the torque; 0 for no load.
double LoadN(const ServiceInputs& in)
{
    const double circumferentialN = 2.0 * in.torqueNm.value_or(0.0) * kUmPerMm / in.sizeMm; // N·m to N·mm
    return std::hypot(in.axialForceN.value_or(0.0), circumferentialN);
}

void SetPressFit(ServiceState& state, const ServiceInputs& in, const Joint& joint, double frictionHolding)
{
    const double pressureMin = PressureMpa(state.interferenceMinUm, joint);
    const double pressureMax = PressureMpa(state.interferenceMaxUm, joint);
    state.pressureMinMpa = pressureMin;
    state.pressureMaxMpa = pressureMax;
    state.hubBoreTangentialMaxMpa = pressureMax * joint.hubBoreTangentialPerMpa;
    state.hubBoreRadialMaxMpa = -pressureMax;
    state.hubBoreVonMisesMaxMpa = pressureMax * joint.hubBoreVonMisesPerMpa;
    state.hubOutsideTangentialMaxMpa = pressureMax * joint.hubOutsideTangentialPerMpa;
    state.shaftVonMisesMaxMpa = pressureMax * joint.shaftVonMisesPerMpa;
    if (pressureMax > 0.0) { // no stress, no safety
        state.hubYieldSafety = in.hubMaterial.strengthMpa / (pressureMax * HubCriterionPerMpa(in, joint));
        state.shaftYieldSafety = in.shaftMaterial.strengthMpa / *state.shaftVonMisesMaxMpa;
    }

    if (!in.lengthMm)
        return;
    const double axialForceN = FrictionForceN(in, pressureMin, frictionHolding);
    state.axialForceMinN = axialForceN;
    state.torqueMinNm = axialForceN * (in.sizeMm / 2.0) / kUmPerMm; // N·mm to N·m
    if (const double loadN = LoadN(in); loadN > 0.0)
        state.slipSafety = axialForceN / loadN;
}

ServiceState StateAt(const ServiceInputs& in, std::string_view name, double hubTemperatureC, double shaftTemperatureC,
                     double smoothingLossUm)
{
    ServiceState state;
    state.name = name;
    state.hubTemperatureC = hubTemperatureC;
    state.shaftTemperatureC = shaftTemperatureC;
    state.interferenceMinUm
        = InterferenceAtUm(in, in.shaftLowerUm, in.holeUpperUm, hubTemperatureC, shaftTemperatureC) - smoothingLossUm;
    state.interferenceMaxUm
        = InterferenceAtUm(in, in.shaftUpperUm, in.holeLowerUm, hubTemperatureC, shaftTemperatureC) - smoothingLossUm;
    state.fitType = FitTypeOfInterference(state.interferenceMinUm, state.interferenceMaxUm);
    return state;
}

// Each result that both states give is the worse of the two.
void TakeWorseOfStates(ServiceResults& out)
{
    for (const ServiceResultField& field : kResultFields) {
        if (!field.stateValue)
            continue;
        const std::size_t governing = GoverningState(out, field);
        out.*field.value = out.states[governing == kNoState ? kStandstill : governing].*field.stateValue;
    }
}

// Largest effective interference, µm, at which a part keeps the required safety: its stress grows
// in proportion to the pressure and so to the interference.
double InterferenceAtStrengthUm(double strengthMpa, double requiredSafety, double stressPerMpa, const Joint& joint)
{
    return strengthMpa / (requiredSafety * stressPerMpa) * joint.complianceMmPerMpa * kUmPerMm;
}

void SetPressFits(ServiceResults& out, const ServiceInputs& in)
{
    const Joint joint = JointOf(in);
    for (ServiceState& state : out.states)
        SetPressFit(state, in, joint, out.frictionHolding);
    TakeWorseOfStates(out);
    out.interferenceAtHubYieldUm = InterferenceAtStrengthUm(in.hubMaterial.strengthMpa, RequiredHubSafety(in),
                                                            HubCriterionPerMpa(in, joint), joint);
    if (joint.hollowShaft)
        out.interferenceAtShaftYieldUm = InterferenceAtStrengthUm(in.shaftMaterial.strengthMpa, in.requiredYieldSafety,
                                                                  joint.shaftVonMisesPerMpa, joint);
    out.hubBrittle = in.hubMaterial.brittle;
    out.shaftBrittle = in.shaftMaterial.brittle;

    if (!in.lengthMm)
        return;
    // Pressing happens at 20 °C, where the peaks smoothed off are already lost.
    const double pressPressure = PressureMpa(*out.interferenceMaxUm - *out.smoothingLossUm, joint);
    out.pressForceMaxN = FrictionForceN(in, pressPressure, out.frictionPressing);
}

// Assembly opens the largest interference at 20 °C plus the joining clearance: the smallest bore
// heated, or the largest shaft cooled, or both.
void SetAssembly(ServiceResults& out, const ServiceInputs& in)
{
    if (out.fitTypeAt20c == FitType::Clearance)
        return; // no heating or cooling needed to join a fit that never interferes
    const double gapMm = *out.interferenceMaxUm / kUmPerMm + out.joiningClearanceMm;
    const double smallestBoreMm = in.sizeMm + in.holeLowerUm / kUmPerMm;
    const double largestShaftMm = in.sizeMm + in.shaftUpperUm / kUmPerMm;
    // Heating for joining uses DIN 7190-1's coefficient for that purpose; a typed one stands as given.
    const double heatingPerK = JoiningExpansionPerK(in.hubMaterial);
    out.hubAssemblyTempC = kReferenceTemperatureC + gapMm / (heatingPerK * smallestBoreMm);
    // None where even absolute zero would not shrink the shaft enough.
    out.shaftAssemblyTempC = TemperatureOfContraction(in.shaftMaterial, gapMm / largestShaftMm);

    const double heatingLimitC = in.hubMaterial.maxJoiningTemperatureC;
    const bool heatingReaches = *out.hubAssemblyTempC <= heatingLimitC;
    const bool coolingReaches = out.shaftAssemblyTempC && *out.shaftAssemblyTempC >= kLiquidNitrogenC;
    if (!heatingReaches)
        out.warnings.push_back({ServiceWarningCode::HubHeatingLimit, *out.hubAssemblyTempC, heatingLimitC});
    if (!coolingReaches)
        out.warnings.push_back({ServiceWarningCode::CoolingUnreachable, out.shaftAssemblyTempC.value_or(kAbsoluteZeroC),
                                kLiquidNitrogenC});
    if (heatingReaches || coolingReaches)
        return;
    const double hubOpensMm = smallestBoreMm * heatingPerK * std::max(heatingLimitC - kReferenceTemperatureC, 0.0);
    const double shaftClosesMm = largestShaftMm * -ThermalStrain(in.shaftMaterial, kLiquidNitrogenC);
    if (hubOpensMm + shaftClosesMm < gapMm)
        out.warnings.push_back(
            {ServiceWarningCode::AssemblyUnreachable, (hubOpensMm + shaftClosesMm) * kUmPerMm, gapMm * kUmPerMm});
}

void SetProbabilities(ServiceResults& out, const ServiceInputs& in)
{
    // Each size centred in its zone, the zone being ± zoneSigmas standard deviations; the
    // interference of two independent normal sizes is normal too.
    const double meanUm = (in.shaftUpperUm + in.shaftLowerUm) / 2.0 - (in.holeUpperUm + in.holeLowerUm) / 2.0;
    const double shaftSigmaUm = (in.shaftUpperUm - in.shaftLowerUm) / (2.0 * in.zoneSigmas);
    const double holeSigmaUm = (in.holeUpperUm - in.holeLowerUm) / (2.0 * in.zoneSigmas);
    const double sigmaUm = std::hypot(shaftSigmaUm, holeSigmaUm);
    out.probabilityInterference = NormalProbabilityAbove(meanUm, sigmaUm, 0.0);
    out.probabilityClearance = NormalProbabilityAbove(-meanUm, sigmaUm, 0.0);
}

void AddStateWarning(ServiceResults& out, ServiceWarningCode code, const ServiceResultField& field, double limit)
{
    const std::optional<double>& value = out.*field.value;
    if (value && *value < limit)
        out.warnings.push_back({code, *value, limit, GoverningState(out, field)});
}

const ServiceResultField& FieldOf(std::optional<double> ServiceResults::*value)
{
    return *std::find_if(kResultFields.begin(), kResultFields.end(),
                         [value](const ServiceResultField& field) { return field.value == value; });
}

// The warnings of the joint in use; those of assembly come with it.
void SetUseWarnings(ServiceResults& out, const ServiceInputs& in)
{
    AddStateWarning(out, in.hubMaterial.brittle ? ServiceWarningCode::HubFracture : ServiceWarningCode::HubYield,
                    FieldOf(&S::hubYieldSafety), RequiredHubSafety(in));
    AddStateWarning(out, ServiceWarningCode::ShaftYield, FieldOf(&S::shaftYieldSafety), in.requiredYieldSafety);

    const ServiceState& standstill = out.states[kStandstill];
    const ServiceState& service = out.states[kInService];
    const bool clearAtStandstill = standstill.interferenceMinUm <= 0.0;
    const bool clearInService = service.interferenceMinUm <= 0.0;
    if (clearAtStandstill || clearInService)
        out.warnings.push_back(
            {ServiceWarningCode::NoPressFit, std::min(standstill.interferenceMinUm, service.interferenceMinUm), 0.0,
             clearAtStandstill && clearInService ? kNoState : (clearAtStandstill ? kStandstill : kInService)});
    if (standstill.fitType != service.fitType)
        out.warnings.push_back({ServiceWarningCode::LoosensInService, service.interferenceMinUm, 0.0, kInService});

    AddStateWarning(out, ServiceWarningCode::Slip, FieldOf(&S::slipSafety), in.requiredSlipSafety);
    if (in.hubOutsideDiameterMm && in.hubRzUm == 0.0 && in.shaftRzUm == 0.0)
        out.warnings.push_back({ServiceWarningCode::NoRoughness});
}

// No result is ever "-0": a zero is a zero, whichever way it was reached.
void ClearNegativeZeros(ServiceResults& out)
{
    for (const ServiceResultField& field : kResultFields)
        if (std::optional<double>& value = out.*field.value)
            *value += 0.0;
    for (ServiceState& state : out.states) {
        state.interferenceMinUm += 0.0;
        state.interferenceMaxUm += 0.0;
        for (const ServiceResultField& field : kResultFields)
            if (field.stateValue)
                if (std::optional<double>& value = state.*field.stateValue)
                    *value += 0.0;
    }
}

std::optional<ServiceRefusal> FindResultOutOfRange(const ServiceResults& out)
{
    for (const ServiceResultField& field : kResultFields) {
        const std::optional<double>& value = out.*field.value;
        if (value && !std::isfinite(*value))
            return ServiceRefusal {ServiceRefusalReason::kResultOutOfRange, field.key};
    }
    for (const ServiceState& state : out.states)
        for (const ServiceResultField& field : kResultFields)
            if (field.stateValue && state.*field.stateValue && !std::isfinite(*(state.*field.stateValue)))
                return ServiceRefusal {ServiceRefusalReason::kResultOutOfRange, field.key};
    return std::nullopt;
}

// The inputs with each part's strength for its section: a part's minimum strength falls as its
// section grows. FindServiceRefusal has made sure that each section has one.
ServiceInputs WithSectionStrengths(const ServiceInputs& in)
{
    ServiceInputs sized = in;
    if (!in.hubOutsideDiameterMm)
        return sized;
    sized.hubMaterial.strengthMpa = *StrengthForSection(in.hubMaterial, HubStrengthSectionMm(in));
    sized.shaftMaterial.strengthMpa = *StrengthForSection(in.shaftMaterial, ShaftStrengthSectionMm(in));
    sized.hubMaterial.tabulatedStrength = sized.shaftMaterial.tabulatedStrength = false;
    return sized;
}

FrictionCoefficients DefaultFrictionOf(const ServiceInputs& in)
{
    return DefaultFriction(in.joining, in.hubMaterial.family, in.shaftMaterial.family, in.surface);
}

} // namespace

double HubStrengthSectionMm(const ServiceInputs& in)
{
    const double outsideMm = in.hubOutsideDiameterMm.value_or(in.sizeMm);
    return in.hubMaterial.sectionBasis == SectionBasis::WallThickness ? (outsideMm - in.sizeMm) / 2.0 : outsideMm;
}

double ShaftStrengthSectionMm(const ServiceInputs& in)
{
    return in.shaftMaterial.sectionBasis == SectionBasis::WallThickness
        ? (in.sizeMm - in.shaftBoreMm.value_or(0.0)) / 2.0
        : in.sizeMm;
}

double RequiredHubSafety(const ServiceInputs& in)
{
    return in.hubMaterial.brittle ? in.requiredFractureSafety : in.requiredYieldSafety;
}

FitType FitTypeOfInterference(double interferenceMinUm, double interferenceMaxUm)
{
    if (interferenceMaxUm <= 0.0)
        return FitType::Clearance;
    return interferenceMinUm >= 0.0 ? FitType::Interference : FitType::Transition;
}

ServiceOutcome CalculateServiceConditions(const ServiceInputs& given)
{
    if (std::optional<ServiceRefusal> refusal = FindServiceRefusal(given))
        return *refusal;
    const ServiceInputs in = WithSectionStrengths(given);

    ServiceResults out;
    const FrictionCoefficients friction = DefaultFrictionOf(in);
    out.surface = in.surface;
    out.frictionLessFavourable = in.joining == JoiningMethod::Press && in.surface == SurfaceCondition::NotGiven
        && !(in.frictionHolding && in.frictionPressing);
    out.joining = in.joining;
    out.frictionHolding = in.frictionHolding.value_or(friction.holding);
    out.frictionPressing = in.frictionPressing.value_or(friction.pressing);
    out.frictionTabulated = (in.frictionHolding && in.frictionPressing) || friction.tabulated;
    out.smoothingFactor = in.smoothingFactor;
    out.joiningClearanceMm = in.joiningClearanceMm.value_or(kDefaultJoiningClearancePerDiameter * in.sizeMm);
    out.zoneSigmas = in.zoneSigmas;
    out.requiredSlipSafety = in.requiredSlipSafety;
    out.requiredYieldSafety = in.requiredYieldSafety;
    out.requiredFractureSafety = in.requiredFractureSafety;
    out.hubJoiningLimitC = in.hubMaterial.maxJoiningTemperatureC;
    out.hubSectionBasis = in.hubMaterial.sectionBasis;
    out.shaftSectionBasis = in.shaftMaterial.sectionBasis;
    if (in.hubOutsideDiameterMm) {
        out.hubStrengthMpa = in.hubMaterial.strengthMpa;
        out.hubStrengthSectionMm = HubStrengthSectionMm(in);
        out.shaftStrengthMpa = in.shaftMaterial.strengthMpa;
        out.shaftStrengthSectionMm = ShaftStrengthSectionMm(in);
    }

    out.sizeMm = in.sizeMm;
    out.interferenceMinUm = in.shaftLowerUm - in.holeUpperUm;
    out.interferenceMaxUm = in.shaftUpperUm - in.holeLowerUm;
    const double smoothingLossUm = in.smoothingFactor * (in.hubRzUm + in.shaftRzUm);
    out.smoothingLossUm = smoothingLossUm;
    out.states[kStandstill]
        = StateAt(in, "standstill", kReferenceTemperatureC, kReferenceTemperatureC, smoothingLossUm);
    out.states[kInService] = StateAt(in, "service", in.hubTemperatureC, in.shaftTemperatureC, smoothingLossUm);
    out.serviceInterferenceMinUm = out.states[kInService].interferenceMinUm;
    out.serviceInterferenceMaxUm = out.states[kInService].interferenceMaxUm;

    out.fitTypeAt20c = FitTypeOfInterference(*out.interferenceMinUm, *out.interferenceMaxUm);
    out.fitTypeAtService = out.states[kInService].fitType;
    out.fitTypeChangesAtService = out.fitTypeAtService != out.fitTypeAt20c;

    if (in.hubOutsideDiameterMm)
        SetPressFits(out, in);
    SetUseWarnings(out, in);
    SetAssembly(out, in);
    SetProbabilities(out, in);
    ClearNegativeZeros(out);

    if (std::optional<ServiceRefusal> refusal = FindResultOutOfRange(out))
        return *refusal;
    return out;
}

bool HoldsTheLoad(const ServiceResults& results)
{
    if (!results.slipSafety)
        return false;
    return std::none_of(results.warnings.begin(), results.warnings.end(), [](const ServiceWarning& warning) {
        switch (warning.code) {
        case ServiceWarningCode::HubYield:
        case ServiceWarningCode::HubFracture:
        case ServiceWarningCode::ShaftYield:
        case ServiceWarningCode::Slip:
        case ServiceWarningCode::AssemblyUnreachable:
            return true;
        default:
            return false;
        }
    });
}

LoadInterferenceBounds InterferenceBoundsForLoad(const ServiceInputs& given)
{
    const ServiceInputs in = WithSectionStrengths(given);
    const Joint joint = JointOf(in);
    const double frictionHolding = in.frictionHolding.value_or(DefaultFrictionOf(in).holding);
    const double pressureForSlipMpa
        = in.requiredSlipSafety * LoadN(in) / (std::numbers::pi * in.sizeMm * *in.lengthMm * frictionHolding);
    double maxForYieldUm = InterferenceAtStrengthUm(in.hubMaterial.strengthMpa, RequiredHubSafety(in),
                                                    HubCriterionPerMpa(in, joint), joint);
    maxForYieldUm = std::min(maxForYieldUm,
                             InterferenceAtStrengthUm(in.shaftMaterial.strengthMpa, in.requiredYieldSafety,
                                                      joint.shaftVonMisesPerMpa, joint));
    return {pressureForSlipMpa * joint.complianceMmPerMpa * kUmPerMm, maxForYieldUm};
}

std::span<const ServiceResultField> ServiceResultFields()
{
    return kResultFields;
}

std::span<const ServiceStateField> ServiceStateFields()
{
    return kStateFields;
}

std::size_t GoverningState(const ServiceResults& results, const ServiceResultField& field)
{
    if (!field.stateValue)
        return kNoState;
    const std::optional<double>& standstill = results.states[kStandstill].*field.stateValue;
    const std::optional<double>& service = results.states[kInService].*field.stateValue;
    if (!standstill || !service)
        return standstill ? kStandstill : (service ? kInService : kNoState);
    if (*standstill == *service)
        return kNoState;
    const bool standstillLower = *standstill < *service;
    return (field.worse == Worse::Lower) == standstillLower ? kStandstill : kInService;
}

ServiceInputs WithFitLimits(const FitAnalysis& fit, ServiceInputs inputs)
{
    inputs.sizeMm = ToMm(fit.size);
    inputs.holeUpperUm = ToUm(fit.hole.deviations.upper);
    inputs.holeLowerUm = ToUm(fit.hole.deviations.lower);
    inputs.shaftUpperUm = ToUm(fit.shaft.deviations.upper);
    inputs.shaftLowerUm = ToUm(fit.shaft.deviations.lower);
    return inputs;
}
