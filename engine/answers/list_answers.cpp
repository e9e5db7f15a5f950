#include "list_answers.h"

#include "fit_search.h"
#include "json_object.h"
#include "materials.h"

Answer MaterialsAnswer()
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Material& material : BuiltInMaterials()) {
        const MaterialProperties& values = material.properties;
        list.push_back(JsonObject(8)
                           .Add("id", std::string(material.id))
                           .Add("name_en", std::string(material.name_en))
                           .Add("name_zh", std::string(material.name_zh))
                           .Add("youngs_modulus_mpa", values.youngs_modulus_mpa)
                           .Add("poisson_ratio", values.poisson_ratio)
                           .Add("expansion_per_k", values.expansion_per_k)
                           .Add("strength_mpa", values.strength_mpa)
                           .Add("strength_is_tensile", values.strength_is_tensile)
                           .Take());
    }
    return list;
}

Answer PreferredFitsAnswer()
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const std::string_view fit : IsoPreferredFits())
        list.push_back(std::string(fit));
    return list;
}
