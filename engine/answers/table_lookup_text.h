#pragma once

#include "core/table_folder.h"

#include <string>

// Where the tables were looked for, in English.

// "--tables 'x' is not a folder", "QUORLAN_TABLES 'x' is not a folder": for a usage message.
std::string TablesNotAFolderText(const TablesNotAFolder& reason);

// "--tables 'data'", "the current directory", or, found nowhere, every folder tried.
std::string WhereTablesWereSought(const TablesLocation& location);

// For a calculation that failed: where the tables were looked for, when a file is missing there;
// empty when all five are there.
std::string MissingTablesNote(const TablesLocation& location);
