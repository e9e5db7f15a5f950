#include "core/table_folder.h"

#include "core/table_id.h"

#include <cstdlib>
#include <system_error>

namespace {

bool IsFolder(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_directory(path, error);
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

Result<TablesLocation, TablesNotAFolder> LocateTables(const TableFolderClues& clues)
{
    if (clues.option) {
        if (!IsFolder(*clues.option))
            return TablesNotAFolder {TableFolderSource::Option, *clues.option};
        return TablesLocation {*clues.option, TableFolderSource::Option, {}};
    }
    if (clues.environment && !clues.environment->empty()) {
        if (!IsFolder(*clues.environment))
            return TablesNotAFolder {TableFolderSource::Environment, *clues.environment};
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
