// quorlan-cli: the calculations of the Quorlan dialog, without a window, for scripts.

#include "commands.h"

#include <iostream>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

namespace {

constexpr const char* kDescription = R"(Quorlan: ISO 286 limits and fits for sizes up to 500 mm, without a window.

Commands:
  tolerance GRADE SIZE [--range TEXT]
      prints the standard tolerance in mm ("%0.4f"). GRADE is a grade list text: IT01, IT0, IT1 ... IT12.
  deviation CLASS SIZE [--range TEXT] [--tables DIR]
      prints the upper and the lower limit deviation in mm, one space apart. CLASS is a fundamental
      deviation letter followed by the grade without "IT": H7, js6, ZC10, h01, H0. Upper case is a
      hole, lower case a shaft.
  fits clearance|transition|interference --basis hole|shaft
      prints the preferred fits, one a line.

SIZE is read as the dialog's size box reads it: the leading decimal number ("12.5mm" is 12.5, "abc" is 0).
Without --range the size range that holds SIZE is chosen (3 mm and less, 0 and negative sizes included,
are "<=3"); a size over 500 mm then needs --range. With --range TEXT (a size-range list text such as
"<=3" or ">18-30") the calculation runs as in the dialog with that choice, warnings included.

The dialog's messages go to standard error, one a line. Exit status: 0 a result (warnings included),
1 the calculation ended in failure (nothing printed), 2 a usage error.)";

int Run(int argc, char** argv)
{
    CLI::App app(kDescription, "quorlan-cli");
    app.require_subcommand(1, 1);
    app.fallthrough();

    Request request;
    std::optional<std::string> range;
    std::string tables;
    app.add_option("--tables", tables, "folder of the five deviation table files (default: current directory)")
        ->check(CLI::ExistingDirectory);

    std::string gradeText;
    std::string classText;
    std::string fitClassText;
    std::string basisText;

    auto* tolerance = app.add_subcommand("tolerance", "standard tolerance of a grade and size");
    tolerance->add_option("GRADE", gradeText, "grade list text: IT01, IT0, IT1 ... IT12")->required();
    tolerance->add_option("SIZE", request.sizeText, "nominal size in mm, as typed into the size box")->required();
    tolerance->add_option("--range", range, "size-range list text, such as \"<=3\" or \">18-30\"");

    auto* deviation = app.add_subcommand("deviation", "upper and lower limit deviation of a tolerance class");
    deviation->add_option("CLASS", classText, "letter and grade: H7, js6, ZC10, h01")->required();
    deviation->add_option("SIZE", request.sizeText, "nominal size in mm, as typed into the size box")->required();
    deviation->add_option("--range", range, "size-range list text, such as \"<=3\" or \">18-30\"");

    auto* fits = app.add_subcommand("fits", "preferred fits of a fit class");
    fits->add_option("FITCLASS", fitClassText, "clearance, transition or interference")->required();
    fits->add_option("--basis", basisText, "hole or shaft")->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return kExitResult;
    } catch (const CLI::ParseError& error) {
        std::cerr << "quorlan-cli: " << error.what() << "\n\n" << app.help();
        return kExitUsage;
    }

    request.rangeText = range;
    request.tables = tables;
    if (tolerance->parsed())
        return RunTolerance(gradeText, request, std::cout, std::cerr);
    if (deviation->parsed())
        return RunDeviation(classText, request, std::cout, std::cerr);
    return RunFits(fitClassText, basisText, std::cout, std::cerr);
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
