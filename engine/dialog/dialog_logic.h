#pragma once

class DialogView;

// What the main dialog's events do to the calculation state and the controls, through the view.

// Fills the grade and size-range lists in scale order, nothing chosen.
void FillGradeList(DialogView& view);
void FillSizeRangeList(DialogView& view);

// A basis button: the letter list of that basis (28 entries, nothing chosen) and the basis stored.
void SelectBasis(DialogView& view, int basis);

// The size box changed: its text, read as atof reads it, becomes the nominal size.
void StoreNominalSize(const DialogView& view);

// The two clear buttons.
void ClearToleranceSide(DialogView& view);
void ClearDeviationSide(DialogView& view);
