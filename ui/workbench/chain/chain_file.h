#pragma once

#include "core/chains/chain_csv.h"
#include "core/result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A chain's CSV file, the one `quorlan-cli stack` reads (core/chains/chain_csv.h), read for the
// tab and the report and written from the tab's rows. Plain C++.

enum class ChainFileProblem {
    NotAFile, // missing, a folder, a device: only a regular file is read, so nothing blocks
    CannotRead,
};

using ChainFileRefusal = std::variant<ChainFileProblem, ChainProblem>;

// The file's bytes, at most one more than a chain may hold, so that a larger one is refused by the
// reader without being read in full.
Result<std::string, ChainFileProblem> ReadChainFileText(const std::filesystem::path& file);

// The file's rows as typed; the problem of the file or of its text (with its line).
Result<std::vector<LinkFields>, ChainFileRefusal> ReadChainFileRows(const std::filesystem::path& file);

// A field the file cannot hold: the reader splits at commas, cuts comments at "#" and lines at line
// breaks, and has no quoting. row from 1; field is the header's name ("name", "tolerance").
struct UnwritableField
{
    std::size_t row = 0;
    std::string_view field;
    std::string text;
};

// The rows as the file's text: the header, then one line a row, each field trimmed. The columns
// cpk and mean_shift_mm only where a row fills them.
Result<std::string, UnwritableField> ChainCsvText(const std::vector<LinkFields>& rows);

// A field without the spaces and tabs around it, as the chain reader takes it.
std::string TrimmedChainField(std::string_view text);
