#include "table_folder.h"

#include "printable_text.h"
#include "table_id.h"

#include <cstdlib>
#include <system_error>

namespace {

bool IsFolder(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

std::string QuotedPath(const std::filesystem::path& path)
{
    return "'" + PathText(path) + "'";
}

std::string Describe(const std::filesystem::path& folder, TableFolderSource source)
{
    switch (source) {
    case TableFolderSource::Option:
        return "--tables " + QuotedPath(folder);
    case TableFolderSource::Environment:
        return "QUORLAN_TABLES " + QuotedPath(folder);
    case TableFolderSource::CurrentDirectory:
        return "the current directory";
    case TableFolderSource::BesideProgram:
        return QuotedPath(folder) + " (beside the program)";
    case TableFolderSource::InstallPrefix:
        return QuotedPath(folder) + " (the installed tables)";
    case TableFolderSource::Nowhere:
        break;
    }
    return "nowhere";
}

// The running program's own file: exact on Linux; elsewhere the name it was started by, when that
// holds a folder (a bare name was found on PATH, which names no folder here).
std::filesystem::path ProgramFile(std::string_view programArgument)
{
    std::error_code error;
#ifdef __linux__
    auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return exe;
#endif
    const std::filesystem::path started(programArgument);
    if (!started.has_parent_path())
        return {};
    auto absolute = std::filesystem::absolute(started, error);
    return error ? std::filesystem::path() : absolute;
}

} // namespace

TableFolderClues CluesOfThisProcess(std::optional<std::filesystem::path> option, std::string_view programArgument)
{
    TableFolderClues clues;
    clues.option = std::move(option);
    if (const char* environment = std::getenv("QUORLAN_TABLES"))
        clues.environment = environment;
    clues.program = ProgramFile(programArgument);
#ifdef QUORLAN_INSTALLED_TABLES_DIR
    clues.installedTables = QUORLAN_INSTALLED_TABLES_DIR;
#endif
    return clues;
}

bool HoldsAnyTableFile(const std::filesystem::path& folder)
{
    for (const std::string_view name : kTableFileNames) {
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::symlink_status(folder / name, error)))
            return true;
    }
    return false;
}

bool HoldsEveryTableFile(const std::filesystem::path& folder)
{
    for (const std::string_view name : kTableFileNames) {
        std::error_code error;
        if (!std::filesystem::exists(folder / name, error))
            return false;
    }
    return true;
}

Result<TablesLocation, std::string> LocateTables(const TableFolderClues& clues)
{
    if (clues.option) {
        if (!IsFolder(*clues.option))
            return "--tables " + QuotedPath(*clues.option) + " is not a folder";
        return TablesLocation {*clues.option, TableFolderSource::Option, {}};
    }
    if (clues.environment && !clues.environment->empty()) {
        if (!IsFolder(*clues.environment))
            return "QUORLAN_TABLES " + QuotedPath(*clues.environment) + " is not a folder";
        return TablesLocation {*clues.environment, TableFolderSource::Environment, {}};
    }
    TablesLocation nowhere {{}, TableFolderSource::Nowhere, {std::filesystem::path()}};
    if (HoldsAnyTableFile({}))
        return TablesLocation {{}, TableFolderSource::CurrentDirectory, {}};
    if (!clues.program.empty()) {
        // bin/quorlan-cli -> bin/../share/quorlan, written without the "..".
        const auto beside = (clues.program.parent_path().parent_path() / "share" / "quorlan").lexically_normal();
        if (HoldsAnyTableFile(beside))
            return TablesLocation {beside, TableFolderSource::BesideProgram, {}};
        nowhere.searched.push_back(beside);
    }
    const bool alreadySearched = !nowhere.searched.empty() && nowhere.searched.back() == clues.installedTables;
    if (!clues.installedTables.empty() && !alreadySearched) {
        if (HoldsAnyTableFile(clues.installedTables))
            return TablesLocation {clues.installedTables, TableFolderSource::InstallPrefix, {}};
        nowhere.searched.push_back(clues.installedTables);
    }
    return nowhere;
}

std::string WhereTablesWereSought(const TablesLocation& location)
{
    if (location.source != TableFolderSource::Nowhere)
        return Describe(location.folder, location.source);
    std::string words;
    for (std::size_t index = 0; index < location.searched.size(); ++index) {
        const auto& folder = location.searched[index];
        if (index > 0)
            words += index + 1 == location.searched.size() ? " or " : ", ";
        words += folder.empty() ? "the current directory" : QuotedPath(folder);
    }
    return words;
}

std::string MissingTablesNote(const TablesLocation& location)
{
    if (HoldsEveryTableFile(location.folder))
        return {};
    if (location.source == TableFolderSource::Nowhere)
        return "no table files in " + WhereTablesWereSought(location) + "; give --tables DIR or set QUORLAN_TABLES";
    return "the tables were read from " + WhereTablesWereSought(location);
}
