#pragma once

#include <optional>
#include <span>
#include <string_view>

// The kinds of material the friction values of DIN 7190-1 are given for.
enum class MaterialFamily { Steel, CastIron, Aluminium, CopperAlloy, Titanium };

// A minimum strength that holds up to a section size: the bar's or forging's diameter, or a
// casting's wall thickness, as the material standard tabulates it.
struct StrengthStep
{
    double upToMm; // this row holds for sections up to this size, from the row before's
    double strengthMpa;
};

// What a material standard sizes its strengths by.
enum class SectionBasis {
    Diameter, // wrought bar or forging: the part's outside diameter
    WallThickness, // casting: the wall's thickness, which sets how slowly it cools
};

// The values of one material that the fit calculations at service conditions need.
struct MaterialProperties
{
    double youngsModulusMpa = 0.0;
    double poissonRatio = 0.0;
    double expansionPerK = 0.0; // mean linear thermal expansion coefficient from 20 °C upwards, 1/K
    double strengthMpa = 0.0; // yield (0.2 % proof) strength; for a brittle material its tensile strength
    bool brittle = false; // no yield point (grey cast iron): judged on its largest tensile stress
    // Mean expansion coefficients from 20 °C down to -78 °C (dry ice) and to -196 °C (liquid nitrogen),
    // 1/K: metals contract less per kelvin the colder they get. 0: expansionPerK holds all the way down.
    double expansionToDryIcePerK = 0.0;
    double expansionToNitrogenPerK = 0.0;
    double maxJoiningTemperatureC = 0.0; // hottest the part may be heated to join it without harm
    MaterialFamily family = MaterialFamily::Steel;
    // Mean coefficient for heating the part to join it, 1/K, as DIN 7190-1 gives it for that purpose;
    // 0: expansionPerK. Service temperatures keep expansionPerK.
    double joiningExpansionPerK = 0.0;
    // The whole contraction from 20 °C to absolute zero (a positive strain): no cooling shrinks the
    // part more. 0: none known, expansionPerK (or the cooling curve) runs on to -273.15 °C.
    double contractionToZeroK = 0.0;
    // The minimum strength by section size; with tabulatedStrength, strengthMpa only names the
    // first row, and a size past the last row has no minimum (nor does an empty table).
    std::span<const StrengthStep> strengthBySize = {};
    bool tabulatedStrength = false;
    SectionBasis sectionBasis = SectionBasis::Diameter;
};

// Where each value of a built-in material comes from, for the user to check it.
struct MaterialSources
{
    std::string_view youngsModulus;
    std::string_view poissonRatio;
    std::string_view expansion;
    std::string_view strength;
    std::string_view coolingExpansion;
    std::string_view maxJoiningTemperature;
    std::string_view joiningExpansion = {};
    std::string_view contractionToZeroK = {};
};

struct Material
{
    std::string_view id; // short ASCII id for the command line, e.g. "qt-steel"
    std::string_view nameEn;
    std::string_view nameZh; // UTF-8
    MaterialProperties properties;
    MaterialSources sources;
};

// The built-in hub and shaft materials, structural steel first.
std::span<const Material> BuiltInMaterials();

// The built-in material with this id, if there is one.
std::optional<Material> FindMaterial(std::string_view id);

// The minimum strength for a section of this size (see SectionBasis): strengthMpa where the
// material has no table; none where the table has no row for the size.
std::optional<double> StrengthForSection(const MaterialProperties& material, double sectionMm);

// The coefficient that heating for joining uses: DIN 7190-1's where the material has it.
double JoiningExpansionPerK(const MaterialProperties& material);

// Structural steel, the material a hub or shaft is taken to be when none is chosen.
MaterialProperties DefaultMaterialProperties();

// Thermal strain of a part going from 20 °C to this temperature (negative when it contracts): the
// expansion coefficient above 20 °C; below it the mean coefficient to -78 °C, a straight line on to
// the contraction at -196 °C, and beyond that the mean coefficient to -196 °C.
double ThermalStrain(const MaterialProperties& material, double temperatureC);

// The temperature below 20 °C at which the part has contracted by this strain (a positive number);
// none where even absolute zero does not shrink it that much. Between -196 °C and absolute zero the
// contraction runs on in a straight line to the material's whole contraction.
std::optional<double> TemperatureOfContraction(const MaterialProperties& material, double contraction);

inline constexpr double kDryIceC = -78.0;
inline constexpr double kLiquidNitrogenC = -196.0;
inline constexpr double kAbsoluteZeroCelsius = -273.15;
