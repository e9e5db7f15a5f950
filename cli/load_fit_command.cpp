#include "cli/load_fit_command.h"

#include "answers/service_answer.h"
#include "answers/service_inputs.h"
#include "cli/cli_text.h"
#include "cli/fit_lines.h"
#include "core/load_fit_search.h"
#include "core/loaded_tables.h"
#include "core/number_format.h"

#include <nlohmann/json.hpp>
#include <ostream>

namespace {

std::string LoadWords(const ServiceInputs& in)
{
    std::string words;
    if (in.torqueNm)
        words = FixedDecimals(*in.torqueNm, 1) + " N·m";
    if (in.axialForceN)
        words += (words.empty() ? "" : " and ") + FixedDecimals(*in.axialForceN, 0) + " N";
    return words;
}

std::string FoundLine(const LoadFoundFit& found)
{
    const ServiceResults& r = found.results;
    std::string line = FitColumn(found.fit.analysis) + std::string(FitTypeName(found.fit.analysis.type)) + ": "
        + ClearanceWords(found.fit.analysis) + "; slip safety " + FixedDecimals(*r.slipSafety, 2) + ", hub "
        + FixedDecimals(r.hubYieldSafety.value_or(0.0), 2) + ", shaft "
        + FixedDecimals(r.shaftYieldSafety.value_or(0.0), 2) + "; press-in "
        + FixedDecimals(r.pressForceMaxN.value_or(0.0), 0) + " N; hub "
        + FixedDecimals(r.hubAssemblyTempC.value_or(20.0), 0)
        + " °C"
        // No temperature where even absolute zero would not shrink the shaft enough: out of reach too.
        + (!r.shaftAssemblyTempC || *r.shaftAssemblyTempC < kLiquidNitrogenC
               ? " to join (cooling the shaft is out of reach)"
               : " or shaft " + FixedDecimals(*r.shaftAssemblyTempC, 0) + " °C to join");
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
    const auto joint = ReadServiceJoint(ServiceOptionsJson(request.load), {}, OptionNaming::CommandLine);
    if (!joint)
        return RefusalExit(joint.reason(), err);
    LoadFitSearchRequest loadSearch {search, *joint};
    const auto found = SearchFitsForLoad(LoadDeviationTables(request.tables), loadSearch);
    if (!found) {
        if (const auto* failure = std::get_if<Failure>(&found.reason())) {
            err << "quorlan-cli: " << FailureText(*failure, request.tables) << '\n';
            return kExitFailure;
        }
        return RefusalExit(
            ServiceRefusalAnswer(std::get<ServiceRefusal>(found.reason()), search.size, OptionNaming::CommandLine),
            err);
    }
    const std::size_t shown = std::min(found->size(), shownAtMost);
    if (request.json) {
        auto json = nlohmann::ordered_json::array();
        for (std::size_t index = 0; index < shown; ++index)
            json.push_back(LoadFoundFitJson((*found)[index], OptionNaming::CommandLine));
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
