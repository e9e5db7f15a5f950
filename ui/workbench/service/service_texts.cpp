#include "workbench/service/service_texts.h"

#include "core/decimal_text.h"
#include "core/number_format.h"
#include "presentation/service_figures.h"
#include "presentation/service_warning_figures.h"
#include "workbench/text_language.h"

#include <algorithm>
#include <optional>
#include <string_view>

using words::Filled;
using words::translate;

namespace {

enum class Missing { Nothing, HubOutside, HubAndInterference, HubAndLength, Interference, HollowShaft, Load };

struct ResultWords
{
    std::string_view key;
    const char* caption;
    Missing missing; // why there is no value
};

// The words of each result, by the engine's key; a key missing here is shown by its key. The
// captions are terms: the report words the same results.
constexpr ResultWords kResultWords[] = {
    {"size_mm", QT_TRANSLATE_NOOP("Terms", "基本尺寸"), Missing::Nothing},
    {"interference_min_um", QT_TRANSLATE_NOOP("Terms", "最小过盈（20 °C）"), Missing::Nothing},
    {"interference_max_um", QT_TRANSLATE_NOOP("Terms", "最大过盈（20 °C）"), Missing::Nothing},
    {"smoothing_loss_um", QT_TRANSLATE_NOOP("Terms", "压平量"), Missing::Nothing},
    {"service_interference_min_um", QT_TRANSLATE_NOOP("Terms", "工作时最小有效过盈"), Missing::Nothing},
    {"service_interference_max_um", QT_TRANSLATE_NOOP("Terms", "工作时最大有效过盈"), Missing::Nothing},
    {"pressure_min_mpa", QT_TRANSLATE_NOOP("Terms", "最小接触压力"), Missing::HubOutside},
    {"pressure_max_mpa", QT_TRANSLATE_NOOP("Terms", "最大接触压力"), Missing::HubOutside},
    {"hub_bore_tangential_max_mpa", QT_TRANSLATE_NOOP("Terms", "轮毂孔壁最大切向应力"), Missing::HubOutside},
    {"hub_bore_radial_max_mpa", QT_TRANSLATE_NOOP("Terms", "轮毂孔壁最大径向应力"), Missing::HubOutside},
    {"hub_bore_von_mises_max_mpa", QT_TRANSLATE_NOOP("Terms", "轮毂孔壁最大等效应力"), Missing::HubOutside},
    {"hub_outside_tangential_max_mpa", QT_TRANSLATE_NOOP("Terms", "轮毂外壁最大切向应力"), Missing::HubOutside},
    {"shaft_von_mises_max_mpa", QT_TRANSLATE_NOOP("Terms", "轴最大等效应力"), Missing::HubOutside},
    {"hub_yield_safety", QT_TRANSLATE_NOOP("Terms", "轮毂屈服安全系数"), Missing::HubAndInterference},
    {"shaft_yield_safety", QT_TRANSLATE_NOOP("Terms", "轴屈服安全系数"), Missing::HubAndInterference},
    {"interference_at_hub_yield_um", QT_TRANSLATE_NOOP("Terms", "轮毂允许的最大有效过盈"), Missing::HubOutside},
    {"interference_at_shaft_yield_um", QT_TRANSLATE_NOOP("Terms", "空心轴允许的最大有效过盈"), Missing::HollowShaft},
    {"torque_min_nm", QT_TRANSLATE_NOOP("Terms", "最小可传递扭矩"), Missing::HubAndLength},
    {"axial_force_min_n", QT_TRANSLATE_NOOP("Terms", "最小可传递轴向力"), Missing::HubAndLength},
    {"slip_safety", QT_TRANSLATE_NOOP("Terms", "防滑安全系数"), Missing::Load},
    {"press_force_max_n", QT_TRANSLATE_NOOP("Terms", "最大压入力"), Missing::HubAndLength},
    {"hub_assembly_temp_c", QT_TRANSLATE_NOOP("Terms", "轮毂加热装配温度（轴 20 °C）"), Missing::Interference},
    {"shaft_assembly_temp_c", QT_TRANSLATE_NOOP("Terms", "轴冷却装配温度（轮毂 20 °C）"), Missing::Interference},
    {"probability_interference", QT_TRANSLATE_NOOP("Terms", "过盈概率"), Missing::Nothing},
    {"probability_clearance", QT_TRANSLATE_NOOP("Terms", "间隙概率"), Missing::Nothing},
    {"hub_strength_mpa", QT_TRANSLATE_NOOP("Terms", "所用轮毂强度"), Missing::HubOutside},
    {"hub_strength_section_mm", QT_TRANSLATE_NOOP("Terms", "轮毂强度对应的截面尺寸"), Missing::HubOutside},
    {"shaft_strength_mpa", QT_TRANSLATE_NOOP("Terms", "所用轴强度"), Missing::HubOutside},
    {"shaft_strength_section_mm", QT_TRANSLATE_NOOP("Terms", "轴强度对应的截面尺寸"), Missing::HubOutside},
};

ResultWords WordsOf(std::string_view key)
{
    const auto found = std::find_if(std::begin(kResultWords), std::end(kResultWords),
                                    [&](const ResultWords& words) { return words.key == key; });
    return found != std::end(kResultWords) ? *found : ResultWords {key, nullptr, Missing::Nothing};
}

std::string Caption(const ResultWords& words)
{
    return words.caption ? translate("Terms", words.caption) : std::string(words.key);
}

std::string MissingText(Missing missing)
{
    switch (missing) {
    case Missing::Nothing:
        return "—";
    case Missing::HubOutside:
        return translate("ServiceTexts", "—（需要轮毂外径）");
    case Missing::HubAndInterference:
        return translate("ServiceTexts", "—（需要轮毂外径和过盈）");
    case Missing::HubAndLength:
        return translate("ServiceTexts", "—（需要轮毂外径和配合长度）");
    case Missing::Interference:
        return translate("ServiceTexts", "—（无过盈）");
    case Missing::HollowShaft:
        return translate("ServiceTexts", "—（仅空心轴）");
    case Missing::Load:
        return translate("ServiceTexts", "—（需要轮毂外径、配合长度和载荷）");
    }
    return "—";
}

// The number as every front end shows it (engine/presentation), and its unit.
std::string ValueText(double value, const ResultWords& words)
{
    const std::string_view unit = ServiceFigureFormatOf(words.key).unit;
    return ServiceFigureText(words.key, value) + (unit.empty() ? "" : " ") + std::string(unit);
}

std::string ValueText(const std::optional<double>& value, const ResultWords& words)
{
    if (!value)
        return MissingText(words.missing);
    return ValueText(*value, words);
}

std::string FitTypeWords(FitType type)
{
    switch (type) {
    case FitType::Clearance:
        return translate("Terms", "间隙配合");
    case FitType::Transition:
        return translate("Terms", "过渡配合");
    case FitType::Interference:
        return translate("Terms", "过盈配合");
    }
    return "";
}

std::string StateWords(std::size_t state)
{
    switch (state) {
    case kStandstill:
        return translate("Terms", "静止时");
    case kInService:
        return translate("Terms", "工作时");
    default:
        return translate("Terms", "静止和工作时");
    }
}

// The name of an input as a refusal names it.
std::string InputName(const ServiceRefusalOf& refusal)
{
    switch (refusal.input) {
    case ServiceInput::Field:
        break;
    case ServiceInput::Size:
        return translate("Terms", "基本尺寸");
    case ServiceInput::HoleUpper:
        return translate("Terms", "孔的上偏差");
    case ServiceInput::HoleLower:
        return translate("Terms", "孔的下偏差");
    case ServiceInput::ShaftUpper:
        return translate("Terms", "轴的上偏差");
    case ServiceInput::ShaftLower:
        return translate("Terms", "轴的下偏差");
    case ServiceInput::SmoothingFactor:
        return translate("Terms", "压平系数");
    case ServiceInput::Result: {
        const auto results = ServiceResultFields();
        return refusal.result < results.size() ? Caption(WordsOf(results[refusal.result].key))
                                               : translate("ServiceTexts", "结果");
    }
    case ServiceInput::Other:
        //: An input the refusal cannot name, starting its sentence ("An input"), not a heading ("Inputs").
        return translate("ServiceTexts", "输入");
    }
    return ServiceFieldWords(refusal.field).caption;
}

std::string RefusalText(const ServiceRefusalOf& refusal)
{
    const std::string field = InputName(refusal);
    switch (refusal.reason) {
    case ServiceRefusalReason::kNotFinite:
        return Filled(translate("ServiceTexts", "%1不是有限的数。"), {field});
    case ServiceRefusalReason::kNotPositive:
        return Filled(translate("ServiceTexts", "%1须大于 0。"), {field});
    case ServiceRefusalReason::kNegative:
        return Filled(translate("ServiceTexts", "%1不能为负。"), {field});
    case ServiceRefusalReason::kUpperBelowLower:
        return Filled(translate("ServiceTexts", "%1低于下偏差。"), {field});
    case ServiceRefusalReason::kLimitSizeNotPositive:
        return Filled(translate("ServiceTexts", "%1使最小极限尺寸不大于 0。"), {field});
    case ServiceRefusalReason::kHubOutsideNotLargerThanBore:
        return Filled(translate("ServiceTexts", "%1须大于孔径（基本尺寸）。"), {field});
    case ServiceRefusalReason::kShaftBoreNotSmallerThanShaft:
        return Filled(translate("ServiceTexts", "%1须小于轴径（基本尺寸）。"), {field});
    case ServiceRefusalReason::kPoissonRatioOutOfRange:
        return Filled(translate("ServiceTexts", "%1须在 0 至 0.5 之间。"), {field});
    case ServiceRefusalReason::kSmoothingFactorOutOfRange:
        return Filled(translate("ServiceTexts", "%1须在 0 至 1 之间。"), {field});
    case ServiceRefusalReason::kBelowAbsoluteZero:
        return Filled(translate("ServiceTexts", "%1低于绝对零度。"), {field});
    case ServiceRefusalReason::kCoolingCurveNotFalling:
        return Filled(translate("ServiceTexts", "%1须使零件在 -196 °C 时比在 -78 °C 时收缩更多。"), {field});
    case ServiceRefusalReason::kMissing:
        return Filled(translate("ServiceTexts", "请输入%1。"), {field});
    case ServiceRefusalReason::kResultOutOfRange:
        return Filled(translate("ServiceTexts", "输入太大，%1无法计算。"), {field});
    case ServiceRefusalReason::kNoMinimumStrength:
        return Filled(translate("ServiceTexts", "请输入%1：材料标准没有给出这一截面尺寸的最低强度。"), {field});
    }
    return Filled(translate("ServiceTexts", "%1不能使用。"), {field});
}

} // namespace

FieldWords ServiceFieldWords(ServiceField field)
{
    switch (field) {
    case ServiceField::HubOutsideDiameter:
        return {translate("Terms", "轮毂外径"), "mm"};
    case ServiceField::ShaftBore:
        return {translate("Terms", "轴内孔直径"), "mm"};
    case ServiceField::Length:
        return {translate("Terms", "配合长度"), "mm"};
    case ServiceField::HubYoungsModulus:
        return {translate("ServiceTexts", "轮毂材料的弹性模量 E"), "MPa"};
    case ServiceField::HubPoissonRatio:
        return {translate("ServiceTexts", "轮毂材料的泊松比 ν"), ""};
    case ServiceField::HubExpansion:
        return {translate("ServiceTexts", "轮毂材料的线膨胀系数 α"), "10⁻⁶/K"};
    case ServiceField::HubStrength:
        return {translate("ServiceTexts", "轮毂材料的屈服强度"), "MPa"};
    case ServiceField::ShaftYoungsModulus:
        return {translate("ServiceTexts", "轴材料的弹性模量 E"), "MPa"};
    case ServiceField::ShaftPoissonRatio:
        return {translate("ServiceTexts", "轴材料的泊松比 ν"), ""};
    case ServiceField::ShaftExpansion:
        return {translate("ServiceTexts", "轴材料的线膨胀系数 α"), "10⁻⁶/K"};
    case ServiceField::ShaftStrength:
        return {translate("ServiceTexts", "轴材料的屈服强度"), "MPa"};
    case ServiceField::HubTemperature:
        return {translate("Terms", "轮毂温度"), "°C"};
    case ServiceField::ShaftTemperature:
        return {translate("Terms", "轴温度"), "°C"};
    case ServiceField::Friction:
        return {translate("Terms", "保持摩擦系数"), ""};
    case ServiceField::FrictionPressing:
        return {translate("Terms", "压入摩擦系数"), ""};
    case ServiceField::Torque:
        return {translate("Terms", "扭矩"), "N·m"};
    case ServiceField::AxialForce:
        return {translate("Terms", "轴向力"), "N"};
    case ServiceField::RequiredSlipSafety:
        return {translate("Terms", "要求的防滑安全系数"), ""};
    case ServiceField::RequiredYieldSafety:
        return {translate("Terms", "要求的屈服安全系数"), ""};
    case ServiceField::RequiredFractureSafety:
        return {translate("Terms", "要求的断裂安全系数"), ""};
    case ServiceField::HubMaxTemperature:
        return {translate("Terms", "轮毂最高装配温度"), "°C"};
    case ServiceField::HubRz:
        return {translate("Terms", "孔的 Rz"), "µm"};
    case ServiceField::ShaftRz:
        return {translate("Terms", "轴的 Rz"), "µm"};
    case ServiceField::JoiningClearance:
        return {translate("Terms", "装配间隙"), "µm"};
    case ServiceField::ZoneSigmas:
        return {translate("Terms", "公差带 σ 数"), ""};
    }
    return {};
}

std::string ServiceProblemText(const ServiceProblem& problem)
{
    if (const auto* form = std::get_if<FormProblem>(&problem)) {
        const std::string caption = ServiceFieldWords(form->field).caption;
        return form->empty ? Filled(translate("ServiceTexts", "请输入%1。"), {caption})
                           : Filled(translate("ServiceTexts", "%1应是一个数，如 40 或 0.15。"), {caption});
    }
    return RefusalText(std::get<ServiceRefusalOf>(problem));
}

std::string MaterialName(const Material& material)
{
    return std::string(words::CurrentLanguage() == words::Language::Chinese ? material.nameZh : material.nameEn);
}

std::string NumberText(double value)
{
    return ShortestNumber(value);
}

ServiceTexts DescribeServiceResults(const ServiceResults& results)
{
    ServiceTexts texts;
    for (const ServiceResultField& field : ServiceResultFields()) {
        const ResultWords words = WordsOf(field.key);
        const std::size_t state = GoverningState(results, field);
        texts.results.push_back({Caption(words), ValueText(results.*(field.value), words),
                                 state == kNoState ? std::string() : StateWords(state)});
    }
    for (std::size_t state : {kStandstill, kInService}) {
        const ServiceState& s = results.states[state];
        texts.stateHeadings[state]
            = Filled(state == kStandstill ? translate("ServiceTexts", "静止\n轮毂 %1 °C，轴 %2 °C")
                                          : translate("ServiceTexts", "工作\n轮毂 %1 °C，轴 %2 °C"),
                     {NumberText(s.hubTemperatureC), NumberText(s.shaftTemperatureC)});
    }
    const ResultWords interference[]
        = {{"interference_min_um", QT_TRANSLATE_NOOP("Terms", "最小有效过盈"), Missing::Nothing},
           {"interference_max_um", QT_TRANSLATE_NOOP("Terms", "最大有效过盈"), Missing::Nothing}};
    for (const ResultWords& words : interference) {
        const bool min = words.key == "interference_min_um";
        ServiceStateLine line {std::string(words.key), Caption(words), {}};
        for (std::size_t state : {kStandstill, kInService}) {
            const ServiceState& s = results.states[state];
            line.values[state] = ValueText(min ? s.interferenceMinUm : s.interferenceMaxUm, words);
        }
        texts.states.push_back(std::move(line));
    }
    for (const ServiceStateField& field : ServiceStateFields()) {
        const ResultWords words = WordsOf(field.key);
        ServiceStateLine line {std::string(field.key), Caption(words), {}};
        // A bare dash: the results below say which input is missing, and the table stays narrow.
        for (std::size_t state : {kStandstill, kInService}) {
            const std::optional<double>& value = results.states[state].*(field.value);
            line.values[state] = value ? ValueText(*value, words) : "—";
        }
        texts.states.push_back(std::move(line));
    }
    const std::string joining
        = results.joining == JoiningMethod::Shrink ? translate("Terms", "热装或冷装") : translate("Terms", "压装");
    texts.assumptions = {
        translate("ServiceTexts", "尺寸为 20 °C 时的尺寸；过盈按直径计（轴减孔），正值为过盈。"),
        Filled(results.fitTypeChangesAtService
                   ? translate("ServiceTexts", "配合性质：20 °C 时为%1，工作温度下为%2——工作时配合性质改变。")
                   : translate("ServiceTexts", "配合性质：20 °C 时为%1，工作温度下为%2。"),
               {FitTypeWords(results.fitTypeAt20c), FitTypeWords(results.fitTypeAtService)}),
        Filled(translate("ServiceTexts", "%1；摩擦系数 %2（保持）、%3（压入）；压平系数 %4 ×（孔 Rz + 轴 Rz）。"),
               {joining, FixedDecimals(results.frictionHolding, 3), FixedDecimals(results.frictionPressing, 3),
                FixedDecimals(results.smoothingFactor, 1)}),
        Filled(translate("ServiceTexts", "要求的防滑安全系数 %1，屈服安全系数 %2；结果取两种状态中较差的值。"),
               {FixedDecimals(results.requiredSlipSafety, 2), FixedDecimals(results.requiredYieldSafety, 2)}),
        Filled(translate("ServiceTexts", "装配间隙 %1 µm；平面应力、等长轮毂与轴、均匀压力（Lamé）。"),
               {FixedDecimals(results.joiningClearanceMm * 1000.0, 1)}),
        Filled(translate("ServiceTexts", "尺寸服从正态分布，居于公差带中部，公差带为 ±%1 σ。"),
               {FixedDecimals(results.zoneSigmas, 1)}),
    };
    if (!results.frictionTabulated)
        texts.assumptions.push_back(
            translate("ServiceTexts", "DIN 7190-1 没有这对材料的摩擦系数：取其表中最低值，偏于安全。"));
    if (results.hubBrittle || results.shaftBrittle)
        texts.assumptions.push_back(translate("ServiceTexts", "灰铸铁没有屈服点：以抗拉强度代替屈服强度。"));
    for (const ServiceWarning& warning : results.warnings)
        texts.warnings.push_back(ServiceWarningSentence(results, warning));
    return texts;
}

std::string ServiceWarningSentence(const ServiceResults& results, const ServiceWarning& warning)
{
    // The figures as the engine shows them in every front end.
    const std::vector<std::string> figures = ServiceWarningArguments(results, warning);
    const std::string state = StateWords(warning.state);
    switch (warning.code) {
    case ServiceWarningCode::HubYield:
    case ServiceWarningCode::HubFracture:
    case ServiceWarningCode::ShaftYield: {
        const bool hub = warning.code != ServiceWarningCode::ShaftYield;
        const bool brittle = hub ? results.hubBrittle : results.shaftBrittle;
        std::string text = Filled(
            hub ? (brittle ? translate("ServiceTexts", "%1轮毂可能开裂：对抗拉强度的安全系数 %2，低于要求的 %3。")
                           : translate("ServiceTexts", "%1轮毂会屈服：屈服安全系数 %2，低于要求的 %3。"))
                : (brittle ? translate("ServiceTexts", "%1轴可能开裂：对抗拉强度的安全系数 %2，低于要求的 %3。")
                           : translate("ServiceTexts", "%1轴会屈服：屈服安全系数 %2，低于要求的 %3。")),
            {state, figures[0], figures[1]});
        if (figures.size() > 2)
            text += Filled(translate("ServiceTexts", "有效过盈须不大于 %1 µm。"), {figures[2]});
        return text;
    }
    case ServiceWarningCode::NoPressFit:
        return Filled(translate("ServiceTexts", "%1可能没有过盈：最小有效过盈 %2 µm，零件间可能有间隙而无接触压力。"),
                      {state, figures[0]});
    case ServiceWarningCode::LoosensInService:
        return Filled(
            translate("ServiceTexts", "工作时配合性质改变：静止时为%1，工作时为%2。"),
            {FitTypeWords(results.states[kStandstill].fitType), FitTypeWords(results.states[kInService].fitType)});
    case ServiceWarningCode::Slip:
        return Filled(translate("ServiceTexts", "%1连接可能打滑：防滑安全系数 %2，低于要求的 %3。"),
                      {state, figures[0], figures[1]});
    case ServiceWarningCode::NoRoughness:
        return translate("ServiceTexts", "未给出表面粗糙度（孔与轴的 Rz 均为 0）：没有扣除压平量，压力和扭矩偏高。");
    case ServiceWarningCode::HubHeatingLimit:
        return Filled(translate("ServiceTexts", "仅加热轮毂需 %1 °C，高于其材料允许的装配温度 %2 °C。"),
                      {figures[0], figures[1]});
    case ServiceWarningCode::CoolingUnreachable:
        if (CoolingBeyondAbsoluteZero(warning))
            return Filled(translate("ServiceTexts", "仅冷却轴，即使冷却到绝对零度也不够（液氮为 %1 °C）。"),
                          {figures[1]});
        return Filled(translate("ServiceTexts", "仅冷却轴需 %1 °C，低于液氮的 %2 °C。"), {figures[0], figures[1]});
    case ServiceWarningCode::AssemblyUnreachable:
        return Filled(translate("ServiceTexts",
                                "无法靠温度装配：轮毂加热至极限并用液氮冷却轴，也只张开 %1 µm，"
                                "不足所需的 %2 µm；请压装或选较松的配合。"),
                      {figures[0], figures[1]});
    }
    return {};
}

std::string ServiceWarningShortText(ServiceWarningCode code)
{
    switch (code) {
    case ServiceWarningCode::HubYield:
        return translate("ServiceTexts", "轮毂屈服");
    case ServiceWarningCode::HubFracture:
        return translate("ServiceTexts", "轮毂可能开裂");
    case ServiceWarningCode::ShaftYield:
        return translate("ServiceTexts", "轴屈服");
    case ServiceWarningCode::NoPressFit:
        return translate("ServiceTexts", "可能无过盈");
    case ServiceWarningCode::LoosensInService:
        return translate("ServiceTexts", "工作时变松");
    case ServiceWarningCode::Slip:
        return translate("ServiceTexts", "打滑");
    case ServiceWarningCode::NoRoughness:
        return translate("ServiceTexts", "未给 Rz");
    case ServiceWarningCode::HubHeatingLimit:
        return translate("ServiceTexts", "加热温度过高");
    case ServiceWarningCode::CoolingUnreachable:
        return translate("ServiceTexts", "冷却不到");
    case ServiceWarningCode::AssemblyUnreachable:
        return translate("ServiceTexts", "无法热装冷装");
    }
    return {};
}

std::vector<ServiceLine> TransitionProbabilities(const FitAnalysis& fit)
{
    const ServiceOutcome outcome = CalculateServiceConditions(InputsOfFit(fit));
    const ServiceResults* results = outcome ? &*outcome : nullptr;
    if (!results || !results->probabilityInterference || !results->probabilityClearance)
        return {};
    const ResultWords interference = WordsOf("probability_interference");
    const ResultWords clearance = WordsOf("probability_clearance");
    return {{Caption(interference), ValueText(results->probabilityInterference, interference), {}},
            {Caption(clearance), ValueText(results->probabilityClearance, clearance), {}}};
}
