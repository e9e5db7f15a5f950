#pragma once

#include <array>
#include <string_view>

// The five deviation table files.
enum class TableId : int {
    Shaft, // es of a to h, ei of m to zc, by letter
    Hole, // EI of A to H, ES of P to ZC before delta, by letter
    ShaftJK, // ei of j and k, by grade
    HoleJKMN, // ES of J, K, M and N, by grade
    Delta, // delta of IT3 to IT8
};

inline constexpr int kTableCount = 5;
inline constexpr std::array<TableId, kTableCount> kAllTables
    = {TableId::Shaft, TableId::Hole, TableId::ShaftJK, TableId::HoleJKMN, TableId::Delta};

// File names, by TableId; the files are opened by these names in the tables' folder.
inline constexpr std::array<std::string_view, kTableCount> kTableFileNames
    = {"es_ei_z.ini", "ES_EI_H.ini", "es_ei_j_k_z.ini", "ES_EI_J_K_H.ini", "ES_EI_H_BT.ini"};

// Fields every line of a file holds, by TableId.
inline constexpr std::array<int, kTableCount> kTableColumnCounts = {28, 28, 5, 9, 6};

constexpr std::string_view TableFileName(TableId table)
{
    return kTableFileNames[static_cast<std::size_t>(table)];
}

constexpr int TableColumnCount(TableId table)
{
    return kTableColumnCounts[static_cast<std::size_t>(table)];
}
