#pragma once

#include "workbench/finder/finder_model.h"

#include <filesystem>
#include <string>
#include <vector>

// The fit finder tab's words, in the window's language (text_language.h). Plain C++.

struct FinderRow
{
    std::string fit; // "H7/g6"
    std::string type; // clearance, transition or interference fit
    std::string minClearance; // "+9", "-15": µm, interference negative as everywhere in the window
    std::string maxClearance;
    std::string fitTolerance; // "41"
    bool preferred = false;
};

FinderRow DescribeFoundFit(const FoundFit& fit);

// A fit that holds the load, as the finder lists it in its load mode.
struct LoadFinderRow
{
    std::string fit;
    std::string slipSafety; // "1.61": the worse state's
    std::string hubSafety;
    std::string shaftSafety;
    std::string pressForce; // "31500 N"
    std::string hubAssemblyTemp; // "212.3 °C"
    std::string shaftAssemblyTemp;
    std::string warnings; // the warnings' short names, "未给 Rz、…"; empty: none
    std::vector<std::string> warningSentences; // each in full
    bool preferred = false;
};

LoadFinderRow DescribeLoadFit(const LoadFoundFit& fit);

std::string FinderProblemText(const FinderProblem& problem, const std::filesystem::path& tablesFolder);

// Above the list: how many fits were found and how many are listed.
std::string FinderCountText(int found, int listed);
std::string LoadFinderCountText(int found, int listed);
