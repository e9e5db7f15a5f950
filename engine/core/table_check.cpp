#include "core/table_check.h"

#include "core/loaded_tables.h"
#include "core/table_relations.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>
#include <system_error>
#include <tuple>

namespace {

using Reason = TableFinding::Reason;

// Why a file could not be read at all, as closely as the file system tells.
Reason FileReason(Failure::Kind kind, const std::filesystem::path& path)
{
    if (kind == Failure::Kind::TableNotAFile)
        return Reason::FileNotRegular;
    if (kind == Failure::Kind::TableTooLarge)
        return Reason::FileTooLarge;
    std::error_code error;
    (void)std::filesystem::status(path, error);
    if (error.value() == ELOOP)
        return Reason::FileLinkLoop;
    const auto own = std::filesystem::symlink_status(path, error);
    if (std::filesystem::is_symlink(own) && !std::filesystem::exists(path, error))
        return Reason::FileLinkToNothing;
    if (std::filesystem::exists(own))
        return Reason::FileUnreadable;
    return Reason::FileMissing;
}

} // namespace

std::vector<TableFinding> CheckTables(const std::filesystem::path& folder)
{
    std::vector<TableFinding> findings;
    std::array<std::optional<LoadedTable>, kTableCount> loaded;
    for (const TableId table : kAllTables) {
        const auto content = ReadTableFile(folder, table);
        if (!content) {
            TableFinding finding;
            finding.table = table;
            finding.reason = FileReason(content.reason(), folder / TableFileName(table));
            findings.push_back(std::move(finding));
            continue;
        }
        loaded[static_cast<std::size_t>(table)] = ParseTable(*content, table, &findings);
    }
    CheckRelations(loaded, findings);
    std::stable_sort(findings.begin(), findings.end(), [](const TableFinding& a, const TableFinding& b) {
        return std::tuple(static_cast<int>(a.table), a.line, a.field)
            < std::tuple(static_cast<int>(b.table), b.line, b.field);
    });
    return findings;
}
