#include "dialog/deviation_tables.h"

#include "core/limit_deviations.h"
#include "core/loaded_tables.h"
#include "core/scales.h"
#include "dialog/calc_state.h"
#include "dialog/dialog_view.h"
#include "dialog/messages.h"

namespace {

bool IsOnScale(int value, int count)
{
    return value >= 0 && value < count;
}

// One cell in micrometres. The file message for a file that cannot be read or a cell without the
// layout; nothing, silently, for a cell that holds no value.
std::optional<double> ReadCell(DialogView& view, const LoadedTable& loaded, TableId table, int sizeBand, int column)
{
    const auto cell = CellAt(loaded, table, sizeBand, column);
    if (!cell) {
        view.ShowMessage(kMsgTableFileUnreadable);
        return std::nullopt;
    }
    if (!cell->has_value())
        return std::nullopt;
    return ToUm(**cell);
}

} // namespace

std::optional<double> ReadFundamentalDeviation(DialogView& view, const TableFolder& folder, int sizeBand, int letter,
                                               int basis, int grade)
{
    if (!IsOnScale(sizeBand, kSizeBandCount) || !IsOnScale(letter, kLetterCount)
        || (basis != kBasisHole && basis != kBasisShaft))
        return std::nullopt;

    const ToleranceClass toleranceClass {basis == kBasisHole ? Part::Hole : Part::Shaft, letter, grade};
    const TableId table = FundamentalDeviationTable(toleranceClass);
    const LoadedTable loaded = LoadTable(folder, table);
    // The file message comes first, even when the grade has no column either.
    if (loaded.problem)
        view.ShowMessage(kMsgTableFileUnreadable);
    const auto column = FundamentalDeviationColumn(toleranceClass);
    if (!column) {
        view.ShowMessage(kMsgNoDeviationForGrade);
        return std::nullopt;
    }
    if (loaded.problem)
        return std::nullopt;

    const auto value = ReadCell(view, loaded, table, sizeBand, *column);
    if (value && letter == kLetterJS)
        return 0.5 * g_calcState.dTolerance; // symmetric about zero: the cell only has to be there
    return value;
}

std::optional<double> ReadDeltaValue(DialogView& view, const TableFolder& folder, int sizeBand, int grade)
{
    if (!IsOnScale(sizeBand, kSizeBandCount))
        return std::nullopt;
    const LoadedTable loaded = LoadTable(folder, TableId::Delta);
    return ReadCell(view, loaded, TableId::Delta, sizeBand, DeltaColumn(grade));
}
