#pragma once

#include <filesystem>
#include <optional>

class DialogView;

// Folder that holds the five files; the empty path is the current directory.
using TableFolder = std::filesystem::path;

// The dialog's reads of the deviation table files: each call reads its one file again, so that an
// edit takes effect at the next calculation, and shows the dialog's messages where they apply.

// Fundamental deviation of a letter for a size band and grade, in micrometres (for JS and js half
// the calculation state's standard tolerance, in mm). Nothing when no value can be given: the file
// is missing or malformed, the letter has no value for the grade or the band, or an input is off
// its scale. Shows the file message and the no-column message where they apply.
std::optional<double> ReadFundamentalDeviation(DialogView& view, const TableFolder& folder, int sizeBand, int letter,
                                               int basis, int grade);

// Delta value of a size band and grade, in micrometres; nothing when it cannot be read (after the
// file message).
std::optional<double> ReadDeltaValue(DialogView& view, const TableFolder& folder, int sizeBand, int grade);
