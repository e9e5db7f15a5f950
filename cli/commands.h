#pragma once

#include <filesystem>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

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

// The joint a fit makes, its conditions and its load, as typed: every option `service` takes but the
// fit, under its name with _ for - ("hub_od"); the engine's answers read them.
using ServiceOptions = std::map<std::string, std::optional<std::string>>;

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
    std::string nearText = "0"; // fits that miss the range by the least, shown after the matches
    ServiceOptions load; // with --torque or --axial-force: the fits that hold this load instead
    std::filesystem::path tables;
    bool json = false;
};

// Every fit that keeps its clearances within a required range, or that holds a load, best first.
int RunFindFit(const FindFitRequest& request, std::ostream& out, std::ostream& err);

struct ServiceRequest
{
    std::string sizeText;
    std::optional<std::string> fitText;
    std::vector<std::string> hole; // upper and lower deviation, µm
    std::vector<std::string> shaft;
    ServiceOptions options;
    bool listMaterials = false;
    std::filesystem::path tables;
    bool json = false;
};

// A fit at service conditions: temperatures, press fit, assembly temperatures, probabilities.
int RunService(const ServiceRequest& request, std::ostream& out, std::ostream& err);

struct CheckTablesRequest
{
    std::filesystem::path tables; // the folder checked; empty for the current directory
    bool strict = false; // warnings fail the check too
    bool json = false;
};

// Every problem of the five table files, one a line as FILE:LINE:FIELD: why (LINE and FIELD 0 for
// the whole file or line), or with json one array of {file, line, field, severity, reason}; a
// one-line all-clear (or []) when there is none.
int RunCheckTables(const CheckTablesRequest& request, std::ostream& out, std::ostream& err);

struct DiagramRequest
{
    std::string fitText;
    std::string sizeText;
    std::filesystem::path output; // the SVG file to write; nothing else is written
    std::filesystem::path tables;
};

// The tolerance-zone diagram of a fit, written as SVG to the file asked for.
int RunDiagram(const DiagramRequest& request, std::ostream& err);

struct GeneralRequest
{
    std::optional<std::string> sizeText; // none with --table
    std::string classText; // "m", "K", "mK"
    bool edge = false;
    bool angle = false;
    std::optional<std::string> feature;
    std::optional<std::string> standard; // "iso" or "gb"
    bool table = false;
    bool json = false;
};

// A size's general tolerance (ISO 2768, GB/T 1804, GB/T 1184), or with table the whole table a
// title block's class refers to.
int RunGeneral(const GeneralRequest& request, std::ostream& out, std::ostream& err);

struct BearingFitRequest
{
    std::string sizeText;
    std::optional<std::string> shaft; // the inner ring's seat: k5
    std::optional<std::string> housing; // the outer ring's: H7
    std::optional<std::string> bearingClass; // normal, 6, 5
    std::filesystem::path tables;
    bool json = false;
};

// A bearing ring's fit with its seat, and the probable fit.
int RunBearingFit(const BearingFitRequest& request, std::ostream& out, std::ostream& err);
struct ThreadRequest
{
    std::string designation; // one thread: "M10-6H/6g"
    bool table = false; // every thread of a series instead
    std::optional<std::string> series; // with table: coarse (the default), fine or all
    std::optional<std::string> classText; // with table: "6g", "6H", "6H/6g" (the default)
    bool json = false;
};

// A metric thread's limits of size (ISO 965-1) and its fit, or with table every thread of a series
// for one class, as CSV.
int RunThread(const ThreadRequest& request, std::ostream& out, std::ostream& err);

struct StackRequest
{
    std::filesystem::path file; // the chain as CSV
    std::string method = "all"; // worst, rss, mc, all
    std::optional<std::string> samples;
    std::optional<std::string> seed;
    std::vector<std::string> require; // MIN MAX, mm
    std::filesystem::path tables;
    bool json = false;
};

// A dimension chain's closing dimension: worst case, statistical, Monte Carlo, each link's share.
int RunStack(const StackRequest& request, std::ostream& out, std::ostream& err);
