#include "fit_json.h"

#include "json_numbers.h"

namespace {

nlohmann::ordered_json PartJson(const PartLimits& part, ExactLength size)
{
    nlohmann::ordered_json json;
    json["class"] = ClassName(part.toleranceClass);
    json["upper_um"] = JsonUm(part.deviations.upper);
    json["lower_um"] = JsonUm(part.deviations.lower);
    json["max_mm"] = JsonMm(size + part.deviations.upper);
    json["min_mm"] = JsonMm(size + part.deviations.lower);
    json["tolerance_um"] = JsonUm(part.Tolerance());
    return json;
}

} // namespace

nlohmann::ordered_json FitJson(const FitAnalysis& fit)
{
    nlohmann::ordered_json json;
    json["fit"] = ClassName(fit.hole.toleranceClass) + "/" + ClassName(fit.shaft.toleranceClass);
    json["size_mm"] = JsonMm(fit.size);
    json["type"] = FitTypeName(fit.type);
    json["hole"] = PartJson(fit.hole, fit.size);
    json["shaft"] = PartJson(fit.shaft, fit.size);
    json["max_clearance_um"] = JsonUm(fit.maxClearance);
    json["min_clearance_um"] = JsonUm(fit.minClearance);
    json["mean_clearance_um"] = JsonUm(fit.meanClearance);
    json["fit_tolerance_um"] = JsonUm(fit.fitTolerance);
    return json;
}
