#include "answers/refusal_text.h"

#include "core/decimal_text.h"
#include "core/printable_text.h"
#include "core/scales.h"

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
    const std::string file = "table file '" + PathText(tables / TableFileName(failure.table)) + "'";
    switch (failure.kind) {
    case Failure::Kind::NoStandardValue:
        return NoValueText(failure.undefined);
    case Failure::Kind::NotUsedAtThisSize:
        return "the standard rules it out for sizes of 1 mm and less";
    case Failure::Kind::SizeOffScale:
        return "the size is off the scale";
    case Failure::Kind::GradeOffScale:
        return "the grade is off the scale";
    case Failure::Kind::LetterOffScale:
        return "the letter is off the scale";
    case Failure::Kind::LimitSizeNotPositive:
        return "its smallest limit of size would be zero or less, so there is no such part";
    case Failure::Kind::TableMissing:
        return file + " is missing or cannot be read";
    case Failure::Kind::TableNotAFile:
        return file + " is not a regular file";
    case Failure::Kind::TableEmpty:
        return file + " is empty";
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

ReasonCode FailureReason(const Failure& failure)
{
    switch (failure.kind) {
    case Failure::Kind::NoStandardValue:
        return "no_standard_value";
    case Failure::Kind::NotUsedAtThisSize:
        return "not_used_at_this_size";
    case Failure::Kind::SizeOffScale:
        return "size_off_scale";
    case Failure::Kind::GradeOffScale:
        return "grade_off_scale";
    case Failure::Kind::LetterOffScale:
        return "letter_off_scale";
    case Failure::Kind::LimitSizeNotPositive:
        return "limit_size_not_positive";
    case Failure::Kind::TableMissing:
        return "table_missing";
    case Failure::Kind::TableNotAFile:
        return "table_not_a_file";
    case Failure::Kind::TableEmpty:
        return "table_empty";
    case Failure::Kind::TableTooLarge:
        return "table_too_large";
    case Failure::Kind::TableMalformed:
        return "table_malformed";
    case Failure::Kind::TableLineMissing:
        return "table_line_missing";
    }
    return "unknown_failure";
}

AnswerRefusal RefusalOf(const Failure& failure, std::string message)
{
    const bool badInput = failure.kind == Failure::Kind::SizeOffScale || failure.kind == Failure::Kind::GradeOffScale;
    return badInput ? BadInput(FailureReason(failure), std::move(message))
                    : Refused(FailureReason(failure), std::move(message));
}

std::string FitTextProblemText(const FitTextProblem& problem)
{
    using Kind = FitTextProblem::Kind;
    const bool hole = problem.part == Part::Hole;
    switch (problem.kind) {
    case Kind::Empty:
    case Kind::NoSlash:
        return "is not a hole class, a slash and a shaft class, such as H7/g6";
    case Kind::WrongCase:
        return hole ? "needs the hole (upper case) before the slash" : "needs the shaft (lower case) after the slash";
    case Kind::BadClass:
        break;
    }
    std::string text
        = hole ? "does not start with a hole class such as H7" : "does not end with a shaft class such as g6";
    const std::string typed = "'" + PrintableText(QuotePrefix(problem.partText)) + "'";
    switch (problem.classProblem) {
    case ClassTextProblem::NotAClass:
        return text + ": " + typed + " is not a letter and a grade";
    case ClassTextProblem::MixedCase:
        return text + ": " + typed + " mixes upper case (a hole) and lower case (a shaft)";
    case ClassTextProblem::UnknownLetter: {
        const std::string letters = problem.partText.substr(0, problem.partText.find_first_of("0123456789"));
        return text + ": there is no fundamental deviation '" + PrintableText(QuotePrefix(letters))
            + "' (holes A to ZC, shafts a to zc)";
    }
    case ClassTextProblem::UnknownGrade:
        return text + ": " + typed + " has no grade IT01 to IT18";
    }
    return text;
}
