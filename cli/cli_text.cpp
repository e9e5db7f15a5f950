#include "cli_text.h"

#include "commands.h"
#include "decimal_text.h"
#include "scales.h"

#include <ostream>

int UsageError(std::ostream& err, const std::string& what)
{
    err << "quorlan-cli: " << what << "\n(quorlan-cli --help explains the commands)\n";
    return kExitUsage;
}

std::string Quoted(std::string_view text)
{
    return "'" + QuotePrefix(text) + "'";
}

std::optional<ExactLength> ReadSizeArgument(std::string_view text, std::ostream& err)
{
    const auto size = ParseMillimetres(text);
    if (!size) {
        const bool tooPrecise = size.reason() == NumberProblem::TooPrecise;
        UsageError(err,
                   "SIZE " + Quoted(text)
                       + (tooPrecise ? " has more than six decimals" : " is not a decimal number of millimetres"));
        return std::nullopt;
    }
    if (size->nm <= 0 || *size > ExactLength::FromMm(kLargestSizeMm)) {
        UsageError(err, "SIZE " + Quoted(text) + " is not over 0 and up to " + std::to_string(kLargestSizeMm) + " mm");
        return std::nullopt;
    }
    return *size;
}

std::string FailureText(const Failure& failure, const std::filesystem::path& tables)
{
    const std::string file = "table file '" + (tables / TableFileName(failure.table)).string() + "'";
    switch (failure.kind) {
    case Failure::Kind::NoStandardValue:
        return "the standard gives no value";
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
    }
    return "unknown failure";
}

std::string SignedUm(ExactLength length)
{
    return (length.nm > 0 ? "+" : "") + FormatUm(length);
}
