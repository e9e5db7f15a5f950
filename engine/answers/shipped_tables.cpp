#include "answers/shipped_tables.h"

#include <array>
#include <string_view>

// The files' bytes, in TableId order; made from data/ at build time (embed_tables.cmake).
extern const std::array<std::string_view, kTableCount> kShippedTableFiles;

const DeviationTables& ShippedTables()
{
    static const DeviationTables tables = [] {
        DeviationTables parsed;
        for (const TableId table : kAllTables)
            parsed.tables[static_cast<std::size_t>(table)]
                = ParseTable(kShippedTableFiles[static_cast<std::size_t>(table)], table);
        return parsed;
    }();
    return tables;
}
