// quorlan-cli: ISO 286 limits and fits for scripts. Parses the arguments and hands over to the
// commands library.

#include "commands.h"

#include <iostream>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

namespace {

constexpr const char* kDescription = R"(Quorlan: ISO 286 limits and fits for sizes up to 500 mm, without a window.

Commands (quorlan-cli COMMAND --help shows each with an example):
  tolerance GRADE SIZE [--range TEXT]        standard tolerance in mm, as the dialog shows it
  deviation CLASS SIZE [--range TEXT]        upper and lower limit deviation in mm, as the dialog shows them
  fits clearance|transition|interference --basis hole|shaft
                                             the dialog's preferred fits, one a line
  fit FIT SIZE [--json]                      both parts of a fit, its clearances and type, in µm and mm
  table [deviations|tolerances] [--json]     every limit deviation or standard tolerance, as CSV
  find-fit SIZE --min-clearance MIN --max-clearance MAX [--basis hole|shaft|any] [--json] ...
                                             every fit whose clearances stay within MIN to MAX µm

SIZE is a decimal number of millimetres in full (25, 12.5, 0.5), over 0 and up to 500; anything else
is a usage error. With --range (tolerance and deviation) any decimal is taken, and the calculation runs
as the dialog runs it with that size range, warnings included. --tables DIR is the folder of the five
deviation table files (default: the current directory).

tolerance and deviation print the dialog's messages (in Chinese) on standard error; the other commands
print theirs in English. Exit status: 0 a result (warnings included), 1 no result, 2 a usage error.)";

// Options and positionals are bound to strings: every number goes through the commands' own strict
// reader (CLI11's conversion would take 0x10, inf and nan).
int Run(int argc, char** argv)
{
    CLI::App app(kDescription, "quorlan-cli");
    app.require_subcommand(1, 1);
    app.fallthrough();

    std::string tables;
    app.add_option("--tables", tables, "folder of the five deviation table files (default: current directory)")
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

    auto* tolerance = app.add_subcommand("tolerance",
                                         "standard tolerance of a grade and size\n"
                                         "example: quorlan-cli tolerance IT7 25   prints 0.0210");
    tolerance->add_option("GRADE", gradeText, "grade list text: IT01, IT0, IT1 ... IT12")->required();
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
    fit->add_option("SIZE", fitRequest.sizeText, "nominal size in mm, over 0 and up to 500")->required();
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
        "clearance is an interference), preferred fits first, then the cheapest (largest fit tolerance)\n"
        "examples: quorlan-cli find-fit 40 --min-clearance 10 --max-clearance 60\n"
        "          quorlan-cli find-fit 40 --min-interference 20 --max-interference 70 --basis shaft");
    findFit->add_option("SIZE", findFitRequest.sizeText, "nominal size in mm, over 0 and up to 500")->required();
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
                        "01-12 (01 is IT01)");
    findFit->add_flag("--all-grade-pairs", findFitRequest.allGradePairs,
                      "pair every grade in the range (default: the hole's grade equals the shaft's or is one coarser)");
    findFit->add_option("--limit", findFitRequest.limitText, "fits shown (default 20; 0 shows all)");
    findFit->add_flag("--json", findFitRequest.json, "a JSON array of fit objects, as fit --json, with \"preferred\"");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return kExitResult;
    } catch (const CLI::ParseError& error) {
        std::cerr << "quorlan-cli: " << error.what() << "\n(quorlan-cli --help explains the commands)\n";
        return kExitUsage;
    }

    request.rangeText = range;
    request.tables = tables;
    fitRequest.tables = tables;
    tableRequest.tables = tables;
    findFitRequest.tables = tables;
    if (tolerance->parsed())
        return RunTolerance(gradeText, request, std::cout, std::cerr);
    if (deviation->parsed())
        return RunDeviation(classText, request, std::cout, std::cerr);
    if (fits->parsed())
        return RunFits(fitClassText, basisText, std::cout, std::cerr);
    if (fit->parsed())
        return RunFit(fitRequest, std::cout, std::cerr);
    if (findFit->parsed())
        return RunFindFit(findFitRequest, std::cout, std::cerr);
    return RunTable(tableRequest, std::cout, std::cerr);
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) { // out of memory and the like: say so rather than abort
        std::cerr << "quorlan-cli: " << error.what() << '\n';
        return kExitFailure;
    }
}
