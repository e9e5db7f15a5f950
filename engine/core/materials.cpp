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

// One grade stands for each kind, so that every value has a source a user can look up.
// docs/service-conditions.md lists the same values and sources.
constexpr std::array kMaterials = {
    Material {
        "steel",
        "Structural steel S355",
        "结构钢 S355 (Q355)",
        {210000.0, 0.30, 12.0e-6, 355.0, false, 10.5e-6, 8.5e-6, 350.0, MaterialFamily::Steel},
        {"EN 1993-1-1:2005 3.2.6", "EN 1993-1-1:2005 3.2.6", "EN 1993-1-1:2005 3.2.6",
         "EN 1993-1-1:2005 Table 3.1 (EN 10025-2 S355, t <= 40 mm, fy)", kDinCooling, kSteelJoining},
    },
    Material {
        "qt-steel",
        "Quenched and tempered steel 42CrMo4+QT",
        "调质钢 42CrMo4 (42CrMo)",
        {210000.0, 0.30, 12.0e-6, 750.0, false, 10.5e-6, 8.5e-6, 350.0, MaterialFamily::Steel},
        {"EN 1993-1-1:2005 3.2.6 (steel)", "EN 1993-1-1:2005 3.2.6 (steel)", "EN 1993-1-1:2005 3.2.6 (steel)",
         "EN 10083-3:2006, 42CrMo4+QT, 16 < d <= 40 mm, Re min", kDinCooling,
         "DIN 7190-1:2017, 9.3.1 (steel); well below the 540-680 C tempering of EN 10083-3"},
    },
    Material {
        "stainless",
        "Stainless steel X5CrNi18-10 (1.4301)",
        "不锈钢 X5CrNi18-10 (06Cr19Ni10)",
        {200000.0, 0.30, 16.0e-6, 190.0, false, 14.9e-6, 13.0e-6, 350.0, MaterialFamily::Steel},
        {"EN 10088-1, 1.4301 at 20 C", "EN 1993-1-4 (austenitic stainless steel)", "EN 10088-1, 1.4301, 20-100 C",
         "EN 10088-3:2005, bars 16 < d <= 160 mm, Rp0.2 min",
         "NIST cryogenic material properties, 304 stainless steel (Marquardt, Le, Radebaugh 2000)", kSteelJoining},
    },
    Material {
        "cast-iron",
        "Grey cast iron EN-GJL-250",
        "灰铸铁 HT250 (EN-GJL-250)",
        {110000.0, 0.26, 11.0e-6, 250.0, true, 9.5e-6, 8.0e-6, 350.0, MaterialFamily::CastIron},
        {"DIN EN 1561 data, 103-118 GPa, middle value (sn-castiron.nl)", "DIN EN 1561 data (sn-castiron.nl)",
         "makeitfrom.com, grey cast iron ISO 250 / ASTM class 35", "EN 1561, Rm min (no yield point: tensile strength)",
         "-196 C: DIN 7190-1:2017 (Roloff/Matek TB 12-6b, GJL); -78 C: iron (NBS Monograph 29), scaled alike",
         "DIN 7190-1:2017, 9.3.1 (cast iron)"},
    },
    Material {
        "nodular-iron",
        "Nodular cast iron EN-GJS-400-15",
        "球墨铸铁 QT400-15 (EN-GJS-400-15)",
        {169000.0, 0.275, 12.5e-6, 250.0, false, 9.5e-6, 8.0e-6, 350.0, MaterialFamily::CastIron},
        {"EN 1563 physical data (iron-foundry.com table)", "EN 1563 informative annex",
         "EN 1563 informative annex, 20-400 C", "EN 1563, Rp0.2 min",
         "-196 C: DIN 7190-1:2017 (Roloff/Matek TB 12-6b, GJS); -78 C: iron (NBS Monograph 29), scaled alike",
         "DIN 7190-1:2017, 9.3.1 (cast iron)"},
    },
    Material {
        "aluminium",
        "Aluminium alloy EN AW-6082 T6",
        "铝合金 6082-T6",
        {70000.0, 0.30, 23.0e-6, 260.0, false, 21.7e-6, 18.0e-6, 150.0, MaterialFamily::Aluminium},
        {"EN 1999-1-1 3.2.5", "EN 1999-1-1 3.2.5", "EN 1999-1-1 3.2.5", "EN 755-2, 6082 T6, 5 < e <= 25 mm, Rp0.2 min",
         "NIST cryogenic material properties, 6061-T6 (Marquardt, Le, Radebaugh 2000); DIN 7190-1 AlMgSi -18e-6",
         "below the 160-180 C artificial ageing of the T6 temper (ASM Handbook Vol. 4, 6xxx alloys): hotter "
         "over-ages it"},
    },
    Material {
        "bronze",
        "Tin bronze CuSn12Ni2-C-GS (CC484K)",
        "锡青铜 CuSn12Ni2-C",
        {100000.0, 0.34, 17.5e-6, 160.0, false, 16.0e-6, 15.0e-6, 300.0, MaterialFamily::CopperAlloy},
        {"Kemper data sheet CC484K, 90-110 GPa, middle value",
         "tin bronze CuSn6 (EN 1652) data, de.mfgrobots.com; none published for the cast grade",
         "Kemper data sheet CC484K", "Kemper data sheet CC484K (DIN EN 1982), Rp0.2",
         "-196 C: DIN 7190-1:2017 (Roloff/Matek TB 12-6b, CuSn); -78 C: copper (NBS Monograph 29)",
         "below the 350 C stress relief of cast tin bronzes (Copper Development Association)"},
    },
    Material {
        "brass",
        "Free-cutting brass C36000 (CuZn36Pb3), half hard",
        "易切削黄铜 C36000 (HPb62-3)",
        {97000.0, 0.31, 20.5e-6, 310.0, false, 18.5e-6, 16.0e-6, 250.0, MaterialFamily::CopperAlloy},
        {"MatWeb data for UNS C36000 (ezlok.com)", "MatWeb data for UNS C36000 (ezlok.com)",
         "MatWeb data for UNS C36000, 20-300 C (ezlok.com)",
         "C36000 half-hard 1 in rod, typical (brass-copper-castings.com)",
         "-196 C: DIN 7190-1:2017 (Roloff/Matek TB 12-6b, CuZn); -78 C: brass (NBS Monograph 29)",
         "the 250-300 C stress relief of C36000 (Copper Development Association): hotter softens the half-hard temper"},
    },
    Material {
        "titanium",
        "Titanium alloy Ti-6Al-4V (Grade 5), annealed",
        "钛合金 TC4 (Ti-6Al-4V)",
        {114000.0, 0.33, 8.6e-6, 830.0, false, 8.0e-6, 7.6e-6, 400.0, MaterialFamily::Titanium},
        {"ASM MatWeb, Ti-6Al-4V (Grade 5) annealed bar", "ASM MatWeb, Ti-6Al-4V (Grade 5) annealed bar",
         "ASM MatWeb, Ti-6Al-4V (Grade 5), 20-100 C", "ASM MatWeb, Ti-6Al-4V (Grade 5) annealed bar",
         "NIST cryogenic material properties, Ti-6Al-4V (Marquardt, Le, Radebaugh 2000)",
         "below the 480-650 C stress relief of Ti-6Al-4V (AMS 2801)"},
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

double ThermalStrain(const MaterialProperties& material, double temperatureC)
{
    if (temperatureC >= kReferenceC || !HasCoolingCurve(material))
        return material.expansionPerK * (temperatureC - kReferenceC);
    if (temperatureC >= kDryIceC)
        return -material.expansionToDryIcePerK * (kReferenceC - temperatureC);
    if (temperatureC < kLiquidNitrogenC)
        return -material.expansionToNitrogenPerK * (kReferenceC - temperatureC);
    const CoolingCurve curve = CurveOf(material);
    return -(curve.dryIceContraction + curve.slopeBelowDryIcePerK * (kDryIceC - temperatureC));
}

double TemperatureOfContraction(const MaterialProperties& material, double contraction)
{
    if (!HasCoolingCurve(material))
        return kReferenceC - contraction / material.expansionPerK;
    const CoolingCurve curve = CurveOf(material);
    if (contraction <= curve.dryIceContraction)
        return kReferenceC - contraction / material.expansionToDryIcePerK;
    if (contraction > curve.nitrogenContraction)
        return kReferenceC - contraction / material.expansionToNitrogenPerK;
    return kDryIceC - (contraction - curve.dryIceContraction) / curve.slopeBelowDryIcePerK;
}
