#include "core/limit_deviations.h"

#include "core/defined_classes.h"
#include "core/scales.h"
#include "core/standard_tolerances.h"

#include <array>

namespace {

struct SpecialUpper
{
    int letter;
    int grade;
    int firstBand;
    int lastBand;
    int um;
};

// Hole M6 from 250 to 315 mm: ISO 286-2 gives -9 µm, not the -11 that F + delta makes.
constexpr std::array kSpecialHoleUpperDeviations = {
    SpecialUpper {kLetterM, kGradeIT6, 19, 20, -9},
};

bool IsHole(const ToleranceClass& toleranceClass)
{
    return toleranceClass.part == Part::Hole;
}

// Column of the shaft j/k file: j by grade (IT5 to IT8 only), k for IT4 to IT7 or any other grade.
std::optional<int> ShaftJKColumn(int letter, int grade)
{
    if (letter == kLetterK)
        return grade >= kGradeIT4 && grade <= kGradeIT7 ? 3 : 4;
    switch (grade) {
    case kGradeIT5:
    case kGradeIT6:
        return 0;
    case kGradeIT7:
        return 1;
    case kGradeIT8:
        return 2;
    default:
        return std::nullopt;
    }
}

// Column of the hole J/K/M/N file: J by grade (IT6 to IT8 only); K, M and N split at IT8.
std::optional<int> HoleJKMNColumn(int letter, int grade)
{
    if (letter == kLetterJ) {
        if (grade < kGradeIT6 || grade > kGradeIT8)
            return std::nullopt;
        return grade - kGradeIT6;
    }
    const int finerColumn = 3 + 2 * (letter - kLetterK); // K: 3, M: 5, N: 7
    return grade <= kGradeIT8 ? finerColumn : finerColumn + 1;
}

bool IsJKMN(int letter)
{
    return letter >= kLetterJ && letter <= kLetterN;
}

Failure NoValue(Failure::Undefined undefined = Failure::Undefined::InTables)
{
    Failure failure {Failure::Kind::NoStandardValue};
    failure.undefined = undefined;
    return failure;
}

} // namespace

Placement PlacementOf(const ToleranceClass& toleranceClass)
{
    const int letter = toleranceClass.letter;
    const int grade = toleranceClass.grade;
    if (letter == kLetterJS)
        return Placement::Symmetric;
    if (!IsHole(toleranceClass))
        return letter <= kLetterH ? Placement::BelowFundamental : Placement::AboveFundamental;
    if (letter <= kLetterH)
        return Placement::AboveFundamental;
    if (letter == kLetterJ)
        return Placement::BelowFundamental;
    if (letter <= kLetterN)
        return grade <= kGradeIT8 ? Placement::BelowFundamentalPlusDelta : Placement::BelowFundamental;
    return grade >= kGradeIT8 ? Placement::BelowFundamental : Placement::BelowFundamentalPlusDelta;
}

Placement PlacementInBand(const ToleranceClass& toleranceClass, int sizeBand)
{
    const Placement placement = PlacementOf(toleranceClass);
    if (placement == Placement::BelowFundamentalPlusDelta && sizeBand >= kFirstBandAbove500Mm)
        return Placement::BelowFundamental;
    return placement;
}

TableId FundamentalDeviationTable(const ToleranceClass& toleranceClass)
{
    const int letter = toleranceClass.letter;
    if (!IsHole(toleranceClass))
        return letter == kLetterJ || letter == kLetterK ? TableId::ShaftJK : TableId::Shaft;
    return IsJKMN(letter) ? TableId::HoleJKMN : TableId::Hole;
}

std::optional<int> FundamentalDeviationColumn(const ToleranceClass& toleranceClass)
{
    const int letter = toleranceClass.letter;
    if (!IsHole(toleranceClass) && (letter == kLetterJ || letter == kLetterK))
        return ShaftJKColumn(letter, toleranceClass.grade);
    if (IsHole(toleranceClass) && IsJKMN(letter))
        return HoleJKMNColumn(letter, toleranceClass.grade);
    return letter;
}

int DeltaColumn(int grade)
{
    return grade >= kGradeIT4 && grade <= kGradeIT8 ? grade - kGradeIT3 : 0;
}

bool IsDefinedByRules(const ToleranceClass& toleranceClass)
{
    if (!IsHole(toleranceClass))
        return true;
    if (toleranceClass.letter >= kLetterP)
        return toleranceClass.grade > kGradeIT2;
    return !(toleranceClass.letter == kLetterK && toleranceClass.grade == kGradeIT12);
}

std::optional<ExactLength> SpecialUpperDeviation(const ToleranceClass& toleranceClass, int sizeBand)
{
    if (!IsHole(toleranceClass))
        return std::nullopt;
    for (const auto& special : kSpecialHoleUpperDeviations) {
        if (special.letter == toleranceClass.letter && special.grade == toleranceClass.grade
            && sizeBand >= special.firstBand && sizeBand <= special.lastBand)
            return ExactLength::FromUm(special.um);
    }
    return std::nullopt;
}

Result<LimitDeviations, Failure> LimitDeviationsInBand(const DeviationTables& tables,
                                                       const ToleranceClass& toleranceClass, int sizeBand)
{
    if (toleranceClass.grade < 0 || toleranceClass.grade >= kCoreGradeCount)
        return Failure {Failure::Kind::GradeOffScale};
    if (toleranceClass.letter < 0 || toleranceClass.letter >= kLetterCount)
        return Failure {Failure::Kind::LetterOffScale};
    if (sizeBand < 0 || sizeBand >= kCoreSizeBandCount)
        return Failure {Failure::Kind::SizeOffScale};
    const auto tolerance = StandardTolerance(toleranceClass.grade, SizeBandBounds(sizeBand).second);
    if (!tolerance)
        return tolerance.reason();
    const ExactLength t = *tolerance;
    if (sizeBand >= kFirstBandAbove500Mm && !IsDefinedAbove500Mm(toleranceClass))
        return NoValue(Failure::Undefined::Above500Mm);

    const Placement placement = PlacementInBand(toleranceClass, sizeBand);
    if (placement == Placement::Symmetric)
        return LimitDeviations {Half(t), -Half(t)};
    if (!IsDefinedByRules(toleranceClass))
        return NoValue();
    const auto column = FundamentalDeviationColumn(toleranceClass);
    if (!column) // J and j exist only in a few grades
        return NoValue(toleranceClass.grade > kGradeIT8 ? Failure::Undefined::AtThisGrade
                                                        : Failure::Undefined::InTables);
    const TableId table = FundamentalDeviationTable(toleranceClass);
    const auto cell = CellAt(tables[table], table, sizeBand, *column);
    if (!cell)
        return cell.reason();
    if (!cell->has_value())
        return NoValue();
    const ExactLength fundamental = **cell;

    switch (placement) {
    case Placement::AboveFundamental:
        return LimitDeviations {fundamental + t, fundamental};
    case Placement::BelowFundamental:
        return LimitDeviations {fundamental, fundamental - t};
    case Placement::BelowFundamentalPlusDelta:
        break;
    case Placement::Symmetric:
        break;
    }
    const auto delta = CellAt(tables[TableId::Delta], TableId::Delta, sizeBand, DeltaColumn(toleranceClass.grade));
    if (!delta)
        return delta.reason();
    if (!delta->has_value())
        return NoValue();
    const ExactLength upper = SpecialUpperDeviation(toleranceClass, sizeBand).value_or(fundamental + **delta);
    return LimitDeviations {upper, upper - t};
}

Result<LimitDeviations, Failure> LimitDeviationsOf(const DeviationTables& tables, const ToleranceClass& toleranceClass,
                                                   ExactLength size)
{
    if (toleranceClass.grade < 0 || toleranceClass.grade >= kCoreGradeCount)
        return Failure {Failure::Kind::GradeOffScale};
    const auto band = SizeBandOf(size);
    if (!band)
        return Failure {Failure::Kind::SizeOffScale};
    if (IsOneMillimetreOrLess(size) && !IsUsedAtOneMillimetreOrLess(toleranceClass))
        return Failure {Failure::Kind::NotUsedAtThisSize};
    auto deviations = LimitDeviationsInBand(tables, toleranceClass, *band);
    // A deviation larger than the size itself leaves no material: E9 at 0.01 mm, g6 at 1 nm.
    if (deviations && (size + deviations->lower).nm <= 0)
        return Failure {Failure::Kind::LimitSizeNotPositive};
    return deviations;
}
