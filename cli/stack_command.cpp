#include "answers/stack_answer.h"
#include "cli/cli_text.h"
#include "cli/commands.h"
#include "core/chains/chain_csv.h"
#include "core/loaded_tables.h"
#include "core/printable_text.h"

#include <fstream>
#include <iterator>
#include <ostream>
#include <system_error>

namespace {

std::string Text(const nlohmann::ordered_json& value)
{
    return value.get<std::string>();
}

// The file's bytes, at most one more than a chain may hold (so that a larger one is refused unread
// in full); only a regular file, so that a FIFO or a device never blocks or floods the command.
std::optional<std::string> ReadChainFile(const std::filesystem::path& file, std::ostream& err)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        UsageError(err, "FILE '" + PathText(file) + "' is not a file that can be read");
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    std::string text(kLargestChainTextBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad() || (!in && !in.eof())) {
        UsageError(err, "FILE '" + PathText(file) + "' cannot be read");
        return std::nullopt;
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

void Pad(std::ostream& out, const std::string& text, std::size_t width)
{
    out << text << std::string(text.size() < width ? width - text.size() : 1, ' ');
}

void WriteText(const nlohmann::ordered_json& answer, std::ostream& out)
{
    const auto& links = answer["links"];
    out << "closing dimension of " << links.size() << (links.size() == 1 ? " link" : " links") << ": nominal "
        << Text(answer["display"]["nominal_mm"]) << " mm\n";
    if (answer.contains("worst_case")) {
        const auto& shown = answer["worst_case"]["display"];
        out << "worst case: " << Text(shown["min_mm"]) << " to " << Text(shown["max_mm"]) << " mm (range "
            << Text(shown["range_mm"]) << " mm)\n";
    }
    if (answer.contains("rss")) {
        const auto& shown = answer["rss"]["display"];
        out << "statistical (RSS): mean " << Text(shown["mean_mm"]) << " mm, sigma " << Text(shown["sigma_mm"])
            << " mm, mean ± 3 sigma " << Text(shown["min_mm"]) << " to " << Text(shown["max_mm"]) << " mm\n";
    }
    if (answer.contains("monte_carlo")) {
        const auto& run = answer["monte_carlo"];
        const auto& shown = run["display"];
        out << "Monte Carlo (" << run["samples"].dump() << " samples, seed " << run["seed"].dump() << "): mean "
            << Text(shown["mean_mm"]) << " mm, sigma " << Text(shown["sigma_mm"]) << " mm, 0.135 % to 99.865 % "
            << Text(shown["q00135_mm"]) << " to " << Text(shown["q99865_mm"]) << " mm\n";
        if (!answer["requirement"].is_null()) {
            out << "  against " << answer["requirement"]["min_mm"].dump() << " to "
                << answer["requirement"]["max_mm"].dump() << " mm: below " << Text(shown["below_ppm"]) << " ppm, above "
                << Text(shown["above_ppm"]) << " ppm";
            if (!shown["cp"].is_null())
                out << ", Cp " << Text(shown["cp"]) << ", Cpk " << Text(shown["cpk"]);
            out << '\n';
        }
    }
    out << "contributions (variance share, worst-case share, sensitivity):\n";
    for (const auto& contribution : answer["contributions"]) {
        const auto& shown = contribution["display"];
        out << "  ";
        Pad(out, Text(contribution["name"]), 20);
        Pad(out, Text(shown["variance_share"]), 9);
        Pad(out, Text(shown["worst_case_share"]), 9);
        out << Text(shown["sensitivity"]) << '\n';
    }
    out << "links (upper / lower deviation, largest / smallest size, distribution):\n";
    for (const auto& link : links) {
        const auto& shown = link["display"];
        out << "  ";
        Pad(out, Text(link["name"]), 20);
        Pad(out,
            (link["direction"].get<int>() > 0 ? "+1 " : "-1 ") + link["nominal_mm"].dump() + " "
                + Text(link["tolerance"]),
            24);
        out << Text(shown["upper_deviation_mm"]) << " / " << Text(shown["lower_deviation_mm"]) << " mm, "
            << Text(shown["max_mm"]) << " / " << Text(shown["min_mm"]) << " mm, " << Text(link["distribution"]) << '\n';
    }
}

} // namespace

int RunStack(const StackRequest& request, std::ostream& out, std::ostream& err)
{
    const auto text = ReadChainFile(request.file, err);
    if (!text)
        return kExitUsage;
    nlohmann::json options = {{"csv", *text}, {"method", request.method}};
    if (request.samples)
        options["samples"] = *request.samples;
    if (request.seed)
        options["seed"] = *request.seed;
    if (!request.require.empty())
        options["require"] = request.require;
    const DeviationTables tables = LoadDeviationTables(request.tables);
    const Answer answer = StackAnswer(tables, options, OptionNaming::CommandLine, request.tables);
    if (!answer) {
        // A problem of the file names the file before its line: "chain.csv: line 4 (shaft): ...".
        AnswerRefusal refusal = answer.reason();
        if (refusal.message.starts_with("line ") || refusal.message.starts_with("the chain"))
            refusal.message = PathText(request.file) + ": " + refusal.message;
        return RefusalExit(refusal, err);
    }
    if (request.json)
        out << answer->dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    else
        WriteText(*answer, out);
    return kExitResult;
}
