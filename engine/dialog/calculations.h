#pragma once

#include "dialog/deviation_tables.h"

class DialogView;

// The two calculate commands of the main dialog, written against the dialog view alone so that the
// Qt dialog and the command line run the same steps.

// Takes the size range and grade from their lists, stores and shows the standard tolerance.
void CalcTolerance(DialogView& view);

// Refreshes the tolerance, then takes the letter and the size box and shows the limit deviations,
// or the failure message with both deviation boxes left empty.
void CalcDeviations(DialogView& view, const TableFolder& folder);
