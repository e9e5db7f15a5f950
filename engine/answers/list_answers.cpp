#include "answers/list_answers.h"

#include "answers/json_object.h"
#include "core/fit_search.h"
#include "core/materials.h"
#include "core/preferred_fit_lists.h"

namespace {

nlohmann::ordered_json SourcesJson(const MaterialSources& sources)
{
    return JsonObject(8)
        .Add("youngs_modulus", std::string(sources.youngsModulus))
        .Add("poisson_ratio", std::string(sources.poissonRatio))
        .Add("expansion", std::string(sources.expansion))
        .Add("strength", std::string(sources.strength))
        .Add("cooling_expansion", std::string(sources.coolingExpansion))
        .Add("max_joining_temperature", std::string(sources.maxJoiningTemperature))
        .Add("joining_expansion", std::string(sources.joiningExpansion))
        .Add("contraction_to_zero_k", std::string(sources.contractionToZeroK))
        .Take();
}

// [[up_to_mm, strength_mpa], ...]: empty for a material with one strength for every section.
nlohmann::ordered_json StrengthsJson(const MaterialProperties& values)
{
    nlohmann::ordered_json steps = nlohmann::ordered_json::array();
    for (const StrengthStep& step : values.strengthBySize)
        steps.push_back({step.upToMm, step.strengthMpa});
    return steps;
}

} // namespace

Answer MaterialsAnswer()
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Material& material : BuiltInMaterials()) {
        const MaterialProperties& values = material.properties;
        list.push_back(JsonObject(18)
                           .Add("id", std::string(material.id))
                           .Add("name_en", std::string(material.nameEn))
                           .Add("name_zh", std::string(material.nameZh))
                           .Add("youngs_modulus_mpa", values.youngsModulusMpa)
                           .Add("poisson_ratio", values.poissonRatio)
                           .Add("expansion_per_k", values.expansionPerK)
                           .Add("strength_mpa", values.strengthMpa)
                           .Add("strength_is_tensile", values.brittle)
                           .Add("expansion_to_dry_ice_per_k", values.expansionToDryIcePerK)
                           .Add("expansion_to_nitrogen_per_k", values.expansionToNitrogenPerK)
                           .Add("max_joining_temperature_c", values.maxJoiningTemperatureC)
                           .Add("strength_by_size", StrengthsJson(values))
                           .Add("strength_section",
                                values.sectionBasis == SectionBasis::WallThickness ? "wall_thickness" : "diameter")
                           .Add("joining_expansion_per_k", JoiningExpansionPerK(values))
                           .Add("contraction_to_zero_k", values.contractionToZeroK)
                           .Add("sources", SourcesJson(material.sources))
                           .Take());
    }
    return list;
}

Answer PreferredFitsAnswer()
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const IsoPreferredFit& fit : IsoPreferredFitList())
        list.push_back(std::string(fit.designation));
    return list;
}

Answer ReasonCodesAnswer()
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const std::string_view code : kReasonCodes)
        list.push_back(std::string(code));
    return list;
}
