// Table files no one should have to expect, and texts far longer than any typed: each must end in the
// file message (or a plain refusal) and no number, read nothing unbounded, and never hang.

#include "core/decimal_text.h"
#include "core/loaded_tables.h"
#include "core/scales.h"
#include "core/tolerance_class.h"
#include "dialog/calculations.h"
#include "dialog/messages.h"
#include "dialog/number_text.h"
#include "test_support.h"

#include <cmath>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <limits>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const std::filesystem::path kHoleFile(TableFileName(TableId::Hole));

// The shipped tables copied into a folder of the test's own, where one file is then spoiled.
class SpoiledTables : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::ResetCalcState();
        for (const std::string_view name : kTableFileNames)
            std::filesystem::copy_file(test::ShippedTables() / name, m_folder.Path() / name);
    }

    std::filesystem::path HoleFile() const { return m_folder.Path() / kHoleFile; }

    // Hole P7 at 25 mm as the dialog computes it: reads the hole file and the delta file.
    std::vector<std::string> ComputeP7At25(std::string* shown)
    {
        MemoryDialogView view;
        test::FillAndChoose(view, {">18-30", "IT7", "25", kBasisHole, "P"});
        CalcDeviations(view, m_folder.Path());
        *shown = view.BoxText(Control::UpperDeviationBox) + view.BoxText(Control::LowerDeviationBox);
        return view.Messages();
    }

    test::TempFolder m_folder;
};

struct BadFile
{
    const char* name;
    std::function<void(const std::filesystem::path&)> make;
    Failure::Kind kind;
};

void PrintTo(const BadFile& file, std::ostream* os)
{
    *os << file.name;
}

class BadTableFile : public SpoiledTables, public ::testing::WithParamInterface<BadFile>
{
};

TEST_P(BadTableFile, EndsInTheFileMessageAndNoNumber)
{
    std::filesystem::remove(HoleFile());
    GetParam().make(HoleFile());
    EXPECT_EQ(LoadTable(m_folder.Path(), TableId::Hole).problem, GetParam().kind);
    std::string shown;
    const auto messages = ComputeP7At25(&shown);
    EXPECT_EQ(shown, "");
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.front(), kMsgTableFileUnreadable);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, BadTableFile,
    ::testing::Values(
        // Opened without O_NONBLOCK, a FIFO would wait for a writer for ever.
        BadFile {"Fifo", [](const auto& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); },
                 Failure::Kind::TableNotAFile},
        BadFile {"LinkToDevZero", [](const auto& path) { std::filesystem::create_symlink("/dev/zero", path); },
                 Failure::Kind::TableNotAFile},
        BadFile {"DanglingLink",
                 [](const auto& path) { std::filesystem::create_symlink(path.parent_path() / "nowhere", path); },
                 Failure::Kind::TableMissing},
        BadFile {"SparseTwoGigabytes",
                 [](const auto& path) {
                     const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0600);
                     ASSERT_GE(fd, 0);
                     ASSERT_EQ(::ftruncate(fd, off_t {2} << 30), 0);
                     ::close(fd);
                 },
                 Failure::Kind::TableTooLarge},
        BadFile {"OneLineOfOneHundredMegabytes",
                 [](const auto& path) {
                     std::ofstream out(path, std::ios::binary);
                     const std::string block(1 << 20, '7');
                     for (int megabyte = 0; megabyte < 100; ++megabyte)
                         out << block;
                 },
                 Failure::Kind::TableTooLarge}),
    [](const auto& info) { return std::string(info.param.name); });

// Root reads every file: the read is tried as nobody, in a child process, where the machine has one.
TEST_F(SpoiledTables, FileWithoutReadPermissionEndsInTheFileMessage)
{
    std::filesystem::permissions(HoleFile(), std::filesystem::perms::none);
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() == 0 && !nobody)
        GTEST_SKIP() << "running as root, and there is no user 'nobody' to read as";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0))
            ::_exit(2);
        std::string shown;
        const auto messages = ComputeP7At25(&shown);
        const bool refused = LoadTable(m_folder.Path(), TableId::Hole).problem == Failure::Kind::TableMissing;
        ::_exit(refused && shown.empty() && !messages.empty() && messages.front() == kMsgTableFileUnreadable ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_NE(WEXITSTATUS(status), 2) << "could not become nobody";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// Cells of P at 25 mm (line 7, field 17) and of delta IT7 there (line 7, field 5).
struct BadCells
{
    const char* name;
    std::string fundamental;
    std::string delta;
};

void PrintTo(const BadCells& cells, std::ostream* os)
{
    *os << cells.name;
}

class BadTableCell : public SpoiledTables, public ::testing::WithParamInterface<BadCells>
{
};

TEST_P(BadTableCell, EndsInTheFileMessageAndNoNumber)
{
    test::TableText holes(28, "0");
    holes.Set(6, kLetterP, GetParam().fundamental);
    test::TableText deltas(6, "0");
    deltas.Set(6, kGradeIT7 - kGradeIT3, GetParam().delta);
    m_folder.Write(std::string(kHoleFile), holes.Text());
    m_folder.Write(std::string(TableFileName(TableId::Delta)), deltas.Text());
    std::string shown;
    const auto messages = ComputeP7At25(&shown);
    EXPECT_EQ(shown, "");
    EXPECT_EQ(messages.front(), kMsgTableFileUnreadable);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, BadTableCell,
    ::testing::Values(BadCells {"InfiniteSum", "1e308", "1e308"}, // once printed "inf inf"
                      BadCells {"SilentlyHuge", "100000000000000000", "8"}, // once 1e17 µm, printed as a number
                      BadCells {"JustBeyondTenMillimetres", "-10000.01", "8"},
                      BadCells {"DeltaBeyondTenMillimetres", "-22", "10001"}, BadCells {"InvalidUtf8", "\xFF\xFE", "8"},
                      BadCells {"Utf8Minus",
                                "\xE2\x88\x92"
                                "22",
                                "8"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SpoiledTables, ZeroAndTinyNegativeCellsPrintWithoutASign)
{
    for (const std::string cell : {"-0", "-0.04"}) {
        SCOPED_TRACE(cell);
        test::TableText holes(28, "0");
        holes.Set(6, kLetterH, cell);
        m_folder.Write(std::string(kHoleFile), holes.Text());
        MemoryDialogView view;
        test::FillAndChoose(view, {">18-30", "IT7", "25", kBasisHole, "H"});
        CalcDeviations(view, m_folder.Path());
        EXPECT_EQ(view.BoxText(Control::LowerDeviationBox), "0.0000");
    }
}

// A million empty lines would be half a gigabyte of cells if every line were kept.
TEST(TableLines, OnlyTheLinesAnyCalculationReadsAreKept)
{
    const LoadedTable loaded = ParseTable("-" + std::string(kLargestTableFileBytes - 1, '\n'), TableId::Shaft);
    EXPECT_EQ(loaded.lines.size(), kMostTableLines);
}

// Texts of a megabyte, in every reader of typed text: read or refused, never echoed in full.
TEST(LongTexts, AreReadOrRefusedInFull)
{
    const std::string digits(1 << 20, '7');
    EXPECT_EQ(ParseLeadingDecimal(digits), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseLeadingDecimal("0." + digits), 0.7777777777777778);
    EXPECT_EQ(ParseLeadingDecimal("-" + digits + "e-1048575"), -7.777777777777778);
    EXPECT_EQ(ParseMillimetres(digits).reason(), NumberProblem::TooLarge);
    EXPECT_EQ(ParseMillimetres("1." + digits).reason(), NumberProblem::TooPrecise);
    EXPECT_EQ(ParseMillimetres("1." + std::string(1 << 20, '0')).value(), ExactLength::FromMm(1));
    EXPECT_FALSE(ParseDecimalNumber(digits));
    EXPECT_EQ(ParseToleranceClass("H" + digits).reason(), ClassTextProblem::UnknownGrade);
    EXPECT_EQ(ParseToleranceClass(std::string(1 << 20, 'Z') + "7").reason(), ClassTextProblem::UnknownLetter);
    EXPECT_EQ(ParseFitDesignation("H7/" + digits).reason().kind, FitTextProblem::Kind::BadClass);
    EXPECT_LE(QuotePrefix(digits).size(), 43U);
    const std::string invalidUtf8(1 << 20, '\xC3');
    EXPECT_EQ(ParseLeadingDecimal(invalidUtf8), 0.0);
    EXPECT_EQ(ParseToleranceClass(invalidUtf8).reason(), ClassTextProblem::NotAClass);
    EXPECT_LE(QuotePrefix(invalidUtf8).size(), 43U);
}

} // namespace
