#include "core/general/general_tolerances.h"

#include <array>

namespace {

struct Cell
{
    const GeneralRow* row = nullptr;
    int value = kNoCell;
};

Result<Cell, GeneralRefusal> CellFor(const GeneralTable& table, std::size_t column, ExactLength size)
{
    if (size.nm <= 0)
        return GeneralRefusal::NotPositive;
    for (const GeneralRow& row : table.rows) {
        if (!row.range.Holds(size))
            continue;
        if (row.cells[column] == kNoCell)
            return GeneralRefusal::EmptyCell;
        return Cell {&row, row.cells[column]};
    }
    return size < table.rows.front().range.over || size == table.rows.front().range.over ? GeneralRefusal::BelowTables
                                                                                         : GeneralRefusal::BeyondTables;
}

constexpr std::array<std::string_view, 4> kUntabulated = {"circularity", "cylindricity", "parallelism", "coaxiality"};

} // namespace

Result<GeneralTolerance, GeneralRefusal> FindGeneralTolerance(GeneralKind kind, LinearClass linearClass,
                                                              GeneralStandard standard, ExactLength size)
{
    const GeneralTable& table = LinearTable(kind, standard);
    const auto cell = CellFor(table, static_cast<std::size_t>(linearClass), size);
    if (!cell)
        return cell.reason();
    GeneralTolerance tolerance;
    tolerance.kind = kind;
    tolerance.linearClass = linearClass;
    tolerance.table = &table;
    tolerance.size = size;
    tolerance.range = cell->row->range;
    if (kind == GeneralKind::Angle)
        tolerance.deviationArcMinutes = cell->value;
    else
        tolerance.deviation = ExactLength::FromUm(cell->value);
    return tolerance;
}

Result<GeometricalTolerance, GeneralRefusal> FindGeometricalTolerance(GeometricalFeature feature,
                                                                      GeometricalClass geometricalClass,
                                                                      GeneralStandard standard, ExactLength length)
{
    const GeneralTable& table = GeometricalTable(feature, standard);
    const auto cell = CellFor(table, static_cast<std::size_t>(geometricalClass), length);
    if (!cell)
        return cell.reason();
    GeometricalTolerance tolerance;
    tolerance.feature = feature;
    tolerance.geometricalClass = geometricalClass;
    tolerance.table = &table;
    tolerance.length = length;
    tolerance.range = cell->row->range;
    tolerance.tolerance = ExactLength::FromUm(cell->value);
    return tolerance;
}

std::span<const std::string_view> UntabulatedFeatures()
{
    return kUntabulated;
}
