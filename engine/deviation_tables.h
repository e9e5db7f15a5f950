#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

class DialogView;

// The five deviation table files, opened by these names in the tables' folder.
inline constexpr std::string_view kShaftTableFile = "es_ei_z.ini";
inline constexpr std::string_view kHoleTableFile = "ES_EI_H.ini";
inline constexpr std::string_view kShaftJKTableFile = "es_ei_j_k_z.ini";
inline constexpr std::string_view kHoleJKMNTableFile = "ES_EI_J_K_H.ini";
inline constexpr std::string_view kDeltaTableFile = "ES_EI_H_BT.ini";

// Folder that holds the five files; the empty path is the current directory.
using TableFolder = std::filesystem::path;

// Fundamental deviation of a letter for a size band and grade, in micrometres (for JS and js half
// the calculation state's standard tolerance, in mm). Nothing when no value can be given: the file
// is missing or malformed, the letter has no value for the grade or the band, or an input is off
// its scale. Shows the file message and the no-column message where they apply.
std::optional<double> ReadFundamentalDeviation(DialogView& view, const TableFolder& folder, int sizeBand, int letter,
                                               int basis, int grade);

// Delta value of a size band and grade, in micrometres; nothing when it cannot be read (after the
// file message).
std::optional<double> ReadDeltaValue(DialogView& view, const TableFolder& folder, int sizeBand, int grade);
