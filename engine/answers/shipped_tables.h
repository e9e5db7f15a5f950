#pragma once

#include "core/loaded_tables.h"

// The five deviation table files shipped in data/, built into the program: answers need no file.
// Parsed on first use, once.
const DeviationTables& ShippedTables();
