#include "commands.h"
#include "printable_text.h"
#include "table_check.h"

#include <ostream>

namespace {

std::string FileLabel(const std::filesystem::path& folder, TableId table)
{
    return PathText(folder / TableFileName(table));
}

} // namespace

int RunCheckTables(const CheckTablesRequest& request, std::ostream& out, std::ostream& err)
{
    const std::vector<TableProblem> problems = CheckTables(request.tables);
    if (problems.empty()) {
        out << PathText(request.tables) << ": the five table files are in order\n";
        return kExitResult;
    }
    std::size_t errors = 0;
    for (const TableProblem& problem : problems) {
        const bool error = problem.severity == TableProblem::Severity::Error;
        errors += error;
        out << FileLabel(request.tables, problem.table) << ':' << problem.line << ':' << problem.field << ": "
            << (error ? "error: " : "warning: ") << problem.why << '\n';
    }
    const std::size_t warnings = problems.size() - errors;
    err << "quorlan-cli: " << errors << (errors == 1 ? " error, " : " errors, ") << warnings
        << (warnings == 1 ? " warning" : " warnings")
        << (errors == 0 && request.strict ? " (with --strict, warnings fail the check)" : "") << '\n';
    return errors > 0 || request.strict ? kExitFailure : kExitResult;
}
