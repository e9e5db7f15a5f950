#include "cli_text.h"
#include "commands.h"
#include "fit_analysis.h"
#include "fit_diagram.h"
#include "loaded_tables.h"
#include "tolerance_class.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <ostream>

int RunDiagram(const DiagramRequest& request, std::ostream& err)
{
    const auto designation = ParseFitDesignation(request.fitText);
    if (!designation)
        return UsageError(err, "FIT " + Quoted(request.fitText) + " is not a fit such as H7/g6");
    const auto size = ReadSizeArgument(request.sizeText, err);
    if (!size)
        return kExitUsage;
    if (request.output.empty())
        return UsageError(err, "give the file to write with -o FILE.svg");

    const auto fit = AnalyseFit(LoadDeviationTables(request.tables), *designation, *size);
    if (!fit) {
        err << "quorlan-cli: " << FitFailureText(*designation, fit.reason(), *size, request.tables) << '\n';
        return kExitFailure;
    }
    const std::string svg = FitDiagramSvg(*fit);
    std::ofstream file(request.output, std::ios::binary | std::ios::trunc);
    if (file)
        file << svg;
    file.close();
    if (!file) {
        const int error = errno;
        err << "quorlan-cli: cannot write " << Quoted(request.output.string()) << ": "
            << (error != 0 ? std::strerror(error) : "write failed") << '\n';
        return kExitFailure;
    }
    return kExitResult;
}
