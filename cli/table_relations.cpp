#include "table_relations.h"

#include "cli_text.h"
#include "scales.h"
#include "standard_tolerances.h"

#include <algorithm>

namespace {

// Columns of the hole J/K/M/N file and of the shaft j/k file that the relations read.
constexpr int kHoleKFine = 3;
constexpr int kHoleMFine = 5;
constexpr int kHoleMCoarse = 6;
constexpr int kHoleNFine = 7;
constexpr int kHoleNCoarse = 8;
constexpr int kShaftKFine = 3;

// A cell as a relation sees it: nothing when it cannot be read, else its value or "-" (no value).
std::optional<std::optional<ExactLength>> Usable(const std::optional<LoadedTable>& loaded, TableId table, int line,
                                                 int column)
{
    if (!loaded)
        return std::nullopt;
    const auto cell = CellAt(*loaded, table, line, column);
    if (!cell)
        return std::nullopt;
    return *cell;
}

std::string Words(const std::optional<ExactLength>& value)
{
    return value ? SignedUm(*value) + " µm" : "'-' (no value)";
}

std::optional<ExactLength> Negated(const std::optional<ExactLength>& value)
{
    if (!value)
        return std::nullopt;
    return -*value;
}

class RelationChecker
{
public:
    RelationChecker(const std::array<std::optional<LoadedTable>, kTableCount>& tables,
                    std::vector<TableProblem>& problems)
        : m_tables(tables)
        , m_problems(problems)
    {
    }

    // The cell must hold minus the other cell (both "-" counts as agreeing).
    void ExpectNegated(TableId table, int line, int column, const std::string& name, TableId otherTable,
                       int otherColumn, const std::string& otherName)
    {
        const auto other = Cell(otherTable, line, otherColumn);
        if (!other)
            return;
        const std::string source = std::string(TableFileName(otherTable)) + ":" + std::to_string(line + 1) + ":"
            + std::to_string(otherColumn + 1);
        Expect(table, line, column, name, Negated(*other), "-" + otherName + " (" + source + ")");
    }

    void Expect(TableId table, int line, int column, const std::string& name,
                const std::optional<ExactLength>& expected, const std::string& rule)
    {
        const auto actual = Cell(table, line, column);
        if (!actual || *actual == expected)
            return;
        m_problems.push_back({TableProblem::Severity::Warning, table, line + 1, column + 1,
                              name + " is " + Words(*actual) + ", but " + rule + " gives " + Words(expected)});
    }

    int Lines(TableId table) const
    {
        const auto& loaded = m_tables[static_cast<std::size_t>(table)];
        return loaded ? static_cast<int>(std::min<std::size_t>(loaded->lines.size(), kCoreSizeBandCount)) : 0;
    }

private:
    std::optional<std::optional<ExactLength>> Cell(TableId table, int line, int column) const
    {
        return Usable(m_tables[static_cast<std::size_t>(table)], table, line, column);
    }

    const std::array<std::optional<LoadedTable>, kTableCount>& m_tables;
    std::vector<TableProblem>& m_problems;
};

bool IsJKMN(int letter)
{
    return letter >= kLetterJS && letter <= kLetterN;
}

std::string HoleLetter(int letter)
{
    return std::string(kHoleLetters[static_cast<std::size_t>(letter)]);
}

std::string ShaftLetter(int letter)
{
    return std::string(kShaftLetters[static_cast<std::size_t>(letter)]);
}

void CheckMirroredLetters(RelationChecker& check)
{
    const int lines = std::min(check.Lines(TableId::Hole), check.Lines(TableId::Shaft));
    for (int line = 0; line < lines; ++line) {
        for (int letter = 0; letter < kLetterCount; ++letter) {
            if (IsJKMN(letter))
                continue;
            const bool lower = letter <= kLetterH;
            const std::string name = (lower ? "EI of " : "ES of ") + HoleLetter(letter) + (lower ? "" : " (before Δ)");
            check.ExpectNegated(TableId::Hole, line, letter, name, TableId::Shaft, letter,
                                (lower ? "es of " : "ei of ") + ShaftLetter(letter));
        }
    }
}

void CheckKMN(RelationChecker& check)
{
    const int lines = check.Lines(TableId::HoleJKMN);
    for (int line = 0; line < lines; ++line) {
        if (line < kFirstBandAbove500Mm) {
            if (line < check.Lines(TableId::ShaftJK))
                check.ExpectNegated(TableId::HoleJKMN, line, kHoleKFine, "ES of K up to IT8 (before Δ)",
                                    TableId::ShaftJK, kShaftKFine, "ei of k (IT4 to IT7)");
            if (line < check.Lines(TableId::Shaft)) {
                check.ExpectNegated(TableId::HoleJKMN, line, kHoleMFine, "ES of M up to IT8 (before Δ)", TableId::Shaft,
                                    kLetterM, "ei of m");
                check.ExpectNegated(TableId::HoleJKMN, line, kHoleNFine, "ES of N up to IT8 (before Δ)", TableId::Shaft,
                                    kLetterN, "ei of n");
            }
            continue;
        }
        check.Expect(TableId::HoleJKMN, line, kHoleKFine, "ES of K up to IT8", ExactLength {},
                     "the standard above 500 mm");
        if (line < check.Lines(TableId::Shaft)) {
            for (const auto& [column, grades] :
                 {std::pair {kHoleMFine, "up to IT8"}, std::pair {kHoleMCoarse, "coarser than IT8"}})
                check.ExpectNegated(TableId::HoleJKMN, line, column, std::string("ES of M ") + grades, TableId::Shaft,
                                    kLetterM, "ei of m");
            for (const auto& [column, grades] :
                 {std::pair {kHoleNFine, "up to IT8"}, std::pair {kHoleNCoarse, "coarser than IT8"}})
                check.ExpectNegated(TableId::HoleJKMN, line, column, std::string("ES of N ") + grades, TableId::Shaft,
                                    kLetterN, "ei of n");
        }
    }
}

void CheckDeltas(RelationChecker& check)
{
    const int lines = check.Lines(TableId::Delta);
    for (int line = 0; line < lines; ++line) {
        for (int grade = kGradeIT3; grade <= kGradeIT8; ++grade) {
            const int column = grade - kGradeIT3;
            const std::string name = "Δ of " + std::string(kCoreGradeNames[static_cast<std::size_t>(grade)]);
            if (line >= kFirstBandAbove500Mm) {
                check.Expect(TableId::Delta, line, column, name, std::nullopt, "the standard above 500 mm");
                continue;
            }
            const int range = SizeRangeOfBand(line);
            const auto fine = StandardToleranceOfRange(range, grade - 1);
            const auto coarse = StandardToleranceOfRange(range, grade);
            if (!fine || !coarse)
                continue;
            // Up to 3 mm the standard's delta is 0 in every grade.
            const std::string rule = line == 0 ? "the standard up to 3 mm"
                                               : std::string(kCoreGradeNames[static_cast<std::size_t>(grade)]) + " - "
                    + std::string(kCoreGradeNames[static_cast<std::size_t>(grade - 1)]);
            check.Expect(TableId::Delta, line, column, name, line == 0 ? ExactLength {} : *coarse - *fine, rule);
        }
    }
}

} // namespace

void CheckRelations(const std::array<std::optional<LoadedTable>, kTableCount>& tables,
                    std::vector<TableProblem>& problems)
{
    RelationChecker check(tables, problems);
    CheckMirroredLetters(check);
    CheckKMN(check);
    CheckDeltas(check);
}
