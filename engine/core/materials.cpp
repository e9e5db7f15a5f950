#include "materials.h"

#include <algorithm>
#include <array>

namespace {

// One grade stands for each kind, so that every value has a source a user can look up. The README
// lists the same values and sources.
constexpr std::array kMaterials = {
    Material {
        "steel",
        "Structural steel S355",
        "结构钢 S355 (Q355)",
        {210000.0, 0.30, 12.0e-6, 355.0, false},
        {"EN 1993-1-1:2005 3.2.6", "EN 1993-1-1:2005 3.2.6", "EN 1993-1-1:2005 3.2.6",
         "EN 1993-1-1:2005 Table 3.1 (EN 10025-2 S355, t <= 40 mm, fy)"},
    },
    Material {
        "qt-steel",
        "Quenched and tempered steel 42CrMo4+QT",
        "调质钢 42CrMo4 (42CrMo)",
        {210000.0, 0.30, 12.0e-6, 750.0, false},
        {"EN 1993-1-1:2005 3.2.6 (steel)", "EN 1993-1-1:2005 3.2.6 (steel)", "EN 1993-1-1:2005 3.2.6 (steel)",
         "EN 10083-3:2006, 42CrMo4+QT, 16 < d <= 40 mm, Re min"},
    },
    Material {
        "stainless",
        "Stainless steel X5CrNi18-10 (1.4301)",
        "不锈钢 X5CrNi18-10 (06Cr19Ni10)",
        {200000.0, 0.30, 16.0e-6, 190.0, false},
        {"EN 10088-1, 1.4301 at 20 C", "EN 1993-1-4 (austenitic stainless steel)", "EN 10088-1, 1.4301, 20-100 C",
         "EN 10088-3:2005, bars 16 < d <= 160 mm, Rp0.2 min"},
    },
    Material {
        "cast-iron",
        "Grey cast iron EN-GJL-250",
        "灰铸铁 HT250 (EN-GJL-250)",
        {110000.0, 0.26, 11.0e-6, 250.0, true},
        {"DIN EN 1561 data, 103-118 GPa, middle value (sn-castiron.nl)", "DIN EN 1561 data (sn-castiron.nl)",
         "makeitfrom.com, grey cast iron ISO 250 / ASTM class 35",
         "EN 1561, Rm min (no yield point: tensile strength)"},
    },
    Material {
        "nodular-iron",
        "Nodular cast iron EN-GJS-400-15",
        "球墨铸铁 QT400-15 (EN-GJS-400-15)",
        {169000.0, 0.275, 12.5e-6, 250.0, false},
        {"EN 1563 physical data (iron-foundry.com table)", "EN 1563 informative annex",
         "EN 1563 informative annex, 20-400 C", "EN 1563, Rp0.2 min"},
    },
    Material {
        "aluminium",
        "Aluminium alloy EN AW-6082 T6",
        "铝合金 6082-T6",
        {70000.0, 0.30, 23.0e-6, 260.0, false},
        {"EN 1999-1-1 3.2.5", "EN 1999-1-1 3.2.5", "EN 1999-1-1 3.2.5", "EN 755-2, 6082 T6, 5 < e <= 25 mm, Rp0.2 min"},
    },
    Material {
        "bronze",
        "Tin bronze CuSn12Ni2-C-GS (CC484K)",
        "锡青铜 CuSn12Ni2-C",
        {100000.0, 0.34, 17.5e-6, 160.0, false},
        {"Kemper data sheet CC484K, 90-110 GPa, middle value",
         "tin bronze CuSn6 (EN 1652) data, de.mfgrobots.com; none published for the cast grade",
         "Kemper data sheet CC484K", "Kemper data sheet CC484K (DIN EN 1982), Rp0.2"},
    },
    Material {
        "brass",
        "Free-cutting brass C36000 (CuZn36Pb3), half hard",
        "易切削黄铜 C36000 (HPb62-3)",
        {97000.0, 0.31, 20.5e-6, 310.0, false},
        {"MatWeb data for UNS C36000 (ezlok.com)", "MatWeb data for UNS C36000 (ezlok.com)",
         "MatWeb data for UNS C36000, 20-300 C (ezlok.com)",
         "C36000 half-hard 1 in rod, typical (brass-copper-castings.com)"},
    },
    Material {
        "titanium",
        "Titanium alloy Ti-6Al-4V (Grade 5), annealed",
        "钛合金 TC4 (Ti-6Al-4V)",
        {114000.0, 0.33, 8.6e-6, 830.0, false},
        {"ASM MatWeb, Ti-6Al-4V (Grade 5) annealed bar", "ASM MatWeb, Ti-6Al-4V (Grade 5) annealed bar",
         "ASM MatWeb, Ti-6Al-4V (Grade 5), 20-100 C", "ASM MatWeb, Ti-6Al-4V (Grade 5) annealed bar"},
    },
};

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
