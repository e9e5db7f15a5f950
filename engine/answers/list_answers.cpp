#include "list_answers.h"

#include "json_object.h"
#include "materials.h"
#include "preferred_fit_lists.h"
#include "scales.h"

#include <algorithm>

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
    for (const int basis : {kBasisHole, kBasisShaft}) {
        for (const int fitClass : {kFitClearance, kFitTransition, kFitInterference}) {
            for (const std::string_view fit : PreferredFits(basis, fitClass)) {
                if (std::find(list.begin(), list.end(), fit) == list.end())
                    list.push_back(std::string(fit));
            }
        }
    }
    return list;
}
