// check-tables over copies of the shipped tables with one slip each: every problem is listed as
// FILE:LINE:FIELD, errors fail the check, warnings only with --strict.

#include "cli/commands.h"
#include "core/table_id.h"
#include "test_support.h"

#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>

#include <gtest/gtest.h>

namespace {

std::string Read(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Sets a field (1-based line and field) of a file in a folder.
void SetField(const std::filesystem::path& folder, TableId table, int line, int field, const std::string& value)
{
    const auto path = folder / TableFileName(table);
    std::istringstream lines(Read(path));
    std::string text;
    std::string current;
    for (int number = 1; std::getline(lines, current); ++number) {
        if (number == line) {
            std::string fields;
            std::istringstream split(current);
            std::string cell;
            for (int index = 1; std::getline(split, cell, ' '); ++index)
                fields += (index > 1 ? " " : "") + (index == field ? value : cell);
            current = fields;
        }
        text += current + '\n';
    }
    std::ofstream(path, std::ios::binary) << text;
}

// Replaces a whole line (1-based) of a file in a folder.
void SetLine(const std::filesystem::path& folder, TableId table, int line, const std::string& text)
{
    const auto path = folder / TableFileName(table);
    std::istringstream lines(Read(path));
    std::string content;
    std::string current;
    for (int number = 1; std::getline(lines, current); ++number)
        content += (number == line ? text : current) + '\n';
    std::ofstream(path, std::ios::binary) << content;
}

// Keeps the first lines of a file.
void KeepLines(const std::filesystem::path& folder, TableId table, int count)
{
    const auto path = folder / TableFileName(table);
    std::istringstream lines(Read(path));
    std::string text;
    std::string current;
    for (int number = 0; number < count && std::getline(lines, current); ++number)
        text += current + '\n';
    std::ofstream(path, std::ios::binary) << text;
}

struct Slip
{
    const char* name;
    std::function<void(const std::filesystem::path&)> make;
    std::vector<std::string> reported; // lines the report holds, each after the folder
    bool error; // else only warnings
};

void PrintTo(const Slip& slip, std::ostream* os)
{
    *os << slip.name;
}

struct Report
{
    int status;
    int strictStatus;
    std::string out;
    int jsonStatus;
    std::string jsonAsText; // each entry of --json as the text line
};

Report Check(const std::filesystem::path& folder)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCheckTables({folder, false, false}, out, err);
    std::ostringstream strictOut;
    const int strictStatus = RunCheckTables({folder, true, false}, strictOut, err);
    std::ostringstream jsonOut;
    const int jsonStatus = RunCheckTables({folder, false, true}, jsonOut, err);
    std::string jsonAsText;
    for (const auto& entry : nlohmann::json::parse(jsonOut.str()))
        jsonAsText += entry["file"].get<std::string>() + ":" + std::to_string(entry["line"].get<int>()) + ":"
            + std::to_string(entry["field"].get<int>()) + ": " + entry["severity"].get<std::string>() + ": "
            + entry["reason"].get<std::string>() + "\n";
    return {status, strictStatus, out.str(), jsonStatus, jsonAsText};
}

TEST(CheckTables, TheShippedTablesAreInOrder)
{
    const Report report = Check(test::ShippedTables());
    EXPECT_EQ(report.strictStatus, kExitResult) << report.out;
    EXPECT_EQ(report.out, test::ShippedTables().string() + ": the five table files are in order\n");
    EXPECT_EQ(report.jsonAsText, "");
}

class CheckTablesSlip : public ::testing::TestWithParam<Slip>
{
protected:
    void SetUp() override
    {
        for (const std::string_view name : kTableFileNames)
            std::filesystem::copy_file(test::ShippedTables() / name, m_folder.Path() / name);
        GetParam().make(m_folder.Path());
    }
    test::TempFolder m_folder;
};

TEST_P(CheckTablesSlip, IsListedWhereItIs)
{
    const Report report = Check(m_folder.Path());
    std::string expected;
    for (const std::string& line : GetParam().reported)
        expected += (m_folder.Path() / line).string() + "\n";
    EXPECT_EQ(report.out, expected);
    EXPECT_EQ(report.jsonAsText, expected); // --json lists the same, in the same order
    EXPECT_EQ(report.jsonStatus, report.status);
    EXPECT_EQ(report.status, GetParam().error ? kExitFailure : kExitResult);
    EXPECT_EQ(report.strictStatus, kExitFailure);
}

const auto kShaft = TableId::Shaft;
const auto kHole = TableId::Hole;
const auto kShaftJK = TableId::ShaftJK;
const auto kHoleJKMN = TableId::HoleJKMN;
const auto kDelta = TableId::Delta;

INSTANTIATE_TEST_SUITE_P(
    Errors, CheckTablesSlip,
    ::testing::Values(
        Slip {"MissingFile",
              [](const auto& f) { std::filesystem::remove(f / "es_ei_j_k_z.ini"); },
              {"es_ei_j_k_z.ini:0:0: error: missing"},
              true},
        Slip {"TooFewLines",
              [](const auto& f) { KeepLines(f, kShaftJK, 20); },
              {"es_ei_j_k_z.ini:21:0: error: the file ends after 20 lines: 25 are needed for sizes up to 500 mm, 41 "
               "up to 3150 mm"},
              true},
        Slip {"TooFewFields",
              [](const auto& f) { SetLine(f, kShaftJK, 3, "-2 -5 - 1"); },
              {"es_ei_j_k_z.ini:3:5: error: only 4 fields, 5 are needed"},
              true},
        Slip {"NotANumber",
              [](const auto& f) { SetField(f, kShaft, 4, 2, "12x"); },
              {"es_ei_z.ini:4:2: error: '12x' is not a number of micrometres, nor '-' for no value"},
              true},
        Slip {"TooPrecise",
              [](const auto& f) { SetField(f, kDelta, 7, 5, "8.001"); },
              {"ES_EI_H_BT.ini:7:5: error: '8.001' has more than two decimals"},
              true},
        Slip {"Implausible",
              [](const auto& f) { SetField(f, kShaft, 4, 1, "-100000"); },
              {"es_ei_z.ini:4:1: error: '-100000' is beyond ±10000 µm, larger than any deviation"},
              true},
        Slip {"EmptyField",
              [](const auto& f) { SetField(f, kHoleJKMN, 2, 3, ""); },
              {"ES_EI_J_K_H.ini:2:3: error: an empty field: fields are separated by exactly one space, and later "
               "fields are not read"},
              true},
        Slip {"NulByte",
              [](const auto& f) { SetField(f, kDelta, 30, 2, std::string("-\0", 2)); },
              {"ES_EI_H_BT.ini:30:2: error: a NUL byte: the file is read up to the line before it, and no further",
               "ES_EI_H_BT.ini:31:0: error: the file ends after 30 lines: the lines above 500 mm run to line 41"},
              true},
        Slip {"ControlAndBrokenUtf8",
              [](const auto& f) { SetField(f, kShaft, 2, 3, "\x1B[2J\xC3"); },
              {"es_ei_z.ini:2:3: error: '\\x1B[2J\\xC3' is not a number of micrometres, nor '-' for no value"},
              true}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Warnings, CheckTablesSlip,
    ::testing::Values(
        Slip {"HoleDoesNotMirrorTheShaft",
              [](const auto& f) { SetField(f, kHole, 9, 5, "64"); },
              {"ES_EI_H.ini:9:5: warning: EI of D is +64 µm, but -es of d (es_ei_z.ini:9:5) gives +80 µm"},
              false},
        Slip {"HoleHasAValueTheShaftLacks",
              [](const auto& f) { SetField(f, kHole, 1, 20, "-20"); },
              {"ES_EI_H.ini:1:20: warning: ES of T (before Δ) is -20 µm, but -ei of t (es_ei_z.ini:1:20) gives '-' "
               "(no value)"},
              false},
        Slip {"FineKDoesNotMirrorK",
              [](const auto& f) { SetField(f, kHoleJKMN, 2, 4, "-2"); },
              {"ES_EI_J_K_H.ini:2:4: warning: ES of K up to IT8 (before Δ) is -2 µm, but -ei of k (IT4 to IT7) "
               "(es_ei_j_k_z.ini:2:4) gives -1 µm"},
              false},
        Slip {"DeltaIsNotTheStepBetweenGrades",
              [](const auto& f) { SetField(f, kDelta, 7, 5, "7"); },
              {"ES_EI_H_BT.ini:7:5: warning: Δ of IT7 is +7 µm, but IT7 - IT6 gives +8 µm"},
              false},
        Slip {"KAbove500MmIsNotZero",
              [](const auto& f) { SetField(f, kHoleJKMN, 30, 4, "5"); },
              {"ES_EI_J_K_H.ini:30:4: warning: ES of K up to IT8 is +5 µm, but the standard above 500 mm gives 0 µm"},
              false},
        Slip {"CoarseMAbove500MmIsNotMinusM",
              [](const auto& f) { SetField(f, kHoleJKMN, 26, 7, "-20"); },
              {"ES_EI_J_K_H.ini:26:7: warning: ES of M coarser than IT8 is -20 µm, but -ei of m (es_ei_z.ini:26:15) "
               "gives -26 µm"},
              false},
        Slip {"DeltaAbove500Mm",
              [](const auto& f) { SetField(f, kDelta, 26, 1, "1"); },
              {"ES_EI_H_BT.ini:26:1: warning: Δ of IT3 is +1 µm, but the standard above 500 mm gives '-' (no value)"},
              false},
        Slip {
            "OnlyTheLinesUpTo500Mm",
            [](const auto& f) {
                for (const TableId table : kAllTables)
                    KeepLines(f, table, 25);
            },
            {"es_ei_z.ini:26:0: warning: no lines above 500 mm (26 to 41): sizes over 500 mm have no values from this "
             "file",
             "ES_EI_H.ini:26:0: warning: no lines above 500 mm (26 to 41): sizes over 500 mm have no values from this "
             "file",
             "es_ei_j_k_z.ini:26:0: warning: no lines above 500 mm (26 to 41): sizes over 500 mm have no values from "
             "this file",
             "ES_EI_J_K_H.ini:26:0: warning: no lines above 500 mm (26 to 41): sizes over 500 mm have no values from "
             "this file",
             "ES_EI_H_BT.ini:26:0: warning: no lines above 500 mm (26 to 41): sizes over 500 mm have no values from "
             "this file"},
            false},
        Slip {"FieldsBeyondTheLast",
              [](const auto& f) { SetField(f, kDelta, 3, 6, "7 9"); },
              {"ES_EI_H_BT.ini:3:7: warning: more than 6 fields: the rest of the line is never read"},
              false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
