#include "cli/cli_text.h"
#include "cli/commands.h"
#include "cli/core_answers.h"
#include "core/decimal_text.h"
#include "core/scales.h"
#include "core/tolerance_class.h"
#include "dialog/calc_state.h"
#include "dialog/calculations.h"
#include "dialog/dialog_logic.h"
#include "dialog/memory_dialog_view.h"
#include "dialog/preferred_fits.h"

#include <ostream>

namespace {

// "H7" split into its letter list text, grade list text and basis.
struct ClassDesignation
{
    std::string letterText;
    std::string gradeText;
    int basis = kBasisHole;
};

std::optional<ClassDesignation> SplitClass(const std::string& classText)
{
    const auto parsed = ParseToleranceClass(classText);
    if (!parsed)
        return std::nullopt;
    const int basis = parsed->part == Part::Hole ? kBasisHole : kBasisShaft;
    return ClassDesignation {std::string(LetterTextsOf(basis)[static_cast<std::size_t>(parsed->letter)]),
                             std::string(GradeName(parsed->grade)), basis};
}

// The size text, read strictly: without a range it must be a size the dialog covers (larger ones
// never get here); with one, any plain decimal is taken, so that the dialog's warnings for a size
// outside the range still show.
bool CheckSizeText(const Request& request, std::ostream& err)
{
    if (!request.rangeText)
        return ReadSizeArgument(request.sizeText, err).has_value();
    const auto number = ParseFixedPoint(request.sizeText, 6);
    if (!number && number.reason() != NumberProblem::TooPrecise) {
        UsageError(err, "SIZE " + Quoted(request.sizeText) + " " + NumberProblemWords(number.reason(), "millimetres"));
        return false;
    }
    return true;
}

// Lists filled as the dialog fills them at start, then the grade, size and size range chosen.
// Nothing when a text is not on its list, after the usage message.
bool ChooseToleranceInputs(MemoryDialogView& view, const std::string& gradeText, const Request& request,
                           std::ostream& err)
{
    FillGradeList(view);
    FillSizeRangeList(view);
    if (!view.ChooseEntry(Control::GradeList, gradeText)) {
        UsageError(err, "unknown grade " + Quoted(gradeText));
        return false;
    }
    if (!CheckSizeText(request, err))
        return false;
    view.SetBoxText(Control::SizeBox, request.sizeText);
    if (request.rangeText) {
        if (!view.ChooseEntry(Control::SizeRangeList, *request.rangeText)) {
            UsageError(err, "unknown size range " + Quoted(*request.rangeText));
            return false;
        }
        return true;
    }
    if (const auto range = SizeRangeHolding(g_calcState.dNominal))
        view.ChooseEntry(Control::SizeRangeList, kSizeRangeTexts[static_cast<std::size_t>(*range)]);
    return true;
}

MemoryDialogView::MessageSink MessagesTo(std::ostream& err)
{
    return [&err](std::string_view text) {
        err << text << '\n';
    };
}

} // namespace

int RunTolerance(const std::string& gradeText, const Request& request, std::ostream& out, std::ostream& err)
{
    // Without a size range, grades and sizes beyond the dialog's lists are answered by the core.
    if (!request.rangeText) {
        const auto grade = PositionOf(kCoreGradeNames, gradeText);
        if (!grade)
            return UsageError(err, "unknown grade " + Quoted(gradeText));
        const auto size = ReadSizeArgument(request.sizeText, err);
        if (!size)
            return kExitUsage;
        if (!IsWithinTheDialog(*grade, *size))
            return AnswerToleranceFromCore(*grade, *size, out, err);
    }
    MemoryDialogView view(MessagesTo(err));
    if (!ChooseToleranceInputs(view, gradeText, request, err))
        return kExitUsage;
    CalcTolerance(view);
    out << view.BoxText(Control::ToleranceBox) << '\n';
    return kExitResult;
}

int RunDeviation(const std::string& classText, const Request& request, std::ostream& out, std::ostream& err)
{
    const auto designation = SplitClass(classText);
    if (!designation)
        return UsageError(err, Quoted(classText) + " is not a tolerance class such as H7 or js6");
    if (!request.rangeText) {
        const auto size = ReadSizeArgument(request.sizeText, err);
        if (!size)
            return kExitUsage;
        const ToleranceClass toleranceClass = *ParseToleranceClass(classText);
        if (!IsWithinTheDialog(toleranceClass.grade, *size))
            return AnswerDeviationFromCore(toleranceClass, *size, request.tables, out, err);
    }
    MemoryDialogView view(MessagesTo(err));
    if (!ChooseToleranceInputs(view, designation->gradeText, request, err))
        return kExitUsage;
    SelectBasis(view, designation->basis);
    if (!view.ChooseEntry(Control::LetterList, designation->letterText))
        return UsageError(err, "unknown fundamental deviation letter " + Quoted(designation->letterText));

    CalcDeviations(view, request.tables);
    const std::string upper = view.BoxText(Control::UpperDeviationBox);
    const std::string lower = view.BoxText(Control::LowerDeviationBox);
    if (upper.empty() || lower.empty())
        return kExitFailure;
    out << upper << ' ' << lower << '\n';
    if (!request.rangeText) {
        if (const auto size = ParseMillimetres(request.sizeText))
            NoteWhereTheStandardRefuses(*ParseToleranceClass(classText), *size, request.tables, err);
    }
    NoteUntabulatedClass(*ParseToleranceClass(classText), err);
    return kExitResult;
}

int RunFits(const std::string& fitClassText, const std::string& basisText, std::ostream& out, std::ostream& err)
{
    static constexpr std::array<std::string_view, 3> kFitClassNames = {"clearance", "transition", "interference"};
    static constexpr std::array<std::string_view, 2> kBasisNames = {"hole", "shaft"};
    const auto fitClass = PositionOf(kFitClassNames, fitClassText);
    const auto basis = PositionOf(kBasisNames, basisText);
    if (!fitClass)
        return UsageError(err, "unknown fit class " + Quoted(fitClassText));
    if (!basis)
        return UsageError(err, "unknown basis " + Quoted(basisText));

    MemoryDialogView view(MessagesTo(err));
    SelectBasis(view, *basis);
    ListPreferredFits(view, static_cast<FitType>(*fitClass));
    for (const std::string& fit : view.Entries(Control::FitsList))
        out << fit << '\n';
    return kExitResult;
}
