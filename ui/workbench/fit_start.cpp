#include "workbench/fit_start.h"

#include "core/decimal_text.h"
#include "core/preferred_fit_lists.h"
#include "core/scales.h"
#include "core/tolerance_class.h"

#include <charconv>

namespace {

// The shortest decimal that reads back as the same double: 12.5 for 12.5, never "1.25e+01".
std::string ShortestDecimal(double value)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

bool IsUsableSize(const std::string& text)
{
    const auto size = ParseMillimetres(text);
    return size && size->nm > 0 && *size <= ExactLength::FromMm(kDialogLargestSizeMm);
}

} // namespace

FitStart FitStartFrom(const DialogChoices& choices)
{
    FitStart start;
    if (const std::string size = ShortestDecimal(choices.nominal_mm); IsUsableSize(size))
        start.sizeText = size;

    const bool holeBasis = choices.basis == kBasisHole;
    const bool chosen = (holeBasis || choices.basis == kBasisShaft) && choices.letter >= 0
        && choices.letter < kLetterCount && choices.grade >= 0 && choices.grade < kGradeCount;
    if (!chosen)
        return start;
    const auto firstPreferred = ParseFitDesignation(PreferredFits(choices.basis, FitType::Clearance).front());
    if (!firstPreferred)
        return start;
    FitDesignation fit = *firstPreferred;
    ToleranceClass& chosenPart = holeBasis ? fit.hole : fit.shaft;
    chosenPart.letter = choices.letter;
    chosenPart.grade = choices.grade;
    start.designation = FitName(fit);
    return start;
}
