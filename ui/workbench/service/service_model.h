#pragma once

#include "core/fit_analysis.h"
#include "core/result.h"
#include "core/service_conditions.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// The service conditions tab's one calculation, from the texts of its fields and the analysed fit
// to the results, or what stands in the way of them. Plain C++: the words are service_texts'.

// The tab's typed fields, in the order the tab shows them.
enum class ServiceField {
    HubOutsideDiameter,
    ShaftBore,
    Length,
    HubYoungsModulus,
    HubPoissonRatio,
    HubExpansion, // 10⁻⁶/K
    HubStrength,
    ShaftYoungsModulus,
    ShaftPoissonRatio,
    ShaftExpansion,
    ShaftStrength,
    HubTemperature,
    ShaftTemperature,
    Friction,
    HubRz,
    ShaftRz,
    JoiningClearance, // µm
    ZoneSigmas,
    FrictionPressing, // empty: DIN 7190-1's, as Friction (the holding one)
    Torque, // N·m; with the axial force, empty: no load
    AxialForce, // N
    RequiredSlipSafety,
    RequiredYieldSafety,
    HubMaxTemperature, // empty: the hub material's highest joining temperature
    RequiredFractureSafety, // of a brittle hub
};
inline constexpr std::size_t kServiceFieldCount = 25;

// Left empty, these mean "not given"; the others must hold a number.
bool IsOptionalField(ServiceField field);

// The fields as typed.
struct ServiceForm
{
    std::array<std::string, kServiceFieldCount> typed;
    MaterialProperties hubMaterial; // the chosen material, whose typed values override its own
    MaterialProperties shaftMaterial;
    double smoothingFactor = kSmoothingFactorDin7190_2017;
    JoiningMethod joining = JoiningMethod::Press;
    SurfaceCondition surface = SurfaceCondition::NotGiven;

    std::string& operator[](ServiceField field) { return typed[static_cast<std::size_t>(field)]; }
    const std::string& operator[](ServiceField field) const { return typed[static_cast<std::size_t>(field)]; }
};

// A field that is empty (and needed) or not a number.
struct FormProblem
{
    ServiceField field = ServiceField::HubOutsideDiameter;
    bool empty = false;
};

// Every input the calculation may refuse: the tab's fields, and what it takes from the fit and
// from its lists.
enum class ServiceInput {
    Field, // see ServiceRefusalOf::field
    Size,
    HoleUpper,
    HoleLower,
    ShaftUpper,
    ShaftLower,
    SmoothingFactor,
    Result, // a result too large to hold, see ServiceRefusalOf::result
    Other, // a name the tab does not know
};

struct ServiceRefusalOf
{
    ServiceRefusalReason reason = ServiceRefusalReason::kNotFinite;
    ServiceInput input = ServiceInput::Field;
    ServiceField field = ServiceField::HubOutsideDiameter; // for ServiceInput::Field
    std::size_t result = 0; // for ServiceInput::Result: the index in ServiceResultFields()
};

using ServiceProblem = std::variant<FormProblem, ServiceRefusalOf>;

// The fit's limits and the form's fields as the engine's inputs, or the first field that is no number.
Result<ServiceInputs, FormProblem> ReadServiceForm(const FitAnalysis& fit, const ServiceForm& form);

Result<ServiceResults, ServiceProblem> CalculateService(const FitAnalysis& fit, const ServiceForm& form);

// The joint's inputs alone, without a fit's limits: what the fit finder searches with for a load.
// Read by the engine's reader of the joint's inputs (ApplyJointValues), as on the command line: a
// material value typed over the chosen material's own replaces it (an expansion coefficient for
// cooling too; a strength makes the part yield, not brittle); a field still showing the material's
// value leaves the material as it is.
Result<ServiceInputs, FormProblem> ReadJointForm(const ServiceForm& form);

// The joint input (core/joint_inputs.h) a field gives, and back. The tab's lists give hub_material,
// shaft_material, joining and smoothing; friction, both coefficients at once, it has as two fields.
std::string_view InputOfField(ServiceField field);
ServiceField FieldOfInput(std::string_view key);

// DIN 7190-1's friction coefficients for the form's joining method and materials: what an empty
// friction field stands for.
FrictionCoefficients DefaultFrictionOf(const ServiceForm& form);

// The inputs of the fit alone, at 20 °C with default materials.
ServiceInputs InputsOfFit(const FitAnalysis& fit);

// What the engine's name of an input stands for.
ServiceRefusalOf RefusalOf(const ServiceRefusal& refusal);
