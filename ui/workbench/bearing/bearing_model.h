#pragma once

#include "core/bearings/bearing_fit.h"
#include "core/result.h"
#include "workbench/analysis/analysis_model.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <variant>

// The bearing seat tab's one calculation: a rolling bearing's ring on its seat, from the window's
// size, the seat's class as typed and the bearing's tolerance class. A shaft class seats the inner
// ring, a hole (housing) class the outer. Plain C++: the words are bearing_texts'.

// The seat's class does not read: empty, or the core's reason with the text as typed.
struct SeatTextProblem
{
    bool empty = false;
    ClassTextProblem problem = ClassTextProblem::NotAClass;
    std::string typed;
};

// The tables give no fit: the ring's table or the seat's class at that size.
struct SeatRefusal
{
    BearingFitFailure failure;
    ToleranceClass seat;
    ExactLength size;
};

using BearingProblem = std::variant<SizeProblem, SeatTextProblem, SeatRefusal>;

// Reads the deviation tables of the folder (empty: the current directory) on every call, as the
// analysis tab does.
Result<BearingFit, BearingProblem> AnalyseTypedSeat(const std::filesystem::path& tablesFolder,
                                                    std::string_view sizeText, std::string_view seatText,
                                                    BearingClass bearingClass);
