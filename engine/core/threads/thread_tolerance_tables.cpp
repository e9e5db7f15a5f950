#include "core/threads/thread_tolerance_tables.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

namespace {

constexpr std::array<std::int32_t, kTabulatedPitches> kPitchesUm
    = {200,  250,  300,  350,  400,  450,  500,  600,  700,  750,  800,  1000, 1250,
       1500, 1750, 2000, 2500, 3000, 3500, 4000, 4500, 5000, 5500, 6000, 8000};

std::optional<int> PitchIndex(std::int64_t pitchUm)
{
    const auto found = std::lower_bound(kPitchesUm.begin(), kPitchesUm.end(), pitchUm);
    if (found == kPitchesUm.end() || *found != pitchUm)
        return std::nullopt;
    return static_cast<int>(found - kPitchesUm.begin());
}

// ISO 965-1 table 3: the fundamental deviations' magnitudes in µm for G (EI, +), e, f, g (es, -),
// by pitch as kPitchesUm; 0 where the table has none. H and h are 0 at every pitch. Among the
// cells confirmed (docs/threads.md): e at 1.5, 1.75 and 2 mm and g at 1.75 mm as Machining Doctor's
// thread data sheets print them (machiningdoctor.com, M10, M12, M20 x 2); g at 1.75 mm also
// Yamawa's M12 tapping flowchart (6g d2 -0.034 to -0.184 mm).
struct DeviationRow
{
    std::int32_t G, e, f, g;
};
constexpr std::array<DeviationRow, kTabulatedPitches> kDeviations = {{
    {17, 0, 0, 17},    {18, 0, 0, 18},    {18, 0, 0, 18},    {19, 0, 34, 19},   {19, 0, 34, 19},
    {20, 0, 35, 20},   {20, 50, 36, 20},  {21, 53, 36, 21},  {22, 56, 38, 22},  {22, 56, 38, 22},
    {24, 60, 38, 24},  {26, 60, 40, 26},  {28, 63, 42, 28},  {32, 67, 45, 32},  {34, 71, 48, 34},
    {38, 71, 52, 38},  {42, 80, 58, 42},  {48, 85, 63, 48},  {53, 90, 70, 53},  {60, 95, 75, 60},
    {63, 100, 80, 63}, {71, 106, 85, 71}, {75, 112, 90, 75}, {80, 118, 95, 80}, {100, 140, 118, 100},
}};

// ISO 965-1 table 7: Td, the bolt's major-diameter tolerance, grades 4, 6, 8, by pitch. Grade 4 at
// 1.5, 1.75 and 2 mm and grade 6 at 1.75 mm as Machining Doctor's data sheets print them (M10 5h4h,
// M12 4h and 6e, M20 x 2 4g).
constexpr std::array<std::array<std::int32_t, 3>, kTabulatedPitches> kBoltMajor = {{
    {36, 56, 0},     {42, 67, 0},     {48, 75, 0},     {53, 85, 0},     {60, 95, 0},
    {63, 100, 0},    {67, 106, 0},    {80, 125, 0},    {90, 140, 0},    {90, 140, 0},
    {95, 150, 236},  {112, 180, 280}, {132, 212, 335}, {150, 236, 375}, {170, 265, 425},
    {180, 280, 450}, {212, 335, 530}, {236, 375, 600}, {265, 425, 670}, {300, 475, 750},
    {315, 500, 800}, {335, 530, 850}, {355, 560, 900}, {375, 600, 950}, {450, 710, 1180},
}};

// ISO 965-1 table 6: TD1, the nut's minor-diameter tolerance, grades 4 to 8, by pitch.
constexpr std::array<std::array<std::int32_t, 5>, kTabulatedPitches> kNutMinor = {{
    {38, 0, 0, 0, 0},
    {45, 56, 0, 0, 0},
    {53, 67, 85, 0, 0},
    {63, 80, 100, 0, 0},
    {71, 90, 112, 0, 0},
    {80, 100, 125, 0, 0},
    {90, 112, 140, 180, 0},
    {100, 125, 160, 200, 0},
    {112, 140, 180, 224, 0},
    {118, 150, 190, 236, 0},
    {125, 160, 200, 250, 315},
    {150, 190, 236, 300, 375},
    {170, 212, 265, 335, 425},
    {190, 236, 300, 375, 475},
    {212, 265, 335, 425, 530},
    {236, 300, 375, 475, 600},
    {280, 355, 450, 560, 710},
    {315, 400, 500, 630, 800},
    {355, 450, 560, 710, 900},
    {375, 475, 600, 750, 950},
    {425, 530, 670, 850, 1060},
    {450, 560, 710, 900, 1120},
    {475, 600, 750, 950, 1180},
    {500, 630, 800, 1000, 1250},
    {630, 800, 1000, 1250, 1600},
}};

// The diameter ranges of tables 4 and 5, in µm: over kRangeBounds[i], up to kRangeBounds[i + 1].
constexpr std::array<std::int64_t, kThreadDiameterRanges + 1> kRangeBounds
    = {990, 1400, 2800, 5600, 11200, 22400, 45000, 90000, 180000, 355000};

// One row of tables 4 and 5: a diameter range, a pitch, and the tolerances by grade.
struct PitchRow
{
    int range;
    std::int32_t pitchUm;
    std::array<std::int32_t, 7> bolt; // Td2, grades 3 to 9 (table 5)
    std::array<std::int32_t, 5> nut; // TD2, grades 4 to 8 (table 4)
};
// TD2 grades 4 and 5 over 1.4 to 11.2 mm at the coarse pitches 0.35 to 1.25 mm as Yamawa's general
// catalogue 2021 prints them ("Comparison of pitch diameter tolerance", cutting taps, M1.6 to M8).
constexpr PitchRow kPitchRows[] = {
    {0, 200, {24, 30, 38, 48, 0, 0, 0}, {40, 0, 0, 0, 0}},
    {0, 250, {26, 34, 42, 53, 0, 0, 0}, {45, 56, 0, 0, 0}},
    {0, 300, {28, 36, 45, 56, 0, 0, 0}, {48, 60, 75, 0, 0}},
    {1, 200, {25, 32, 40, 50, 0, 0, 0}, {42, 0, 0, 0, 0}},
    {1, 250, {28, 36, 45, 56, 0, 0, 0}, {48, 60, 0, 0, 0}},
    {1, 350, {32, 40, 50, 63, 80, 0, 0}, {53, 67, 85, 0, 0}},
    {1, 400, {34, 42, 53, 67, 85, 0, 0}, {56, 71, 90, 0, 0}},
    {1, 450, {36, 45, 56, 71, 90, 0, 0}, {60, 75, 95, 0, 0}},
    {2, 350, {34, 42, 53, 67, 85, 0, 0}, {56, 71, 90, 0, 0}},
    {2, 500, {38, 48, 60, 75, 95, 0, 0}, {63, 80, 100, 125, 0}},
    {2, 600, {42, 53, 67, 85, 106, 0, 0}, {71, 90, 112, 140, 0}},
    {2, 700, {45, 56, 71, 90, 112, 0, 0}, {75, 95, 118, 150, 0}},
    {2, 750, {45, 56, 71, 90, 112, 0, 0}, {75, 95, 118, 150, 0}},
    {2, 800, {48, 60, 75, 95, 118, 150, 190}, {80, 100, 125, 160, 200}},
    {3, 750, {50, 63, 80, 100, 125, 0, 0}, {85, 106, 132, 170, 0}},
    {3, 1000, {56, 71, 90, 112, 140, 180, 224}, {95, 118, 150, 190, 236}},
    {3, 1250, {60, 75, 95, 118, 150, 190, 236}, {100, 125, 160, 200, 250}},
    {3, 1500, {67, 85, 106, 132, 170, 212, 265}, {112, 140, 180, 224, 280}},
    {4, 1000, {60, 75, 95, 118, 150, 190, 236}, {100, 125, 160, 200, 250}},
    {4, 1250, {67, 85, 106, 132, 170, 212, 265}, {112, 140, 180, 224, 280}},
    {4, 1500, {71, 90, 112, 140, 180, 224, 280}, {118, 150, 190, 236, 300}},
    {4, 1750, {75, 95, 118, 150, 190, 236, 300}, {125, 160, 200, 250, 315}},
    {4, 2000, {80, 100, 125, 160, 200, 250, 315}, {132, 170, 212, 265, 335}},
    {4, 2500, {85, 106, 132, 170, 212, 265, 335}, {140, 180, 224, 280, 355}},
    {5, 1000, {63, 80, 100, 125, 160, 200, 250}, {106, 132, 170, 212, 0}},
    {5, 1500, {75, 95, 118, 150, 190, 236, 300}, {125, 160, 200, 250, 315}},
    {5, 2000, {85, 106, 132, 170, 212, 265, 335}, {140, 180, 224, 280, 355}},
    {5, 3000, {100, 125, 160, 200, 250, 315, 400}, {170, 212, 265, 335, 425}},
    {5, 3500, {106, 132, 170, 212, 265, 335, 425}, {180, 224, 280, 355, 450}},
    {5, 4000, {112, 140, 180, 224, 280, 355, 450}, {190, 236, 300, 375, 475}},
    {5, 4500, {118, 150, 190, 236, 300, 375, 475}, {200, 250, 315, 400, 500}},
    {6, 1500, {80, 100, 125, 160, 200, 250, 315}, {132, 170, 212, 265, 335}},
    {6, 2000, {90, 112, 140, 180, 224, 280, 355}, {150, 190, 236, 300, 375}},
    {6, 3000, {106, 132, 170, 212, 265, 335, 425}, {180, 224, 280, 355, 450}},
    {6, 4000, {118, 150, 190, 236, 300, 375, 475}, {200, 250, 315, 400, 500}},
    {6, 5000, {125, 160, 200, 250, 315, 400, 500}, {212, 265, 335, 425, 530}},
    {6, 5500, {132, 170, 212, 265, 335, 425, 530}, {224, 280, 355, 450, 560}},
    {6, 6000, {140, 180, 224, 280, 355, 450, 560}, {236, 300, 375, 475, 600}},
    {7, 2000, {95, 118, 150, 190, 236, 300, 375}, {160, 200, 250, 315, 400}},
    {7, 3000, {112, 140, 180, 224, 280, 355, 450}, {190, 236, 300, 375, 475}},
    {7, 4000, {125, 160, 200, 250, 315, 400, 500}, {212, 265, 335, 425, 530}},
    {7, 6000, {150, 190, 236, 300, 375, 475, 600}, {250, 315, 400, 500, 630}},
    {7, 8000, {170, 212, 265, 335, 425, 530, 670}, {280, 355, 450, 560, 710}},
    {8, 3000, {125, 160, 200, 250, 315, 400, 500}, {212, 265, 335, 425, 530}},
    {8, 4000, {140, 180, 224, 280, 355, 450, 560}, {236, 300, 375, 475, 600}},
    {8, 6000, {160, 200, 250, 315, 400, 500, 630}, {265, 335, 425, 530, 670}},
    {8, 8000, {180, 224, 280, 355, 450, 560, 710}, {300, 375, 475, 600, 750}},
};

std::optional<std::int32_t> Cell(std::int32_t value)
{
    return value == 0 ? std::nullopt : std::optional<std::int32_t>(value);
}

const PitchRow* RowOf(std::int64_t diameterUm, std::int64_t pitchUm)
{
    const auto range = ThreadDiameterRangeOf(diameterUm);
    if (!range)
        return nullptr;
    for (const PitchRow& row : kPitchRows) {
        if (row.range == *range && row.pitchUm == pitchUm)
            return &row;
    }
    return nullptr;
}

} // namespace

std::optional<std::int32_t> FundamentalDeviationUm(ThreadPosition position, std::int64_t pitchUm)
{
    const auto index = PitchIndex(pitchUm);
    if (!index)
        return std::nullopt;
    const DeviationRow& row = kDeviations[static_cast<std::size_t>(*index)];
    switch (position) {
    case ThreadPosition::H:
    case ThreadPosition::h:
        return 0;
    case ThreadPosition::G:
        return row.G;
    case ThreadPosition::e:
        return row.e == 0 ? std::nullopt : std::optional<std::int32_t>(-row.e);
    case ThreadPosition::f:
        return row.f == 0 ? std::nullopt : std::optional<std::int32_t>(-row.f);
    case ThreadPosition::g:
        return -row.g;
    }
    return std::nullopt;
}

bool IsBoltMajorGrade(int grade)
{
    return grade == 4 || grade == 6 || grade == 8;
}

bool IsBoltPitchGrade(int grade)
{
    return grade >= 3 && grade <= 9;
}

bool IsNutGrade(int grade)
{
    return grade >= 4 && grade <= 8;
}

std::optional<std::int32_t> BoltMajorToleranceUm(int grade, std::int64_t pitchUm)
{
    const auto index = PitchIndex(pitchUm);
    if (!index || !IsBoltMajorGrade(grade))
        return std::nullopt;
    return Cell(kBoltMajor[static_cast<std::size_t>(*index)][static_cast<std::size_t>((grade - 4) / 2)]);
}

std::optional<std::int32_t> NutMinorToleranceUm(int grade, std::int64_t pitchUm)
{
    const auto index = PitchIndex(pitchUm);
    if (!index || !IsNutGrade(grade))
        return std::nullopt;
    return Cell(kNutMinor[static_cast<std::size_t>(*index)][static_cast<std::size_t>(grade - 4)]);
}

std::optional<std::int32_t> BoltPitchToleranceUm(int grade, std::int64_t diameterUm, std::int64_t pitchUm)
{
    const PitchRow* row = RowOf(diameterUm, pitchUm);
    if (!row || !IsBoltPitchGrade(grade))
        return std::nullopt;
    return Cell(row->bolt[static_cast<std::size_t>(grade - 3)]);
}

std::optional<std::int32_t> NutPitchToleranceUm(int grade, std::int64_t diameterUm, std::int64_t pitchUm)
{
    const PitchRow* row = RowOf(diameterUm, pitchUm);
    if (!row || !IsNutGrade(grade))
        return std::nullopt;
    return Cell(row->nut[static_cast<std::size_t>(grade - 4)]);
}

std::optional<int> ThreadDiameterRangeOf(std::int64_t diameterUm)
{
    for (int range = 0; range < kThreadDiameterRanges; ++range) {
        if (diameterUm > kRangeBounds[static_cast<std::size_t>(range)]
            && diameterUm <= kRangeBounds[static_cast<std::size_t>(range) + 1])
            return range;
    }
    return std::nullopt;
}

std::pair<std::int64_t, std::int64_t> ThreadDiameterRangeBounds(int range)
{
    return {kRangeBounds[static_cast<std::size_t>(range)], kRangeBounds[static_cast<std::size_t>(range) + 1]};
}

std::int64_t TabulatedPitchUm(int index)
{
    return kPitchesUm[static_cast<std::size_t>(index)];
}
