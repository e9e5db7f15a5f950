#include "report/report_content.h"

#include "core/bearings/bearing_fit.h"
#include "core/chains/chain_charts.h"
#include "core/fit_analysis.h"
#include "core/fit_diagram.h"
#include "core/materials.h"
#include "core/number_format.h"
#include "core/service_conditions.h"
#include "presentation/chain_presentation.h"
#include "presentation/drawing_line.h"
#include "presentation/fit_presentation.h"
#include "presentation/service_figures.h"
#include "presentation/service_warning_figures.h"
#include "workbench/chain/chain_model.h"
#include "workbench/chain/chain_texts.h"
#include "workbench/general/general_model.h"
#include "workbench/general/general_texts.h"
#include "workbench/thread/thread_model.h"
#include "workbench/thread/thread_texts.h"

#include <cmath>
#include <string_view>
#include <utility>

namespace {

ReportPart PartOf(const PartPresentation& part)
{
    return {part.className, part.upper.um, part.lower.um, part.largestSize.mm, part.smallestSize.mm, part.tolerance.um};
}

ReportValue ValueOf(const LengthFigure& figure)
{
    return {std::string(figure.key), figure.um, "µm"};
}

// The built-in material with exactly these values, named in the report's language; else empty.
std::string MaterialName(const MaterialProperties& properties, ReportLanguage language)
{
    for (const Material& material : BuiltInMaterials()) {
        const MaterialProperties& p = material.properties;
        if (p.youngsModulusMpa == properties.youngsModulusMpa && p.poissonRatio == properties.poissonRatio
            && p.expansionPerK == properties.expansionPerK && p.strengthMpa == properties.strengthMpa
            && p.brittle == properties.brittle)
            return std::string(language == ReportLanguage::Chinese ? material.nameZh : material.nameEn);
    }
    return {};
}

void AddMaterial(std::vector<ReportValue>& inputs, std::string_view part, const MaterialProperties& material,
                 ReportLanguage language)
{
    const std::string prefix(part);
    const std::string name = MaterialName(material, language);
    inputs.push_back({prefix + "_material", name.empty() ? "-" : name, ""});
    inputs.push_back({prefix + "_e", ShortestNumber(material.youngsModulusMpa), "MPa"});
    inputs.push_back({prefix + "_nu", ShortestNumber(material.poissonRatio), ""});
    inputs.push_back({prefix + "_alpha", ShortestNumber(material.expansionPerK * 1e6), "× 10⁻⁶/K"});
    inputs.push_back(
        {prefix + (material.brittle ? "_tensile" : "_yield"), ShortestNumber(material.strengthMpa), "MPa"});
}

std::vector<ReportValue> InputsOf(const ServiceInputs& inputs, const ServiceResults& results, ReportLanguage language)
{
    std::vector<ReportValue> list;
    const auto optional = [&list](const char* key, const std::optional<double>& value, const char* unit) {
        if (value)
            list.push_back({key, ShortestNumber(*value), unit});
    };
    optional("hub_od", inputs.hubOutsideDiameterMm, "mm");
    optional("shaft_bore", inputs.shaftBoreMm, "mm");
    optional("length", inputs.lengthMm, "mm");
    optional("torque", inputs.torqueNm, "N·m");
    optional("axial_force", inputs.axialForceN, "N");
    if (inputs.torqueNm || inputs.axialForceN)
        list.push_back({"required_slip_safety", ShortestNumber(inputs.requiredSlipSafety), ""});
    list.push_back({"required_yield_safety", ShortestNumber(inputs.requiredYieldSafety), ""});
    list.push_back({"joining", std::string(JoiningMethodName(results.joining)), ""});
    AddMaterial(list, "hub", inputs.hubMaterial, language);
    AddMaterial(list, "shaft", inputs.shaftMaterial, language);
    list.push_back({"hub_temp", ShortestNumber(inputs.hubTemperatureC), "°C"});
    list.push_back({"shaft_temp", ShortestNumber(inputs.shaftTemperatureC), "°C"});
    list.push_back({"friction", ShortestNumber(results.frictionHolding), ""});
    list.push_back({"friction_pressing", ShortestNumber(results.frictionPressing), ""});
    list.push_back({"rz_hub", ShortestNumber(inputs.hubRzUm), "µm"});
    list.push_back({"rz_shaft", ShortestNumber(inputs.shaftRzUm), "µm"});
    list.push_back({"smoothing", ShortestNumber(results.smoothingFactor), ""});
    list.push_back({"joining_clearance", FixedDecimals(results.joiningClearanceMm * 1000.0, 1), "µm"});
    list.push_back({"zone_sigma", ShortestNumber(results.zoneSigmas), ""});
    return list;
}

std::string FitClassKey(FitType type)
{
    return std::string(FitTypeName(type));
}

// "at_standstill", "in_service" or, for a warning of neither alone, "in_both_states": a key the
// report words.
std::string StateKey(std::size_t state)
{
    return state == kStandstill ? "at_standstill" : state == kInService ? "in_service" : "in_both_states";
}

// The calculation's warnings, keyed as the core names them, with the numbers each sentence takes.
// Each warning's key and its figures, as the engine gives them (engine/presentation).
std::vector<ReportNote> WarningsOf(const ServiceResults& r)
{
    std::vector<ReportNote> warnings;
    for (const ServiceWarning& warning : r.warnings) {
        const std::vector<std::string> figures = ServiceWarningArguments(r, warning);
        std::string key(ServiceWarningKey(warning.code));
        std::vector<std::string> args;
        switch (warning.code) {
        case ServiceWarningCode::HubYield:
        case ServiceWarningCode::HubFracture:
        case ServiceWarningCode::ShaftYield:
        case ServiceWarningCode::Slip:
            args = {StateKey(warning.state), figures[0], figures[1]};
            break;
        case ServiceWarningCode::NoPressFit:
            args = {StateKey(warning.state), figures[0]};
            break;
        case ServiceWarningCode::CoolingUnreachable:
            if (CoolingBeyondAbsoluteZero(warning))
                key = "cooling_beyond_absolute_zero";
            else
                args = {figures[0]};
            break;
        case ServiceWarningCode::HubHeatingLimit:
        case ServiceWarningCode::AssemblyUnreachable:
            args = {figures[0], figures[1]};
            break;
        case ServiceWarningCode::LoosensInService:
            args = {FitClassKey(r.states[kStandstill].fitType), FitClassKey(r.states[kInService].fitType)};
            break;
        case ServiceWarningCode::NoRoughness:
            break;
        }
        warnings.push_back({std::move(key), std::move(args)});
    }
    return warnings;
}

std::vector<ReportNote> AssumptionsOf(const ServiceInputs& inputs, const ServiceResults& r)
{
    std::vector<ReportNote> notes = {
        {"sizes_at_20c", {}},
        {"fit_class", {FitClassKey(r.fitTypeAt20c), FitClassKey(r.fitTypeAtService)}},
        {"smoothing", {FixedDecimals(r.smoothingLossUm.value_or(0.0), 2), FixedDecimals(r.smoothingFactor, 1)}},
        {"plane_stress", {}},
        {"friction_both", {FixedDecimals(r.frictionHolding, 3), FixedDecimals(r.frictionPressing, 3)}},
        {"joining_clearance", {FixedDecimals(r.joiningClearanceMm * 1000.0, 1)}},
        {"normal_distribution", {FixedDecimals(r.zoneSigmas, 1)}},
    };
    if (r.hubBrittle || r.shaftBrittle)
        notes.push_back({"brittle", {}});
    if (!inputs.hubOutsideDiameterMm)
        notes.push_back({"needs_hub_od", {}});
    else if (!inputs.lengthMm)
        notes.push_back({"needs_length", {}});
    return notes;
}

std::string StateValue(std::string_view key, const std::optional<double>& value)
{
    return value ? ServiceFigureText(key, *value) : "-";
}

// Both states side by side: the effective interferences, then every value the core gives per state.
void AddStates(ReportService& section, const ServiceResults& results)
{
    for (std::size_t state : {kStandstill, kInService}) {
        section.hubTemperaturesC[state] = ShortestNumber(results.states[state].hubTemperatureC);
        section.shaftTemperaturesC[state] = ShortestNumber(results.states[state].shaftTemperatureC);
    }
    for (const bool min : {true, false}) {
        ReportStateRow row {min ? "effective_interference_min_um" : "effective_interference_max_um", "µm", {}};
        for (std::size_t state : {kStandstill, kInService}) {
            const ServiceState& s = results.states[state];
            row.values[state] = ServiceFigureText(min ? "interference_min_um" : "interference_max_um",
                                                  min ? s.interferenceMinUm : s.interferenceMaxUm);
        }
        section.states.push_back(std::move(row));
    }
    for (const ServiceStateField& field : ServiceStateFields()) {
        ReportStateRow row {std::string(field.key), std::string(ServiceFigureFormatOf(field.key).unit), {}};
        for (std::size_t state : {kStandstill, kInService})
            row.values[state] = StateValue(field.key, results.states[state].*(field.value));
        section.states.push_back(std::move(row));
    }
}

} // namespace

ServiceInputs ServiceInputsOf(const FitAnalysis& fit)
{
    return WithFitLimits(fit);
}

ReportContent BuildReportContent(const FitAnalysis& fit, const ServiceInputs* service, ReportLanguage language,
                                 std::string version, std::string date)
{
    ReportContent content;
    content.language = language;
    content.fitName = ClassName(fit.hole.toleranceClass) + "/" + ClassName(fit.shaft.toleranceClass);
    content.sizeMm = FormatMm(fit.size);
    content.type = FitTypeName(fit.type);
    const FitPresentation shown = PresentFit(fit);
    content.hole = PartOf(shown.hole);
    content.shaft = PartOf(shown.shaft);
    content.extremes = {ValueOf(shown.extremes[0]), ValueOf(shown.extremes[1])};
    content.probable = {ValueOf(shown.probable[0]), ValueOf(shown.probable[1])};
    content.mean = ValueOf(shown.mean);
    content.fitToleranceUm = shown.fitTolerance.um;
    content.drawingLine = shown.drawingLine;
    content.diagramSvg = FitDiagramSvg(fit);
    content.version = std::move(version);
    content.date = std::move(date);

    if (service) {
        // The limits are the fit's, whatever the caller's inputs held.
        const ServiceInputs inputs = WithFitLimits(fit, *service);
        const ServiceOutcome outcome = CalculateServiceConditions(inputs);
        if (!outcome) {
            const ServiceRefusal& refusal = outcome.reason();
            content.serviceRefusal
                = ReportNote {std::string(ServiceRefusalKey(refusal.reason)), {std::string(refusal.field)}};
        } else {
            const ServiceResults& results = *outcome;
            ReportService section;
            section.inputs = InputsOf(inputs, results, language);
            for (const ServiceResultField& field : ServiceResultFields()) {
                const std::optional<double>& value = results.*(field.value);
                if (!value || field.key == "size_mm")
                    continue;

                section.results.push_back({std::string(field.key), ServiceFigureText(field.key, *value),
                                           std::string(ServiceFigureFormatOf(field.key).unit)});
            }
            for (const ServiceResultField& field : ServiceResultFields()) {
                const std::size_t state = GoverningState(results, field);
                if (state == kNoState)
                    continue;
                for (ReportValue& value : section.results)
                    if (value.key == field.key)
                        value.state = state == kStandstill ? "standstill" : "service";
            }
            AddStates(section, results);
            section.warnings = WarningsOf(results);
            section.assumptions = AssumptionsOf(inputs, results);
            content.service = std::move(section);
        }
    }
    return content;
}

ReportContent BuildBearingReportContent(const BearingFit& fit, ReportLanguage language, std::string version,
                                        std::string date)
{
    ReportContent content = BuildReportContent(fit.analysis, nullptr, language, std::move(version), std::move(date));
    const bool inner = fit.ring.ring == BearingRing::Inner;
    // The drawing gives the seat its class; the ring's tolerance is the bearing maker's.
    const PartLimits& seat = inner ? fit.analysis.shaft : fit.analysis.hole;
    content.fitName = ClassName(seat.toleranceClass);
    content.drawingLine = SeatDrawingLine(seat, fit.analysis.size);
    content.bearing
        = ReportBearing {inner ? "inner" : "outer", std::string(BearingClassName(fit.ring.bearingClass)),
                         ClassName(seat.toleranceClass), FormatMm(fit.ring.range.over), FormatMm(fit.ring.range.upTo)};
    return content;
}

ReportContent BuildGeneralTableReportContent(const GeneralClasses& classes, GeneralStandard standard,
                                             ReportLanguage language, std::string version, std::string date)
{
    ReportContent content;
    content.language = language;
    content.version = std::move(version);
    content.date = std::move(date);
    ReportGeneralTable table;
    table.designation = TitleBlockDesignation(classes, standard);
    content.fitName = table.designation;
    for (const GeneralTableSection& section : TitleBlockTables(classes, standard)) {
        ReportTableSection shown {std::string(section.key), std::string(section.source), {}};
        for (const GeneralTableRow& row : section.rows)
            shown.rows.push_back({GeneralRangeWords(row.range), row.value});
        table.sections.push_back(std::move(shown));
    }
    if (classes.geometrical) {
        for (const std::string_view feature : UntabulatedFeatures())
            table.rules.emplace_back(UntabulatedFeatureName(feature), UntabulatedFeatureRule(feature));
    }
    content.generalTable = std::move(table);
    return content;
}

ReportContent BuildThreadReportContent(const ThreadAnalysis& analysis, ReportLanguage language, std::string version,
                                       std::string date)
{
    const ThreadTexts texts = DescribeThread(analysis);
    ReportContent content;
    content.language = language;
    content.version = std::move(version);
    content.date = std::move(date);
    content.fitName = texts.designation;
    content.diagramSvg = ThreadZonesSvg(analysis);
    ReportThread thread;
    thread.series = texts.series;
    thread.basic.assign(texts.basic.begin(), texts.basic.end());
    thread.columns = ThreadLimitColumns();
    for (const auto* part : {&texts.nut, &texts.bolt}) {
        if (!*part)
            continue;
        ReportThreadPart shown {(*part)->heading, (*part)->deviation, {}};
        for (const ThreadLimitRow& row : (*part)->rows)
            shown.rows.push_back({row.caption, row.maxMm, row.minMm, row.toleranceUm});
        thread.parts.push_back(std::move(shown));
    }
    thread.fit = texts.fit;
    thread.recommended = texts.recommended;
    content.thread = std::move(thread);
    return content;
}

ReportContent BuildChainReportContent(const ChainQuestion& question, const MonteCarlo& run, std::string source,
                                      ReportLanguage language, std::string version, std::string date)
{
    ReportContent content;
    content.language = language;
    content.version = std::move(version);
    content.date = std::move(date);
    content.fitName = source;
    const ChainFigures figures = ChainFiguresOf(question);
    const auto mm = [](std::string_view key, std::string value) {
        return ReportValue {std::string(key), value, "mm"};
    };
    const auto optional
        = [](std::string_view key, const std::optional<double>& value, std::string (*text)(double), std::string unit) {
              return ReportValue {std::string(key), value ? text(*value) : "-", value ? unit : ""};
          };
    ReportChain chain;
    chain.source = std::move(source);
    chain.nominalMm = ChainExactMmText(figures.worstCase.nominal);
    if (question.requirement)
        chain.requirement = {mm("chain_require_min", ChainExactMmText(question.requirement->min)),
                             mm("chain_require_max", ChainExactMmText(question.requirement->max))};
    const WorstCase& worst = figures.worstCase;
    chain.worstCase
        = {mm("chain_worst_min", ChainExactMmText(worst.min)), mm("chain_worst_max", ChainExactMmText(worst.max)),
           mm("chain_worst_range", ChainExactMmText(worst.max - worst.min))};
    const RootSumSquare& rss = figures.rss;
    chain.statistical
        = {mm("chain_mean", ChainEstimateMmText(rss.meanMm)), mm("chain_sigma", ChainEstimateMmText(rss.sigmaMm)),
           mm("chain_rss_min", ChainEstimateMmText(rss.minMm)), mm("chain_rss_max", ChainEstimateMmText(rss.maxMm))};
    chain.monteCarlo = {
        {"chain_samples", std::to_string(run.samples), ""},    {"chain_seed", std::to_string(run.seed), ""},
        mm("chain_mean", ChainEstimateMmText(run.meanMm)),     mm("chain_sigma", ChainEstimateMmText(run.sigmaMm)),
        mm("chain_q00135", ChainEstimateMmText(run.q00135Mm)), mm("chain_q99865", ChainEstimateMmText(run.q99865Mm))};
    if (question.requirement) {
        chain.monteCarlo.push_back(optional("chain_below", run.belowPpm, ChainPpmText, "ppm"));
        chain.monteCarlo.push_back(optional("chain_above", run.abovePpm, ChainPpmText, "ppm"));
        chain.monteCarlo.push_back(optional("chain_cp", run.cp, ChainCapabilityText, ""));
        chain.monteCarlo.push_back(optional("chain_cpk", run.cpk, ChainCapabilityText, ""));
    }
    for (const ChainLink& link : question.links)
        chain.links.push_back({link.name, ChainSensitivityText(link.direction), ChainExactMmText(link.nominal),
                               link.tolerance, DistributionWords(link.distribution), ChainDeviationMmText(link.upper),
                               ChainDeviationMmText(link.lower), ChainExactMmText(link.nominal + link.upper),
                               ChainExactMmText(link.nominal + link.lower)});
    for (const Contribution& share : figures.contributions)
        chain.contributions.push_back({question.links[share.link].name, ChainShareText(share.varianceShare),
                                       ChainShareText(share.worstCaseShare), ChainSensitivityText(share.sensitivity)});
    // Printed on white paper.
    chain.histogramSvg = ChainHistogramSvg(run, question.requirement, DiagramPalette::Light);
    chain.contributionsSvg = ChainContributionsSvg(figures.contributions, question.links, DiagramPalette::Light);
    content.chain = std::move(chain);
    return content;
}
