// Every reader of text a user types: the size box's conversion (atof's reading, locale-free), the
// command line's strict size reader, tolerance classes, grades and fit designations, and the quoting
// of a text in a message. Each must read what it is given or refuse it, never read past it, and
// what it reads must print back to the same.

#include "cli/cli_text.h"
#include "core/decimal_text.h"
#include "core/general/general_classes.h"
#include "core/scales.h"
#include "core/tolerance_class.h"
#include "dialog/number_text.h"
#include "fuzz_support.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

// The C library's strtod, in the C locale (nothing here sets another), is the reference for the size
// box, except for the forms the size box refuses on purpose: hexadecimal, inf and nan.
void ExpectAtofReading(std::string_view text)
{
    const std::string terminated(text.substr(0, text.find('\0')));
    char* end = nullptr;
    errno = 0;
    const double reference = std::strtod(terminated.c_str(), &end);
    const std::string_view taken(terminated.c_str(), static_cast<std::size_t>(end - terminated.c_str()));
    if (taken.find_first_of("xXiInN") != std::string_view::npos)
        return;
    const double value = ParseLeadingDecimal(text);
    FUZZ_CHECK(value == reference || (std::isnan(value) && std::isnan(reference)));
    FUZZ_CHECK(std::signbit(value) == std::signbit(reference) || value != 0.0);
    FUZZ_CHECK(ScanLeadingDecimal(text).has_value() == !taken.empty());
}

void ExpectFixedFourDecimals(double value)
{
    if (!std::isfinite(value))
        return;
    const std::string text = FormatFixed4(value);
    FUZZ_CHECK(!text.empty());
    FUZZ_CHECK(text != "-0.0000");
    FUZZ_CHECK(text.size() > 5 && text[text.size() - 5] == '.');
    FUZZ_CHECK(std::fabs(std::strtod(text.c_str(), nullptr) - value)
               <= 0.00005 * (1 + 1e-9) + std::fabs(value) * 1e-15);
}

void ExpectExactLengths(std::string_view text)
{
    if (const auto mm = ParseMillimetres(text)) {
        FUZZ_CHECK(mm->nm <= 1'000'000'000'000'000 && mm->nm >= -1'000'000'000'000'000);
        const auto again = ParseMillimetres(FormatMm(*mm));
        FUZZ_CHECK(again && *again == *mm);
    }
    if (const auto um = ParseMicrometres(text)) {
        const auto again = ParseMicrometres(FormatUm(*um));
        FUZZ_CHECK(again && *again == *um);
    }
    for (int decimals = 0; decimals <= 6; ++decimals) {
        if (const auto scaled = ParseFixedPoint(text, decimals))
            FUZZ_CHECK(*scaled <= 1'000'000'000'000'000 && *scaled >= -1'000'000'000'000'000);
    }
    if (const auto number = ParseDecimalNumber(text))
        FUZZ_CHECK(std::isfinite(*number));

    std::ostringstream err;
    if (const auto size = ReadSizeArgument(text, err)) {
        FUZZ_CHECK(size->nm > 0 && *size <= ExactLength::FromMm(kLargestSizeMm));
        FUZZ_CHECK(err.str().empty());
    } else {
        FUZZ_CHECK(!err.str().empty());
    }
    FUZZ_CHECK(err.str().size() < 300); // a message never repeats a long text in full
}

void ExpectClassesReadBack(std::string_view text)
{
    if (const auto parsed = ParseToleranceClass(text)) {
        FUZZ_CHECK(parsed->letter >= 0 && parsed->letter < kLetterCount);
        FUZZ_CHECK(parsed->grade >= 0 && parsed->grade < kCoreGradeCount);
        const auto again = ParseToleranceClass(ClassName(*parsed));
        FUZZ_CHECK(again && *again == *parsed);
    }
    if (const auto grade = ParseGradeName(text))
        FUZZ_CHECK(*grade >= 0 && *grade < kCoreGradeCount);
    if (const auto fit = ParseFitDesignation(text)) {
        FUZZ_CHECK(fit->hole.part == Part::Hole && fit->shaft.part == Part::Shaft);
        const auto again = ParseFitDesignation(FitName(*fit));
        FUZZ_CHECK(again && *again == *fit);
    }
}

void ExpectShortQuotes(std::string_view text)
{
    const std::string quoted = QuotePrefix(text);
    if (text.size() <= 40) {
        FUZZ_CHECK(quoted == text);
        return;
    }
    FUZZ_CHECK(quoted.size() <= 43 && quoted.ends_with("..."));
    const std::string_view kept = std::string_view(quoted).substr(0, quoted.size() - 3);
    FUZZ_CHECK(text.starts_with(kept));
    // Never cut inside a UTF-8 character: the byte after the cut is no continuation byte.
    FUZZ_CHECK((static_cast<unsigned char>(text[kept.size()]) & 0xC0) != 0x80 || kept.empty());
}

} // namespace

// A title block's class reads back as its letters: the linear one, then the geometrical one.
void ExpectGeneralClassesReadBack(std::string_view text)
{
    const auto classes = ParseGeneralClasses(text);
    if (!classes)
        return;
    std::string letters;
    if (classes->linear)
        letters += LinearClassLetter(*classes->linear);
    if (classes->geometrical)
        letters += GeometricalClassLetter(*classes->geometrical);
    FUZZ_CHECK(letters.size() == text.size());
    FUZZ_CHECK(letters.front() == text.front());
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ExpectAtofReading(text);
    ExpectFixedFourDecimals(ParseLeadingDecimal(text));
    ExpectFixedFourDecimals(ParseLeadingDecimal(text) * 0.001);
    ExpectExactLengths(text);
    ExpectClassesReadBack(text);
    ExpectShortQuotes(text);
    ExpectGeneralClassesReadBack(text);
    return 0;
}
