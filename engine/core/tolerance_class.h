#pragma once

#include "core/result.h"

#include <compare>
#include <string>
#include <string_view>

enum class Part { Hole, Shaft };

// A tolerance class: a fundamental deviation letter (letter index, A/a = 0 ... ZC/zc = 27) and a
// grade (grade index, IT01 = 0, IT0 = 1, ITn = n + 1), of a hole (upper case) or a shaft.
struct ToleranceClass
{
    Part part = Part::Hole;
    int letter = 0;
    int grade = 0;

    friend auto operator<=>(const ToleranceClass&, const ToleranceClass&) = default;
};

enum class ClassTextProblem {
    NotAClass, // not letters followed by digits
    MixedCase, // "Js7": upper and lower case letters together
    UnknownLetter, // "I7", "w6"
    UnknownGrade, // "H19", "h", "H007"
};

// "H7", "js6", "ZC10", "h01", "H0".
Result<ToleranceClass, ClassTextProblem> ParseToleranceClass(std::string_view text);

// The designation of a class, as ParseToleranceClass reads it: "H7", "js6", "h01".
std::string ClassName(const ToleranceClass& toleranceClass);

// "IT7", "IT01", "IT18"; empty off the scale.
std::string_view GradeName(int grade);

// A grade written as its name with or without "IT": "7", "IT7", "01" (IT01, not IT1).
Result<int, ClassTextProblem> ParseGradeName(std::string_view text);

struct FitDesignation
{
    ToleranceClass hole;
    ToleranceClass shaft;

    friend auto operator<=>(const FitDesignation&, const FitDesignation&) = default;
};

// Why a text is no fit designation, read left to right: the first part at fault is named.
struct FitTextProblem
{
    enum class Kind {
        Empty,
        NoSlash, // not "HOLE/SHAFT"
        WrongCase, // a shaft class before the slash, or a hole class after it
        BadClass, // one part is no tolerance class
    };
    Kind kind = Kind::NoSlash;
    Part part = Part::Hole; // for WrongCase and BadClass: the side of the slash at fault
    std::string partText; // that side as written, for BadClass
    ClassTextProblem classProblem = ClassTextProblem::NotAClass; // for BadClass

    friend bool operator==(const FitTextProblem&, const FitTextProblem&) = default;
};

// "H7/g6": a hole class, a slash, a shaft class, nothing else (no spaces).
Result<FitDesignation, FitTextProblem> ParseFitDesignation(std::string_view text);

std::string FitName(const FitDesignation& fit);
