// quorlan-cli run as a process on what no one should have to expect: table files that are no files,
// huge or unreadable, cells no table holds, arguments far too long; and the tables found wherever it
// is started. Each ends in a clear message and no number; CTest's timeout catches a hang, and the
// address-space limit of RunProgram an unbounded read.

#include "core/joint_inputs.h"
#include "core/table_id.h"
#include "run_program.h"
#include "test_support.h"

#include <algorithm>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <pwd.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const std::filesystem::path kCli = QUORLAN_CLI;
const std::string kHoleFile(TableFileName(TableId::Hole));

void CopyShippedTables(const std::filesystem::path& to)
{
    std::filesystem::create_directories(to);
    for (const std::string_view name : kTableFileNames)
        std::filesystem::copy_file(test::ShippedTables() / name, to / name);
}

struct BadHoleFile
{
    const char* name;
    std::function<void(const std::filesystem::path&)> make;
    std::string checkLine; // what check-tables says first about the hole file
    std::string fitWords = ""; // what fit says after the file's name
};

void PrintTo(const BadHoleFile& file, std::ostream* os)
{
    *os << file.name;
}

// Writes the hole file with one cell changed: P at 25 mm (line 7, field 17).
std::function<void(const std::filesystem::path&)> WithPAt25(std::string cell)
{
    return [cell](const std::filesystem::path& path) {
        test::TableText holes(28, "0");
        holes.Set(6, 16, cell);
        std::ofstream(path, std::ios::binary) << holes.Text();
    };
}

class SpoiledHoleFile : public ::testing::TestWithParam<BadHoleFile>
{
protected:
    void SetUp() override
    {
        CopyShippedTables(m_folder.Path());
        std::filesystem::remove(m_folder.Path() / kHoleFile);
        GetParam().make(m_folder.Path() / kHoleFile);
    }
    test::TempFolder m_folder;
};

TEST_P(SpoiledHoleFile, EveryCommandEndsInAMessageAndNoNumber)
{
    const std::string folder = m_folder.Path().string();
    struct Command
    {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Command commands[] = {
        {{"deviation", "P7", "25", "--tables", folder}, "文件读取失败,请检查配置文件\n"},
        {{"fit", "P7/h6", "25", "--tables", folder}, kHoleFile + GetParam().fitWords},
        {{"table", "--tables", folder}, kHoleFile},
    };
    for (const auto& command : commands) {
        SCOPED_TRACE(command.arguments.front());
        const auto run = test::RunProgram(kCli, command.arguments);
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(command.message), std::string::npos) << run.err;
    }
    const auto check = test::RunProgram(kCli, {"check-tables", folder});
    EXPECT_EQ(check.status, 1);
    EXPECT_NE(check.out.find(kHoleFile + GetParam().checkLine), std::string::npos) << check.out;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SpoiledHoleFile,
    ::testing::Values(
        BadHoleFile {"Fifo", [](const auto& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); },
                     ":0:0: error: not a regular file"},
        BadHoleFile {"Directory", [](const auto& path) { std::filesystem::create_directory(path); },
                     ":0:0: error: not a regular file"},
        BadHoleFile {"LinkToDevZero", [](const auto& path) { std::filesystem::create_symlink("/dev/zero", path); },
                     ":0:0: error: not a regular file"},
        BadHoleFile {"DanglingLink",
                     [](const auto& path) { std::filesystem::create_symlink(path.parent_path() / "nowhere", path); },
                     ":0:0: error: missing: a link to nothing"},
        BadHoleFile {"LinkLoop",
                     [](const auto& path) {
                         std::filesystem::create_symlink(path.filename(), path.parent_path() / "loop");
                         std::filesystem::create_symlink("loop", path);
                     },
                     ":0:0: error: missing: a loop of symbolic links"},
        BadHoleFile {"WhiteSpaceOnly",
                     [](const auto& path) { std::ofstream(path, std::ios::binary) << "\xEF\xBB\xBF\r\n \n"; },
                     ":0:0: error: the file is empty", "' is empty"},
        BadHoleFile {"SparseTwoGigabytes",
                     [](const auto& path) {
                         const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0600);
                         ASSERT_GE(fd, 0);
                         ASSERT_EQ(::ftruncate(fd, off_t {2} << 30), 0);
                         ::close(fd);
                     },
                     ":0:0: error: larger than 1024 KiB"},
        BadHoleFile {"OneLineOfOneHundredMegabytes",
                     [](const auto& path) {
                         std::ofstream out(path, std::ios::binary);
                         const std::string block(1 << 20, '7');
                         for (int megabyte = 0; megabyte < 100; ++megabyte)
                             out << block;
                     },
                     ":0:0: error: larger than 1024 KiB"},
        BadHoleFile {"InfiniteCell", WithPAt25("1e308"), ":7:17: error: '1e308' is not a number"},
        BadHoleFile {"HugeCell", WithPAt25("100000000000000000"), ":7:17: error: '100000000000000000' is beyond"},
        BadHoleFile {"InvalidUtf8Cell", WithPAt25("\xFF\xFE"), ":7:17: error: '\\xFF\\xFE' is not a number"}),
    [](const auto& info) { return std::string(info.param.name); });

// Root reads every file: the program runs as nobody, where the machine has one it can run as.
TEST(UnreadableTableFile, EndsInAMessageAndNoNumber)
{
    test::TempFolder folder;
    CopyShippedTables(folder.Path());
    std::filesystem::permissions(folder.Path() / kHoleFile, std::filesystem::perms::none);
    test::RunOptions options;
    if (::geteuid() == 0) {
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody)
            GTEST_SKIP() << "running as root, and there is no user 'nobody' to run as";
        options.user = nobody->pw_uid;
    }
    const auto check = test::RunProgram(kCli, {"check-tables", folder.Path().string()}, options);
    if (check.status == 126 || check.status == 127)
        GTEST_SKIP() << "nobody cannot run " << kCli << " (a folder on its path is closed to others)";
    EXPECT_EQ(check.status, 1);
    EXPECT_NE(check.out.find(kHoleFile + ":0:0: error: cannot be read"), std::string::npos) << check.out;
    const auto fit = test::RunProgram(kCli, {"fit", "P7/h6", "25", "--tables", folder.Path().string()}, options);
    EXPECT_EQ(fit.status, 1);
    EXPECT_EQ(fit.out, "");
    EXPECT_NE(fit.err.find(kHoleFile + "' is missing or cannot be read"), std::string::npos) << fit.err;
}

// A cell "-0", or one under half a unit of the last decimal printed, gives zero without a sign.
TEST(ZeroDeviation, PrintsWithoutASign)
{
    for (const std::string cell : {"-0", "-0.04"}) {
        SCOPED_TRACE(cell);
        test::TempFolder folder;
        CopyShippedTables(folder.Path());
        test::TableText holes(28, "0");
        holes.Set(6, 10, cell); // H at 25 mm
        folder.Write(kHoleFile, holes.Text());
        const auto run = test::RunProgram(kCli, {"deviation", "H7", "25", "--tables", folder.Path().string()});
        EXPECT_EQ(run.out, "0.0210 0.0000\n") << run.err;
    }
}

// No message repeats a long argument in full, whoever reads it: a command or the argument parser.
TEST(LongArguments, AreQuotedShortInEveryMessage)
{
    const std::string longText(100'000, '7'); // about the most one argument may hold (128 KiB)
    const std::vector<std::vector<std::string>> argumentLists = {
        {"deviation", longText, "25"},
        {"deviation", "H7", longText},
        {"fit", "H7/" + longText, "40"},
        {"tolerance", longText, "25"},
        {"fits", longText, "--basis", "hole"},
        {"table", longText},
        {longText},
        {"--" + longText},
        {"--tables", "/" + longText, "fit", "H7/g6", "40"},
        {"fit", "H7/g6", "40", longText},
        {"check-tables", "/" + longText},
        {"check-tables", std::string(5000, ' ') + "\xFF\x01"},
    };
    for (const auto& arguments : argumentLists) {
        SCOPED_TRACE(arguments.front().substr(0, 20));
        const auto run = test::RunProgram(kCli, arguments);
        EXPECT_EQ(run.status, 2) << run.err.substr(0, 300);
        EXPECT_EQ(run.out, "");
        EXPECT_LT(run.err.size(), 600U) << run.err.substr(0, 300);
    }
}

TEST(ParserMessages, EchoNeitherControlCharactersNorBrokenUtf8)
{
    const auto run = test::RunProgram(kCli, {"\xFF\xFE\x1B[31m"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.find('\x1B'), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\xFF'), std::string::npos) << run.err;
}

// Output that never reaches its reader is no result: every command says so, and none exits 0.
TEST(FailedWrites, AreReportedByEveryCommand)
{
    const std::string tables = test::ShippedTables().string();
    const std::vector<std::vector<std::string>> argumentLists = {
        {"table", "--tables", tables},
        {"table", "tolerances", "--json"},
        {"fit", "H7/g6", "25", "--tables", tables},
        {"tolerance", "IT7", "25"},
        {"deviation", "P7", "25", "--tables", tables},
        {"fits", "clearance", "--basis", "hole"},
        {"find-fit", "40", "--min-clearance", "10", "--max-clearance", "60", "--tables", tables},
        {"service", "--materials", "--tables", tables},
        {"check-tables", tables},
        {"--help"},
    };
    for (const auto out :
         {test::StandardOutput::FullDevice, test::StandardOutput::Closed, test::StandardOutput::ClosedPipe}) {
        test::RunOptions options;
        options.out = out;
        for (const auto& arguments : argumentLists) {
            SCOPED_TRACE(arguments.front() + " output " + std::to_string(static_cast<int>(out)));
            const auto run = test::RunProgram(kCli, arguments, options);
            EXPECT_EQ(run.status, 1);
            EXPECT_NE(run.err.find("quorlan-cli: cannot write standard output: "), std::string::npos) << run.err;
        }
    }
}

// A diagram replaces its file whole or not at all, and leaves nothing else behind.
// Every class pair at every grade: some 113,000 fits, written one at a time within the 256 MB a run
// gets; with far less, a message and exit 1 rather than an abort.
TEST(WholeSearchAsJson, FitsInTheMemoryLimitOrEndsInAMessage)
{
    const std::vector<std::string> search
        = {"--tables",        QUORLAN_DATA_DIR, "find-fit", "40",  "--min-clearance=-1000",
           "--max-clearance", "1000",           "--basis",  "any", "--all-grade-pairs",
           "--grades",        "01-18",          "--limit",  "0",   "--json"};
    const auto run = test::RunProgram(QUORLAN_CLI, search);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("[{\"fit\":") && run.out.ends_with("}]\n"));
    std::size_t fits = 0;
    for (auto at = run.out.find("{\"fit\":"); at != std::string::npos; at = run.out.find("{\"fit\":", at + 1))
        ++fits;
    EXPECT_GT(fits, 100'000u);
#ifndef QUORLAN_TEST_UNDER_ASAN
    test::RunOptions starved;
    starved.addressSpaceLimitBytes = rlim_t {14} << 20; // enough to start (8 MB), not to search (20 MB)
    const auto failed = test::RunProgram(QUORLAN_CLI, search, starved);
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "quorlan-cli: out of memory: the answer does not fit in the memory this process may use\n");
#endif
}

TEST(DiagramFile, IsReplacedWholeOrKeptAsItWas)
{
    const std::vector<std::string> tables = {"--tables", test::ShippedTables().string()};
    struct Case
    {
        const char* name;
        std::optional<rlim_t> fileSizeLimitBytes;
        bool throughLink;
        int status;
        bool replaced;
    };
    const Case cases[] = {
        {"written", std::nullopt, false, 0, true},
        {"written through a link", std::nullopt, true, 0, true},
        {"too large for the file-size limit", 1000, false, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder folder;
        folder.Write("fit.svg", "old");
        std::filesystem::permissions(folder.Path() / "fit.svg", std::filesystem::perms(0640));
        std::filesystem::path output = folder.Path() / "fit.svg";
        if (c.throughLink) {
            std::filesystem::create_symlink("fit.svg", folder.Path() / "link.svg");
            output = folder.Path() / "link.svg";
        }
        test::RunOptions options;
        options.fileSizeLimitBytes = c.fileSizeLimitBytes;
        auto arguments = tables;
        arguments.insert(arguments.end(), {"diagram", "H7/k6", "25", "-o", output.string()});
        const auto run = test::RunProgram(kCli, arguments, options);
        EXPECT_EQ(run.status, c.status) << run.err;
        std::ifstream in(folder.Path() / "fit.svg");
        const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(content.ends_with("</svg>\n"), c.replaced) << content.substr(0, 100);
        EXPECT_EQ(content == "old", !c.replaced);
        EXPECT_EQ(std::filesystem::status(folder.Path() / "fit.svg").permissions(), std::filesystem::perms(0640));
        EXPECT_TRUE(!c.throughLink || std::filesystem::is_symlink(output));
        const auto entries = std::distance(std::filesystem::directory_iterator(folder.Path()), {});
        EXPECT_EQ(entries, c.throughLink ? 2 : 1);
    }
}

// A name of a folder or file reaches the terminal with its escape sequences and newlines as '?'.
TEST(PathsInMessages, EchoNoControlCharacters)
{
    test::TempFolder root;
    const auto folder = root.Path() / "tables\x1B[2J\nname";
    CopyShippedTables(folder);
    std::filesystem::remove(folder / kHoleFile);
    const std::vector<std::vector<std::string>> argumentLists = {
        {"check-tables", folder.string()},
        {"fit", "P7/h6", "25", "--tables", folder.string()},
        {"find-fit", "40", "--min-clearance", "0", "--max-clearance", "9", "--tables", folder.string()},
        {"diagram", "H7/g6", "25", "-o", (folder / "none" / "x.svg").string(), "--tables", test::ShippedTables()},
    };
    for (const auto& arguments : argumentLists) {
        SCOPED_TRACE(arguments.front());
        const auto run = test::RunProgram(kCli, arguments, {root.Path(), {{"QUORLAN_TABLES", folder.string()}}, {}});
        EXPECT_EQ(run.status, 1);
        const std::string all = run.out + run.err;
        EXPECT_EQ(all.find('\x1B'), std::string::npos) << all;
        EXPECT_EQ(all.find("\nname"), std::string::npos) << all;
        EXPECT_NE(all.find("tables?[2J?name"), std::string::npos) << all;
    }
}

// The tables are found wherever the program is started: --tables, QUORLAN_TABLES, the current
// directory when it holds any of the files, and the tables installed beside the program.
class TableLookup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(m_root.Path() / "install" / "bin");
        std::filesystem::create_directories(m_root.Path() / "elsewhere");
        m_movedCli = m_root.Path() / "install" / "bin" / "quorlan-cli";
        std::filesystem::copy_file(kCli, m_movedCli);
    }
    std::filesystem::path Elsewhere() const { return m_root.Path() / "elsewhere"; }
    std::filesystem::path InstalledTables() const { return m_root.Path() / "install" / "share" / "quorlan"; }

    test::TempFolder m_root;
    std::filesystem::path m_movedCli;
};

TEST_F(TableLookup, AMovedInstallFindsTheTablesBesideItsProgram)
{
    CopyShippedTables(InstalledTables());
    const auto run = test::RunProgram(m_movedCli, {"deviation", "P7", "25"}, {Elsewhere(), {}, {}});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "-0.0140 -0.0350\n");
    EXPECT_EQ(test::RunProgram(m_movedCli, {"check-tables", "--strict"}, {Elsewhere(), {}, {}}).status, 0);
}

TEST_F(TableLookup, TheEnvironmentComesBeforeTheCurrentDirectoryAndTheOptionBeforeBoth)
{
    CopyShippedTables(Elsewhere() / "tables");
    test::TempFolder empty;
    const auto fromEnvironment
        = test::RunProgram(m_movedCli, {"deviation", "P7", "25"},
                           {empty.Path(), {{"QUORLAN_TABLES", (Elsewhere() / "tables").string()}}, {}});
    EXPECT_EQ(fromEnvironment.out, "-0.0140 -0.0350\n") << fromEnvironment.err;
    const auto fromOption
        = test::RunProgram(m_movedCli, {"deviation", "P7", "25", "--tables", test::ShippedTables().string()},
                           {empty.Path(), {{"QUORLAN_TABLES", empty.Path().string()}}, {}});
    EXPECT_EQ(fromOption.out, "-0.0140 -0.0350\n") << fromOption.err;
    const auto notAFolder = test::RunProgram(m_movedCli, {"fit", "H7/g6", "40"},
                                             {empty.Path(), {{"QUORLAN_TABLES", "/no/such/folder"}}, {}});
    EXPECT_EQ(notAFolder.status, 2);
    EXPECT_NE(notAFolder.err.find("QUORLAN_TABLES '/no/such/folder' is not a folder"), std::string::npos);
}

TEST_F(TableLookup, MissingFilesSayWhereTheyWereLookedFor)
{
    // A current directory with one of the files is the tables' folder, even though the rest is missing.
    CopyShippedTables(InstalledTables());
    std::filesystem::copy_file(test::ShippedTables() / TableFileName(TableId::Shaft),
                               Elsewhere() / TableFileName(TableId::Shaft));
    const auto partial = test::RunProgram(m_movedCli, {"fit", "P7/h6", "25"}, {Elsewhere(), {}, {}});
    EXPECT_EQ(partial.status, 1);
    EXPECT_NE(partial.err.find("the tables were read from the current directory"), std::string::npos) << partial.err;

    std::filesystem::remove_all(InstalledTables());
    std::filesystem::remove(Elsewhere() / TableFileName(TableId::Shaft));
    const auto nowhere = test::RunProgram(m_movedCli, {"deviation", "P7", "25"}, {Elsewhere(), {}, {}});
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_EQ(nowhere.out, "");
    EXPECT_NE(nowhere.err.find("no table files in the current directory, '" + InstalledTables().string() + "'"),
              std::string::npos)
        << nowhere.err;
}

} // namespace

// The joint's options of both commands that take them are the engine's table of joint inputs, in
// its order, each with its help.
TEST(JointOptions, AreTheEnginesTableInBothCommands)
{
    std::vector<std::string> expected;
    for (const JointInput& input : JointInputs()) {
        std::string option = "--" + std::string(input.key);
        std::replace(option.begin(), option.end(), '_', '-');
        expected.push_back(option);
    }
    for (const char* command : {"service", "find-fit"}) {
        SCOPED_TRACE(command);
        const test::ProgramRun run = test::RunProgram(kCli, {command, "--help"});
        ASSERT_EQ(run.status, 0) << run.err;
        std::vector<std::string> options;
        std::istringstream lines(run.out);
        for (std::string line; std::getline(lines, line);) {
            if (line.starts_with("  --"))
                options.push_back(line.substr(2, line.find(' ', 2) - 2));
        }
        const auto first = std::find(options.begin(), options.end(), expected.front());
        ASSERT_GE(options.end() - first, static_cast<std::ptrdiff_t>(expected.size())) << run.out;
        EXPECT_EQ(std::vector<std::string>(first, first + static_cast<std::ptrdiff_t>(expected.size())), expected);
    }
}
