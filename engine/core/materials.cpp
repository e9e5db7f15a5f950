#include "core/materials.h"

#include <algorithm>
#include <array>

namespace {

constexpr double kReferenceC = 20.0;

// The cooling coefficients: DIN 7190-1 gives one per material family for cooling in liquid
// nitrogen; the dry-ice ones and those of the alloys it leaves out are read from the measured
// contraction of the alloy relative to 293 K in the cryogenic data of NBS/NIST.
constexpr std::string_view kDinCooling
    = "-196 C: DIN 7190-1:2017 (Roloff/Matek TB 12-6b); -78 C: iron, NBS Monograph 29 (Corruccini & Gniewek)";
constexpr std::string_view kSteelJoining = "DIN 7190-1:2017, 9.3.1 (heating the outer part, steel)";
constexpr std::string_view kDinHeating = "DIN 7190-1:2017, coefficients for heating to join (Roloff/Matek TB 12-6b)";
constexpr std::string_view kIronToZeroKSource = "iron, 293 K to 0 K: NBS Monograph 29 (Corruccini & Gniewek 1961)";
constexpr std::string_view kCopperCooling
    = "copper, 293 K to 77 K and to 0 K: NBS Monograph 29 (Corruccini & Gniewek 1961); -78 C: as before";

// Whole contractions from 20 °C to absolute zero, and copper's to -196 °C (strains).
constexpr double kIronToZeroK = 1.98e-3;
constexpr double kCopperToNitrogen = 3.02e-3;
constexpr double kCopperToZeroK = 3.26e-3;
constexpr double kNitrogenSpanK = kReferenceC - kLiquidNitrogenC;

// Minimum strengths by section size, each from its material standard (docs/service-conditions.md).
constexpr StrengthStep kS355[]
    = {{16, 355}, {40, 345}, {63, 335}, {80, 325}, {100, 315}, {150, 295}, {200, 285}, {250, 275}}; // ReH
constexpr StrengthStep k42CrMo4[] = {{16, 900}, {40, 750}, {100, 650}, {160, 550}, {250, 500}}; // Re
constexpr StrengthStep k14301[] = {{160, 190}}; // Rp0.2, solution annealed bar
constexpr StrengthStep kGjl250[] = {{10, 250}, {20, 225}, {40, 195}, {80, 170}, {150, 155}}; // Rm in the casting
constexpr StrengthStep kGjs400[] = {{30, 250}, {60, 250}, {200, 240}}; // Rp0.2, cast-on samples
constexpr StrengthStep k6082[] = {{150, 250}, {200, 240}, {250, 200}}; // Rp0.2, extruded bar
constexpr StrengthStep k16MnCr5[] = {{11, 735}, {30, 490}, {63, 440}}; // Rp0.2 of the core

// One grade stands for each kind, so that every value has a source a user can look up.
// docs/service-conditions.md lists the same values and sources.
constexpr std::array kMaterials = {
    Material {
        "steel",
        "Structural steel S355",
        "结构钢 S355 (Q355)",
        {.youngsModulusMpa = 210000.0,
         .poissonRatio = 0.30,
         .expansionPerK = 12.0e-6,
         .strengthMpa = 355.0,
         .expansionToDryIcePerK = 10.5e-6,
         .expansionToNitrogenPerK = 8.5e-6,
         .maxJoiningTemperatureC = 350.0,
         .family = MaterialFamily::Steel,
         .joiningExpansionPerK = 11.0e-6,
         .contractionToZeroK = kIronToZeroK,
         .strengthBySize = kS355,
         .tabulatedStrength = true},
        {"EN 1993-1-1:2005 3.2.6", "EN 1993-1-1:2005 3.2.6", "EN 1993-1-1:2005 3.2.6",
         "EN 10025-2:2019 Table 7, S355, ReH min by nominal thickness (16 mm 355 ... 250 mm 275)", kDinCooling,
         kSteelJoining, kDinHeating, kIronToZeroKSource},
    },
    Material {
        "qt-steel",
        "Quenched and tempered steel 42CrMo4+QT",
        "调质钢 42CrMo4 (42CrMo)",
        {.youngsModulusMpa = 210000.0,
         .poissonRatio = 0.30,
         .expansionPerK = 12.0e-6,
         .strengthMpa = 900.0,
         .expansionToDryIcePerK = 10.5e-6,
         .expansionToNitrogenPerK = 8.5e-6,
         .maxJoiningTemperatureC = 350.0,
         .family = MaterialFamily::Steel,
         .joiningExpansionPerK = 11.0e-6,
         .contractionToZeroK = kIronToZeroK,
         .strengthBySize = k42CrMo4,
         .tabulatedStrength = true},
        {"EN 1993-1-1:2005 3.2.6 (steel)", "EN 1993-1-1:2005 3.2.6 (steel)", "EN 1993-1-1:2005 3.2.6 (steel)",
         "EN 10083-3:2006, 42CrMo4+QT, Re min by diameter (16 mm 900 ... 250 mm 500)", kDinCooling,
         "DIN 7190-1:2017, 9.3.1 (steel); well below the 540-680 C tempering of EN 10083-3", kDinHeating,
         kIronToZeroKSource},
    },
    Material {
        "case-hardened",
        "Case-hardening steel 16MnCr5, case-hardened",
        "渗碳钢 16MnCr5 (渗碳淬火)",
        {.youngsModulusMpa = 210000.0,
         .poissonRatio = 0.30,
         .expansionPerK = 12.0e-6,
         .strengthMpa = 735.0,
         .expansionToDryIcePerK = 10.5e-6,
         .expansionToNitrogenPerK = 8.5e-6,
         .maxJoiningTemperatureC = 200.0,
         .family = MaterialFamily::Steel,
         .joiningExpansionPerK = 11.0e-6,
         .contractionToZeroK = kIronToZeroK,
         .strengthBySize = k16MnCr5,
         .tabulatedStrength = true},
        {"EN 1993-1-1:2005 3.2.6 (steel)", "EN 1993-1-1:2005 3.2.6 (steel)", "EN 1993-1-1:2005 3.2.6 (steel)",
         "ISO 683-3:2018 / EN 10084, 16MnCr5 core after blank hardening, Rp0.2 min for 11, 30, 63 mm (informative)",
         kDinCooling, "the 150-200 C tempering of case-hardened 16MnCr5 (EN 10084, ISO 683-3): hotter softens the case",
         kDinHeating, kIronToZeroKSource},
    },
    Material {
        "stainless",
        "Stainless steel X5CrNi18-10 (1.4301)",
        "不锈钢 X5CrNi18-10 (06Cr19Ni10)",
        {.youngsModulusMpa = 200000.0,
         .poissonRatio = 0.30,
         .expansionPerK = 16.0e-6,
         .strengthMpa = 190.0,
         .expansionToDryIcePerK = 14.9e-6,
         .expansionToNitrogenPerK = 13.0e-6,
         .maxJoiningTemperatureC = 350.0,
         .family = MaterialFamily::Steel,
         .contractionToZeroK = 2.96e-3,
         .strengthBySize = k14301,
         .tabulatedStrength = true},
        {"EN 10088-1, 1.4301 at 20 C", "EN 1993-1-4 (austenitic stainless steel)", "EN 10088-1, 1.4301, 20-100 C",
         "EN 10088-3, 1.4301 bar, solution annealed, d <= 160 mm, Rp0.2 min",
         "NIST cryogenic material properties, 304 stainless steel (Marquardt, Le, Radebaugh 2000)", kSteelJoining,
         "its own coefficient (EN 10088-1): DIN 7190-1's 11e-6/K is for unalloyed and low-alloy steel",
         "304 stainless steel, 293 K to 4 K (NIST cryogenic material properties)"},
    },
    Material {
        "cast-iron",
        "Grey cast iron EN-GJL-250",
        "灰铸铁 HT250 (EN-GJL-250)",
        {.youngsModulusMpa = 110000.0,
         .poissonRatio = 0.26,
         .expansionPerK = 11.0e-6,
         .strengthMpa = 250.0,
         .brittle = true,
         .expansionToDryIcePerK = 9.5e-6,
         .expansionToNitrogenPerK = 8.0e-6,
         .maxJoiningTemperatureC = 350.0,
         .family = MaterialFamily::CastIron,
         .joiningExpansionPerK = 10.0e-6,
         .contractionToZeroK = kIronToZeroK * 8.0 / 8.5,
         .strengthBySize = kGjl250,
         .tabulatedStrength = true,
         .sectionBasis = SectionBasis::WallThickness},
        {"DIN EN 1561 data, 103-118 GPa, middle value (sn-castiron.nl)", "DIN EN 1561 data (sn-castiron.nl)",
         "makeitfrom.com, grey cast iron ISO 250 / ASTM class 35",
         "EN 1561, Rm anticipated in the casting by relevant wall thickness (no yield point: tensile strength)",
         "-196 C: DIN 7190-1:2017 (Roloff/Matek TB 12-6b, GJL); -78 C: iron (NBS Monograph 29), scaled alike",
         "DIN 7190-1:2017, 9.3.1 (cast iron)", kDinHeating, "iron (NBS Monograph 29), scaled as at -196 C"},
    },
    Material {
        "nodular-iron",
        "Nodular cast iron EN-GJS-400-15",
        "球墨铸铁 QT400-15 (EN-GJS-400-15)",
        {.youngsModulusMpa = 169000.0,
         .poissonRatio = 0.275,
         .expansionPerK = 12.5e-6,
         .strengthMpa = 250.0,
         .expansionToDryIcePerK = 9.5e-6,
         .expansionToNitrogenPerK = 8.0e-6,
         .maxJoiningTemperatureC = 350.0,
         .family = MaterialFamily::CastIron,
         .joiningExpansionPerK = 10.0e-6,
         .contractionToZeroK = kIronToZeroK * 8.0 / 8.5,
         .strengthBySize = kGjs400,
         .tabulatedStrength = true,
         .sectionBasis = SectionBasis::WallThickness},
        {"EN 1563 physical data (iron-foundry.com table)", "EN 1563 informative annex",
         "EN 1563 informative annex, 20-400 C", "EN 1563, Rp0.2 min of cast-on samples by relevant wall thickness",
         "-196 C: DIN 7190-1:2017 (Roloff/Matek TB 12-6b, GJS); -78 C: iron (NBS Monograph 29), scaled alike",
         "DIN 7190-1:2017, 9.3.1 (cast iron)", kDinHeating, "iron (NBS Monograph 29), scaled as at -196 C"},
    },
    Material {
        "aluminium",
        "Aluminium alloy EN AW-6082 T6",
        "铝合金 6082-T6",
        {.youngsModulusMpa = 70000.0,
         .poissonRatio = 0.30,
         .expansionPerK = 23.0e-6,
         .strengthMpa = 250.0,
         .expansionToDryIcePerK = 21.7e-6,
         .expansionToNitrogenPerK = 18.0e-6,
         .maxJoiningTemperatureC = 150.0,
         .family = MaterialFamily::Aluminium,
         .joiningExpansionPerK = 23.0e-6,
         .contractionToZeroK = 4.14e-3,
         .strengthBySize = k6082,
         .tabulatedStrength = true},
        {"EN 1999-1-1 3.2.5", "EN 1999-1-1 3.2.5", "EN 1999-1-1 3.2.5",
         "EN 755-2, 6082 T6 extruded bar, Rp0.2 min by diameter (the lower of the rows up to 150 mm)",
         "NIST cryogenic material properties, 6061-T6 (Marquardt, Le, Radebaugh 2000); DIN 7190-1 AlMgSi -18e-6",
         "below the 160-180 C artificial ageing of the T6 temper (ASM Handbook Vol. 4, 6xxx alloys): hotter "
         "over-ages it",
         kDinHeating, "6061-T6, 293 K to 4 K (NIST cryogenic material properties)"},
    },
    Material {
        "bronze",
        "Tin bronze CuSn12Ni2-C-GS (CC484K)",
        "锡青铜 CuSn12Ni2-C",
        {.youngsModulusMpa = 100000.0,
         .poissonRatio = 0.34,
         .expansionPerK = 17.5e-6,
         .strengthMpa = 160.0,
         .expansionToDryIcePerK = 16.0e-6,
         .expansionToNitrogenPerK = kCopperToNitrogen / kNitrogenSpanK,
         .maxJoiningTemperatureC = 300.0,
         .family = MaterialFamily::CopperAlloy,
         .joiningExpansionPerK = 17.0e-6,
         .contractionToZeroK = kCopperToZeroK},
        {"Kemper data sheet CC484K, 90-110 GPa, middle value",
         "tin bronze CuSn6 (EN 1652) data, de.mfgrobots.com; none published for the cast grade",
         "Kemper data sheet CC484K", "EN 1982, CC484K sand cast (GS), Rp0.2 min; the standard gives one for every wall",
         kCopperCooling, "below the 350 C stress relief of cast tin bronzes (Copper Development Association)",
         kDinHeating, kCopperCooling},
    },
    Material {
        "brass",
        "Free-cutting brass C36000 (CuZn36Pb3), half hard",
        "易切削黄铜 C36000 (HPb62-3)",
        {.youngsModulusMpa = 97000.0,
         .poissonRatio = 0.31,
         .expansionPerK = 20.5e-6,
         .strengthMpa = 0.0,
         .expansionToDryIcePerK = 18.5e-6,
         .expansionToNitrogenPerK = kCopperToNitrogen / kNitrogenSpanK,
         .maxJoiningTemperatureC = 250.0,
         .family = MaterialFamily::CopperAlloy,
         .joiningExpansionPerK = 18.0e-6,
         .contractionToZeroK = kCopperToZeroK,
         .tabulatedStrength = true},
        {"MatWeb data for UNS C36000 (ezlok.com)", "MatWeb data for UNS C36000 (ezlok.com)",
         "MatWeb data for UNS C36000, 20-300 C (ezlok.com)",
         "none: no minimum proof strength by size could be confirmed; a press fit needs a typed strength",
         "-196 C and 0 K: copper (NBS Monograph 29), the lesser contraction; -78 C: brass (NBS Monograph 29)",
         "the 250-300 C stress relief of C36000 (Copper Development Association): hotter softens the half-hard temper",
         kDinHeating, kCopperCooling},
    },
    Material {
        "titanium",
        "Titanium alloy Ti-6Al-4V (Grade 5), annealed",
        "钛合金 TC4 (Ti-6Al-4V)",
        {.youngsModulusMpa = 114000.0,
         .poissonRatio = 0.33,
         .expansionPerK = 8.6e-6,
         .strengthMpa = 828.0,
         .expansionToDryIcePerK = 8.0e-6,
         .expansionToNitrogenPerK = 7.6e-6,
         .maxJoiningTemperatureC = 400.0,
         .family = MaterialFamily::Titanium,
         .contractionToZeroK = 1.73e-3},
        {"ASM MatWeb, Ti-6Al-4V (Grade 5) annealed bar", "ASM MatWeb, Ti-6Al-4V (Grade 5) annealed bar",
         "ASM MatWeb, Ti-6Al-4V (Grade 5), 20-100 C", "ASTM B348, Grade 5 bar, yield min 828 MPa (120 ksi)",
         "NIST cryogenic material properties, Ti-6Al-4V (Marquardt, Le, Radebaugh 2000)",
         "below the 480-650 C stress relief of Ti-6Al-4V (AMS 2801)",
         "its own coefficient: DIN 7190-1 gives none for titanium", "Ti-6Al-4V, 293 K to 4 K (NIST)"},
    },
};

struct CoolingCurve
{
    double dryIceContraction; // at -78 °C
    double nitrogenContraction; // at -196 °C
    double slopeBelowDryIcePerK; // from -78 °C to -196 °C
};

CoolingCurve CurveOf(const MaterialProperties& material)
{
    const double dryIce = material.expansionToDryIcePerK * (kReferenceC - kDryIceC);
    const double nitrogen = material.expansionToNitrogenPerK * (kReferenceC - kLiquidNitrogenC);
    return {dryIce, nitrogen, (nitrogen - dryIce) / (kDryIceC - kLiquidNitrogenC)};
}

bool HasCoolingCurve(const MaterialProperties& material)
{
    return material.expansionToDryIcePerK > 0.0 && material.expansionToNitrogenPerK > 0.0;
}

} // namespace

std::span<const Material> BuiltInMaterials()
{
    return kMaterials;
}

std::optional<Material> FindMaterial(std::string_view id)
{
    const auto found = std::find_if(kMaterials.begin(), kMaterials.end(),
                                    [id](const Material& material) { return material.id == id; });
    if (found == kMaterials.end())
        return std::nullopt;
    return *found;
}

MaterialProperties DefaultMaterialProperties()
{
    return kMaterials.front().properties;
}

std::optional<double> StrengthForSection(const MaterialProperties& material, double sectionMm)
{
    if (!material.tabulatedStrength)
        return material.strengthMpa;
    for (const StrengthStep& step : material.strengthBySize)
        if (sectionMm <= step.upToMm)
            return step.strengthMpa;
    return std::nullopt;
}

double JoiningExpansionPerK(const MaterialProperties& material)
{
    return material.joiningExpansionPerK > 0.0 ? material.joiningExpansionPerK : material.expansionPerK;
}

double ThermalStrain(const MaterialProperties& material, double temperatureC)
{
    if (temperatureC >= kReferenceC || !HasCoolingCurve(material))
        return material.expansionPerK * (temperatureC - kReferenceC);
    if (temperatureC >= kDryIceC)
        return -material.expansionToDryIcePerK * (kReferenceC - temperatureC);
    const CoolingCurve curve = CurveOf(material);
    if (temperatureC < kLiquidNitrogenC) {
        if (!(material.contractionToZeroK > curve.nitrogenContraction))
            return -material.expansionToNitrogenPerK * (kReferenceC - temperatureC);
        const double slope
            = (material.contractionToZeroK - curve.nitrogenContraction) / (kLiquidNitrogenC - kAbsoluteZeroCelsius);
        return -(curve.nitrogenContraction + slope * (kLiquidNitrogenC - temperatureC));
    }
    return -(curve.dryIceContraction + curve.slopeBelowDryIcePerK * (kDryIceC - temperatureC));
}

std::optional<double> TemperatureOfContraction(const MaterialProperties& material, double contraction)
{
    std::optional<double> temperatureC;
    if (!HasCoolingCurve(material)) {
        temperatureC = kReferenceC - contraction / material.expansionPerK;
    } else {
        const CoolingCurve curve = CurveOf(material);
        if (contraction <= curve.dryIceContraction)
            temperatureC = kReferenceC - contraction / material.expansionToDryIcePerK;
        else if (contraction <= curve.nitrogenContraction)
            temperatureC = kDryIceC - (contraction - curve.dryIceContraction) / curve.slopeBelowDryIcePerK;
        else if (material.contractionToZeroK > curve.nitrogenContraction)
            temperatureC = kLiquidNitrogenC
                - (contraction - curve.nitrogenContraction) / (material.contractionToZeroK - curve.nitrogenContraction)
                    * (kLiquidNitrogenC - kAbsoluteZeroCelsius);
        else
            temperatureC = kReferenceC - contraction / material.expansionToNitrogenPerK;
    }
    if (*temperatureC < kAbsoluteZeroCelsius)
        return std::nullopt; // no cooling shrinks the part that much
    return temperatureC;
}
