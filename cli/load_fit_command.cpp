#include "load_fit_command.h"

#include "cli_text.h"
#include "fit_answers.h"
#include "fit_lines.h"
#include "load_fit_search.h"
#include "loaded_tables.h"
#include "service_options.h"
#include "service_warning_text.h"

#include <charconv>
#include <nlohmann/json.hpp>
#include <ostream>

namespace {

std::string Fixed(double value, int decimals)
{
    char buffer[400];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, error == std::errc() ? end : buffer);
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

nlohmann::ordered_json Optional(const std::optional<double>& value)
{
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json FoundJson(const LoadFoundFit& found)
{
    const ServiceResults& r = found.results;
    auto json = FitJson(found.fit.analysis);
    json["preferred"] = found.fit.preferred;
    json["slip_safety"] = Optional(r.slipSafety);
    json["hub_yield_safety"] = Optional(r.hubYieldSafety);
    json["shaft_yield_safety"] = Optional(r.shaftYieldSafety);
    json["press_force_max_n"] = Optional(r.pressForceMaxN);
    json["hub_assembly_temp_c"] = Optional(r.hubAssemblyTempC);
    json["shaft_assembly_temp_c"] = Optional(r.shaftAssemblyTempC);
    json["warnings"] = nlohmann::ordered_json::array();
    for (const ServiceWarning& warning : r.warnings)
        json["warnings"].push_back(
            {{"code", ServiceWarningKey(warning.code)}, {"text", ServiceWarningText(r, warning)}});
    return json;
}

// The option a missing input is given with.
std::string OptionOf(std::string_view field)
{
    if (field == "hub_outside_diameter_mm")
        return "--hub-od";
    if (field == "length_mm")
        return "--length";
    if (field == "torque_nm")
        return "--torque or --axial-force (not both 0)";
    return std::string(field);
}

std::string LoadWords(const ServiceInputs& in)
{
    std::string words;
    if (in.torqueNm)
        words = Fixed(*in.torqueNm, 1) + " N·m";
    if (in.axialForceN)
        words += (words.empty() ? "" : " and ") + Fixed(*in.axialForceN, 0) + " N";
    return words;
}

std::string FoundLine(const LoadFoundFit& found)
{
    const ServiceResults& r = found.results;
    std::string line = FitColumn(found.fit.analysis) + ClearanceWords(found.fit.analysis) + "; slip safety "
        + Fixed(*r.slipSafety, 2) + ", hub " + Fixed(r.hubYieldSafety.value_or(0.0), 2) + ", shaft "
        + Fixed(r.shaftYieldSafety.value_or(0.0), 2) + "; press-in " + Fixed(r.pressForceMaxN.value_or(0.0), 0)
        + " N; hub " + Fixed(r.hubAssemblyTempC.value_or(20.0), 0) + " °C or shaft "
        + Fixed(r.shaftAssemblyTempC.value_or(20.0), 0) + " °C to join";
    if (!r.warnings.empty()) {
        line += "; warns:";
        for (const ServiceWarning& warning : r.warnings)
            line += " " + std::string(ServiceWarningKey(warning.code));
    }
    return line + (found.fit.preferred ? " (preferred)" : "");
}

} // namespace

int RunLoadFitSearch(const FindFitRequest& request, const FitSearchRequest& search, std::size_t shownAtMost,
                     std::ostream& out, std::ostream& err)
{
    LoadFitSearchRequest loadSearch {search, {}};
    if (!ReadServiceOptions(request.load, loadSearch.service, err))
        return kExitUsage;
    const auto found = SearchFitsForLoad(LoadDeviationTables(request.tables), loadSearch);
    if (!found) {
        if (const auto* failure = std::get_if<Failure>(&found.reason())) {
            err << "quorlan-cli: " << FailureText(*failure, request.tables) << '\n';
            return kExitFailure;
        }
        const ServiceRefusal& refusal = std::get<ServiceRefusal>(found.reason());
        return UsageError(err, OptionOf(refusal.field) + " " + std::string(RefusalText(refusal.reason)));
    }
    const std::size_t shown = std::min(found->size(), shownAtMost);
    if (request.json) {
        auto json = nlohmann::ordered_json::array();
        for (std::size_t index = 0; index < shown; ++index)
            json.push_back(FoundJson((*found)[index]));
        out << json.dump() << '\n';
    }
    const std::string what = LoadWords(loadSearch.service) + " at " + FormatMm(search.size) + " mm";
    if (found->empty()) {
        err << "quorlan-cli: no fit holds " << what << " with the safeties asked for and can be joined\n";
        return kExitFailure;
    }
    if (request.json)
        return kExitResult;
    out << found->size() << (found->size() == 1 ? " fit holds " : " fits hold ") << what
        << (shown < found->size() ? "; the first " + std::to_string(shown) + " follow" : "") << ":\n";
    for (std::size_t index = 0; index < shown; ++index)
        out << FoundLine((*found)[index]) << '\n';
    return kExitResult;
}
