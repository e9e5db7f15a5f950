#pragma once

#include "core/fit_type.h"

class DialogView;

// A fit-class button: stores the class and fills the fits list for the calculation state's basis.
void ListPreferredFits(DialogView& view, FitType type);
