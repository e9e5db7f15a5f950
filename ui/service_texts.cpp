#include "service_texts.h"

#include "decimal_text.h"

#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <string_view>

namespace {

struct ResultWords
{
    std::string_view caption;
    std::string_view unit; // empty: a plain number
    int decimals;
    double scale; // a fraction shown as %
    std::string_view missing; // why there is no value
};

const std::map<std::string_view, ResultWords>& WordsByKey()
{
    static const std::map<std::string_view, ResultWords> words = {
        {"size_mm", {"基本尺寸", "mm", 3, 1.0, ""}},
        {"interference_min_um", {"最小过盈（20 °C）", "µm", 1, 1.0, ""}},
        {"interference_max_um", {"最大过盈（20 °C）", "µm", 1, 1.0, ""}},
        {"smoothing_loss_um", {"压平量", "µm", 2, 1.0, ""}},
        {"service_interference_min_um", {"工作时最小有效过盈", "µm", 1, 1.0, ""}},
        {"service_interference_max_um", {"工作时最大有效过盈", "µm", 1, 1.0, ""}},
        {"pressure_min_mpa", {"最小接触压力", "MPa", 1, 1.0, "需要轮毂外径"}},
        {"pressure_max_mpa", {"最大接触压力", "MPa", 1, 1.0, "需要轮毂外径"}},
        {"hub_bore_tangential_max_mpa", {"轮毂孔壁最大切向应力", "MPa", 1, 1.0, "需要轮毂外径"}},
        {"hub_bore_radial_max_mpa", {"轮毂孔壁最大径向应力", "MPa", 1, 1.0, "需要轮毂外径"}},
        {"hub_bore_von_mises_max_mpa", {"轮毂孔壁最大等效应力", "MPa", 1, 1.0, "需要轮毂外径"}},
        {"hub_outside_tangential_max_mpa", {"轮毂外壁最大切向应力", "MPa", 1, 1.0, "需要轮毂外径"}},
        {"shaft_von_mises_max_mpa", {"轴最大等效应力", "MPa", 1, 1.0, "需要轮毂外径"}},
        {"hub_yield_safety", {"轮毂屈服安全系数", "", 2, 1.0, "需要轮毂外径和过盈"}},
        {"shaft_yield_safety", {"轴屈服安全系数", "", 2, 1.0, "需要轮毂外径和过盈"}},
        {"torque_min_nm", {"最小可传递扭矩", "N·m", 1, 1.0, "需要轮毂外径和配合长度"}},
        {"axial_force_min_n", {"最小可传递轴向力", "N", 0, 1.0, "需要轮毂外径和配合长度"}},
        {"press_force_max_n", {"最大压入力", "N", 0, 1.0, "需要轮毂外径和配合长度"}},
        {"hub_assembly_temp_c", {"轮毂加热装配温度（轴 20 °C）", "°C", 1, 1.0, "无过盈"}},
        {"shaft_assembly_temp_c", {"轴冷却装配温度（轮毂 20 °C）", "°C", 1, 1.0, "无过盈"}},
        {"probability_interference", {"过盈概率", "%", 2, 100.0, ""}},
        {"probability_clearance", {"间隙概率", "%", 2, 100.0, ""}},
    };
    return words;
}

std::string Fixed(double value, int decimals)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (error != std::errc())
        return "?";
    std::string text(buffer, end);
    // "-0.0" reads as a sign that is not there.
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string ValueText(const std::optional<double>& value, const ResultWords& words)
{
    if (!value)
        return words.missing.empty() ? "—" : "—（" + std::string(words.missing) + "）";
    return Fixed(*value * words.scale, words.decimals) + (words.unit.empty() ? "" : " ") + std::string(words.unit);
}

std::string FitClassText(FitType fitType)
{
    switch (fitType) {
    case FitType::Clearance:
        return "间隙配合";
    case FitType::Transition:
        return "过渡配合";
    case FitType::Interference:
        return "过盈配合";
    }
    return "";
}

std::string FieldName(std::string_view field)
{
    static const std::map<std::string_view, std::string_view> names = {
        {"size_mm", "基本尺寸"},
        {"hole_upper_um", "孔的上偏差"},
        {"hole_lower_um", "孔的下偏差"},
        {"shaft_upper_um", "轴的上偏差"},
        {"shaft_lower_um", "轴的下偏差"},
        {"hub_outside_diameter_mm", "轮毂外径"},
        {"shaft_bore_mm", "轴内孔直径"},
        {"length_mm", "配合长度"},
        {"hub_temperature_c", "轮毂温度"},
        {"shaft_temperature_c", "轴温度"},
        {"friction_holding", "摩擦系数"},
        {"hub_rz_um", "孔的 Rz"},
        {"shaft_rz_um", "轴的 Rz"},
        {"smoothing_factor", "压平系数"},
        {"joining_clearance_mm", "装配间隙"},
        {"zone_sigmas", "公差带 σ 数"},
        {"hub_material.youngs_modulus_mpa", "轮毂材料的弹性模量 E"},
        {"hub_material.poisson_ratio", "轮毂材料的泊松比 ν"},
        {"hub_material.expansion_per_k", "轮毂材料的线膨胀系数 α"},
        {"hub_material.strength_mpa", "轮毂材料的屈服强度"},
        {"shaft_material.youngs_modulus_mpa", "轴材料的弹性模量 E"},
        {"shaft_material.poisson_ratio", "轴材料的泊松比 ν"},
        {"shaft_material.expansion_per_k", "轴材料的线膨胀系数 α"},
        {"shaft_material.strength_mpa", "轴材料的屈服强度"},
    };
    const auto found = names.find(field);
    if (found != names.end())
        return std::string(found->second);
    const auto result = WordsByKey().find(field);
    return result != WordsByKey().end() ? std::string(result->second.caption) : std::string(field);
}

std::string RefusalText(const ServiceRefusal& refusal)
{
    const std::string field = FieldName(refusal.field);
    switch (refusal.reason) {
    case ServiceRefusalReason::kNotFinite:
        return field + "不是有限的数。";
    case ServiceRefusalReason::kNotPositive:
        return field + "须大于 0。";
    case ServiceRefusalReason::kNegative:
        return field + "不能为负。";
    case ServiceRefusalReason::kUpperBelowLower:
        return field + "低于下偏差。";
    case ServiceRefusalReason::kLimitSizeNotPositive:
        return field + "使最小极限尺寸不大于 0。";
    case ServiceRefusalReason::kHubOutsideNotLargerThanBore:
        return field + "须大于孔径（基本尺寸）。";
    case ServiceRefusalReason::kShaftBoreNotSmallerThanShaft:
        return field + "须小于轴径（基本尺寸）。";
    case ServiceRefusalReason::kPoissonRatioOutOfRange:
        return field + "须在 0 至 0.5 之间。";
    case ServiceRefusalReason::kSmoothingFactorOutOfRange:
        return field + "须在 0 至 1 之间。";
    case ServiceRefusalReason::kBelowAbsoluteZero:
        return field + "低于绝对零度。";
    case ServiceRefusalReason::kCoolingCurveNotFalling:
        return field + "须使零件在 -196 °C 时比在 -78 °C 时收缩更多。";
    case ServiceRefusalReason::kMissing:
        return "请输入" + field + "。";
    case ServiceRefusalReason::kResultOutOfRange:
        return "输入太大，" + field + "无法计算。";
    }
    return field + "不能使用。";
}

// Reads the fields in turn; the first one that is not a number names itself.
class FormReader
{
public:
    bool Read(const std::string& text, std::string_view caption, double& value, double scale = 1.0)
    {
        if (!m_problem.empty())
            return false;
        std::string typed = text;
        std::erase_if(typed, [](char c) { return c == ' ' || c == '\t'; });
        const auto number = ParseDecimalNumber(typed);
        if (!number) {
            m_problem = typed.empty() ? "请输入" + std::string(caption) + "。"
                                      : std::string(caption) + "应是一个数，如 40 或 0.15。";
            return false;
        }
        value = *number * scale;
        return true;
    }

    void ReadOptional(const std::string& text, std::string_view caption, std::optional<double>& value,
                      double scale = 1.0)
    {
        if (text.find_first_not_of(" \t") == std::string::npos)
            return;
        double number = 0.0;
        if (Read(text, caption, number, scale))
            value = number;
    }

    const std::string& Problem() const { return m_problem; }

private:
    std::string m_problem;
};

ServiceInputs InputsOfFit(const FitAnalysis& fit)
{
    ServiceInputs inputs;
    inputs.sizeMm = ToMm(fit.size);
    inputs.holeUpperUm = ToUm(fit.hole.deviations.upper);
    inputs.holeLowerUm = ToUm(fit.hole.deviations.lower);
    inputs.shaftUpperUm = ToUm(fit.shaft.deviations.upper);
    inputs.shaftLowerUm = ToUm(fit.shaft.deviations.lower);
    return inputs;
}

} // namespace

std::string NumberText(double value)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

ServiceTexts DescribeService(const FitAnalysis& fit, const ServiceForm& form)
{
    ServiceInputs inputs = InputsOfFit(fit);
    FormReader reader;
    reader.ReadOptional(form.hubOutsideDiameter_mm, "轮毂外径", inputs.hubOutsideDiameterMm);
    reader.ReadOptional(form.shaftBore_mm, "轴内孔直径", inputs.shaftBoreMm);
    reader.ReadOptional(form.length_mm, "配合长度", inputs.lengthMm);
    inputs.hubMaterial = form.hubMaterial;
    inputs.shaftMaterial = form.shaftMaterial;
    reader.Read(form.hubE_mpa, "轮毂材料的弹性模量 E", inputs.hubMaterial.youngsModulusMpa);
    reader.Read(form.hubNu, "轮毂材料的泊松比 ν", inputs.hubMaterial.poissonRatio);
    reader.Read(form.hubAlpha_per_mk, "轮毂材料的线膨胀系数 α", inputs.hubMaterial.expansionPerK, 1e-6);
    reader.Read(form.hubStrength_mpa, "轮毂材料的屈服强度", inputs.hubMaterial.strengthMpa);
    reader.Read(form.shaftE_mpa, "轴材料的弹性模量 E", inputs.shaftMaterial.youngsModulusMpa);
    reader.Read(form.shaftNu, "轴材料的泊松比 ν", inputs.shaftMaterial.poissonRatio);
    reader.Read(form.shaftAlpha_per_mk, "轴材料的线膨胀系数 α", inputs.shaftMaterial.expansionPerK, 1e-6);
    reader.Read(form.shaftStrength_mpa, "轴材料的屈服强度", inputs.shaftMaterial.strengthMpa);
    reader.Read(form.hubTemperature_c, "轮毂温度", inputs.hubTemperatureC);
    reader.Read(form.shaftTemperature_c, "轴温度", inputs.shaftTemperatureC);
    reader.ReadOptional(form.friction, "摩擦系数", inputs.frictionHolding);
    inputs.frictionPressing = inputs.frictionHolding;
    reader.Read(form.hubRz_um, "孔的 Rz", inputs.hubRzUm);
    reader.Read(form.shaftRz_um, "轴的 Rz", inputs.shaftRzUm);
    inputs.smoothingFactor = form.smoothingFactor;
    reader.ReadOptional(form.joiningClearance_um, "装配间隙", inputs.joiningClearanceMm, 1e-3);
    reader.Read(form.zoneSigmas, "公差带 σ 数", inputs.zoneSigmas);
    if (!reader.Problem().empty())
        return {{}, {}, reader.Problem()};

    const ServiceOutcome outcome = CalculateServiceConditions(inputs);
    if (!outcome)
        return {{}, {}, RefusalText(outcome.reason())};
    const ServiceResults& results = *outcome;

    ServiceTexts texts;
    for (const ServiceResultField& field : ServiceResultFields()) {
        const auto found = WordsByKey().find(field.key);
        const ResultWords words = found != WordsByKey().end() ? found->second : ResultWords {field.key, "", 3, 1.0, ""};
        texts.results.push_back({std::string(words.caption), ValueText(results.*(field.value), words)});
    }
    texts.assumptions = {
        "尺寸为 20 °C 时的尺寸；过盈按直径计（轴减孔），正值为过盈。",
        "配合性质：20 °C 时为" + FitClassText(results.fitTypeAt20c) + "，工作温度下为"
            + FitClassText(results.fitTypeAtService)
            + (results.fitTypeChangesAtService ? "——工作时配合性质改变。" : "。"),
        "摩擦系数 " + Fixed(results.frictionHolding, 3) + "（保持与压入）；压平系数 "
            + Fixed(results.smoothingFactor, 1) + " ×（孔 Rz + 轴 Rz）。",
        "装配间隙 " + Fixed(results.joiningClearanceMm * 1000.0, 1) + " µm；平面应力、等长轮毂与轴、均匀压力（Lamé）。",
        "尺寸服从正态分布，居于公差带中部，公差带为 ±" + Fixed(results.zoneSigmas, 1) + " σ。",
    };
    if (results.hubBrittle || results.shaftBrittle)
        texts.assumptions.push_back("灰铸铁没有屈服点：以抗拉强度代替屈服强度。");
    return texts;
}

std::vector<ServiceLine> TransitionProbabilities(const FitAnalysis& fit)
{
    const ServiceOutcome outcome = CalculateServiceConditions(InputsOfFit(fit));
    const ServiceResults* results = outcome ? &*outcome : nullptr;
    if (!results || !results->probabilityInterference || !results->probabilityClearance)
        return {};
    const ResultWords& interference = WordsByKey().at("probability_interference");
    const ResultWords& clearance = WordsByKey().at("probability_clearance");
    return {{std::string(interference.caption), ValueText(results->probabilityInterference, interference)},
            {std::string(clearance.caption), ValueText(results->probabilityClearance, clearance)}};
}
