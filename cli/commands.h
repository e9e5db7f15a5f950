#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

// The commands of quorlan-cli, callable in-process: results go to out, messages to err.

// Exit statuses: a result, no result (the calculation failed), a usage error.
enum ExitStatus : int { kExitResult = 0, kExitFailure = 1, kExitUsage = 2 };

// A request of the dialog's calculations, as its lists and size box would hold it.
struct Request
{
    std::string sizeText;
    std::optional<std::string> rangeText; // a size-range list text; else the range holding the size
    std::filesystem::path tables; // the five files' folder; empty for the current directory
};

// The main dialog's calculations, with its messages (in Chinese) on err.
int RunTolerance(const std::string& gradeText, const Request& request, std::ostream& out, std::ostream& err);
int RunDeviation(const std::string& classText, const Request& request, std::ostream& out, std::ostream& err);
int RunFits(const std::string& fitClassText, const std::string& basisText, std::ostream& out, std::ostream& err);

struct FitRequest
{
    std::string fitText;
    std::string sizeText;
    std::filesystem::path tables;
    bool json = false;
};

// Both parts of a fit and its clearances.
int RunFit(const FitRequest& request, std::ostream& out, std::ostream& err);

struct TableRequest
{
    std::string what = "deviations"; // or "tolerances"
    std::filesystem::path tables;
    bool json = false;
};

// Every limit deviation or standard tolerance, as CSV or JSON.
int RunTable(const TableRequest& request, std::ostream& out, std::ostream& err);

struct FindFitRequest
{
    std::string sizeText;
    std::optional<std::string> minClearance; // µm; each bound as a clearance or as an interference
    std::optional<std::string> maxClearance;
    std::optional<std::string> minInterference;
    std::optional<std::string> maxInterference;
    std::string basisText = "hole";
    std::string gradesText = "5-11";
    bool allGradePairs = false;
    std::string limitText = "20";
    std::filesystem::path tables;
    bool json = false;
};

// Every fit that keeps its clearances within a required range, best first.
int RunFindFit(const FindFitRequest& request, std::ostream& out, std::ostream& err);
