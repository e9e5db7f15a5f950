// quorlan-cli: ISO 286 limits and fits for scripts. Parses the arguments and hands over to the
// commands library.

#include "answers/service_inputs.h"
#include "answers/table_lookup_text.h"
#include "cli/cli_text.h"
#include "cli/commands.h"
#include "cli/parse_error_text.h"
#include "cli/standard_output.h"
#include "core/table_folder.h"

#include <algorithm>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <CLI/CLI.hpp>

namespace {

constexpr const char* kDescription
    = R"(Quorlan: ISO 286 limits and fits, grades IT01 to IT18, sizes up to 3150 mm, without a window.

Commands (quorlan-cli COMMAND --help shows each with an example):
  tolerance GRADE SIZE [--range TEXT]        standard tolerance in mm, as the dialog shows it
  deviation CLASS SIZE [--range TEXT]        upper and lower limit deviation in mm, as the dialog shows them
  fits clearance|transition|interference --basis hole|shaft
                                             the dialog's preferred fits, one a line
  fit FIT SIZE [--json]                      both parts of a fit, its clearances and type, in µm and mm
  table [deviations|tolerances] [--json]     every limit deviation or standard tolerance, as CSV
  find-fit SIZE --min-clearance MIN --max-clearance MAX [--basis hole|shaft|any] [--json] ...
                                             every fit whose clearances stay within MIN to MAX µm
  find-fit SIZE --torque NM --hub-od MM --length MM [service's options] [--json] ...
                                             every fit that holds the load, can be joined and does not yield
  service SIZE (--fit FIT | --hole UP LOW --shaft UP LOW) [--hub-od MM] [--length MM] [--json] ...
                                             the fit at service conditions: temperature, press fit
  diagram FIT SIZE -o FILE.svg               the fit's tolerance-zone diagram, as SVG
  general SIZE --class f|m|c|v [--edge|--angle] [--standard iso|gb] [--json]
                                             a size's general tolerance (ISO 2768-1, GB/T 1804)
  general LENGTH --class H|K|L --feature F [--json]
                                             a feature's general geometrical tolerance (ISO 2768-2)
  general --table --class mK [--json]        the whole table a title block's class refers to
  bearing-fit SIZE (--shaft k5 | --housing H7) [--class normal|6|5] [--json]
                                             a bearing ring's fit with its seat (ISO 492), and the probable fit
  check-tables [DIR] [--strict] [--json]     every problem of edited table files, as FILE:LINE:FIELD: why
  thread DESIGNATION [--json]                a metric thread's limits of size (ISO 965): M10-6H/6g
  thread --table [--series coarse|fine|all] [--class CLASS] [--json]
                                             every thread of a series for one class, as CSV
  stack FILE [--method worst|rss|mc|all] [--require MIN MAX] [--samples N] [--seed S] [--json]
                                             a dimension chain's closing dimension, from a CSV of its links

SIZE is a decimal number of millimetres in full (25, 12.5, 0.5), over 0 and up to 3150; anything else
is a usage error. With --range (tolerance and deviation) any decimal is taken, and the calculation runs
as the dialog runs it with that size range, warnings included. --tables DIR is the folder of the five
deviation table files; without it they are looked for in $QUORLAN_TABLES, then in the current directory
if it holds any of them, then in the installed tables (bin/../share/quorlan beside this program, then
the install prefix's).

tolerance and deviation answer as the dialog does, with its messages (in Chinese) on standard error,
for its grades (IT01 to IT12) and sizes (up to 500 mm); beyond them, and in the other commands, the
reasons are in English. Exit status: 0 a result (warnings included), 1 no result, 2 a usage error.)";

// The joint, its conditions and its load: `service` takes them, and `find-fit` to search by load.
// Names and help come from the engine's table of the joint's inputs.
void AddServiceOptions(CLI::App& command, ServiceOptions& options)
{
    for (const JointInput& input : JointInputs()) {
        const std::string key(input.key);
        command.add_option(OptionName(key, OptionNaming::CommandLine), options[key], ServiceInputHelp(input));
    }
}

// The arguments with "-.5" written "-0.5": the argument parser takes a dash before anything but a
// digit for an option, so a negative number would otherwise never reach the reader that says what is
// wrong with it (or takes it, as the bounds of find-fit do).
std::vector<std::string> NegativeNumbersWithDigit(int argc, char** argv)
{
    std::vector<std::string> arguments(argv, argv + argc);
    for (std::string& argument : arguments) {
        const bool dashPointDigit
            = argument.size() > 2 && argument.starts_with("-.") && argument[2] >= '0' && argument[2] <= '9';
        if (dashPointDigit && argument.find_first_not_of("0123456789.eE+-") == std::string::npos)
            argument.insert(1, "0");
    }
    return arguments;
}

// Options and positionals are bound to strings: every number goes through the commands' own strict
// reader (CLI11's conversion would take 0x10, inf and nan).
int Run(int argc, char** argv)
{
    CLI::App app(kDescription, "quorlan-cli");
    app.require_subcommand(1, 1);
    app.fallthrough();

    std::string tables;
    app.add_option("--tables", tables,
                   "folder of the five deviation table files (default: $QUORLAN_TABLES, the current directory, "
                   "the installed tables)")
        ->check(CLI::ExistingDirectory);

    Request request;
    std::optional<std::string> range;
    std::string gradeText;
    std::string classText;
    std::string fitClassText;
    std::string basisText;
    FitRequest fitRequest;
    TableRequest tableRequest;
    FindFitRequest findFitRequest;
    ServiceRequest serviceRequest;
    DiagramRequest diagramRequest;
    ThreadRequest threadRequest;

    auto* tolerance = app.add_subcommand("tolerance",
                                         "standard tolerance of a grade and size\n"
                                         "example: quorlan-cli tolerance IT7 25   prints 0.0210");
    tolerance->add_option("GRADE", gradeText, "grade: IT01, IT0, IT1 ... IT18")->required();
    tolerance->add_option("SIZE", request.sizeText, "nominal size in mm")->required();
    tolerance->add_option("--range", range, "size-range list text, such as \"<=3\" or \">18-30\"");

    auto* deviation = app.add_subcommand("deviation",
                                         "upper and lower limit deviation of a tolerance class, mm\n"
                                         "example: quorlan-cli deviation P7 25   prints -0.0140 -0.0350");
    deviation->add_option("CLASS", classText, "letter and grade: H7, js6, ZC10, h01; upper case a hole")->required();
    deviation->add_option("SIZE", request.sizeText, "nominal size in mm")->required();
    deviation->add_option("--range", range, "size-range list text, such as \"<=3\" or \">18-30\"");

    auto* fits = app.add_subcommand("fits",
                                    "the dialog's preferred fits of a fit class\n"
                                    "example: quorlan-cli fits clearance --basis shaft");
    fits->add_option("FITCLASS", fitClassText, "clearance, transition or interference")->required();
    fits->add_option("--basis", basisText, "hole or shaft")->required();

    auto* fit = app.add_subcommand("fit",
                                   "both parts of a fit at a size: deviations (µm), limits of size (mm),\n"
                                   "clearances or interferences, fit type and fit tolerance\n"
                                   "example: quorlan-cli fit H7/g6 40 --json");
    fit->add_option("FIT", fitRequest.fitText, "hole class, slash, shaft class: H7/g6, JS7/h6")->required();
    fit->add_option("SIZE", fitRequest.sizeText, "nominal size in mm, over 0 and up to 3150")->required();
    fit->add_flag("--json", fitRequest.json, "one JSON object instead of text");

    auto* table = app.add_subcommand("table",
                                     "every limit deviation (class,from_mm,to_mm,upper_um,lower_um) or\n"
                                     "standard tolerance (grade,from_mm,to_mm,tolerance_um), as CSV\n"
                                     "example: quorlan-cli table deviations > limits.csv");
    table->add_option("WHAT", tableRequest.what, "deviations (the default) or tolerances");
    table->add_flag("--json", tableRequest.json, "a JSON array of objects with the same keys");

    auto* findFit = app.add_subcommand(
        "find-fit",
        "every ISO fit whose smallest clearance is at least MIN and largest at most MAX (µm; a negative\n"
        "clearance is an interference): ISO preferred fits first, then basis fits, then the cheapest;\n"
        "or, with --torque or --axial-force and the joint's options of `service`, every fit that holds that\n"
        "load in both states with the slip and yield safeties and can be joined\n"
        "examples: quorlan-cli find-fit 40 --min-clearance 10 --max-clearance 60\n"
        "          quorlan-cli find-fit 40 --min-interference 20 --max-interference 70 --basis shaft\n"
        "          quorlan-cli find-fit 40 --torque 300 --hub-od 80 --length 40 --rz-hub 4 --rz-shaft 4");
    findFit->add_option("SIZE", findFitRequest.sizeText, "nominal size in mm, over 0 and up to 3150")->required();
    findFit->add_option("--min-clearance", findFitRequest.minClearance, "smallest clearance allowed, µm");
    findFit->add_option("--max-clearance", findFitRequest.maxClearance, "largest clearance allowed, µm");
    findFit->add_option("--min-interference", findFitRequest.minInterference,
                        "smallest interference required, µm (the largest clearance is then its negative)");
    findFit->add_option("--max-interference", findFitRequest.maxInterference,
                        "largest interference allowed, µm (the smallest clearance is then its negative)");
    findFit->add_option("--basis", findFitRequest.basisText,
                        "hole (default): H holes, the standard's hole-basis system; shaft: h shafts; any: every "
                        "pair. (The preferred-fits lists of `fits --basis` follow the main dialog's own grouping.)");
    findFit->add_option("--grades", findFitRequest.gradesText,
                        "grade range of both parts: 5-11 (default), IT5-IT11, "
                        "01-18 (01 is IT01)");
    findFit->add_flag("--all-grade-pairs", findFitRequest.allGradePairs,
                      "pair every grade in the range (default: the hole's grade equals the shaft's or is one coarser)");
    findFit->add_option("--limit", findFitRequest.limitText, "fits shown (default 20; 0 shows all)");
    findFit->add_option("--near", findFitRequest.nearText,
                        "also up to N fits that miss the range by the least, after those that meet it");
    findFit->add_flag("--json", findFitRequest.json, "a JSON array of fit objects, as fit --json, with \"preferred\"");
    AddServiceOptions(*findFit, findFitRequest.load);

    auto* service = app.add_subcommand(
        "service",
        "a fit at service conditions: interference at temperature, press-fit pressure, stresses and safety,\n"
        "torque and forces, assembly temperatures, probability of interference. Deviations in µm, sizes in mm,\n"
        "stresses in MPa, forces in N, torque in N·m, temperatures in °C; numbers may have exponents (1.15e-5)\n"
        "example: quorlan-cli service 40 --fit H7/s6 --hub-od 80 --length 40 --hub-material cast-iron");
    service->add_option("SIZE", serviceRequest.sizeText, "nominal size in mm");
    service->add_option("--fit", serviceRequest.fitText, "fit designation, limits from the tables: H7/s6");
    service->add_option("--hole", serviceRequest.hole, "the hole's upper and lower deviation, µm")->expected(2);
    service->add_option("--shaft", serviceRequest.shaft, "the shaft's upper and lower deviation, µm")->expected(2);
    AddServiceOptions(*service, serviceRequest.options);
    service->add_flag("--materials", serviceRequest.listMaterials, "list the built-in materials and their values");
    service->add_flag("--json", serviceRequest.json, "one JSON object instead of text");

    CheckTablesRequest checkRequest;
    std::string checkFolder;
    auto* checkTables
        = app.add_subcommand("check-tables",
                             "every problem of the five table files, one a line as FILE:LINE:FIELD: why;\n"
                             "errors (exit 1) make a file unusable there, warnings (exit 0) break one\n"
                             "of the standard's relations between cells\n"
                             "example: quorlan-cli check-tables ~/my-tables --strict");
    checkTables->add_option("DIR", checkFolder, "folder of the five files (default: found as for --tables)")
        ->check(CLI::ExistingDirectory);
    checkTables->add_flag("--strict", checkRequest.strict, "warnings fail the check too (exit 1)");
    checkTables->add_flag("--json", checkRequest.json,
                          "a JSON array of {file, line, field, severity, reason} instead of text");

    auto* diagram = app.add_subcommand("diagram",
                                       "the tolerance-zone diagram of a fit, as SVG, the same drawing the "
                                       "fit-analysis window shows\n"
                                       "example: quorlan-cli diagram H7/k6 25 -o h7k6.svg");
    diagram->add_option("FIT", diagramRequest.fitText, "hole class, slash, shaft class: H7/g6")->required();
    diagram->add_option("SIZE", diagramRequest.sizeText, "nominal size in mm")->required();
    diagram->add_option("-o,--output", diagramRequest.output, "the SVG file to write")->required();

    GeneralRequest generalRequest;
    auto* general = app.add_subcommand(
        "general",
        "the general tolerance of a size without a tolerance of its own: ISO 2768-1 (GB/T 1804) for linear\n"
        "sizes, broken edges and angles, ISO 2768-2 (GB/T 1184) for straightness, flatness,\n"
        "perpendicularity, symmetry and run-out; a class pair such as mK answers a size by m, a feature by K\n"
        "examples: quorlan-cli general 35 --class m\n"
        "          quorlan-cli general 120 --class mK --feature flatness\n"
        "          quorlan-cli general --table --class mK");
    general->add_option("SIZE", generalRequest.sizeText,
                        "size in mm; for an angle the shorter side's length, for a feature its length");
    general->add_option("--class", generalRequest.classText, "f, m, c, v; H, K, L; or a pair such as mK")->required();
    general->add_flag("--edge", generalRequest.edge, "a broken edge: an external radius or a chamfer height");
    general->add_flag("--angle", generalRequest.angle, "an angle, SIZE the length of its shorter side");
    general->add_option("--feature", generalRequest.feature,
                        "straightness, flatness, perpendicularity, symmetry or runout");
    general->add_option("--standard", generalRequest.standard, "iso (default) or gb: GB/T 1804 and GB/T 1184");
    general->add_flag("--table", generalRequest.table, "every range of the class's tables, and the rules");
    general->add_flag("--json", generalRequest.json, "one JSON object instead of text");

    BearingFitRequest bearingRequest;
    auto* bearingFit = app.add_subcommand(
        "bearing-fit",
        "a radial bearing's ring (ISO 492, mean diameter deviation) with its seat: --shaft seats the\n"
        "inner ring, --housing the outer; both parts, the fit's extremes and type, and the probable fit\n"
        "(99.73 % of the pairs, rounded outward to whole µm)\n"
        "examples: quorlan-cli bearing-fit 25 --shaft k5\n"
        "          quorlan-cli bearing-fit 52 --housing H7 --class 6");
    bearingFit->add_option("SIZE", bearingRequest.sizeText, "the bore (shaft seat) or outside diameter in mm")
        ->required();
    bearingFit->add_option("--shaft", bearingRequest.shaft, "the shaft's class under the inner ring: k5, m6");
    bearingFit->add_option("--housing", bearingRequest.housing, "the housing's class round the outer ring: H7, J7");
    bearingFit->add_option("--class", bearingRequest.bearingClass,
                           "the bearing's tolerance class: normal (default), 6, 5");
    bearingFit->add_flag("--json", bearingRequest.json, "one JSON object, as fit --json, with the bearing's");
    auto* thread = app.add_subcommand(
        "thread",
        "a metric screw thread (ISO 261, ISO 965-1): limits of size of the bolt and the nut in mm, deviations\n"
        "and tolerances in µm, the fit's clearance at the pitch diameter; or every thread of a series as CSV\n"
        "examples: quorlan-cli thread M10-6H/6g\n"
        "          quorlan-cli thread --table --series fine --class 6g --json");
    thread->add_option("DESIGNATION", threadRequest.designation,
                       "M, diameter, optionally x and pitch, optionally - and classes: M10, M10x1.25-5H6H, M10-6H/6g");
    thread->add_flag("--table", threadRequest.table, "every thread of the series instead of one");
    thread->add_option("--series", threadRequest.series, "with --table: coarse (default), fine or all");
    thread->add_option("--class", threadRequest.classText,
                       "with --table: a bolt's class (6g), a nut's (6H) or both, nut first (default 6H/6g)");
    thread->add_flag("--json", threadRequest.json, "JSON instead of text (the limits exact, with their display)");

    StackRequest stackRequest;
    auto* stack = app.add_subcommand(
        "stack",
        "a dimension chain's closing dimension (gap) from its links: worst case, statistical (RSS, mean ± 3\n"
        "sigma), Monte Carlo (repeatable: the seed's default is 286), and each link's share. FILE is CSV:\n"
        "name,direction,nominal_mm,tolerance[,distribution][,cpk][,mean_shift_mm], tolerances as ±0.1,\n"
        "+0.1/-0.05 (mm), an ISO 286 class (h7) or a general tolerance (2768-m, GB/T 1804-m)\n"
        "example: quorlan-cli stack gap.csv --require 0.1 0.5");
    stack->add_option("FILE", stackRequest.file, "the chain as CSV, one link a row after the header")->required();
    stack->add_option("--method", stackRequest.method, "worst, rss, mc or all (the default)");
    stack->add_option("--require", stackRequest.require, "the smallest and largest acceptable value, mm")->expected(2);
    stack->add_option("--samples", stackRequest.samples, "Monte Carlo samples, 1000 to 10000000 (default 1000000)");
    stack->add_option("--seed", stackRequest.seed, "Monte Carlo seed, 0 to 2^53-1 (default 286)");
    stack->add_flag("--json", stackRequest.json, "one JSON object instead of text");

    std::vector<std::string> arguments = NegativeNumbersWithDigit(argc, argv);
    std::vector<char*> pointers;
    for (std::string& argument : arguments)
        pointers.push_back(argument.data());
    try {
        app.parse(argc, pointers.data());
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return kExitResult;
    } catch (const CLI::ParseError& error) {
        std::cerr << "quorlan-cli: " << ShortParseErrorText(error.what())
                  << "\n(quorlan-cli --help explains the commands)\n";
        return kExitUsage;
    }

    request.rangeText = range;
    // The commands that read tables find their folder; a failure then says where it looked.
    std::optional<TablesLocation> location;
    if (thread->parsed()) // reads no table file
        return RunThread(threadRequest, std::cout, std::cerr);
    if (!tolerance->parsed() && !fits->parsed() && !general->parsed() && checkFolder.empty()) {
        const auto located = LocateTables(CluesOfThisProcess(
            tables.empty() ? std::nullopt : std::optional<std::filesystem::path>(tables), argc > 0 ? argv[0] : ""));
        if (!located)
            return UsageError(std::cerr, TablesNotAFolderText(located.reason()));
        location = *located;
        request.tables = fitRequest.tables = tableRequest.tables = location->folder;
        findFitRequest.tables = serviceRequest.tables = checkRequest.tables = location->folder;
        diagramRequest.tables = bearingRequest.tables = stackRequest.tables = location->folder;
    }
    const auto noted = [&location](int status) {
        const std::string note = location && status == kExitFailure ? MissingTablesNote(*location) : "";
        if (!note.empty())
            std::cerr << "quorlan-cli: " << note << '\n';
        return status;
    };
    if (tolerance->parsed())
        return RunTolerance(gradeText, request, std::cout, std::cerr);
    if (deviation->parsed())
        return noted(RunDeviation(classText, request, std::cout, std::cerr));
    if (fits->parsed())
        return RunFits(fitClassText, basisText, std::cout, std::cerr);
    if (fit->parsed())
        return noted(RunFit(fitRequest, std::cout, std::cerr));
    if (general->parsed())
        return RunGeneral(generalRequest, std::cout, std::cerr);
    if (bearingFit->parsed())
        return noted(RunBearingFit(bearingRequest, std::cout, std::cerr));
    if (diagram->parsed())
        return noted(RunDiagram(diagramRequest, std::cerr));
    if (stack->parsed())
        return noted(RunStack(stackRequest, std::cout, std::cerr));
    if (service->parsed())
        return noted(RunService(serviceRequest, std::cout, std::cerr));
    if (findFit->parsed())
        return noted(RunFindFit(findFitRequest, std::cout, std::cerr));
    if (checkTables->parsed()) {
        if (!checkFolder.empty())
            checkRequest.tables = checkFolder;
        return noted(RunCheckTables(checkRequest, std::cout, std::cerr));
    }
    return noted(RunTable(tableRequest, std::cout, std::cerr));
}

} // namespace

int main(int argc, char** argv)
{
    OccupyClosedStandardDescriptors();
    int status = kExitFailure;
    try {
        status = Run(argc, argv);
    } catch (const std::bad_alloc&) { // a search over every class pair, under a memory limit
        std::cerr << "quorlan-cli: out of memory: the answer does not fit in the memory this process may use\n";
    } catch (const std::exception& error) { // anything else unforeseen: say so rather than abort
        std::cerr << "quorlan-cli: " << error.what() << '\n';
    }
    // A result that never reached its reader is no result, whichever command wrote it.
    return ConfirmWritten(status, std::cout, std::cerr);
}
