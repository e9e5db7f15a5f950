#include "cli/atomic_file.h"
#include "cli/cli_text.h"
#include "cli/commands.h"
#include "core/fit_analysis.h"
#include "core/fit_diagram.h"
#include "core/loaded_tables.h"
#include "core/printable_text.h"
#include "core/tolerance_class.h"

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
    if (const auto problem = WriteFileAtomically(request.output, FitDiagramSvg(*fit))) {
        err << "quorlan-cli: cannot write "
            << "'" << PathText(request.output) << "'"
            << ": " << *problem << '\n';
        return kExitFailure;
    }
    return kExitResult;
}
