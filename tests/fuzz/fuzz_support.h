#pragma once

#include "core/table_id.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

// What the fuzz harnesses share: their entry point, a check that stops the run where an invariant
// breaks, and the way one input becomes five table files.

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

[[noreturn]] void Fail(const char* condition, const char* file, int line);

// Like assert, but kept in release builds: a broken invariant is a finding.
#define FUZZ_CHECK(condition) ((condition) ? void(0) : ::fuzz::Fail(#condition, __FILE__, __LINE__))

// Separates the five files in one input; a table file never holds this byte in a readable cell.
inline constexpr char kFileSeparator = '\x1E';

// The input cut at the first four separators: file 1 to 5 in TableId order. Files after the last
// separator are missing, so that every number of files from one to five is reachable.
using TableFileTexts = std::array<std::optional<std::string_view>, kTableCount>;
TableFileTexts CutIntoFiles(std::string_view input);

// A folder of this process's own (on tmpfs where there is one), removed when the process ends.
const std::filesystem::path& ScratchFolder();

// Writes the files that are present into the scratch folder and removes the others.
void WriteTableFiles(const TableFileTexts& files);

// Reads fixed-size parameters off the front of an input; zeros once it is used up.
class ParameterReader
{
public:
    explicit ParameterReader(std::string_view input)
        : m_input(input)
    {
    }
    std::uint8_t Byte();
    std::uint32_t Word(); // four bytes, little end first
    std::string_view Rest() const { return m_input; }

private:
    std::string_view m_input;
};

// A cheap, stable hash of an input, to pick which slower calculations one input runs.
std::uint64_t HashOf(std::string_view input);

} // namespace fuzz
