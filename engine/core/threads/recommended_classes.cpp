#include "core/threads/recommended_classes.h"

#include <string_view>

namespace {

struct Entry
{
    std::string_view name;
    ThreadQuality quality;
    EngagementLength length;
    bool bracketed;
};

using Q = ThreadQuality;
using L = EngagementLength;

// ISO 965-1:1998 table 11 (nuts) and table 12 (bolts), row by row.
constexpr Entry kEntries[] = {
    // Nuts, position G
    {"5G", Q::Medium, L::Short, true},
    {"6G", Q::Medium, L::Normal, false},
    {"7G", Q::Medium, L::Long, true},
    {"7G", Q::Coarse, L::Normal, true},
    {"8G", Q::Coarse, L::Long, true},
    // Nuts, position H
    {"4H", Q::Fine, L::Short, false},
    {"5H", Q::Fine, L::Normal, false},
    {"6H", Q::Fine, L::Long, false},
    {"5H", Q::Medium, L::Short, false},
    {"6H", Q::Medium, L::Normal, false},
    {"7H", Q::Medium, L::Long, false},
    {"7H", Q::Coarse, L::Normal, false},
    {"8H", Q::Coarse, L::Long, false},
    // Bolts, position e
    {"6e", Q::Medium, L::Normal, false},
    {"7e6e", Q::Medium, L::Long, true},
    {"8e", Q::Coarse, L::Normal, true},
    {"9e8e", Q::Coarse, L::Long, true},
    // Bolts, position f
    {"6f", Q::Medium, L::Normal, false},
    // Bolts, position g
    {"4g", Q::Fine, L::Normal, true},
    {"5g4g", Q::Fine, L::Long, true},
    {"5g6g", Q::Medium, L::Short, true},
    {"6g", Q::Medium, L::Normal, false},
    {"7g6g", Q::Medium, L::Long, true},
    {"8g", Q::Coarse, L::Normal, false},
    {"9g8g", Q::Coarse, L::Long, true},
    // Bolts, position h
    {"3h4h", Q::Fine, L::Short, true},
    {"4h", Q::Fine, L::Normal, false},
    {"5h4h", Q::Fine, L::Long, true},
    {"5h6h", Q::Medium, L::Short, true},
    {"6h", Q::Medium, L::Normal, false},
    {"7h6h", Q::Medium, L::Long, true},
};

} // namespace

std::vector<RecommendedUse> RecommendedUsesOf(const ThreadClass& threadClass)
{
    const std::string name = ThreadClassName(threadClass);
    std::vector<RecommendedUse> uses;
    for (const Entry& entry : kEntries) {
        if (entry.name == name)
            uses.push_back({entry.quality, entry.length, entry.bracketed});
    }
    return uses;
}
