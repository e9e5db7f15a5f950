#pragma once

#include "core/exact_length.h"
#include "core/result.h"
#include "core/threads/thread_class.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class PitchSeries { Coarse, Fine, Unlisted };

// A metric thread as a drawing designates it: "M10", "M10x1.5", "M10×1.25-5H6H", "M10-6H/6g".
struct ThreadDesignation
{
    ExactLength diameter;
    ExactLength pitch;
    PitchSeries series = PitchSeries::Coarse; // Unlisted: a diameter ISO 261 does not list
    std::optional<ThreadClass> nut;
    std::optional<ThreadClass> bolt;
};

// Why a text is no thread ISO 261 and ISO 965-1 define, read left to right: the first fault.
struct ThreadTextProblem
{
    enum class Kind {
        NotAThread, // not "M", a diameter, an optional pitch and classes
        BadDiameter, // the diameter is no plain decimal of at most three decimals
        DiameterOutOfRange, // not from 1 to 300 mm
        PitchNeeded, // no coarse pitch to take: a diameter ISO 261 does not list, or lists only fine
        BadPitch, // the pitch is no plain decimal of at most three decimals
        PitchNotListed, // ISO 261 gives no such pitch for this diameter (or at all)
        BadClass, // not a grade and a position letter, once or twice
        UnknownPosition, // a letter other than e, f, g, h (bolts) and G, H (nuts)
        GradeNotDefined, // a grade the diameter's tolerance does not have ("3H", "5g": no Td of grade 5)
        MixedPositions, // "5g6h": the two grades of a class share one position
        ClassesReversed, // the bolt's class before the nut's ("6g/6H")
        SameSideTwice, // two nut classes or two bolt classes around the slash
    };
    Kind kind = Kind::NotAThread;
    std::string text; // the part at fault as written: the number, the class
    int grade = 0; // for GradeNotDefined
    bool crest = false; // for GradeNotDefined: the crest diameter's grade (else the pitch diameter's)
    bool nut = false; // for GradeNotDefined and UnknownPosition: the class is a nut's
    std::int64_t diameterUm = 0; // for PitchNeeded and PitchNotListed

    friend bool operator==(const ThreadTextProblem&, const ThreadTextProblem&) = default;
};

// The classes of a designation, after its "-": one class ("6g", "5H6H"), or a fit, the nut's class,
// a slash and the bolt's ("6H/6g").
struct ThreadClasses
{
    std::optional<ThreadClass> nut;
    std::optional<ThreadClass> bolt;
};
Result<ThreadClasses, ThreadTextProblem> ParseThreadClasses(std::string_view text);

// Strict: no spaces, "x" or "×" before the pitch, "-" before the classes, the nut's class first in a
// fit. Without a pitch, the coarse pitch of an ISO 261 diameter.
Result<ThreadDesignation, ThreadTextProblem> ParseThreadDesignation(std::string_view text);

// "M10", "M10x1.25", "M10-6H/6g": the pitch written only where it is not the coarse one, with an
// ASCII "x" (it pastes anywhere).
std::string ThreadName(const ThreadDesignation& thread);
// The designation with each part's class, as given: "M10x1.25-5H6H".
std::string ThreadDesignationName(const ThreadDesignation& thread);
