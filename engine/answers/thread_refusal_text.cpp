#include "answers/thread_refusal_text.h"

#include "answers/answer_inputs.h"
#include "core/threads/iso261_sizes.h"

namespace {

std::string PitchList(const Iso261Size& size)
{
    std::string text;
    if (size.coarsePitchUm != 0)
        text = FormatMm(ExactLength::FromUm(size.coarsePitchUm)) + " (coarse)";
    for (const std::int32_t pitch : size.FinePitches())
        text += (text.empty() ? "" : ", ") + FormatMm(ExactLength::FromUm(pitch));
    return text + " mm";
}

std::string GradeWords(const ThreadTextProblem& problem)
{
    if (problem.nut)
        return std::string(problem.crest ? "the nut's minor diameter (TD1)" : "the nut's pitch diameter (TD2)")
            + " has grades 4 to 8";
    return problem.crest ? "the bolt's major diameter (Td) has grades 4, 6 and 8"
                         : "the bolt's pitch diameter (Td2) has grades 3 to 9";
}

std::string ClassWords(const ThreadClass& threadClass)
{
    return std::string(threadClass.IsNut() ? "nut " : "bolt ") + ThreadClassName(threadClass);
}

} // namespace

AnswerRefusal ThreadTextRefusal(std::string_view text, const ThreadTextProblem& problem, std::string_view subject)
{
    using Kind = ThreadTextProblem::Kind;
    const std::string thread = std::string(subject) + " " + QuotedInput(text) + ": ";
    const std::string part = QuotedInput(problem.text);
    switch (problem.kind) {
    case Kind::NotAThread:
        break;
    case Kind::BadDiameter:
        return BadInput("not_a_thread",
                        thread + "the diameter " + part
                            + " is not a plain number of millimetres with at most three decimals");
    case Kind::DiameterOutOfRange:
        return BadInput("diameter_out_of_range",
                        thread + "the diameter " + problem.text + " mm is outside ISO 261's 1 to 300 mm");
    case Kind::PitchNeeded: {
        const std::string diameter = FormatMm(ExactLength::FromUm(problem.diameterUm));
        if (const auto size = Iso261SizeOf(problem.diameterUm))
            return BadInput("pitch_needed",
                            thread + "ISO 261 gives M" + diameter + " no coarse pitch: give one of its fine pitches, "
                                + PitchList(*size));
        return BadInput("pitch_needed",
                        thread + "ISO 261 does not list the diameter " + diameter
                            + " mm, so it has no coarse pitch: give the pitch, such as M" + diameter + "x1.5");
    }
    case Kind::BadPitch:
        return BadInput("not_a_thread",
                        thread + "the pitch " + part
                            + " is not a plain number of millimetres with at most three decimals");
    case Kind::PitchNotListed:
        if (const auto size = Iso261SizeOf(problem.diameterUm))
            return BadInput("pitch_not_listed",
                            thread + "ISO 261 gives M" + FormatMm(ExactLength::FromUm(problem.diameterUm))
                                + " the pitches " + PitchList(*size) + ", not " + problem.text + " mm");
        return BadInput("pitch_not_listed",
                        thread + "the pitch " + problem.text + " mm is none of ISO 261's (0.2 to 8 mm)");
    case Kind::BadClass:
        return BadInput("not_a_thread_class",
                        thread + part
                            + " is not a tolerance class: a grade and a position, such as 6g or 6H, "
                              "or the pitch diameter's and the crest's, such as 4h6h");
    case Kind::UnknownPosition:
        return BadInput("not_a_thread_class",
                        thread + part
                            + " has no tolerance position of ISO 965-1: bolts e, f, g, h; "
                              "nuts G, H");
    case Kind::MixedPositions:
        return BadInput("not_a_thread_class",
                        thread + part + " mixes two positions: both grades of a class share one letter, as in 5g6g");
    case Kind::SameSideTwice:
        return BadInput("not_a_thread_class",
                        thread + part + " is not a nut's class, a slash and a bolt's class, such as 6H/6g");
    case Kind::GradeNotDefined:
        return BadInput("grade_not_defined",
                        thread + part + ": " + GradeWords(problem) + ", not " + std::to_string(problem.grade));
    case Kind::ClassesReversed:
        return BadInput("classes_reversed",
                        thread + part + " puts the bolt's class first: a fit is written nut/bolt, such as 6H/6g");
    }
    return BadInput("not_a_thread",
                    thread
                        + "is not M, a diameter in mm, optionally x and the pitch, and "
                          "optionally - and the classes, such as M10x1.25-6H/6g");
}

AnswerRefusal ThreadLimitsRefusal(const ThreadDesignation& thread, const ThreadLimitsFailure& failure)
{
    using Kind = ThreadLimitsFailure::Kind;
    const std::string start = ClassWords(failure.threadClass) + " of " + ThreadName(thread) + ": ";
    const std::string pitch = FormatMm(thread.pitch) + " mm";
    switch (failure.kind) {
    case Kind::NoDeviationAtPitch:
        return Refused("no_thread_tolerance",
                       start + "ISO 965-1 gives position " + PositionLetter(failure.threadClass.position)
                           + " no fundamental deviation at a pitch of " + pitch + " (e from 0.5 mm, f from 0.35 mm)");
    case Kind::NoPitchTolerance:
        return Refused("no_thread_tolerance",
                       start + "ISO 965-1 gives no pitch-diameter tolerance of grade "
                           + std::to_string(failure.threadClass.pitchGrade) + " at " + FormatMm(thread.diameter)
                           + " mm and a pitch of " + pitch);
    case Kind::NoCrestTolerance:
        return Refused("no_thread_tolerance",
                       start + "ISO 965-1 gives no " + (failure.threadClass.IsNut() ? "minor" : "major")
                           + "-diameter tolerance of grade " + std::to_string(failure.threadClass.crestGrade)
                           + " at a pitch of " + pitch);
    case Kind::OutsideTables:
        break;
    }
    return Refused("no_thread_tolerance",
                   start + "ISO 965-1's tables give no tolerances for a pitch of " + pitch + " at "
                       + FormatMm(thread.diameter) + " mm");
}
