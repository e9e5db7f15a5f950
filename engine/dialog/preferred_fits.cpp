#include "dialog/preferred_fits.h"

#include "core/preferred_fit_lists.h"
#include "dialog/calc_state.h"
#include "dialog/dialog_view.h"

void ListPreferredFits(DialogView& view, FitType type)
{
    view.EmptyList(Control::FitsList);
    g_calcState.nFitClass = static_cast<int>(type);
    const auto fits = PreferredFits(g_calcState.nBasis, type);
    for (std::size_t position = 0; position < fits.size(); ++position)
        view.InsertListEntry(Control::FitsList, static_cast<int>(position), fits[position]);
}
