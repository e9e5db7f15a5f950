#pragma once

#include "dialog/calc_state.h"
#include "dialog/deviation_tables.h"
#include "dialog/memory_dialog_view.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace test {

// A folder of its own for one test's table files, removed again afterwards.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    void Write(const std::string& name, const std::string& content) const;
    void Remove(const std::string& name) const;

private:
    std::filesystem::path m_path;
};

// A table of 25 lines of `columns` fields; every cell holds `fill` unless set.
class TableText
{
public:
    TableText(int columns, std::string fill);
    // Every cell holds 100 * band + column, so that a value read tells where it was read.
    static TableText Coded(int columns);
    TableText& Set(int band, int column, std::string value);
    std::string Text() const;

private:
    std::vector<std::vector<std::string>> m_cells;
};

// The five files, each with one value in every cell, and cells set per file where a test needs them.
struct TableSet
{
    TableText shafts {28, "0"};
    TableText holes {28, "0"};
    TableText shaftJK {5, "0"};
    TableText holeJKMN {9, "0"};
    TableText deltas {6, "0"};

    void WriteTo(const TempFolder& folder) const;
};

// Every test starts from the calculation state of a freshly started program.
inline void ResetCalcState()
{
    g_calcState = CalcState {};
}

// The dialog as it opens, with its lists filled, and a user's choices made on it.
struct Choices
{
    std::string sizeRange {}; // empty: nothing chosen
    std::string grade {};
    std::string size {};
    int basis = -1;
    std::string letter {};
};
void FillAndChoose(MemoryDialogView& view, const Choices& choices);

// The shipped tables in data/.
inline std::filesystem::path ShippedTables()
{
    return QUORLAN_DATA_DIR;
}

} // namespace test
