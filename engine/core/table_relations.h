#pragma once

#include "core/loaded_tables.h"
#include "core/table_findings.h"

#include <array>
#include <optional>
#include <vector>

// The standard's relations between the cells of the five files, as warnings where a cell breaks
// one: a hole's fundamental deviation mirrors the shaft's of the same letter (EI of A to H is -es of
// a to h, ES of P to ZC before delta is -ei of p to zc); up to 500 mm, K, M and N up to IT8 are -ei
// of k, m and n before delta, and delta of ITn is ITn - IT(n-1); above 500 mm there is no delta, K up
// to IT8 is 0 and M and N are -ei of m and n in every grade. Cells that cannot be read are left to
// the layout check. A file that could not be read at all is nothing.
void CheckRelations(const std::array<std::optional<LoadedTable>, kTableCount>& tables,
                    std::vector<TableFinding>& findings);
