#pragma once

#include "core/exact_length.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

// Index scales: every list position and table line of the program is read by one of these.

inline constexpr int kSizeRangeCount = 13;
inline constexpr int kSizeBandCount = 25;
inline constexpr int kGradeCount = 14;
inline constexpr int kLetterCount = 28;

inline constexpr std::array<std::string_view, kSizeRangeCount> kSizeRangeTexts
    = {"<=3",     ">3-6",     ">6-10",    ">10-18",   ">18-30",   ">30-50",  ">50-80",
       ">80-120", ">120-180", ">180-250", ">250-315", ">315-400", ">400-500"};

// Upper bound (included) of each size range, mm; the lower bound is the previous range's upper one.
inline constexpr std::array<double, kSizeRangeCount> kSizeRangeUpperBounds
    = {3, 6, 10, 18, 30, 50, 80, 120, 180, 250, 315, 400, 500};

// Upper bound (included) of each size band, mm: the lines of the deviation table files.
inline constexpr std::array<double, kSizeBandCount> kSizeBandUpperBounds
    = {3, 6, 10, 14, 18, 24, 30, 40, 50, 65, 80, 100, 120, 140, 160, 180, 200, 225, 250, 280, 315, 355, 400, 450, 500};

inline constexpr std::array<std::string_view, kGradeCount> kGradeTexts
    = {"IT01", "IT0", "IT1", "IT2", "IT3", "IT4", "IT5", "IT6", "IT7", "IT8", "IT9", "IT10", "IT11", "IT12"};

inline constexpr std::array<std::string_view, kLetterCount> kHoleLetters
    = {"A", "B", "C", "CD", "D", "E", "EF", "F", "FG", "G", "H", "JS", "J",  "K",
       "M", "N", "P", "R",  "S", "T", "U",  "V", "X",  "Y", "Z", "ZA", "ZB", "ZC"};

inline constexpr std::array<std::string_view, kLetterCount> kShaftLetters
    = {"a", "b", "c", "cd", "d", "e", "ef", "f", "fg", "g", "h", "js", "j",  "k",
       "m", "n", "p", "r",  "s", "t", "u",  "v", "x",  "y", "z", "za", "zb", "zc"};

// Grade indices the rules compare against (ITn for n from 1 to 18 is index n + 1).
enum Grade : int {
    kGradeIT01 = 0,
    kGradeIT0 = 1,
    kGradeIT1 = 2,
    kGradeIT2 = 3,
    kGradeIT3 = 4,
    kGradeIT4 = 5,
    kGradeIT5 = 6,
    kGradeIT6 = 7,
    kGradeIT7 = 8,
    kGradeIT8 = 9,
    kGradeIT9 = 10,
    kGradeIT12 = 13,
    kGradeIT13 = 14,
    kGradeIT14 = 15,
    kGradeIT18 = 19,
};

// Letter indices that start or form a group of the deviation rules.
enum Letter : int {
    kLetterA = 0,
    kLetterB = 1,
    kLetterC = 2,
    kLetterD = 4,
    kLetterE = 5,
    kLetterF = 7,
    kLetterG = 9,
    kLetterH = 10,
    kLetterJS = 11,
    kLetterJ = 12,
    kLetterK = 13,
    kLetterM = 14,
    kLetterN = 15,
    kLetterP = 16,
    kLetterR = 17,
    kLetterS = 18,
    kLetterT = 19,
    kLetterU = 20,
    kLetterZC = 27,
};

enum Basis : int { kBasisHole = 0, kBasisShaft = 1 };

// The letter texts a list shows for a basis (empty for a basis off the scale).
std::span<const std::string_view> LetterTextsOf(int basis);

// Position of text in texts, if it is there.
std::optional<int> PositionOf(std::span<const std::string_view> texts, std::string_view text);

// Size range that holds a size; sizes of 3 mm and less (zero and negative ones too) are in range 0.
std::optional<int> SizeRangeHolding(double nominalMm);

// Size band that holds a size over 0 and up to 500 mm.
std::optional<int> SizeBandHolding(double nominalMm);

// The core's scales: the whole of ISO 286, grades IT01 to IT18 and sizes up to 3150 mm. The
// dialog's scales above are their start (its grades to IT12, its sizes to 500 mm) and keep their
// meaning for the dialog; every calculation outside the dialog uses these.
inline constexpr int kCoreGradeCount = 20;
inline constexpr int kCoreSizeRangeCount = 21;
inline constexpr int kCoreSizeBandCount = 41;
inline constexpr std::int64_t kLargestSizeMm = 3150;
// The dialog's largest size; above it the standard has other rules (no delta, fewer letters).
inline constexpr std::int64_t kDialogLargestSizeMm = 500;

inline constexpr std::array<std::string_view, kCoreGradeCount> kCoreGradeNames
    = {"IT01", "IT0",  "IT1",  "IT2",  "IT3",  "IT4",  "IT5",  "IT6",  "IT7",  "IT8",
       "IT9",  "IT10", "IT11", "IT12", "IT13", "IT14", "IT15", "IT16", "IT17", "IT18"};

// Upper bounds (included) of the standard tolerance rows and of the table lines, mm. Above 500 mm
// the table lines split each row in two (500-560, 560-630, ...), as the standard's bands do.
inline constexpr std::array<std::int64_t, kCoreSizeRangeCount> kCoreSizeRangeUpperBoundsMm
    = {3, 6, 10, 18, 30, 50, 80, 120, 180, 250, 315, 400, 500, 630, 800, 1000, 1250, 1600, 2000, 2500, 3150};
inline constexpr std::array<std::int64_t, kCoreSizeBandCount> kCoreSizeBandUpperBoundsMm = {
    3,   6,   10,  14,  18,  24,  30,  40,  50,  65,   80,   100,  120,  140,  160,  180,  200,  225,  250,  280, 315,
    355, 400, 450, 500, 560, 630, 710, 800, 900, 1000, 1120, 1250, 1400, 1600, 1800, 2000, 2240, 2500, 2800, 3150};

// The first table line above 500 mm: the dialog's lines come before it.
inline constexpr int kFirstBandAbove500Mm = kSizeBandCount;

// Size band (table line) and size range (standard tolerance row) of a size over 0 and up to
// kLargestSizeMm; nothing otherwise.
std::optional<int> SizeBandOf(ExactLength size);
std::optional<int> SizeRangeOf(ExactLength size);

// Lower (excluded) and upper (included) bound of a size band or range, mm; the first starts at 0.
std::pair<ExactLength, ExactLength> SizeBandBounds(int band);
std::pair<ExactLength, ExactLength> SizeRangeBounds(int sizeRange);

// The size range (standard tolerance row) a size band lies in.
int SizeRangeOfBand(int band);
