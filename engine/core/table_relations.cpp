#include "core/table_relations.h"

#include "core/scales.h"
#include "core/standard_tolerances.h"

#include <algorithm>
#include <tuple>

namespace {

// Columns of the hole J/K/M/N file and of the shaft j/k file that the relations read.
constexpr int kHoleKFine = 3;
constexpr int kHoleMFine = 5;
constexpr int kHoleMCoarse = 6;
constexpr int kHoleNFine = 7;
constexpr int kHoleNCoarse = 8;
constexpr int kShaftKFine = 3;

using Deviation = CellMeaning::Deviation;
using Grades = CellMeaning::Grades;
using Rule = BrokenRelation::Rule;

CellMeaning HoleCell(Deviation deviation, int letter, Grades grades = Grades::Every, bool beforeDelta = false)
{
    return {Part::Hole, deviation, letter, 0, grades, beforeDelta};
}

CellMeaning ShaftCell(Deviation deviation, int letter, Grades grades = Grades::Every)
{
    return {Part::Shaft, deviation, letter, 0, grades, false};
}

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
                    std::vector<TableFinding>& findings)
        : m_tables(tables)
        , m_findings(findings)
    {
    }

    // The cell must hold minus the other cell (both "-" counts as agreeing).
    void ExpectNegated(TableId table, int line, int column, const CellMeaning& cell, TableId otherTable,
                       int otherColumn, const CellMeaning& otherCell)
    {
        const auto other = Cell(otherTable, line, otherColumn);
        if (!other)
            return;
        BrokenRelation relation;
        relation.rule = Rule::Mirrored;
        relation.expected = Negated(*other);
        relation.other = otherCell;
        relation.otherTable = otherTable;
        relation.otherLine = line + 1;
        relation.otherField = otherColumn + 1;
        Expect(table, line, column, cell, relation);
    }

    // The cell must hold relation.expected.
    void Expect(TableId table, int line, int column, const CellMeaning& cell, BrokenRelation relation)
    {
        const auto actual = Cell(table, line, column);
        if (!actual || *actual == relation.expected)
            return;
        relation.cell = cell;
        relation.actual = *actual;
        TableFinding finding;
        finding.severity = TableFinding::Severity::Warning;
        finding.table = table;
        finding.line = line + 1;
        finding.field = column + 1;
        finding.reason = TableFinding::Reason::RelationBroken;
        finding.relation = relation;
        m_findings.push_back(std::move(finding));
    }

    void ExpectByRule(TableId table, int line, int column, const CellMeaning& cell, Rule rule,
                      const std::optional<ExactLength>& expected)
    {
        BrokenRelation relation;
        relation.rule = rule;
        relation.expected = expected;
        Expect(table, line, column, cell, relation);
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
    std::vector<TableFinding>& m_findings;
};

bool IsJKMN(int letter)
{
    return letter >= kLetterJS && letter <= kLetterN;
}

void CheckMirroredLetters(RelationChecker& check)
{
    const int lines = std::min(check.Lines(TableId::Hole), check.Lines(TableId::Shaft));
    for (int line = 0; line < lines; ++line) {
        for (int letter = 0; letter < kLetterCount; ++letter) {
            if (IsJKMN(letter))
                continue;
            // EI of A to H mirrors es of a to h; ES of P to ZC (before delta) mirrors ei of p to zc.
            const bool lower = letter <= kLetterH;
            check.ExpectNegated(TableId::Hole, line, letter,
                                HoleCell(lower ? Deviation::Lower : Deviation::Upper, letter, Grades::Every, !lower),
                                TableId::Shaft, letter, ShaftCell(lower ? Deviation::Upper : Deviation::Lower, letter));
        }
    }
}

void CheckKMN(RelationChecker& check)
{
    const CellMeaning shaftM = ShaftCell(Deviation::Lower, kLetterM);
    const CellMeaning shaftN = ShaftCell(Deviation::Lower, kLetterN);
    const int lines = check.Lines(TableId::HoleJKMN);
    for (int line = 0; line < lines; ++line) {
        if (line < kFirstBandAbove500Mm) {
            if (line < check.Lines(TableId::ShaftJK))
                check.ExpectNegated(TableId::HoleJKMN, line, kHoleKFine,
                                    HoleCell(Deviation::Upper, kLetterK, Grades::UpToIT8, true), TableId::ShaftJK,
                                    kShaftKFine, ShaftCell(Deviation::Lower, kLetterK, Grades::IT4ToIT7));
            if (line < check.Lines(TableId::Shaft)) {
                check.ExpectNegated(TableId::HoleJKMN, line, kHoleMFine,
                                    HoleCell(Deviation::Upper, kLetterM, Grades::UpToIT8, true), TableId::Shaft,
                                    kLetterM, shaftM);
                check.ExpectNegated(TableId::HoleJKMN, line, kHoleNFine,
                                    HoleCell(Deviation::Upper, kLetterN, Grades::UpToIT8, true), TableId::Shaft,
                                    kLetterN, shaftN);
            }
            continue;
        }
        check.ExpectByRule(TableId::HoleJKMN, line, kHoleKFine, HoleCell(Deviation::Upper, kLetterK, Grades::UpToIT8),
                           Rule::Above500Mm, ExactLength {});
        if (line < check.Lines(TableId::Shaft)) {
            for (const auto& [column, letter, grades, shaft] :
                 {std::tuple {kHoleMFine, kLetterM, Grades::UpToIT8, shaftM},
                  std::tuple {kHoleMCoarse, kLetterM, Grades::CoarserThanIT8, shaftM},
                  std::tuple {kHoleNFine, kLetterN, Grades::UpToIT8, shaftN},
                  std::tuple {kHoleNCoarse, kLetterN, Grades::CoarserThanIT8, shaftN}})
                check.ExpectNegated(TableId::HoleJKMN, line, column, HoleCell(Deviation::Upper, letter, grades),
                                    TableId::Shaft, letter, shaft);
        }
    }
}

void CheckDeltas(RelationChecker& check)
{
    const int lines = check.Lines(TableId::Delta);
    for (int line = 0; line < lines; ++line) {
        for (int grade = kGradeIT3; grade <= kGradeIT8; ++grade) {
            const int column = grade - kGradeIT3;
            CellMeaning delta;
            delta.deviation = Deviation::Delta;
            delta.grade = grade;
            if (line >= kFirstBandAbove500Mm) {
                check.ExpectByRule(TableId::Delta, line, column, delta, Rule::Above500Mm, std::nullopt);
                continue;
            }
            const int range = SizeRangeOfBand(line);
            const auto fine = StandardToleranceOfRange(range, grade - 1);
            const auto coarse = StandardToleranceOfRange(range, grade);
            if (!fine || !coarse)
                continue;
            // Up to 3 mm the standard's delta is 0 in every grade.
            if (line == 0)
                check.ExpectByRule(TableId::Delta, line, column, delta, Rule::UpTo3Mm, ExactLength {});
            else
                check.ExpectByRule(TableId::Delta, line, column, delta, Rule::GradeStep, *coarse - *fine);
        }
    }
}

} // namespace

void CheckRelations(const std::array<std::optional<LoadedTable>, kTableCount>& tables,
                    std::vector<TableFinding>& findings)
{
    RelationChecker check(tables, findings);
    CheckMirroredLetters(check);
    CheckKMN(check);
    CheckDeltas(check);
}
