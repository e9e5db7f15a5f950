#include "preferred_fits.h"

#include "calc_state.h"
#include "dialog_view.h"
#include "preferred_fit_lists.h"

void ListPreferredFits(DialogView& view, int fitClass)
{
    view.EmptyList(Control::FitsList);
    g_calcState.nFitClass = fitClass;
    const auto fits = PreferredFits(g_calcState.nBasis, fitClass);
    for (std::size_t position = 0; position < fits.size(); ++position)
        view.InsertListEntry(Control::FitsList, static_cast<int>(position), fits[position]);
}
