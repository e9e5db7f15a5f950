#pragma once

#include "exact_length.h"

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

// Grade indices the rules compare against (ITn for n from 1 to 12 is index n + 1).
enum Grade : int {
    kGradeIT01 = 0,
    kGradeIT2 = 3,
    kGradeIT3 = 4,
    kGradeIT4 = 5,
    kGradeIT5 = 6,
    kGradeIT6 = 7,
    kGradeIT7 = 8,
    kGradeIT8 = 9,
    kGradeIT9 = 10,
    kGradeIT12 = 13,
};

// Letter indices that start or form a group of the deviation rules.
enum Letter : int {
    kLetterH = 10,
    kLetterJS = 11,
    kLetterJ = 12,
    kLetterK = 13,
    kLetterM = 14,
    kLetterN = 15,
    kLetterP = 16,
    kLetterZC = 27,
};

enum Basis : int { kBasisHole = 0, kBasisShaft = 1 };

enum FitClass : int { kFitClearance = 0, kFitTransition = 1, kFitInterference = 2 };

// The letter texts a list shows for a basis (empty for a basis off the scale).
std::span<const std::string_view> LetterTextsOf(int basis);

// Position of text in texts, if it is there.
std::optional<int> PositionOf(std::span<const std::string_view> texts, std::string_view text);

// Size range that holds a size; sizes of 3 mm and less (zero and negative ones too) are in range 0.
std::optional<int> SizeRangeHolding(double nominalMm);

// Size band that holds a size over 0 and up to 500 mm.
std::optional<int> SizeBandHolding(double nominalMm);

// The core's view of the scales: exact sizes, over 0 and up to the largest size covered.
inline constexpr std::int64_t kLargestSizeMm = 500;

// Size band (table line) and size range (standard tolerance row) of a size over 0 and up to
// kLargestSizeMm; nothing otherwise.
std::optional<int> SizeBandOf(ExactLength size);
std::optional<int> SizeRangeOf(ExactLength size);

// Lower (excluded) and upper (included) bound of a size band, mm; the first band starts at 0.
std::pair<ExactLength, ExactLength> SizeBandBounds(int band);
