#include "core/threads/thread_formulas.h"

#include <array>
#include <cmath>

double NearestR40(double value);

namespace {

double GradeFactor(int grade, const std::array<double, 7>& factors, int firstGrade)
{
    const int index = grade - firstGrade;
    return index >= 0 && index < static_cast<int>(factors.size()) ? factors[static_cast<std::size_t>(index)] : 0.0;
}

// Grade 6 itself, or another grade: its factor times grade 6 already rounded to R40, as the
// standard's tables are built (TD1(4) at 1 mm: 0.63 x 236 = 149 -> 150, not 0.63 x 230 = 145 -> 140).
double OfGrade(int grade, double grade6, double factor)
{
    return grade == 6 ? grade6 : factor * NearestR40(grade6);
}

double BoltPitchGrade6Um(int diameterRange, double pitchMm)
{
    const auto [over, upTo] = ThreadDiameterRangeBounds(diameterRange);
    const double diameterMm = std::sqrt(static_cast<double>(over) * static_cast<double>(upTo)) / 1000.0;
    return 90.0 * std::pow(pitchMm, 0.4) * std::pow(diameterMm, 0.1);
}

} // namespace

double BoltMajorGradeFactor(int grade)
{
    return GradeFactor(grade, {0.63, 0.0, 1.0, 0.0, 1.6, 0.0, 0.0}, 4);
}

double NutMinorGradeFactor(int grade)
{
    return GradeFactor(grade, {0.63, 0.8, 1.0, 1.25, 1.6, 0.0, 0.0}, 4);
}

double BoltPitchGradeFactor(int grade)
{
    return GradeFactor(grade, {0.5, 0.63, 0.8, 1.0, 1.25, 1.6, 2.0}, 3);
}

double NutPitchGradeFactor(int grade)
{
    return GradeFactor(grade, {0.85, 1.06, 1.32, 1.7, 2.12, 0.0, 0.0}, 4);
}

double FormulaDeviationUm(ThreadPosition position, double pitchMm)
{
    switch (position) {
    case ThreadPosition::G:
        return 15.0 + 11.0 * pitchMm;
    case ThreadPosition::e:
        return -(50.0 + 11.0 * pitchMm);
    case ThreadPosition::f:
        return -(30.0 + 11.0 * pitchMm);
    case ThreadPosition::g:
        return -(15.0 + 11.0 * pitchMm);
    case ThreadPosition::H:
    case ThreadPosition::h:
        break;
    }
    return 0.0;
}

double FormulaBoltMajorUm(int grade, double pitchMm)
{
    const double grade6 = 180.0 * std::cbrt(pitchMm * pitchMm) - 3.15 / std::sqrt(pitchMm);
    return OfGrade(grade, grade6, BoltMajorGradeFactor(grade));
}

double FormulaNutMinorUm(int grade, double pitchMm)
{
    const double grade6
        = pitchMm < 1.0 ? 433.0 * pitchMm - 190.0 * std::pow(pitchMm, 1.22) : 230.0 * std::pow(pitchMm, 0.7);
    return OfGrade(grade, grade6, NutMinorGradeFactor(grade));
}

double FormulaBoltPitchUm(int grade, int diameterRange, double pitchMm)
{
    return OfGrade(grade, BoltPitchGrade6Um(diameterRange, pitchMm), BoltPitchGradeFactor(grade));
}

double FormulaNutPitchUm(int grade, int diameterRange, double pitchMm)
{
    // TD2 is a multiple of Td2(6) for every grade, 6 included.
    return NutPitchGradeFactor(grade) * NearestR40(BoltPitchGrade6Um(diameterRange, pitchMm));
}

double NearestR40(double value)
{
    // ISO 3's rounded values of the R40 series, one decade.
    static constexpr std::array<double, 41> kSteps
        = {1.00, 1.06, 1.12, 1.18, 1.25, 1.32, 1.40, 1.50, 1.60, 1.70, 1.80, 1.90, 2.00, 2.12,
           2.24, 2.36, 2.50, 2.65, 2.80, 3.00, 3.15, 3.35, 3.55, 3.75, 4.00, 4.25, 4.50, 4.75,
           5.00, 5.30, 5.60, 6.00, 6.30, 6.70, 7.10, 7.50, 8.00, 8.50, 9.00, 9.50, 10.0};
    if (!(value > 0.0))
        return 0.0;
    const double decade = std::pow(10.0, std::floor(std::log10(value)));
    const double scaled = value / decade;
    double best = kSteps[0];
    for (const double step : kSteps) {
        if (std::abs(step - scaled) < std::abs(best - scaled))
            best = step;
    }
    return best * decade;
}
