#include "core/tolerance_class.h"

#include "core/scales.h"

#include <algorithm>

namespace {

bool IsUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}

bool IsLower(char c)
{
    return c >= 'a' && c <= 'z';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string_view GradeName(int grade)
{
    if (grade < 0 || grade >= kCoreGradeCount)
        return "";
    return kCoreGradeNames[static_cast<std::size_t>(grade)];
}

Result<int, ClassTextProblem> ParseGradeName(std::string_view text)
{
    if (text.starts_with("IT"))
        text.remove_prefix(2);
    if (text.empty() || !std::all_of(text.begin(), text.end(), IsDigit))
        return ClassTextProblem::UnknownGrade;
    for (int grade = 0; grade < kCoreGradeCount; ++grade) {
        if (GradeName(grade).substr(2) == text)
            return grade;
    }
    return ClassTextProblem::UnknownGrade;
}

Result<ToleranceClass, ClassTextProblem> ParseToleranceClass(std::string_view text)
{
    const auto firstDigit = std::find_if(text.begin(), text.end(), IsDigit);
    const std::string_view letters = text.substr(0, static_cast<std::size_t>(firstDigit - text.begin()));
    const std::string_view digits = text.substr(letters.size());
    if (letters.empty() || digits.empty() || !std::all_of(digits.begin(), digits.end(), IsDigit))
        return ClassTextProblem::NotAClass;
    const bool upper = std::all_of(letters.begin(), letters.end(), IsUpper);
    const bool lower = std::all_of(letters.begin(), letters.end(), IsLower);
    if (!upper && !lower) {
        const bool alphabetic
            = std::all_of(letters.begin(), letters.end(), [](char c) { return IsUpper(c) || IsLower(c); });
        return alphabetic ? ClassTextProblem::MixedCase : ClassTextProblem::NotAClass;
    }
    const Part part = upper ? Part::Hole : Part::Shaft;
    const auto letter = PositionOf(LetterTextsOf(part == Part::Hole ? kBasisHole : kBasisShaft), letters);
    if (!letter)
        return ClassTextProblem::UnknownLetter;
    const auto grade = ParseGradeName(digits);
    if (!grade)
        return grade.reason();
    return ToleranceClass {part, *letter, *grade};
}

std::string ClassName(const ToleranceClass& toleranceClass)
{
    const auto letters = LetterTextsOf(toleranceClass.part == Part::Hole ? kBasisHole : kBasisShaft);
    if (toleranceClass.letter < 0 || toleranceClass.letter >= kLetterCount)
        return "";
    return std::string(letters[static_cast<std::size_t>(toleranceClass.letter)])
        + std::string(GradeName(toleranceClass.grade).substr(2));
}

namespace {

FitTextProblem Problem(FitTextProblem::Kind kind, Part part = Part::Hole)
{
    FitTextProblem problem;
    problem.kind = kind;
    problem.part = part;
    return problem;
}

// One side of the slash: a class of the expected part, or why not.
Result<ToleranceClass, FitTextProblem> ParseFitPart(std::string_view text, Part expected)
{
    const auto parsed = ParseToleranceClass(text);
    if (!parsed) {
        FitTextProblem problem = Problem(FitTextProblem::Kind::BadClass, expected);
        problem.partText = std::string(text);
        problem.classProblem = parsed.reason();
        return problem;
    }
    if (parsed->part != expected)
        return Problem(FitTextProblem::Kind::WrongCase, expected);
    return *parsed;
}

} // namespace

Result<FitDesignation, FitTextProblem> ParseFitDesignation(std::string_view text)
{
    if (text.empty())
        return Problem(FitTextProblem::Kind::Empty);
    const auto slash = text.find('/');
    if (slash == std::string_view::npos)
        return Problem(FitTextProblem::Kind::NoSlash);
    const auto hole = ParseFitPart(text.substr(0, slash), Part::Hole);
    if (!hole)
        return hole.reason();
    const auto shaft = ParseFitPart(text.substr(slash + 1), Part::Shaft);
    if (!shaft)
        return shaft.reason();
    return FitDesignation {*hole, *shaft};
}

std::string FitName(const FitDesignation& fit)
{
    return ClassName(fit.hole) + "/" + ClassName(fit.shaft);
}
