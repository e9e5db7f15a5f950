#pragma once

#include "finder_model.h"

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

std::string FinderProblemText(const FinderProblem& problem, const std::filesystem::path& tablesFolder);

// Above the list: how many fits were found and how many are listed.
std::string FinderCountText(int found, int listed);
