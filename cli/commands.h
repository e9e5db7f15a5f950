#pragma once

#include "deviation_tables.h"

#include <iosfwd>
#include <optional>
#include <string>

// The command line's exit statuses: a result, a calculation that ended in failure, a usage error.
enum ExitStatus : int { kExitResult = 0, kExitFailure = 1, kExitUsage = 2 };

inline constexpr const char* kUsage = "usage: quorlan-cli tolerance GRADE SIZE [--range TEXT]\n"
                                      "       quorlan-cli deviation CLASS SIZE [--range TEXT] [--tables DIR]\n"
                                      "       quorlan-cli fits clearance|transition|interference --basis hole|shaft\n"
                                      "       quorlan-cli --help\n";

// A request of the command line, as the dialog's selections and size box would hold it.
struct Request
{
    std::string sizeText; // the size box's text
    std::optional<std::string> rangeText; // a size-range list text; else the range holding the size
    TableFolder tables; // the five files' folder; empty for the current directory
};

// Each command drives the engine through an in-memory dialog view: results go to out, the
// dialog's messages and usage errors to err, one line each.
int RunTolerance(const std::string& gradeText, const Request& request, std::ostream& out, std::ostream& err);
int RunDeviation(const std::string& classText, const Request& request, std::ostream& out, std::ostream& err);
int RunFits(const std::string& fitClassText, const std::string& basisText, std::ostream& out, std::ostream& err);
