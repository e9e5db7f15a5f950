#include "deviation_tables.h"

#include "calc_state.h"
#include "dialog_view.h"
#include "messages.h"
#include "scales.h"
#include "table_file.h"

#include <fstream>

namespace {

std::string_view TableFileFor(int letter, int basis)
{
    if (basis == kBasisShaft)
        return letter == kLetterJ || letter == kLetterK ? kShaftJKTableFile : kShaftTableFile;
    return letter >= kLetterJ && letter <= kLetterN ? kHoleJKMNTableFile : kHoleTableFile;
}

// Column of "es_ei_j_k_z.ini": j by grade (IT5 to IT8 only), k for IT4 to IT7 or any other grade.
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

// Column of "ES_EI_J_K_H.ini": J by grade (IT6 to IT8 only); K, M and N split at IT8.
std::optional<int> HoleJKMNColumn(int letter, int grade)
{
    if (letter == kLetterJ) {
        if (grade < kGradeIT6 || grade > kGradeIT8)
            return std::nullopt;
        return grade - kGradeIT6;
    }
    const int finePairStart = 3 + 2 * (letter - kLetterK); // K: 3, M: 5, N: 7
    return grade <= kGradeIT8 ? finePairStart : finePairStart + 1;
}

std::optional<int> ColumnFor(int letter, int basis, int grade)
{
    if (basis == kBasisShaft && (letter == kLetterJ || letter == kLetterK))
        return ShaftJKColumn(letter, grade);
    if (basis == kBasisHole && letter >= kLetterJ && letter <= kLetterN)
        return HoleJKMNColumn(letter, grade);
    return letter;
}

int DeltaColumnFor(int grade)
{
    return grade >= kGradeIT4 && grade <= kGradeIT8 ? grade - kGradeIT3 : 0;
}

// Reads one cell; the file message is shown for a file that will not open or does not have the layout.
std::optional<double> ReadCell(DialogView& view, std::ifstream& in, int sizeBand, int column)
{
    const TableCell cell = ReadTableCell(in, sizeBand, column);
    switch (cell.status) {
    case TableCell::Status::Value:
        return cell.micrometres;
    case TableCell::Status::NoValue:
        return std::nullopt;
    case TableCell::Status::Malformed:
        break;
    }
    view.ShowMessage(kMsgTableFileUnreadable);
    return std::nullopt;
}

bool IsOnScale(int value, int count)
{
    return value >= 0 && value < count;
}

} // namespace

std::optional<double> ReadFundamentalDeviation(DialogView& view, const TableFolder& folder, int sizeBand, int letter,
                                               int basis, int grade)
{
    if (!IsOnScale(sizeBand, kSizeBandCount) || !IsOnScale(letter, kLetterCount)
        || (basis != kBasisHole && basis != kBasisShaft))
        return std::nullopt;

    std::ifstream in(folder / TableFileFor(letter, basis), std::ios::binary);
    if (!in)
        view.ShowMessage(kMsgTableFileUnreadable);
    const auto column = ColumnFor(letter, basis, grade);
    if (!column) {
        view.ShowMessage(kMsgNoDeviationForGrade);
        return std::nullopt;
    }
    if (!in)
        return std::nullopt;

    const auto value = ReadCell(view, in, sizeBand, *column);
    if (value && letter == kLetterJS)
        return 0.5 * g_calcState.dTolerance; // symmetric about zero: the cell only has to be there
    return value;
}

std::optional<double> ReadDeltaValue(DialogView& view, const TableFolder& folder, int sizeBand, int grade)
{
    if (!IsOnScale(sizeBand, kSizeBandCount))
        return std::nullopt;
    std::ifstream in(folder / kDeltaTableFile, std::ios::binary);
    if (!in) {
        view.ShowMessage(kMsgTableFileUnreadable);
        return std::nullopt;
    }
    return ReadCell(view, in, sizeBand, DeltaColumnFor(grade));
}
