#include "core/chains/link_tolerance.h"

#include "core/decimal_text.h"
#include "core/general/general_classes.h"
#include "core/tolerance_class.h"

#include <optional>
#include <string>

namespace {

constexpr std::string_view kPlusMinus = "\u00b1";
constexpr std::string_view kUnicodeMinus = "\u2212";

// The text with every typeset minus an ASCII one, so that the strict number reader takes it.
std::string AsciiMinus(std::string_view text)
{
    std::string ascii;
    ascii.reserve(text.size());
    while (!text.empty()) {
        if (text.starts_with(kUnicodeMinus)) {
            ascii += '-';
            text.remove_prefix(kUnicodeMinus.size());
        } else {
            ascii += text.front();
            text.remove_prefix(1);
        }
    }
    return ascii;
}

LinkProblem Problem(LinkProblem::Kind kind, std::string_view text)
{
    return {kind, std::string(text), {}, GeneralRefusal::NotPositive};
}

Result<ExactLength, LinkProblem> Deviation(std::string_view number, std::string_view whole)
{
    const auto value = ParseMillimetres(number);
    if (value)
        return *value;
    return Problem(value.reason() == NumberProblem::TooPrecise ? LinkProblem::Kind::ToleranceTooPrecise
                                                               : LinkProblem::Kind::ToleranceNotRead,
                   whole);
}

Result<LimitDeviations, LinkProblem> Symmetric(std::string_view number, std::string_view whole)
{
    const auto half = Deviation(number, whole);
    if (!half)
        return half.reason();
    if (half->nm < 0 || number.starts_with('-') || number.starts_with('+'))
        return Problem(half->nm < 0 ? LinkProblem::Kind::NegativeTolerance : LinkProblem::Kind::ToleranceNotRead,
                       whole);
    return LimitDeviations {*half, -*half};
}

Result<LimitDeviations, LinkProblem> UpperOverLower(std::string_view text, std::size_t slash, std::string_view whole)
{
    const auto upper = Deviation(text.substr(0, slash), whole);
    if (!upper)
        return upper.reason();
    const auto lower = Deviation(text.substr(slash + 1), whole);
    if (!lower)
        return lower.reason();
    if (*upper < *lower)
        return Problem(LinkProblem::Kind::DeviationsReversed, whole);
    return LimitDeviations {*upper, *lower};
}

// "2768-m", "ISO 2768-m", "GB/T 1804-m": the standard and the linear class.
std::optional<std::pair<GeneralStandard, LinearClass>> GeneralClassOf(std::string_view text)
{
    std::optional<GeneralStandard> standard;
    for (const auto& [prefix, which] : {std::pair {std::string_view("ISO 2768-"), GeneralStandard::Iso},
                                        std::pair {std::string_view("2768-"), GeneralStandard::Iso},
                                        std::pair {std::string_view("GB/T 1804-"), GeneralStandard::Gb},
                                        std::pair {std::string_view("1804-"), GeneralStandard::Gb}}) {
        if (!standard && text.starts_with(prefix)) {
            standard = which;
            text.remove_prefix(prefix.size());
        }
    }
    if (!standard || text.size() != 1)
        return std::nullopt;
    const auto classes = ParseGeneralClasses(text);
    if (!classes || !classes->linear)
        return std::nullopt;
    return std::pair {*standard, *classes->linear};
}

} // namespace

Result<LimitDeviations, LinkProblem> ResolveTolerance(const DeviationTables& tables, std::string_view text,
                                                      ExactLength nominal)
{
    const std::string ascii = AsciiMinus(text);
    const std::string_view written = ascii;
    if (written.starts_with(kPlusMinus))
        return Symmetric(written.substr(kPlusMinus.size()), text);
    if (written.starts_with("+-"))
        return Symmetric(written.substr(2), text);
    if (const std::size_t slash = written.find('/'); slash != std::string_view::npos && !written.starts_with("GB/T"))
        return UpperOverLower(written, slash, text);
    if (const auto general = GeneralClassOf(written)) {
        const auto tolerance = FindGeneralTolerance(GeneralKind::Linear, general->second, general->first, nominal);
        if (!tolerance)
            return LinkProblem {LinkProblem::Kind::GeneralUndefined, std::string(text), {}, tolerance.reason()};
        return LimitDeviations {tolerance->deviation, -tolerance->deviation};
    }
    const auto toleranceClass = ParseToleranceClass(written);
    if (!toleranceClass)
        return Problem(LinkProblem::Kind::ToleranceNotRead, text);
    const auto limits = LimitDeviationsOf(tables, *toleranceClass, nominal);
    if (!limits)
        return LinkProblem {LinkProblem::Kind::ClassUndefined, std::string(text), limits.reason(),
                            GeneralRefusal::NotPositive};
    return *limits;
}
