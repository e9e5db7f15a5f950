// Where quorlan-cli looks for its tables, in-process: the order of the places, and what it says
// when the files are not there. (cli_process_test runs the program itself from moved installs.)

#include "commands.h"
#include "parse_error_text.h"
#include "table_folder.h"
#include "table_id.h"
#include "test_support.h"

#include <fstream>
#include <sstream>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// A sandbox: an option folder, an environment folder, a current directory, an install beside a
// program, and an install prefix, each with or without a table file; the current directory is
// entered for the test and left again.
class TableFolders : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* folder :
             {"option", "environment", "current", "prefix/bin", "prefix/share/quorlan", "installed"})
            std::filesystem::create_directories(Path(folder));
        m_previous = std::filesystem::current_path();
        std::filesystem::current_path(Path("current"));
        m_clues.program = Path("prefix/bin/quorlan-cli");
        m_clues.installedTables = Path("installed");
    }
    void TearDown() override { std::filesystem::current_path(m_previous); }

    std::filesystem::path Path(const std::string& folder) const { return m_root.Path() / folder; }
    void PutATableFileIn(const std::string& folder) const
    {
        std::ofstream(Path(folder) / TableFileName(TableId::Delta)) << "0 0 0 0 0 0\n";
    }
    TablesLocation Locate() const
    {
        const auto located = LocateTables(m_clues);
        EXPECT_TRUE(located) << located.reason();
        return located ? *located : TablesLocation {};
    }

    test::TempFolder m_root;
    std::filesystem::path m_previous;
    TableFolderClues m_clues;
};

TEST_F(TableFolders, EachPlaceIsTakenOnlyWhenTheOnesBeforeItGiveNothing)
{
    for (const char* folder : {"current", "prefix/share/quorlan", "installed"})
        PutATableFileIn(folder);
    m_clues.option = Path("option");
    m_clues.environment = Path("environment").string();
    EXPECT_EQ(Locate().source, TableFolderSource::Option);
    m_clues.option.reset();
    EXPECT_EQ(Locate().folder, Path("environment"));
    m_clues.environment = ""; // set but empty: as if unset
    EXPECT_EQ(Locate().source, TableFolderSource::CurrentDirectory);
    EXPECT_EQ(Locate().folder, std::filesystem::path());
    std::filesystem::remove(Path("current") / TableFileName(TableId::Delta));
    EXPECT_EQ(Locate().source, TableFolderSource::BesideProgram);
    EXPECT_EQ(Locate().folder, Path("prefix/share/quorlan"));
    std::filesystem::remove(Path("prefix/share/quorlan") / TableFileName(TableId::Delta));
    EXPECT_EQ(Locate().source, TableFolderSource::InstallPrefix);
    EXPECT_EQ(Locate().folder, Path("installed"));
}

TEST_F(TableFolders, FoundNowhereTheCurrentDirectoryIsReadAndEveryPlaceNamed)
{
    const TablesLocation location = Locate();
    EXPECT_EQ(location.source, TableFolderSource::Nowhere);
    EXPECT_EQ(location.folder, std::filesystem::path());
    EXPECT_EQ(MissingTablesNote(location),
              "no table files in the current directory, '" + Path("prefix/share/quorlan").string() + "' or '"
                  + Path("installed").string() + "'; give --tables DIR or set QUORLAN_TABLES");
}

TEST_F(TableFolders, AFolderNamedByTheUserMustBeOne)
{
    m_clues.environment = "/no/such/folder";
    EXPECT_EQ(LocateTables(m_clues).reason(), "QUORLAN_TABLES '/no/such/folder' is not a folder");
    m_clues.option = "/no/such/option";
    EXPECT_EQ(LocateTables(m_clues).reason(), "--tables '/no/such/option' is not a folder");
    m_clues.environment = std::string(1 << 20, 'x');
    m_clues.option.reset();
    EXPECT_LT(LocateTables(m_clues).reason().size(), 250U);
}

TEST_F(TableFolders, AllFiveInPlaceNeedNoNote)
{
    for (const std::string_view name : kTableFileNames)
        std::filesystem::copy_file(test::ShippedTables() / name, Path("option") / name);
    m_clues.option = Path("option");
    EXPECT_EQ(MissingTablesNote(Locate()), "");
    std::filesystem::remove(Path("option") / TableFileName(TableId::Hole));
    EXPECT_EQ(MissingTablesNote(Locate()), "the tables were read from --tables '" + Path("option").string() + "'");
}

// Texts of a megabyte reach the commands in-process (the system caps an argument at 128 KiB): each
// is refused with a short message.
TEST(LongTextsInProcess, AreRefusedWithAShortMessage)
{
    const std::string longText(1 << 20, '7');
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunDeviation(longText, {"25", std::nullopt, test::ShippedTables()}, out, err), kExitUsage);
    EXPECT_EQ(RunDeviation("H7", {longText, std::nullopt, test::ShippedTables()}, out, err), kExitUsage);
    EXPECT_EQ(RunFit({"H7/g6", longText, test::ShippedTables(), false}, out, err), kExitUsage);
    EXPECT_EQ(RunFit({"\xFF" + longText, "40", test::ShippedTables(), false}, out, err), kExitUsage);
    EXPECT_EQ(out.str(), "");
    EXPECT_LT(err.str().size(), 1000U);
    EXPECT_LE(ShortParseErrorText("Directory does not exist: " + longText).size(), 403U);
    EXPECT_EQ(ShortParseErrorText("bad \xFF\xC3x \x1B[0m \xE5\xB0\xBA"), "bad ??x ?[0m 尺");
}

} // namespace
