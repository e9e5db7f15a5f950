#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What a fit report says, decided here and only laid out by the report document: every number is
// text already (locale-free, exact where the engine is exact), every caption a key that the
// document words in the report's language. Plain C++, so that the window, `quorlan --report` and
// the tests build the same report. The types need no engine header: the report library, which
// lays them out, links no engine code.

struct BearingFit;
struct FitAnalysis;
struct ServiceInputs;

enum class ReportLanguage { Chinese, English };

// One part's limits: deviations in µm, limits of size in mm, its tolerance in µm.
struct ReportPart
{
    std::string className; // "H7"
    std::string upperUm; // "+25", "0", "-9"
    std::string lowerUm;
    std::string largestMm; // "40.025"
    std::string smallestMm;
    std::string toleranceUm; // "25"
};

// A line of a list: a caption key, its value as text and the value's unit (may be empty).
struct ReportValue
{
    std::string key;
    std::string value;
    std::string unit;
    std::string state = {}; // of a worse-of-both-states result: "standstill" or "service"; else empty
};

// A result in each state of the press fit, side by side.
struct ReportStateRow
{
    std::string key; // "interference_min_um", "pressure_min_mpa", ...
    std::string unit;
    std::array<std::string, 2> values; // at standstill, in service; "-" where there is none
};

// A sentence of the report with the numbers it quotes; the key picks its words.
struct ReportNote
{
    std::string key;
    std::vector<std::string> arguments;
};

struct ReportService
{
    std::vector<ReportValue> inputs; // the press fit's inputs, materials included
    std::vector<ReportValue> results; // those the inputs allow, in the command line's order
    std::array<std::string, 2> hubTemperaturesC; // of the states: at standstill, in service
    std::array<std::string, 2> shaftTemperaturesC;
    std::vector<ReportStateRow> states;
    std::vector<ReportNote> warnings; // never to be missed: the document shows them in colour
    std::vector<ReportNote> assumptions;
};

// A bearing seat's report: the ring is one part of the fit, the seat's class the other.
struct ReportBearing
{
    std::string ring; // "inner" (a shaft seat) or "outer" (a housing seat)
    std::string bearingClass; // "Normal", "6", "5"
    std::string seatClass; // "k5"
    std::string overMm; // the ring's table range: "18"
    std::string upToMm; // "30"
};

// A range of a general tolerance table and its value, worded already ("over 30 up to 120 mm",
// "±0.3 mm"): the workbench's texts word them once for the window and the report.
struct ReportTableRow
{
    std::string range;
    std::string value; // "-" where the standard leaves the cell empty
};

struct ReportTableSection
{
    std::string key; // "linear", "edge", "angle", "straightness_flatness", "perpendicularity", ...
    std::string source; // "ISO 2768-1, Table 1"
    std::vector<ReportTableRow> rows;
};

// The title-block table of a general tolerance class: every range of its tables, and the rules for
// the features that have none.
struct ReportGeneralTable
{
    std::string designation; // "ISO 2768-mK", "GB/T 1804-m, GB/T 1184-K"
    std::vector<ReportTableSection> sections;
    std::vector<std::pair<std::string, std::string>> rules; // the feature and its rule, worded
};

// A metric thread's report, worded already by the workbench's thread tab (thread_texts.h).
struct ReportThreadPart
{
    std::string heading; // "内螺纹 6H"
    std::string deviation; // "基本偏差 EI = 0 µm"
    std::vector<std::array<std::string, 4>> rows; // the diameter, its largest and smallest size, its tolerance
};

struct ReportThread
{
    std::string series; // "螺距 1.5 mm，粗牙"
    std::vector<std::pair<std::string, std::string>> basic; // "中径 d2 = D2", "9.026 mm"
    std::array<std::string, 3> columns; // the parts' tables' headers after the diameter's
    std::vector<ReportThreadPart> parts; // the nut's, the bolt's: those the designation gives
    std::vector<std::pair<std::string, std::string>> fit; // at the pitch diameter, where both parts are given
    std::vector<std::string> recommended; // where ISO 965-1 recommends each part's class
};

// A dimension chain's link, its limits worded already by the engine's presentation.
struct ReportChainLink
{
    std::string name;
    std::string direction; // "+1", "-1"
    std::string nominalMm; // "29.5"
    std::string tolerance; // as written: "H8", "±0.1"
    std::string distribution; // worded: "正态", "Uniform"
    std::string upperMm; // "+0.039", "0"
    std::string lowerMm;
    std::string maxMm; // "50.039"
    std::string minMm;
};

struct ReportChainShare
{
    std::string name;
    std::string variance; // "61.2 %"
    std::string worstCase;
    std::string sensitivity; // "+1", "-1"
};

// A dimension chain's report: its links, the closing dimension by the three methods (values by
// caption key, "chain_worst_min", ...), the contributions and the engine's two charts.
struct ReportChain
{
    std::string source; // the CSV file's name; empty for a chain typed in
    std::string nominalMm;
    std::vector<ReportValue> requirement; // the smallest and largest acceptable value; empty: none
    std::vector<ReportValue> worstCase;
    std::vector<ReportValue> statistical;
    std::vector<ReportValue> monteCarlo;
    std::vector<ReportChainLink> links;
    std::vector<ReportChainShare> contributions;
    std::string histogramSvg;
    std::string contributionsSvg;
};

struct ReportContent
{
    ReportLanguage language = ReportLanguage::Chinese;
    std::string fitName; // "H7/g6"
    std::string sizeMm; // "40"
    std::string tablesFolder; // where the deviation tables were read from; empty: the current directory
    std::string type; // "clearance", "transition", "interference"
    ReportPart hole;
    ReportPart shaft;
    // The fit's extremes, named after its type (keys "max_clearance", "min_clearance",
    // "max_interference", "min_interference"); interference negative, as a signed clearance.
    std::vector<ReportValue> extremes;
    // The clearances 99.73 % of the pairs give, in the extremes' order ("probable_max_clearance", ...).
    std::vector<ReportValue> probable;
    ReportValue mean; // "mean_clearance" or "mean_interference"
    std::string fitToleranceUm;
    std::string drawingLine; // "Ø40 H7(+0.025/0)/g6(-0.009/-0.025)"
    std::string diagramSvg;
    std::optional<ReportService> service; // where the press fit was asked for
    // Why the press fit has no results, when it was asked for: the refusal's key and the input's key.
    std::optional<ReportNote> serviceRefusal;
    // A bearing seat's report: the fit above is the ring's and the seat's, its drawing line the seat's.
    std::optional<ReportBearing> bearing;
    // Set instead of everything above but the version and date: a title-block table to print.
    std::optional<ReportGeneralTable> generalTable;
    // Set instead of everything above but the name (the designation), the diagram (the zones at the
    // pitch diameter, where both parts are given), the version and the date: a thread.
    std::optional<ReportThread> thread;
    // Set instead of everything above but the version, the date and fitName (the chain's file): a
    // dimension chain.
    std::optional<ReportChain> chain;
    std::string version; // "1.0.0"
    std::string date; // "2026-12-07"
};

// The report of a fit; with service inputs (their limits taken from the fit), the press fit's
// results too, or the core's reason for refusing them.
// (No service inputs: no press-fit section.)
ReportContent BuildReportContent(const FitAnalysis& fit, const ServiceInputs* service, ReportLanguage language,
                                 std::string version, std::string date);

// A bearing seat's report: the fit's content, the seat's drawing line and the ring named.
ReportContent BuildBearingReportContent(const BearingFit& fit, ReportLanguage language, std::string version,
                                        std::string date);

// The title-block table of a general tolerance class, worded in the window's language.
struct GeneralClasses;
enum class GeneralStandard;
ReportContent BuildGeneralTableReportContent(const GeneralClasses& classes, GeneralStandard standard,
                                             ReportLanguage language, std::string version, std::string date);

// A thread's report, worded in the window's language.
struct ThreadAnalysis;
ReportContent BuildThreadReportContent(const ThreadAnalysis& analysis, ReportLanguage language, std::string version,
                                       std::string date);
// A dimension chain's report from the chain and its Monte Carlo run; source names the file it
// came from (empty: typed in). The distributions worded in the window's language.
struct ChainQuestion;
struct MonteCarlo;
ReportContent BuildChainReportContent(const ChainQuestion& question, const MonteCarlo& run, std::string source,
                                      ReportLanguage language, std::string version, std::string date);

// The service inputs that carry a fit's limits; every other input at the core's default.
ServiceInputs ServiceInputsOf(const FitAnalysis& fit);
