#pragma once

#include "workbench/thread/thread_model.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The thread tab's words, in the window's language (text_language.h), with the engine's figures
// (presentation/thread_figures.h). The report takes them from here too, so that each is worded
// once. Plain C++.

// A diameter's limits: its caption ("中径 D2"), the largest and the smallest size in mm and its
// tolerance in µm; "—" where ISO 965-1 gives none (a nut's largest major diameter).
struct ThreadLimitRow
{
    std::string caption;
    std::string maxMm;
    std::string minMm;
    std::string toleranceUm;
};

struct ThreadPartTexts
{
    std::string heading; // "内螺纹 6H"
    std::string deviation; // "基本偏差 EI = 0 µm"
    std::array<ThreadLimitRow, 3> rows; // major, pitch, then the minor (nut) or root (bolt) diameter
};

struct ThreadTexts
{
    std::string designation; // "M10-6H/6g"
    std::string series; // "螺距 1.5 mm，粗牙"
    std::array<std::pair<std::string, std::string>, 4> basic; // caption, "9.026 mm"
    std::optional<ThreadPartTexts> nut;
    std::optional<ThreadPartTexts> bolt;
    std::vector<std::pair<std::string, std::string>> fit; // the smallest and largest clearance, where both parts are
    std::vector<std::string> recommended; // one line per part: "内螺纹 6H：中等精度，中等旋合长度 N"
};

ThreadTexts DescribeThread(const ThreadAnalysis& analysis);

std::string ThreadProblemText(const ThreadProblem& problem);

// The captions of the parts' tables: the largest and smallest size, the tolerance.
std::array<std::string, 3> ThreadLimitColumns();

// "1.5（粗牙）" for a picker of pitches.
std::string CoarsePitchWords(const std::string& pitchMm);
