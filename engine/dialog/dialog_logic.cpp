#include "dialog/dialog_logic.h"

#include "core/scales.h"
#include "dialog/calc_state.h"
#include "dialog/dialog_view.h"
#include "dialog/number_text.h"

#include <span>
#include <string_view>

namespace {

void FillList(DialogView& view, Control list, std::span<const std::string_view> texts)
{
    for (std::size_t position = 0; position < texts.size(); ++position)
        view.InsertListEntry(list, static_cast<int>(position), texts[position]);
}

} // namespace

void FillGradeList(DialogView& view)
{
    FillList(view, Control::GradeList, kGradeTexts);
}

void FillSizeRangeList(DialogView& view)
{
    FillList(view, Control::SizeRangeList, kSizeRangeTexts);
}

void SelectBasis(DialogView& view, int basis)
{
    view.EmptyList(Control::LetterList);
    g_calcState.nBasis = basis;
    FillList(view, Control::LetterList, LetterTextsOf(basis));
}

void StoreNominalSize(const DialogView& view)
{
    g_calcState.dNominal = ParseLeadingDecimal(view.BoxText(Control::SizeBox));
}

void ClearToleranceSide(DialogView& view)
{
    view.SetBoxText(Control::ToleranceBox, "");
    view.SetBoxText(Control::SizeBox, "");
    view.DeselectList(Control::SizeRangeList);
    view.DeselectList(Control::GradeList);
}

void ClearDeviationSide(DialogView& view)
{
    view.SetBoxText(Control::UpperDeviationBox, "");
    view.SetBoxText(Control::LowerDeviationBox, "");
    view.DeselectList(Control::LetterList);
}
