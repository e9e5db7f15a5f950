#include "answers/table_check_text.h"
#include "cli/commands.h"
#include "core/printable_text.h"
#include "core/table_check.h"

#include <ostream>

int RunCheckTables(const CheckTablesRequest& request, std::ostream& out, std::ostream& err)
{
    const std::vector<TableFinding> findings = CheckTables(request.tables);
    std::size_t errors = 0;
    for (const TableFinding& finding : findings)
        errors += finding.severity == TableFinding::Severity::Error;
    if (request.json) {
        out << TableFindingsJson(findings, request.tables)
                   .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
            << '\n';
    } else if (findings.empty()) {
        out << PathText(request.tables) << ": the five table files are in order\n";
    } else {
        for (const TableFinding& finding : findings)
            out << TableFileText(request.tables, finding.table) << ':' << finding.line << ':' << finding.field << ": "
                << SeverityName(finding.severity) << ": " << TableFindingText(finding) << '\n';
    }
    if (findings.empty())
        return kExitResult;
    const std::size_t warnings = findings.size() - errors;
    err << "quorlan-cli: " << errors << (errors == 1 ? " error, " : " errors, ") << warnings
        << (warnings == 1 ? " warning" : " warnings")
        << (errors == 0 && request.strict ? " (with --strict, warnings fail the check)" : "") << '\n';
    return errors > 0 || request.strict ? kExitFailure : kExitResult;
}
