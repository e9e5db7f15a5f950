#include "core/chains/link_fields.h"

#include "core/chains/link_tolerance.h"
#include "core/decimal_text.h"

namespace {

LinkProblem Problem(LinkProblem::Kind kind, std::string_view text)
{
    return {kind, std::string(text), {}, GeneralRefusal::NotPositive};
}

std::optional<int> Direction(std::string_view text)
{
    if (text == "1" || text == "+1")
        return 1;
    if (text == "-1" || text == "\u22121")
        return -1;
    return std::nullopt;
}

Result<ExactLength, LinkProblem> Nominal(std::string_view text)
{
    const auto size = ParseMillimetres(text);
    if (!size) {
        if (size.reason() == NumberProblem::TooPrecise)
            return Problem(LinkProblem::Kind::NominalTooPrecise, text);
        if (size.reason() == NumberProblem::NotANumber)
            return Problem(LinkProblem::Kind::NominalNotANumber, text);
    }
    // Beyond the tables' sizes a class has no limits, but a ± link may be as long as any drawing's.
    if (!size || size->nm <= 0)
        return Problem(LinkProblem::Kind::NominalNotPositive, text);
    return *size;
}

bool Given(const std::optional<std::string>& field)
{
    return field && !field->empty();
}

} // namespace

Result<ChainLink, LinkProblem> ReadLink(const DeviationTables& tables, const LinkFields& fields)
{
    ChainLink link;
    if (fields.name.empty())
        return Problem(LinkProblem::Kind::EmptyName, fields.name);
    link.name = fields.name;
    const auto direction = Direction(fields.direction);
    if (!direction)
        return Problem(LinkProblem::Kind::BadDirection, fields.direction);
    link.direction = *direction;
    const auto nominal = Nominal(fields.nominalMm);
    if (!nominal)
        return nominal.reason();
    link.nominal = *nominal;
    const auto limits = ResolveTolerance(tables, fields.tolerance, link.nominal);
    if (!limits)
        return limits.reason();
    link.tolerance = fields.tolerance;
    link.upper = limits->upper;
    link.lower = limits->lower;

    if (Given(fields.distribution)) {
        const auto distribution = ParseDistribution(*fields.distribution);
        if (!distribution)
            return Problem(LinkProblem::Kind::BadDistribution, *fields.distribution);
        link.distribution = *distribution;
    }
    if (Given(fields.cpk)) {
        const auto cpk = ParseDecimalNumber(*fields.cpk);
        if (!cpk || !(*cpk > 0))
            return Problem(LinkProblem::Kind::BadCpk, *fields.cpk);
        if (link.distribution != LinkDistribution::Normal)
            return Problem(LinkProblem::Kind::CpkNotNormal, *fields.cpk);
        link.cpk = *cpk;
    }
    if (Given(fields.meanShiftMm)) {
        const auto shift = ParseMillimetres(*fields.meanShiftMm);
        if (!shift)
            return Problem(LinkProblem::Kind::BadMeanShift, *fields.meanShiftMm);
        // The mean stays inside the zone: on a limit half the parts, or more, would be rejects.
        const ExactLength twice = ExactLength {2 * (shift->nm < 0 ? -shift->nm : shift->nm)};
        if (twice >= link.Tolerance())
            return Problem(LinkProblem::Kind::MeanShiftOutsideZone, *fields.meanShiftMm);
        link.meanShift = *shift;
    }
    return link;
}
