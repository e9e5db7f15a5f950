#pragma once

#include <filesystem>

#include <QString>

// The folder the program reads its deviation tables from, in the order every front end takes:
// --tables (option), $QUORLAN_TABLES, the current directory when it holds a table file, the
// installed tables. Found in the current directory, it is the empty path: the dialog then reads
// the files there at each calculation, as they are edited, and the process never changes its
// current directory. A folder named by --tables or QUORLAN_TABLES that is none is said on
// standard error and passed over.
std::filesystem::path LocateStartTables(const QString& option);
