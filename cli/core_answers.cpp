#include "cli/core_answers.h"

#include "cli/cli_text.h"
#include "cli/commands.h"
#include "core/limit_deviations.h"
#include "core/loaded_tables.h"
#include "core/scales.h"
#include "core/standard_tolerances.h"

#include <ostream>

namespace {

void NoteExperimentalGrade(int grade, ExactLength size, std::ostream& err)
{
    if (IsExperimentalTolerance(grade, size))
        err << "quorlan-cli: " << kExperimentalGradeNote << '\n';
}

int Refuse(const std::string& what, ExactLength size, const Failure& failure, const std::filesystem::path& tables,
           std::ostream& err)
{
    err << "quorlan-cli: " << what << " at " << FormatMm(size) << " mm: " << FailureText(failure, tables) << '\n';
    return kExitFailure;
}

} // namespace

void NoteUntabulatedClass(const ToleranceClass& toleranceClass, std::ostream& err)
{
    if (const auto note = UntabulatedNote(toleranceClass))
        err << "quorlan-cli: " << *note << '\n';
}

bool IsWithinTheDialog(int grade, ExactLength size)
{
    return grade >= 0 && grade < kGradeCount && size <= ExactLength::FromMm(kDialogLargestSizeMm);
}

int AnswerToleranceFromCore(int grade, ExactLength size, std::ostream& out, std::ostream& err)
{
    const auto tolerance = StandardTolerance(grade, size);
    if (!tolerance)
        return Refuse(std::string(GradeName(grade)), size, tolerance.reason(), {}, err);
    out << FixedMm4(*tolerance) << '\n';
    NoteExperimentalGrade(grade, size, err);
    return kExitResult;
}

int AnswerDeviationFromCore(const ToleranceClass& toleranceClass, ExactLength size, const std::filesystem::path& tables,
                            std::ostream& out, std::ostream& err)
{
    const auto deviations = LimitDeviationsOf(LoadDeviationTables(tables), toleranceClass, size);
    if (!deviations)
        return Refuse(ClassName(toleranceClass), size, deviations.reason(), tables, err);
    out << FixedMm4(deviations->upper) << ' ' << FixedMm4(deviations->lower) << '\n';
    NoteExperimentalGrade(toleranceClass.grade, size, err);
    NoteUntabulatedClass(toleranceClass, err);
    return kExitResult;
}

void NoteWhereTheStandardRefuses(const ToleranceClass& toleranceClass, ExactLength size,
                                 const std::filesystem::path& tables, std::ostream& err)
{
    const auto deviations = LimitDeviationsOf(LoadDeviationTables(tables), toleranceClass, size);
    if (deviations)
        return;
    const Failure::Kind kind = deviations.reason().kind;
    if (kind != Failure::Kind::NoStandardValue && kind != Failure::Kind::NotUsedAtThisSize)
        return;
    err << "quorlan-cli: note: " << ClassName(toleranceClass) << " at " << FormatMm(size)
        << " mm: " << FailureText(deviations.reason(), tables) << "; the values above are the dialog's\n";
}
