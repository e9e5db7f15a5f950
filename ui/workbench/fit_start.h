#pragma once

#include <string>

// What the workbench opens on: the texts of its size field and its fit field.
struct FitStart
{
    std::string sizeText = "25";
    std::string designation = "H7/g6";
};

// What the main dialog holds: the size it read from its size box, the basis and the positions
// chosen in its letter and grade lists (-1: none).
struct DialogChoices
{
    double nominal_mm = 0;
    int basis = -1;
    int letter = -1;
    int grade = -1;
};

// The dialog's size when the window can use it (over 0 and up to 500 mm, to the nanometre); the
// chosen letter and grade as the hole (hole basis) or the shaft (shaft basis), the other part taken
// from the basis' first preferred fit; FitStart's defaults for whatever is missing.
FitStart FitStartFrom(const DialogChoices& choices);
