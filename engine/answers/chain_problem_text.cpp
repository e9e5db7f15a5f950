#include "answers/chain_problem_text.h"

#include "answers/refusal_text.h"
#include "core/chains/chain_csv.h"
#include "core/decimal_text.h"
#include "core/printable_text.h"

#include <string>

namespace {

// Quoted as typed, UTF-8 kept ('±0.1', a name in Chinese), control characters and broken bytes not.
std::string Quoted(std::string_view text)
{
    return "'" + PrintableText(QuotePrefix(text)) + "'";
}

std::string GeneralWords(GeneralRefusal refusal)
{
    switch (refusal) {
    case GeneralRefusal::NotPositive:
        return "the size is not over 0";
    case GeneralRefusal::BelowTables:
        return "below 0.5 mm the general tolerance is written beside the size";
    case GeneralRefusal::BeyondTables:
        return "the general tolerances' table ends at 4000 mm";
    case GeneralRefusal::EmptyCell:
        return "the standard leaves the class out at this size";
    }
    return "no general tolerance";
}

ReasonCode GeneralCode(GeneralRefusal refusal)
{
    switch (refusal) {
    case GeneralRefusal::NotPositive:
        return "not_positive";
    case GeneralRefusal::BelowTables:
        return "below_general_range";
    case GeneralRefusal::BeyondTables:
        return "beyond_general_range";
    case GeneralRefusal::EmptyCell:
        return "not_in_class";
    }
    return "unknown_failure";
}

AnswerRefusal LinkRefusal(const LinkProblem& problem, const std::string& at, const std::filesystem::path& tables)
{
    const std::string text = Quoted(problem.text);
    using Kind = LinkProblem::Kind;
    switch (problem.kind) {
    case Kind::EmptyName:
        return BadInput("bad_link", at + "the name is empty");
    case Kind::BadDirection:
        return BadInput("bad_link", at + "direction " + text + " is not +1 or -1");
    case Kind::NominalNotANumber:
        return BadInput("bad_link", at + "nominal_mm " + text + " is not a decimal number of millimetres");
    case Kind::NominalTooPrecise:
        return BadInput("bad_link", at + "nominal_mm " + text + " has more than 6 decimals");
    case Kind::NominalNotPositive:
        return BadInput("not_positive", at + "nominal_mm " + text + " is not a length over 0");
    case Kind::ToleranceNotRead:
        return BadInput("bad_link",
                        at + "tolerance " + text
                            + " is not ±T, +U/-L (mm), an ISO 286 class such as h7 or a general "
                              "tolerance such as 2768-m");
    case Kind::ToleranceTooPrecise:
        return BadInput("bad_link", at + "tolerance " + text + " has a deviation with more than 6 decimals of a mm");
    case Kind::NegativeTolerance:
        return BadInput("bad_link", at + "tolerance " + text + " is ± a negative value");
    case Kind::DeviationsReversed:
        return BadInput("bad_link", at + "tolerance " + text + " has its upper deviation below its lower");
    case Kind::ClassUndefined:
        // Beyond the tables a ± link is still a link: a class there has no value, which is no usage error.
        return Refused(FailureReason(problem.failure),
                       at + "tolerance " + text + ": " + FailureText(problem.failure, tables));
    case Kind::GeneralUndefined:
        return Refused(GeneralCode(problem.general),
                       at + "tolerance " + text + " has no value at this size: " + GeneralWords(problem.general));
    case Kind::BadDistribution:
        return BadInput("bad_link", at + "distribution " + text + " is not normal, uniform or triangular");
    case Kind::BadCpk:
        return BadInput("bad_link", at + "cpk " + text + " is not a number over 0");
    case Kind::CpkNotNormal:
        return BadInput("bad_link", at + "cpk " + text + " describes a normal process: leave the distribution normal");
    case Kind::BadMeanShift:
        return BadInput("bad_link", at + "mean_shift_mm " + text + " is not a decimal number of millimetres");
    case Kind::MeanShiftOutsideZone:
        return BadInput("mean_shift_outside_zone",
                        at + "mean_shift_mm " + text + " puts the mean on or beyond a limit of the tolerance zone");
    }
    return BadInput("bad_link", at + "the link cannot be read");
}

} // namespace

AnswerRefusal ChainRefusal(const ChainProblem& problem, std::string_view where, std::string_view linkName,
                           const std::filesystem::path& tables)
{
    const std::string line = std::string(where) + " " + std::to_string(problem.line);
    using Kind = ChainProblem::Kind;
    switch (problem.kind) {
    case Kind::NotUtf8:
        return BadInput("chain_not_read", line + " is not UTF-8 text");
    case Kind::TooLarge:
        return BadInput("chain_not_read",
                        "the chain is larger than " + std::to_string(kLargestChainTextBytes / 1024)
                            + " KiB: no chain is that long");
    case Kind::NoHeader:
        return BadInput("chain_not_read",
                        line
                            + ": the header must be name,direction,nominal_mm,tolerance and then any of "
                              "distribution, cpk, mean_shift_mm");
    case Kind::FieldCount:
        return BadInput("chain_not_read", line + " does not have as many fields as the header");
    case Kind::TooManyLinks:
        return BadInput("too_many_links", line + ": a chain has at most " + std::to_string(kMostChainLinks) + " links");
    case Kind::Empty:
        return BadInput("empty_chain", "the chain has no links");
    case Kind::Link:
        break;
    }
    const std::string at = linkName.empty() ? line + ": " : line + " (" + Quoted(linkName) + "): ";
    return LinkRefusal(problem.link, at, tables);
}
