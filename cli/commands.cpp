#include "commands.h"

#include "calc_state.h"
#include "calculations.h"
#include "dialog_logic.h"
#include "memory_dialog_view.h"
#include "preferred_fits.h"
#include "scales.h"

#include <algorithm>
#include <cctype>
#include <ostream>

namespace {

// A class designation split into its letter list text, grade list text and basis ("js6" is "js",
// "IT6", shaft). Nothing when it is not a letter of one case followed by a grade number.
struct ClassDesignation
{
    std::string letterText;
    std::string gradeText;
    int basis = kBasisHole;
};

std::optional<ClassDesignation> SplitClass(const std::string& classText)
{
    const auto isAlpha = [](unsigned char c) {
        return std::isalpha(c) != 0;
    };
    const auto firstDigit = std::find_if_not(classText.begin(), classText.end(), isAlpha);
    if (firstDigit == classText.begin() || firstDigit == classText.end())
        return std::nullopt;
    ClassDesignation designation;
    designation.letterText.assign(classText.begin(), firstDigit);
    designation.gradeText = "IT" + std::string(firstDigit, classText.end());
    const bool allUpper = std::all_of(designation.letterText.begin(), designation.letterText.end(),
                                      [](unsigned char c) { return std::isupper(c) != 0; });
    const bool allLower = std::all_of(designation.letterText.begin(), designation.letterText.end(),
                                      [](unsigned char c) { return std::islower(c) != 0; });
    if (!allUpper && !allLower)
        return std::nullopt;
    designation.basis = allUpper ? kBasisHole : kBasisShaft;
    return designation;
}

int UsageError(std::ostream& err, const std::string& what)
{
    err << "quorlan-cli: " << what << '\n' << kUsage;
    return kExitUsage;
}

// Lists filled as the dialog fills them at start, then the grade, size and size range chosen.
// Nothing when a text is not on its list, after the usage message.
bool ChooseToleranceInputs(MemoryDialogView& view, const std::string& gradeText, const Request& request,
                           std::ostream& err)
{
    FillGradeList(view);
    FillSizeRangeList(view);
    if (!view.ChooseEntry(Control::GradeList, gradeText)) {
        UsageError(err, "unknown grade '" + gradeText + "'");
        return false;
    }
    view.SetBoxText(Control::SizeBox, request.sizeText);
    if (request.rangeText) {
        if (!view.ChooseEntry(Control::SizeRangeList, *request.rangeText)) {
            UsageError(err, "unknown size range '" + *request.rangeText + "'");
            return false;
        }
        return true;
    }
    const auto range = SizeRangeHolding(g_calcState.dNominal);
    if (!range) {
        UsageError(err, "no size range holds the size '" + request.sizeText + "'; give one with --range");
        return false;
    }
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
        return UsageError(err, "'" + classText + "' is not a tolerance class such as H7 or js6");
    MemoryDialogView view(MessagesTo(err));
    if (!ChooseToleranceInputs(view, designation->gradeText, request, err))
        return kExitUsage;
    SelectBasis(view, designation->basis);
    if (!view.ChooseEntry(Control::LetterList, designation->letterText))
        return UsageError(err, "unknown fundamental deviation letter '" + designation->letterText + "'");

    CalcDeviations(view, request.tables);
    const std::string upper = view.BoxText(Control::UpperDeviationBox);
    const std::string lower = view.BoxText(Control::LowerDeviationBox);
    if (upper.empty() || lower.empty())
        return kExitFailure;
    out << upper << ' ' << lower << '\n';
    return kExitResult;
}

int RunFits(const std::string& fitClassText, const std::string& basisText, std::ostream& out, std::ostream& err)
{
    static constexpr std::array<std::string_view, 3> kFitClassNames = {"clearance", "transition", "interference"};
    static constexpr std::array<std::string_view, 2> kBasisNames = {"hole", "shaft"};
    const auto fitClass = PositionOf(kFitClassNames, fitClassText);
    const auto basis = PositionOf(kBasisNames, basisText);
    if (!fitClass)
        return UsageError(err, "unknown fit class '" + fitClassText + "'");
    if (!basis)
        return UsageError(err, "unknown basis '" + basisText + "'");

    MemoryDialogView view(MessagesTo(err));
    SelectBasis(view, *basis);
    ListPreferredFits(view, *fitClass);
    for (const std::string& fit : view.Entries(Control::FitsList))
        out << fit << '\n';
    return kExitResult;
}
