#pragma once

#include "core/result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where every front end that reads table files finds the five of them, wherever it is started: the
// folder given (--tables), the folder named by QUORLAN_TABLES, the current directory when it holds
// any of the files, the tables installed beside the program (bin/../share/quorlan, so that a moved
// install still finds its own), and last the tables folder of the prefix the program was built for.

struct TableFolderClues
{
    std::optional<std::filesystem::path> option; // --tables DIR
    std::optional<std::string> environment; // QUORLAN_TABLES; an empty value counts as unset
    std::filesystem::path program; // the running program's own file; empty when unknown
    std::filesystem::path installedTables; // the build's installed tables folder; empty for none
};

enum class TableFolderSource { Option, Environment, CurrentDirectory, BesideProgram, InstallPrefix, Nowhere };

struct TablesLocation
{
    std::filesystem::path folder; // empty: the current directory
    TableFolderSource source = TableFolderSource::Nowhere;
    // Nowhere: every folder looked in, in order (the current directory as the empty path).
    std::vector<std::filesystem::path> searched;
};

// A folder the user named (Option or Environment) that is no folder.
struct TablesNotAFolder
{
    TableFolderSource source = TableFolderSource::Option;
    std::filesystem::path folder;
};

// The clues of this process: QUORLAN_TABLES, the program's own file (programArgument, its argv[0],
// where the system cannot tell) and the installed tables folder.
TableFolderClues CluesOfThisProcess(std::optional<std::filesystem::path> option, std::string_view programArgument);

// The first folder in the order above. Found nowhere, the current directory is read, so that every
// calculation that needs a file says the file is missing. A folder given by --tables or
// QUORLAN_TABLES must be one.
Result<TablesLocation, TablesNotAFolder> LocateTables(const TableFolderClues& clues);

// Whether a folder holds any, or every one, of the five files (of any kind).
bool HoldsAnyTableFile(const std::filesystem::path& folder);
bool HoldsEveryTableFile(const std::filesystem::path& folder);
