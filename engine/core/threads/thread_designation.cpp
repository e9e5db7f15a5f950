#include "core/threads/thread_designation.h"

#include "core/decimal_text.h"
#include "core/threads/iso261_sizes.h"

namespace {

using Kind = ThreadTextProblem::Kind;

ThreadTextProblem Problem(Kind kind, std::string_view text = {})
{
    ThreadTextProblem problem;
    problem.kind = kind;
    problem.text = std::string(text);
    return problem;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The length of a plain number at the start of text: digits, and a point followed by digits.
std::size_t NumberLength(std::string_view text)
{
    std::size_t length = 0;
    while (length < text.size() && (IsDigit(text[length]) || text[length] == '.'))
        ++length;
    return length;
}

// A length in whole micrometres from a plain decimal: a leading digit, no sign, at most three decimals,
// no leading zero before another digit ("010").
std::optional<std::int64_t> ReadMicrometreNumber(std::string_view text)
{
    if (text.empty() || !IsDigit(text.front()) || text.back() == '.')
        return std::nullopt;
    if (text.size() > 1 && text[0] == '0' && IsDigit(text[1]))
        return std::nullopt;
    if (text.find('.') != text.rfind('.') || text.size() > 12)
        return std::nullopt;
    const auto value = ParseFixedPoint(text, 3);
    if (!value)
        return std::nullopt;
    return *value;
}

std::optional<ThreadPosition> PositionOf(char letter)
{
    switch (letter) {
    case 'e':
        return ThreadPosition::e;
    case 'f':
        return ThreadPosition::f;
    case 'g':
        return ThreadPosition::g;
    case 'h':
        return ThreadPosition::h;
    case 'G':
        return ThreadPosition::G;
    case 'H':
        return ThreadPosition::H;
    default:
        return std::nullopt;
    }
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

Result<ThreadClass, ThreadTextProblem> ReadClass(std::string_view text)
{
    // A grade digit and a letter, once or twice.
    const bool once = text.size() == 2;
    const bool twice = text.size() == 4;
    if (!once && !twice)
        return Problem(Kind::BadClass, text);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        if (!IsDigit(text[i]) || !IsLetter(text[i + 1]))
            return Problem(Kind::BadClass, text);
    }
    const auto position = PositionOf(text[1]);
    const bool upper = text[1] >= 'A' && text[1] <= 'Z';
    if (!position) {
        auto problem = Problem(Kind::UnknownPosition, text);
        problem.nut = upper;
        return problem;
    }
    if (twice && text[3] != text[1])
        return Problem(Kind::MixedPositions, text);
    ThreadClass threadClass;
    threadClass.position = *position;
    threadClass.pitchGrade = text[0] - '0';
    threadClass.crestGrade = (twice ? text[2] : text[0]) - '0';
    const bool nut = threadClass.IsNut();
    const auto undefined = [&](int grade, bool crest) {
        auto problem = Problem(Kind::GradeNotDefined, text);
        problem.grade = grade;
        problem.crest = crest;
        problem.nut = nut;
        return problem;
    };
    if (nut ? !IsNutGrade(threadClass.pitchGrade) : !IsBoltPitchGrade(threadClass.pitchGrade))
        return undefined(threadClass.pitchGrade, false);
    if (nut ? !IsNutGrade(threadClass.crestGrade) : !IsBoltMajorGrade(threadClass.crestGrade))
        return undefined(threadClass.crestGrade, true);
    return threadClass;
}

} // namespace

Result<ThreadClasses, ThreadTextProblem> ParseThreadClasses(std::string_view text)
{
    ThreadClasses classes;
    const auto slash = text.find('/');
    if (slash == std::string_view::npos) {
        const auto one = ReadClass(text);
        if (!one)
            return one.reason();
        (one->IsNut() ? classes.nut : classes.bolt) = *one;
        return classes;
    }
    const auto first = ReadClass(text.substr(0, slash));
    if (!first)
        return first.reason();
    const auto second = ReadClass(text.substr(slash + 1));
    if (!second)
        return second.reason();
    if (first->IsNut() == second->IsNut())
        return Problem(Kind::SameSideTwice, text);
    if (!first->IsNut())
        return Problem(Kind::ClassesReversed, text);
    classes.nut = *first;
    classes.bolt = *second;
    return classes;
}

Result<ThreadDesignation, ThreadTextProblem> ParseThreadDesignation(std::string_view text)
{
    if (text.size() < 2 || text[0] != 'M' || !IsDigit(text[1]))
        return Problem(Kind::NotAThread, text);
    std::string_view rest = text.substr(1);
    const std::string_view diameterText = rest.substr(0, NumberLength(rest));
    rest.remove_prefix(diameterText.size());
    const auto diameterUm = ReadMicrometreNumber(diameterText);
    if (!diameterUm)
        return Problem(Kind::BadDiameter, diameterText);
    if (*diameterUm < kSmallestThreadUm || *diameterUm > kLargestThreadUm)
        return Problem(Kind::DiameterOutOfRange, diameterText);

    std::optional<std::int64_t> pitchUm;
    std::string_view pitchText;
    for (const std::string_view times : {std::string_view("x"), std::string_view("\xC3\x97")}) {
        if (rest.starts_with(times)) {
            rest.remove_prefix(times.size());
            pitchText = rest.substr(0, NumberLength(rest));
            rest.remove_prefix(pitchText.size());
            pitchUm = ReadMicrometreNumber(pitchText);
            if (!pitchUm)
                return Problem(Kind::BadPitch, pitchText);
            break;
        }
    }

    const auto listed = Iso261SizeOf(*diameterUm);
    if (!pitchUm) {
        if (!listed || listed->coarsePitchUm == 0) {
            auto problem = Problem(Kind::PitchNeeded, diameterText);
            problem.diameterUm = *diameterUm;
            return problem;
        }
        pitchUm = listed->coarsePitchUm;
    }
    if (listed ? !listed->Lists(static_cast<std::int32_t>(*pitchUm)) : !IsIso261Pitch(*pitchUm)) {
        auto problem = Problem(Kind::PitchNotListed, pitchText);
        problem.diameterUm = *diameterUm;
        return problem;
    }
    ThreadDesignation thread;
    thread.diameter = ExactLength::FromUm(*diameterUm);
    thread.pitch = ExactLength::FromUm(*pitchUm);
    thread.series = !listed ? PitchSeries::Unlisted
                            : (*pitchUm == listed->coarsePitchUm ? PitchSeries::Coarse : PitchSeries::Fine);
    if (!rest.empty()) {
        if (rest[0] != '-')
            return Problem(Kind::NotAThread, text);
        const auto classes = ParseThreadClasses(rest.substr(1));
        if (!classes)
            return classes.reason();
        thread.nut = classes->nut;
        thread.bolt = classes->bolt;
    }
    return thread;
}

std::string ThreadName(const ThreadDesignation& thread)
{
    std::string name = "M" + FormatMm(thread.diameter);
    if (thread.series != PitchSeries::Coarse)
        name += "x" + FormatMm(thread.pitch);
    return name;
}

std::string ThreadDesignationName(const ThreadDesignation& thread)
{
    std::string name = ThreadName(thread);
    if (thread.nut || thread.bolt)
        name += "-";
    if (thread.nut)
        name += ThreadClassName(*thread.nut);
    if (thread.nut && thread.bolt)
        name += "/";
    if (thread.bolt)
        name += ThreadClassName(*thread.bolt);
    return name;
}
