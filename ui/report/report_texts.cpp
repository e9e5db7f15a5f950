#include "report/report_texts.h"

#include <string>

namespace {

struct Words
{
    std::string_view key;
    const char* text;
    const char* context = "ReportTexts"; // "Terms": the workbench words it too (workbench/terms.h)
};

constexpr const char* kTerms = "Terms";

// Captions of values, by key. QT_TRANSLATE_NOOP marks them for lupdate; Translated() looks them up.
constexpr Words kCaptions[] = {
    {"size", QT_TRANSLATE_NOOP("Terms", "基本尺寸"), kTerms},
    {"fit", QT_TRANSLATE_NOOP("ReportTexts", "配合")},
    {"tables", QT_TRANSLATE_NOOP("ReportTexts", "偏差表")},
    {"type", QT_TRANSLATE_NOOP("ReportTexts", "配合性质")},
    {"max_clearance", QT_TRANSLATE_NOOP("ReportTexts", "最大间隙 Xmax")},
    {"min_clearance", QT_TRANSLATE_NOOP("ReportTexts", "最小间隙 Xmin")},
    {"max_interference", QT_TRANSLATE_NOOP("ReportTexts", "最大过盈 Ymax")},
    {"min_interference", QT_TRANSLATE_NOOP("ReportTexts", "最小过盈 Ymin")},
    {"mean_clearance", QT_TRANSLATE_NOOP("ReportTexts", "平均间隙 Xav")},
    {"mean_interference", QT_TRANSLATE_NOOP("ReportTexts", "平均过盈 Yav")},
    {"fit_tolerance", QT_TRANSLATE_NOOP("ReportTexts", "配合公差 Tf")},
    {"drawing_line", QT_TRANSLATE_NOOP("ReportTexts", "图样标注")},
    {"probable_max_clearance", QT_TRANSLATE_NOOP("Terms", "概率最大间隙"), kTerms},
    {"probable_min_clearance", QT_TRANSLATE_NOOP("Terms", "概率最小间隙"), kTerms},
    {"probable_max_interference", QT_TRANSLATE_NOOP("Terms", "概率最大过盈"), kTerms},
    {"probable_min_interference", QT_TRANSLATE_NOOP("Terms", "概率最小过盈"), kTerms},
    {"seat", QT_TRANSLATE_NOOP("ReportTexts", "轴承座公差带")},
    {"bearing", QT_TRANSLATE_NOOP("ReportTexts", "轴承")},
    {"ring_range", QT_TRANSLATE_NOOP("ReportTexts", "轴承公差的直径范围")},
    // A dimension chain's closing dimension, each under its method's heading.
    {"chain_require_min", QT_TRANSLATE_NOOP("ReportTexts", "最小值")},
    {"chain_require_max", QT_TRANSLATE_NOOP("ReportTexts", "最大值")},
    {"chain_worst_min", QT_TRANSLATE_NOOP("ReportTexts", "最小")},
    {"chain_worst_max", QT_TRANSLATE_NOOP("ReportTexts", "最大")},
    {"chain_worst_range", QT_TRANSLATE_NOOP("ReportTexts", "变动范围")},
    {"chain_mean", QT_TRANSLATE_NOOP("ReportTexts", "均值 μ")},
    {"chain_sigma", QT_TRANSLATE_NOOP("ReportTexts", "标准差 σ")},
    {"chain_rss_min", QT_TRANSLATE_NOOP("ReportTexts", "μ − 3σ")},
    {"chain_rss_max", QT_TRANSLATE_NOOP("ReportTexts", "μ + 3σ")},
    {"chain_samples", QT_TRANSLATE_NOOP("ReportTexts", "样本数")},
    {"chain_seed", QT_TRANSLATE_NOOP("ReportTexts", "随机种子")},
    {"chain_q00135", QT_TRANSLATE_NOOP("ReportTexts", "0.135 % 分位")},
    {"chain_q99865", QT_TRANSLATE_NOOP("ReportTexts", "99.865 % 分位")},
    {"chain_below", QT_TRANSLATE_NOOP("ReportTexts", "低于最小值")},
    {"chain_above", QT_TRANSLATE_NOOP("ReportTexts", "高于最大值")},
    {"chain_cp", QT_TRANSLATE_NOOP("ReportTexts", "Cp")},
    {"chain_cpk", QT_TRANSLATE_NOOP("ReportTexts", "Cpk")},
    // The title-block tables, worded by the workbench's general tolerances tab too.
    {"linear", QT_TRANSLATE_NOOP("Terms", "线性尺寸的极限偏差"), kTerms},
    {"edge", QT_TRANSLATE_NOOP("Terms", "倒圆半径与倒角高度的极限偏差"), kTerms},
    {"angle", QT_TRANSLATE_NOOP("Terms", "角度的极限偏差（按短边长度）"), kTerms},
    {"straightness_flatness", QT_TRANSLATE_NOOP("Terms", "直线度和平面度"), kTerms},
    {"perpendicularity", QT_TRANSLATE_NOOP("Terms", "垂直度（按短边长度）"), kTerms},
    {"symmetry", QT_TRANSLATE_NOOP("Terms", "对称度"), kTerms},
    {"runout", QT_TRANSLATE_NOOP("Terms", "圆跳动"), kTerms},
    {"hub_od", QT_TRANSLATE_NOOP("Terms", "轮毂外径"), kTerms},
    {"shaft_bore", QT_TRANSLATE_NOOP("Terms", "轴内孔直径"), kTerms},
    {"length", QT_TRANSLATE_NOOP("Terms", "配合长度"), kTerms},
    {"hub_material", QT_TRANSLATE_NOOP("ReportTexts", "轮毂材料")},
    {"hub_e", QT_TRANSLATE_NOOP("ReportTexts", "轮毂弹性模量 E")},
    {"hub_nu", QT_TRANSLATE_NOOP("ReportTexts", "轮毂泊松比 ν")},
    {"hub_alpha", QT_TRANSLATE_NOOP("ReportTexts", "轮毂线膨胀系数 α")},
    {"hub_yield", QT_TRANSLATE_NOOP("ReportTexts", "轮毂屈服强度")},
    {"hub_tensile", QT_TRANSLATE_NOOP("ReportTexts", "轮毂抗拉强度")},
    {"shaft_material", QT_TRANSLATE_NOOP("ReportTexts", "轴材料")},
    {"shaft_e", QT_TRANSLATE_NOOP("ReportTexts", "轴弹性模量 E")},
    {"shaft_nu", QT_TRANSLATE_NOOP("ReportTexts", "轴泊松比 ν")},
    {"shaft_alpha", QT_TRANSLATE_NOOP("ReportTexts", "轴线膨胀系数 α")},
    {"shaft_yield", QT_TRANSLATE_NOOP("ReportTexts", "轴屈服强度")},
    {"shaft_tensile", QT_TRANSLATE_NOOP("ReportTexts", "轴抗拉强度")},
    {"hub_temp", QT_TRANSLATE_NOOP("ReportTexts", "轮毂工作温度")},
    {"shaft_temp", QT_TRANSLATE_NOOP("ReportTexts", "轴工作温度")},
    {"friction", QT_TRANSLATE_NOOP("Terms", "保持摩擦系数"), kTerms},
    {"friction_pressing", QT_TRANSLATE_NOOP("Terms", "压入摩擦系数"), kTerms},
    {"joining", QT_TRANSLATE_NOOP("ReportTexts", "装配方法")},
    {"torque", QT_TRANSLATE_NOOP("Terms", "扭矩"), kTerms},
    {"axial_force", QT_TRANSLATE_NOOP("Terms", "轴向力"), kTerms},
    {"required_slip_safety", QT_TRANSLATE_NOOP("Terms", "要求的防滑安全系数"), kTerms},
    {"required_yield_safety", QT_TRANSLATE_NOOP("Terms", "要求的屈服安全系数"), kTerms},
    {"effective_interference_min_um", QT_TRANSLATE_NOOP("Terms", "最小有效过盈"), kTerms},
    {"effective_interference_max_um", QT_TRANSLATE_NOOP("Terms", "最大有效过盈"), kTerms},
    {"interference_at_hub_yield_um", QT_TRANSLATE_NOOP("Terms", "轮毂允许的最大有效过盈"), kTerms},
    {"interference_at_shaft_yield_um", QT_TRANSLATE_NOOP("Terms", "空心轴允许的最大有效过盈"), kTerms},
    {"slip_safety", QT_TRANSLATE_NOOP("Terms", "防滑安全系数"), kTerms},
    {"rz_hub", QT_TRANSLATE_NOOP("Terms", "孔的 Rz"), kTerms},
    {"rz_shaft", QT_TRANSLATE_NOOP("Terms", "轴的 Rz"), kTerms},
    {"smoothing", QT_TRANSLATE_NOOP("Terms", "压平系数"), kTerms},
    {"joining_clearance", QT_TRANSLATE_NOOP("Terms", "装配间隙"), kTerms},
    {"zone_sigma", QT_TRANSLATE_NOOP("Terms", "公差带 σ 数"), kTerms},
    {"interference_min_um", QT_TRANSLATE_NOOP("Terms", "最小过盈（20 °C）"), kTerms},
    {"interference_max_um", QT_TRANSLATE_NOOP("Terms", "最大过盈（20 °C）"), kTerms},
    {"smoothing_loss_um", QT_TRANSLATE_NOOP("Terms", "压平量"), kTerms},
    {"service_interference_min_um", QT_TRANSLATE_NOOP("Terms", "工作时最小有效过盈"), kTerms},
    {"service_interference_max_um", QT_TRANSLATE_NOOP("Terms", "工作时最大有效过盈"), kTerms},
    {"pressure_min_mpa", QT_TRANSLATE_NOOP("Terms", "最小接触压力"), kTerms},
    {"pressure_max_mpa", QT_TRANSLATE_NOOP("Terms", "最大接触压力"), kTerms},
    {"hub_bore_tangential_max_mpa", QT_TRANSLATE_NOOP("Terms", "轮毂孔壁最大切向应力"), kTerms},
    {"hub_bore_radial_max_mpa", QT_TRANSLATE_NOOP("Terms", "轮毂孔壁最大径向应力"), kTerms},
    {"hub_bore_von_mises_max_mpa", QT_TRANSLATE_NOOP("Terms", "轮毂孔壁最大等效应力"), kTerms},
    {"hub_outside_tangential_max_mpa", QT_TRANSLATE_NOOP("Terms", "轮毂外壁最大切向应力"), kTerms},
    {"shaft_von_mises_max_mpa", QT_TRANSLATE_NOOP("Terms", "轴最大等效应力"), kTerms},
    {"hub_yield_safety", QT_TRANSLATE_NOOP("Terms", "轮毂屈服安全系数"), kTerms},
    {"shaft_yield_safety", QT_TRANSLATE_NOOP("Terms", "轴屈服安全系数"), kTerms},
    {"torque_min_nm", QT_TRANSLATE_NOOP("Terms", "最小可传递扭矩"), kTerms},
    {"axial_force_min_n", QT_TRANSLATE_NOOP("Terms", "最小可传递轴向力"), kTerms},
    {"press_force_max_n", QT_TRANSLATE_NOOP("Terms", "最大压入力"), kTerms},
    {"hub_assembly_temp_c", QT_TRANSLATE_NOOP("Terms", "轮毂加热装配温度（轴 20 °C）"), kTerms},
    {"shaft_assembly_temp_c", QT_TRANSLATE_NOOP("Terms", "轴冷却装配温度（轮毂 20 °C）"), kTerms},
    {"probability_interference", QT_TRANSLATE_NOOP("Terms", "过盈概率"), kTerms},
    {"probability_clearance", QT_TRANSLATE_NOOP("Terms", "间隙概率"), kTerms},
    {"hub_strength_mpa", QT_TRANSLATE_NOOP("Terms", "所用轮毂强度"), kTerms},
    {"hub_strength_section_mm", QT_TRANSLATE_NOOP("Terms", "轮毂强度对应的截面尺寸"), kTerms},
    {"shaft_strength_mpa", QT_TRANSLATE_NOOP("Terms", "所用轴强度"), kTerms},
    {"shaft_strength_section_mm", QT_TRANSLATE_NOOP("Terms", "轴强度对应的截面尺寸"), kTerms},
    // The inputs a refusal can name, besides those above.
    {"size_mm", QT_TRANSLATE_NOOP("Terms", "基本尺寸"), kTerms},
    {"hole_upper_um", QT_TRANSLATE_NOOP("Terms", "孔的上偏差"), kTerms},
    {"hole_lower_um", QT_TRANSLATE_NOOP("Terms", "孔的下偏差"), kTerms},
    {"shaft_upper_um", QT_TRANSLATE_NOOP("Terms", "轴的上偏差"), kTerms},
    {"shaft_lower_um", QT_TRANSLATE_NOOP("Terms", "轴的下偏差"), kTerms},
    {"hub_outside_diameter_mm", QT_TRANSLATE_NOOP("Terms", "轮毂外径"), kTerms},
    {"shaft_bore_mm", QT_TRANSLATE_NOOP("Terms", "轴内孔直径"), kTerms},
    {"length_mm", QT_TRANSLATE_NOOP("Terms", "配合长度"), kTerms},
    {"hub_temperature_c", QT_TRANSLATE_NOOP("ReportTexts", "轮毂工作温度")},
    {"shaft_temperature_c", QT_TRANSLATE_NOOP("ReportTexts", "轴工作温度")},
    {"friction_coefficient", QT_TRANSLATE_NOOP("ReportTexts", "摩擦系数")},
    {"friction_holding", QT_TRANSLATE_NOOP("Terms", "保持摩擦系数"), kTerms},
    {"torque_nm", QT_TRANSLATE_NOOP("Terms", "扭矩"), kTerms},
    {"axial_force_n", QT_TRANSLATE_NOOP("Terms", "轴向力"), kTerms},
    {"yield_safety", QT_TRANSLATE_NOOP("Terms", "要求的屈服安全系数"), kTerms},
    {"hub_rz_um", QT_TRANSLATE_NOOP("Terms", "孔的 Rz"), kTerms},
    {"shaft_rz_um", QT_TRANSLATE_NOOP("Terms", "轴的 Rz"), kTerms},
    {"smoothing_factor", QT_TRANSLATE_NOOP("Terms", "压平系数"), kTerms},
    {"joining_clearance_mm", QT_TRANSLATE_NOOP("Terms", "装配间隙"), kTerms},
    {"zone_sigmas", QT_TRANSLATE_NOOP("Terms", "公差带 σ 数"), kTerms},
    {"hub_material.youngs_modulus_mpa", QT_TRANSLATE_NOOP("ReportTexts", "轮毂弹性模量 E")},
    {"hub_material.poisson_ratio", QT_TRANSLATE_NOOP("ReportTexts", "轮毂泊松比 ν")},
    {"hub_material.expansion_per_k", QT_TRANSLATE_NOOP("ReportTexts", "轮毂线膨胀系数 α")},
    {"hub_material.strength_mpa", QT_TRANSLATE_NOOP("ReportTexts", "轮毂屈服强度")},
    {"shaft_material.youngs_modulus_mpa", QT_TRANSLATE_NOOP("ReportTexts", "轴弹性模量 E")},
    {"shaft_material.poisson_ratio", QT_TRANSLATE_NOOP("ReportTexts", "轴泊松比 ν")},
    {"shaft_material.expansion_per_k", QT_TRANSLATE_NOOP("ReportTexts", "轴线膨胀系数 α")},
    {"shaft_material.strength_mpa", QT_TRANSLATE_NOOP("ReportTexts", "轴屈服强度")},
};

// A bearing's rings and tolerance classes (GB/T 307.1's names), worded by the bearing tab too.
constexpr Words kBearingWords[] = {
    {"inner", QT_TRANSLATE_NOOP("Terms", "轴承内圈"), kTerms},
    {"outer", QT_TRANSLATE_NOOP("Terms", "轴承外圈"), kTerms},
    {"Normal", QT_TRANSLATE_NOOP("Terms", "普通级"), kTerms},
    {"6", QT_TRANSLATE_NOOP("Terms", "6 级"), kTerms},
    {"5", QT_TRANSLATE_NOOP("Terms", "5 级"), kTerms},
};

constexpr Words kFitTypes[] = {
    {"clearance", QT_TRANSLATE_NOOP("Terms", "间隙配合"), kTerms},
    {"transition", QT_TRANSLATE_NOOP("Terms", "过渡配合"), kTerms},
    {"interference", QT_TRANSLATE_NOOP("Terms", "过盈配合"), kTerms},
};

// The states of the press fit, and the joining methods.
constexpr Words kStates[] = {
    {"standstill", QT_TRANSLATE_NOOP("ReportTexts", "静止")},
    {"service", QT_TRANSLATE_NOOP("ReportTexts", "工作")},
    {"at_standstill", QT_TRANSLATE_NOOP("Terms", "静止时"), kTerms},
    {"in_service", QT_TRANSLATE_NOOP("Terms", "工作时"), kTerms},
    {"in_both_states", QT_TRANSLATE_NOOP("Terms", "静止和工作时"), kTerms},
    {"press", QT_TRANSLATE_NOOP("Terms", "压装"), kTerms},
    {"shrink", QT_TRANSLATE_NOOP("Terms", "热装或冷装"), kTerms},
};

// Sentences; %1, %2 take the note's arguments in turn.
constexpr Words kNotes[] = {
    // Warnings.
    {"hub_yield", QT_TRANSLATE_NOOP("ReportTexts", "%1轮毂屈服安全系数只有 %2，低于要求的 %3：轮毂孔壁会屈服。")},
    {"shaft_yield", QT_TRANSLATE_NOOP("ReportTexts", "%1轴屈服安全系数只有 %2，低于要求的 %3：轴会屈服。")},
    {"hub_fracture",
     QT_TRANSLATE_NOOP("ReportTexts", "%1轮毂对断裂的安全系数只有 %2，低于要求的 %3：脆性轮毂可能开裂。")},
    {"loosens_in_service", QT_TRANSLATE_NOOP("ReportTexts", "工作时配合性质改变：20 °C 时为%1，工作温度下为%2。")},
    {"no_press_fit",
     QT_TRANSLATE_NOOP("ReportTexts", "%1可能出现间隙（最小有效过盈 %2 µm）：没有接触压力，连接传递不了扭矩。")},
    {"slip", QT_TRANSLATE_NOOP("ReportTexts", "%1防滑安全系数只有 %2，低于要求的 %3：连接会打滑。")},
    {"no_roughness", QT_TRANSLATE_NOOP("ReportTexts", "未给出表面粗糙度 Rz：没有扣除压平量，压力和扭矩偏高。")},
    {"hub_heating_limit", QT_TRANSLATE_NOOP("ReportTexts", "仅加热轮毂需 %1 °C，高于其材料允许的 %2 °C。")},
    {"cooling_unreachable", QT_TRANSLATE_NOOP("ReportTexts", "仅冷却轴需 %1 °C，低于液氮的 -196 °C。")},
    {"cooling_beyond_absolute_zero",
     QT_TRANSLATE_NOOP("ReportTexts", "仅冷却轴，即使冷却到绝对零度也不够（液氮为 -196 °C）。")},
    {"assembly_unreachable",
     QT_TRANSLATE_NOOP("ReportTexts",
                       "加热轮毂至极限并用液氮冷却轴，也只能张开 %1 µm，不足所需的 %2 µm：无法热装或冷装。")},
    // Assumptions.
    {"sizes_at_20c", QT_TRANSLATE_NOOP("ReportTexts", "尺寸为 20 °C 时的尺寸；过盈按直径计（轴减孔），正值为过盈。")},
    {"fit_class", QT_TRANSLATE_NOOP("ReportTexts", "20 °C 时为%1，工作温度下为%2。")},
    {"smoothing", QT_TRANSLATE_NOOP("ReportTexts", "压平量 %1 µm，即 %2 ×（孔 Rz + 轴 Rz）。")},
    {"plane_stress", QT_TRANSLATE_NOOP("ReportTexts", "平面应力、等长轮毂与轴、均匀接触压力（Lamé）。")},
    {"friction_both", QT_TRANSLATE_NOOP("ReportTexts", "摩擦系数：保持 %1，压入 %2。")},
    {"joining_clearance", QT_TRANSLATE_NOOP("ReportTexts", "热装或冷装所需装配间隙 %1 µm。")},
    {"normal_distribution", QT_TRANSLATE_NOOP("ReportTexts", "尺寸服从正态分布，居于公差带中部，公差带为 ±%1 σ。")},
    {"brittle", QT_TRANSLATE_NOOP("ReportTexts", "灰铸铁没有屈服点：以抗拉强度代替屈服强度。")},
    {"needs_hub_od", QT_TRANSLATE_NOOP("ReportTexts", "未给出轮毂外径：没有压力、应力、扭矩和力的结果。")},
    {"needs_length", QT_TRANSLATE_NOOP("ReportTexts", "未给出配合长度：没有扭矩和力的结果。")},
    // Refusals; %1 is the input's caption.
    {"not_finite", QT_TRANSLATE_NOOP("ReportTexts", "%1不是有限的数。")},
    {"not_positive", QT_TRANSLATE_NOOP("ReportTexts", "%1须大于 0。")},
    {"negative", QT_TRANSLATE_NOOP("ReportTexts", "%1不能为负。")},
    {"upper_below_lower", QT_TRANSLATE_NOOP("ReportTexts", "%1低于下偏差。")},
    {"limit_size_not_positive", QT_TRANSLATE_NOOP("ReportTexts", "%1使最小极限尺寸不大于 0。")},
    {"hub_not_larger_than_bore", QT_TRANSLATE_NOOP("ReportTexts", "%1须大于孔径（基本尺寸）。")},
    {"bore_not_smaller_than_shaft", QT_TRANSLATE_NOOP("ReportTexts", "%1须小于轴径（基本尺寸）。")},
    {"poisson_ratio_out_of_range", QT_TRANSLATE_NOOP("ReportTexts", "%1须在 0 至 0.5 之间。")},
    {"smoothing_out_of_range", QT_TRANSLATE_NOOP("ReportTexts", "%1须在 0 至 1 之间。")},
    {"below_absolute_zero", QT_TRANSLATE_NOOP("ReportTexts", "%1低于绝对零度。")},
    {"cooling_curve_not_falling", QT_TRANSLATE_NOOP("ReportTexts", "%1须使零件在 -196 °C 时比在 -78 °C 时收缩更多。")},
    {"missing_option", QT_TRANSLATE_NOOP("ReportTexts", "请给出%1。")},
    {"result_out_of_range", QT_TRANSLATE_NOOP("ReportTexts", "输入太大，%1无法计算。")},
    {"no_minimum_strength", QT_TRANSLATE_NOOP("ReportTexts", "请给出%1：材料标准没有给出这一截面尺寸的最低强度。")},
};

template<std::size_t N> const Words* Find(const Words (&table)[N], std::string_view key)
{
    for (const Words& words : table)
        if (words.key == key)
            return &words;
    return nullptr;
}

QString Translated(const Words& words)
{
    return QCoreApplication::translate(words.context, words.text);
}

QString FromKey(std::string_view key)
{
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

// Arguments that are keys themselves (fit types, refused inputs) are worded too.
QString Argument(const std::string& argument)
{
    if (Find(kFitTypes, argument))
        return ReportTexts::FitType(argument);
    if (Find(kStates, argument))
        return ReportTexts::State(argument);
    if (Find(kCaptions, argument))
        return ReportTexts::Caption(argument);
    return QString::fromStdString(argument);
}

} // namespace

QString ReportTexts::Caption(std::string_view key)
{
    const Words* words = Find(kCaptions, key);
    return words ? Translated(*words) : FromKey(key);
}

QString ReportTexts::FitType(std::string_view key)
{
    const Words* words = Find(kFitTypes, key);
    return words ? Translated(*words) : FromKey(key);
}

QString ReportTexts::Note(const ReportNote& note)
{
    const Words* words = Find(kNotes, note.key);
    QString sentence = words ? Translated(*words) : FromKey(note.key);
    for (const std::string& argument : note.arguments)
        sentence = sentence.arg(Argument(argument));
    return sentence;
}

QString ReportTexts::Bearing(const ReportBearing& bearing)
{
    const Words* ring = Find(kBearingWords, bearing.ring);
    const Words* bearingClass = Find(kBearingWords, bearing.bearingClass);
    return tr("%1，%2").arg(ring ? Translated(*ring) : FromKey(bearing.ring),
                            bearingClass ? Translated(*bearingClass) : FromKey(bearing.bearingClass));
}

QString ReportTexts::State(std::string_view key)
{
    const Words* words = Find(kStates, key);
    return words ? Translated(*words) : FromKey(key);
}

QString ReportTexts::Value(const ReportValue& value)
{
    QString text = value.key == "joining" ? State(value.value) : QString::fromStdString(value.value);
    if (!value.unit.empty())
        text += QLatin1Char(' ') + QString::fromStdString(value.unit);
    if (!value.state.empty())
        text += tr("（%1）").arg(State(value.state));
    return text;
}
