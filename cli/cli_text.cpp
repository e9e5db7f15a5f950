#include "cli/cli_text.h"

#include "cli/commands.h"
#include "core/printable_text.h"
#include "core/scales.h"
#include "core/tabulated_classes.h"

#include <ostream>

int UsageError(std::ostream& err, const std::string& what)
{
    err << "quorlan-cli: " << what << "\n(quorlan-cli --help explains the commands)\n";
    return kExitUsage;
}

int RefusalExit(const AnswerRefusal& refusal, std::ostream& err)
{
    if (refusal.kind == AnswerRefusal::Kind::BadInput)
        return UsageError(err, refusal.message);
    err << "quorlan-cli: " << refusal.message << '\n';
    return kExitFailure;
}

nlohmann::json ServiceOptionsJson(const ServiceOptions& options)
{
    nlohmann::json json = nlohmann::json::object();
    for (const auto& [key, text] : options)
        if (text)
            json[key] = *text;
    return json;
}

std::string Quoted(std::string_view text)
{
    return "'" + PrintableText(QuotePrefix(text)) + "'";
}

std::string NumberProblemWords(NumberProblem problem, std::string_view unit, std::optional<int> keptDecimals)
{
    switch (problem) {
    case NumberProblem::NotANumber:
        break;
    case NumberProblem::TooPrecise:
        return keptDecimals ? "has more than " + std::to_string(*keptDecimals) + " decimals"
                            : std::string("is too close to 0 to be held");
    case NumberProblem::TooLarge:
        return "is too large";
    }
    return unit.empty() ? std::string("is not a number") : "is not a decimal number of " + std::string(unit);
}

std::optional<ExactLength> ReadSizeArgument(std::string_view text, std::ostream& err)
{
    const std::string range = " is not over 0 and up to " + std::to_string(kLargestSizeMm) + " mm";
    const auto size = ParseMillimetres(text);
    if (!size && size.reason() != NumberProblem::TooLarge) {
        UsageError(err, "SIZE " + Quoted(text) + " " + NumberProblemWords(size.reason(), "millimetres", 6));
        return std::nullopt;
    }
    if (!size || size->nm <= 0 || *size > ExactLength::FromMm(kLargestSizeMm)) {
        UsageError(err, "SIZE " + Quoted(text) + range);
        return std::nullopt;
    }
    return *size;
}

std::optional<std::string> UntabulatedNote(const ToleranceClass& toleranceClass)
{
    if (IsTabulated(toleranceClass))
        return std::nullopt;
    return "note: " + ClassName(toleranceClass)
        + " is not among the classes ISO 286-2 tabulates; its limits follow from the ISO 286-1 rules";
}
