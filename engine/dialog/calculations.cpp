#include "dialog/calculations.h"

#include "dialog/calc_state.h"
#include "dialog/deviation_rules.h"
#include "dialog/dialog_view.h"
#include "dialog/messages.h"
#include "dialog/number_text.h"
#include "dialog/tolerance_table.h"

void CalcTolerance(DialogView& view)
{
    g_calcState.nSizeRange = view.SelectedPosition(Control::SizeRangeList);
    g_calcState.nGrade = view.SelectedPosition(Control::GradeList);
    const double tolerance = GetStandardTolerance(view);
    g_calcState.dTolerance = tolerance;
    if (g_calcState.nSizeRange != -1 || g_calcState.nGrade != -1)
        view.SetBoxText(Control::ToleranceBox, FormatFixed4(tolerance));
}

void CalcDeviations(DialogView& view, const TableFolder& folder)
{
    CalcTolerance(view);
    view.SetBoxText(Control::UpperDeviationBox, "");
    view.SetBoxText(Control::LowerDeviationBox, "");
    g_calcState.nLetter = view.SelectedPosition(Control::LetterList);
    g_calcState.dNominal = ParseLeadingDecimal(view.BoxText(Control::SizeBox));
    if (!FindDeviations(view, folder)) {
        view.ShowMessage(kMsgNoFundamentalDeviation);
        return;
    }
    view.SetBoxText(Control::UpperDeviationBox, FormatFixed4(g_calcState.dUpper));
    view.SetBoxText(Control::LowerDeviationBox, FormatFixed4(g_calcState.dLower));
}
