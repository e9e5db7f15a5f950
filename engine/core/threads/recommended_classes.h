#pragma once

#include "core/threads/thread_class.h"

#include <vector>

// The tolerance classes ISO 965-1 recommends (1998, tables 11 and 12), by tolerance quality and
// length of engagement. Bracketed classes are the standard's third choice; the others its first and
// second (the ten of the fine and medium qualities are those ISO 965-6 prints limits for).
enum class ThreadQuality { Fine, Medium, Coarse };
enum class EngagementLength { Short, Normal, Long }; // S, N, L

struct RecommendedUse
{
    ThreadQuality quality;
    EngagementLength length;
    bool bracketed; // third choice
};

// Where the standard recommends the class; empty for a class it does not recommend.
std::vector<RecommendedUse> RecommendedUsesOf(const ThreadClass& threadClass);
