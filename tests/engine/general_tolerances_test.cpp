// The general tolerances' tables against the standards' printed tables (tests/data), cell by cell at
// both ends of every range, and the sizes they leave out.
#include "core/decimal_text.h"
#include "core/general/general_tolerances.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct PrintedRow
{
    ExactLength over;
    bool holdsOver = false;
    std::optional<ExactLength> upTo;
    std::vector<std::optional<ExactLength>> cells; // mm as lengths; angles' minutes as whole mm
};

ExactLength Mm(const std::string& text)
{
    const auto value = ParseMillimetres(text);
    EXPECT_TRUE(value.HasValue()) << text;
    return value ? *value : ExactLength {};
}

std::map<std::string, std::vector<PrintedRow>> PrintedTables()
{
    std::ifstream in(std::filesystem::path(QUORLAN_TEST_DATA_DIR) / "general_tolerances_published.txt");
    std::map<std::string, std::vector<PrintedRow>> tables;
    std::vector<PrintedRow>* current = nullptr;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string first;
        if (!(fields >> first) || first[0] == '#')
            continue;
        if (first == "table") {
            std::string name;
            fields >> name;
            current = &tables[name];
            continue;
        }
        PrintedRow row;
        row.holdsOver = first.back() == '[';
        row.over = Mm(row.holdsOver ? first.substr(0, first.size() - 1) : first);
        std::string upTo;
        fields >> upTo;
        if (upTo != "-")
            row.upTo = Mm(upTo);
        for (std::string cell; fields >> cell;)
            row.cells.push_back(cell == "-" ? std::nullopt : std::optional(Mm(cell)));
        current->push_back(row);
    }
    return tables;
}

// The sizes that must find a row's value: its lower end (or just above it) and its upper end.
std::vector<ExactLength> Probes(const PrintedRow& row)
{
    const ExactLength above = row.holdsOver ? row.over : row.over + ExactLength {1000};
    return {above, row.upTo ? *row.upTo : row.over + ExactLength::FromMm(1000)};
}

struct LinearCase
{
    const char* table;
    GeneralKind kind;
    GeneralStandard standard;
};

TEST(GeneralTolerances, EveryPrintedCellOfTheLinearEdgeAndAngleTables)
{
    const auto printed = PrintedTables();
    const LinearCase cases[] = {
        {"linear", GeneralKind::Linear, GeneralStandard::Iso}, {"linear", GeneralKind::Linear, GeneralStandard::Gb},
        {"edge-iso", GeneralKind::Edge, GeneralStandard::Iso}, {"edge-gb", GeneralKind::Edge, GeneralStandard::Gb},
        {"angle", GeneralKind::Angle, GeneralStandard::Iso},   {"angle", GeneralKind::Angle, GeneralStandard::Gb},
    };
    for (const LinearCase& c : cases) {
        ASSERT_FALSE(printed.at(c.table).empty()) << c.table;
        EXPECT_EQ(LinearTable(c.kind, c.standard).rows.size(), printed.at(c.table).size()) << c.table;
        for (const PrintedRow& row : printed.at(c.table)) {
            for (std::size_t column = 0; column < 4; ++column) {
                for (const ExactLength size : Probes(row)) {
                    const auto found = FindGeneralTolerance(c.kind, static_cast<LinearClass>(column), c.standard, size);
                    SCOPED_TRACE(std::string(c.table) + " class " + std::to_string(column) + " at " + FormatMm(size));
                    if (!row.cells[column]) {
                        ASSERT_FALSE(found.HasValue());
                        EXPECT_EQ(found.reason(), GeneralRefusal::EmptyCell);
                        continue;
                    }
                    ASSERT_TRUE(found.HasValue());
                    if (c.kind == GeneralKind::Angle)
                        EXPECT_EQ(ExactLength::FromMm(found->deviationArcMinutes), *row.cells[column]);
                    else
                        EXPECT_EQ(found->deviation, *row.cells[column]);
                }
            }
        }
    }
}

TEST(GeneralTolerances, EveryPrintedCellOfTheGeometricalTables)
{
    const auto printed = PrintedTables();
    const std::pair<const char*, GeometricalFeature> cases[] = {
        {"straightness", GeometricalFeature::Straightness},
        {"straightness", GeometricalFeature::Flatness},
        {"perpendicularity", GeometricalFeature::Perpendicularity},
        {"symmetry", GeometricalFeature::Symmetry},
        {"runout", GeometricalFeature::Runout},
    };
    for (const GeneralStandard standard : {GeneralStandard::Iso, GeneralStandard::Gb}) {
        for (const auto& [table, feature] : cases) {
            EXPECT_EQ(GeometricalTable(feature, standard).rows.size(), printed.at(table).size()) << table;
            for (const PrintedRow& row : printed.at(table)) {
                for (std::size_t column = 0; column < 3; ++column) {
                    for (const ExactLength length : Probes(row)) {
                        const auto found = FindGeometricalTolerance(feature, static_cast<GeometricalClass>(column),
                                                                    standard, length);
                        SCOPED_TRACE(std::string(table) + " class " + std::to_string(column) + " at "
                                     + FormatMm(length));
                        ASSERT_TRUE(found.HasValue());
                        EXPECT_EQ(found->tolerance, *row.cells[column]);
                    }
                }
            }
        }
    }
}

TEST(GeneralTolerances, SizesTheTablesLeaveOut)
{
    struct Case
    {
        GeneralKind kind;
        const char* sizeMm;
        GeneralRefusal refusal;
    };
    const Case cases[] = {
        {GeneralKind::Linear, "0.499999", GeneralRefusal::BelowTables},
        {GeneralKind::Edge, "0.4", GeneralRefusal::BelowTables},
        {GeneralKind::Linear, "4000.000001", GeneralRefusal::BeyondTables},
        {GeneralKind::Linear, "0", GeneralRefusal::NotPositive},
        {GeneralKind::Angle, "-1", GeneralRefusal::NotPositive},
    };
    for (const Case& c : cases) {
        const auto found = FindGeneralTolerance(c.kind, LinearClass::Medium, GeneralStandard::Iso, Mm(c.sizeMm));
        ASSERT_FALSE(found.HasValue()) << c.sizeMm;
        EXPECT_EQ(found.reason(), c.refusal) << c.sizeMm;
    }
    const auto beyond = FindGeometricalTolerance(GeometricalFeature::Flatness, GeometricalClass::K,
                                                 GeneralStandard::Iso, Mm("3000.5"));
    ASSERT_FALSE(beyond.HasValue());
    EXPECT_EQ(beyond.reason(), GeneralRefusal::BeyondTables);
}

TEST(GeneralTolerances, ClassesAsTitleBlocksWriteThem)
{
    const auto pair = ParseGeneralClasses("mK");
    ASSERT_TRUE(pair.has_value());
    EXPECT_EQ(pair->linear, LinearClass::Medium);
    EXPECT_EQ(pair->geometrical, GeometricalClass::K);
    EXPECT_TRUE(ParseGeneralClasses("fh").has_value());
    for (const char* bad : {"", "M", "k", "Km", "mKx", "mm", "x", "m K"})
        EXPECT_FALSE(ParseGeneralClasses(bad).has_value()) << bad;
}

} // namespace
