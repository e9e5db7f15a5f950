// Where every front end looks for its tables: the order of the places, and what the words say when
// the files are not there. (cli_process_test runs quorlan-cli itself from moved installs.)

#include "answers/table_lookup_text.h"
#include "core/table_folder.h"
#include "core/table_id.h"
#include "test_support.h"

#include <fstream>

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
        EXPECT_TRUE(located) << TablesNotAFolderText(located.reason());
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
    const auto words = [this] {
        return TablesNotAFolderText(LocateTables(m_clues).reason());
    };
    m_clues.environment = "/no/such/folder";
    EXPECT_EQ(words(), "QUORLAN_TABLES '/no/such/folder' is not a folder");
    m_clues.option = "/no/such/option";
    EXPECT_EQ(words(), "--tables '/no/such/option' is not a folder");
    m_clues.environment = std::string(1 << 20, 'x');
    m_clues.option.reset();
    EXPECT_LT(words().size(), 250U);
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

} // namespace
