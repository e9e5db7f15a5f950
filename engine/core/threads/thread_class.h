#pragma once

#include "core/threads/thread_tolerance_tables.h"

#include <string>

// A tolerance class of a thread: one position and two grades, the pitch diameter's first and the
// crest diameter's (the bolt's major, the nut's minor) second, as ISO 965-1 writes them: "4h6h",
// "5H6H"; one grade when both are the same: "6g", "7H".
struct ThreadClass
{
    ThreadPosition position = ThreadPosition::H;
    int pitchGrade = 6;
    int crestGrade = 6;

    bool IsNut() const { return IsNutPosition(position); }

    friend bool operator==(const ThreadClass&, const ThreadClass&) = default;
};

// "6g", "4h6h", "5H6H".
std::string ThreadClassName(const ThreadClass& threadClass);

// The position's letter: 'e', 'f', 'g', 'h', 'G', 'H'.
char PositionLetter(ThreadPosition position);
