#include "service_options.h"

#include "cli_text.h"
#include "decimal_text.h"
#include "materials.h"

#include <ostream>

namespace {

// Reads number options into the inputs, stopping at the first one that is not a number.
class NumberReader
{
public:
    explicit NumberReader(std::ostream& err)
        : m_err(err)
    {
    }

    void Read(const std::optional<std::string>& text, std::string_view option, double& value)
    {
        if (!text || !m_ok)
            return;
        const auto number = ParseDecimalNumber(*text);
        if (!number) {
            UsageError(m_err, std::string(option) + " " + Quoted(*text) + " " + NumberProblemWords(number.reason()));
            m_ok = false;
            return;
        }
        value = *number;
    }

    void Read(const std::optional<std::string>& text, std::string_view option, std::optional<double>& value)
    {
        double number = 0.0;
        Read(text, option, number);
        if (text && m_ok)
            value = number;
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

void ReadOverrides(NumberReader& reader, const MaterialOverrides& overrides, std::string_view part,
                   MaterialProperties& properties)
{
    const std::string prefix = "--" + std::string(part) + "-";
    reader.Read(overrides.youngsModulus, prefix + "e", properties.youngsModulusMpa);
    reader.Read(overrides.poissonRatio, prefix + "nu", properties.poissonRatio);
    if (overrides.expansion) {
        // A coefficient given for this part holds for cooling too: the built-in one's curve is not its.
        reader.Read(overrides.expansion, prefix + "alpha", properties.expansionPerK);
        properties.expansionToDryIcePerK = properties.expansionToNitrogenPerK = 0.0;
    }
    if (overrides.strength) {
        reader.Read(overrides.strength, prefix + "yield", properties.strengthMpa);
        properties.brittle = false;
    }
}

bool ReadSmoothing(const std::optional<std::string>& text, double& factor, std::ostream& err)
{
    if (!text)
        return true;
    if (*text == "0.4")
        factor = kSmoothingFactorDin7190_2017;
    else if (*text == "0.8")
        factor = kSmoothingFactorDin7190_2001;
    else {
        UsageError(err, "--smoothing " + Quoted(*text) + " is not 0.4 or 0.8");
        return false;
    }
    return true;
}

bool ReadJoining(const std::optional<std::string>& text, JoiningMethod& joining, std::ostream& err)
{
    if (!text)
        return true;
    if (*text == "press")
        joining = JoiningMethod::Press;
    else if (*text == "shrink")
        joining = JoiningMethod::Shrink;
    else {
        UsageError(err, "--joining " + Quoted(*text) + " is not press or shrink");
        return false;
    }
    return true;
}

} // namespace

bool ReadServiceOptions(const ServiceOptions& options, ServiceInputs& inputs, std::ostream& err)
{
    if (options.friction && (options.frictionHolding || options.frictionPressing)) {
        UsageError(err, "--friction sets both coefficients: give it or --friction-holding and --friction-pressing");
        return false;
    }
    if (!ReadMaterial(options.hubMaterial, "--hub-material", inputs.hubMaterial, err)
        || !ReadMaterial(options.shaftMaterial, "--shaft-material", inputs.shaftMaterial, err)
        || !ReadSmoothing(options.smoothing, inputs.smoothingFactor, err)
        || !ReadJoining(options.joining, inputs.joining, err))
        return false;
    NumberReader reader(err);
    ReadOverrides(reader, options.hubOverrides, "hub", inputs.hubMaterial);
    ReadOverrides(reader, options.shaftOverrides, "shaft", inputs.shaftMaterial);
    reader.Read(options.hubOutsideDiameter, "--hub-od", inputs.hubOutsideDiameterMm);
    reader.Read(options.shaftBore, "--shaft-id", inputs.shaftBoreMm);
    reader.Read(options.length, "--length", inputs.lengthMm);
    reader.Read(options.hubTemperature, "--hub-temp", inputs.hubTemperatureC);
    reader.Read(options.shaftTemperature, "--shaft-temp", inputs.shaftTemperatureC);
    reader.Read(options.friction, "--friction", inputs.frictionHolding);
    reader.Read(options.friction, "--friction", inputs.frictionPressing);
    reader.Read(options.frictionHolding, "--friction-holding", inputs.frictionHolding);
    reader.Read(options.frictionPressing, "--friction-pressing", inputs.frictionPressing);
    reader.Read(options.hubRz, "--rz-hub", inputs.hubRzUm);
    reader.Read(options.shaftRz, "--rz-shaft", inputs.shaftRzUm);
    reader.Read(options.zoneSigmas, "--zone-sigma", inputs.zoneSigmas);
    reader.Read(options.torque, "--torque", inputs.torqueNm);
    reader.Read(options.axialForce, "--axial-force", inputs.axialForceN);
    reader.Read(options.slipSafety, "--slip-safety", inputs.requiredSlipSafety);
    reader.Read(options.yieldSafety, "--yield-safety", inputs.requiredYieldSafety);
    std::optional<double> joiningUm;
    reader.Read(options.joiningClearance, "--joining-clearance", joiningUm);
    if (joiningUm)
        inputs.joiningClearanceMm = *joiningUm / 1000.0;
    return reader.Ok();
}

bool HasLoad(const ServiceOptions& options)
{
    return options.torque || options.axialForce;
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
    case ServiceRefusalReason::kCoolingCurveNotFalling:
        return "must make the part contract more at -196 °C than at -78 °C";
    case ServiceRefusalReason::kMissing:
        return "is needed";
    case ServiceRefusalReason::kResultOutOfRange:
        return "cannot be represented: the inputs are too large";
    }
    return "is refused";
}
