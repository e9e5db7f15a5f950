#pragma once

#include "core/chains/chain_link.h"
#include "core/chains/link_fields.h"
#include "core/chains/link_problem.h"
#include "core/loaded_tables.h"
#include "core/result.h"

#include <string_view>
#include <vector>

// A chain written as CSV text, one link a row:
//   # comments from "#" to the end of a line; blank lines are skipped
//   name,direction,nominal_mm,tolerance[,distribution][,cpk][,mean_shift_mm]
//   housing,+1,50,H8
// UTF-8 (a byte-order mark may start it), lines ending in LF or CR LF, fields split at each comma
// and trimmed of spaces and tabs (no quoting: a name holds no comma). The first problem met is
// refused with its line, and no link is kept.

// More links than any drawing's chain: a file of millions of rows is refused, not computed.
inline constexpr std::size_t kMostChainLinks = 1000;
// Larger texts are no chain and are refused unread.
inline constexpr std::size_t kLargestChainTextBytes = 1 << 20;

struct ChainRow
{
    int line = 0;
    LinkFields fields;
};

// The rows as typed, each with its line: the header read and the field counts checked.
Result<std::vector<ChainRow>, ChainProblem> ReadChainRows(std::string_view text);

// The links, each read by ReadLink; a problem names its row's line (or, for rows given one by one,
// their number counted from 1).
Result<std::vector<ChainLink>, ChainProblem> ReadChainLinks(const DeviationTables& tables,
                                                            const std::vector<ChainRow>& rows);

Result<std::vector<ChainLink>, ChainProblem> ReadChainCsv(const DeviationTables& tables, std::string_view text);
