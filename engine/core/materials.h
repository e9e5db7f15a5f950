#pragma once

#include <optional>
#include <span>
#include <string_view>

// The values of one material that the fit calculations at service conditions need.
struct MaterialProperties
{
    double youngs_modulus_mpa = 0.0;
    double poisson_ratio = 0.0;
    double expansion_per_k = 0.0; // linear thermal expansion coefficient, 1/K
    double strength_mpa = 0.0; // yield (0.2 % proof) strength, or the tensile strength where there is none
    bool strength_is_tensile = false; // brittle material without a yield point (grey cast iron)
};

// Where each value of a built-in material comes from, for the user to check it.
struct MaterialSources
{
    std::string_view youngs_modulus;
    std::string_view poisson_ratio;
    std::string_view expansion;
    std::string_view strength;
};

struct Material
{
    std::string_view id; // short ASCII id for the command line, e.g. "qt-steel"
    std::string_view name_en;
    std::string_view name_zh; // UTF-8
    MaterialProperties properties;
    MaterialSources sources;
};

// The built-in hub and shaft materials, structural steel first.
std::span<const Material> BuiltInMaterials();

// The built-in material with this id, if there is one.
std::optional<Material> FindMaterial(std::string_view id);

// Structural steel, the material a hub or shaft is taken to be when none is chosen.
MaterialProperties DefaultMaterialProperties();
