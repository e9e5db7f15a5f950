#include "cli_text.h"

#include "commands.h"
#include "parse_error_text.h"
#include "scales.h"

#include <ostream>

int UsageError(std::ostream& err, const std::string& what)
{
    err << "quorlan-cli: " << what << "\n(quorlan-cli --help explains the commands)\n";
    return kExitUsage;
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

namespace {

std::string NoValueText(Failure::Undefined undefined)
{
    switch (undefined) {
    case Failure::Undefined::InTables:
        break;
    case Failure::Undefined::Above500Mm:
        return "the standard gives it only up to 500 mm";
    case Failure::Undefined::AtThisGrade:
        return "the standard gives this letter only in finer grades";
    }
    return "the standard gives no value";
}

} // namespace

std::string FailureText(const Failure& failure, const std::filesystem::path& tables)
{
    const std::string file = "table file '" + (tables / TableFileName(failure.table)).string() + "'";
    switch (failure.kind) {
    case Failure::Kind::NoStandardValue:
        return NoValueText(failure.undefined);
    case Failure::Kind::NotUsedAtThisSize:
        return "the standard rules it out for sizes of 1 mm and less";
    case Failure::Kind::SizeOffScale:
        return "the size is off the scale";
    case Failure::Kind::GradeOffScale:
        return "the grade is off the scale";
    case Failure::Kind::TableMissing:
        return file + " is missing or cannot be read";
    case Failure::Kind::TableNotAFile:
        return file + " is not a regular file";
    case Failure::Kind::TableTooLarge:
        return file + " is far larger than any table and was not read";
    case Failure::Kind::TableMalformed:
        return file + " is malformed at line " + std::to_string(failure.line) + ", field "
            + std::to_string(failure.field);
    case Failure::Kind::TableLineMissing: {
        const std::string missing = file + " has no line " + std::to_string(failure.line);
        if (failure.line < 1 || failure.line > kCoreSizeBandCount)
            return missing;
        const auto [from, to] = SizeBandBounds(failure.line - 1);
        return missing + ", the line for sizes over " + FormatMm(from) + " to " + FormatMm(to) + " mm";
    }
    }
    return "unknown failure";
}

std::string FitFailureText(const FitDesignation& fit, const FitFailure& failure, ExactLength size,
                           const std::filesystem::path& tables)
{
    const bool hole = failure.part == Part::Hole;
    return std::string(hole ? "hole " : "shaft ") + ClassName(hole ? fit.hole : fit.shaft) + " at " + FormatMm(size)
        + " mm: " + FailureText(failure.failure, tables);
}

std::string SignedUm(ExactLength length)
{
    return (length.nm > 0 ? "+" : "") + FormatUm(length);
}

std::string FixedMm4(ExactLength length)
{
    // Ten-thousandths of a millimetre, rounded half away from zero (ISO 286 values need no rounding).
    const std::uint64_t magnitudeNm = length.nm < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(length.nm)
                                                    : static_cast<std::uint64_t>(length.nm);
    const std::uint64_t units = (magnitudeNm + 50) / 100;
    std::string fraction = std::to_string(units % 10'000);
    fraction.insert(0, 4 - fraction.size(), '0');
    return (length.nm < 0 && units != 0 ? "-" : "") + std::to_string(units / 10'000) + "." + fraction;
}
