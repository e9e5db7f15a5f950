#include "workbench/bearing/bearing_model.h"

#include "core/loaded_tables.h"

#include <algorithm>

Result<BearingFit, BearingProblem> AnalyseTypedSeat(const std::filesystem::path& tablesFolder,
                                                    std::string_view sizeText, std::string_view seatText,
                                                    BearingClass bearingClass)
{
    const auto size = ReadSize(sizeText);
    if (!size)
        return BearingProblem(size.reason());
    std::string typed(seatText);
    std::erase_if(typed, [](char c) { return c == ' ' || c == '\t'; });
    if (typed.empty())
        return BearingProblem(SeatTextProblem {true, ClassTextProblem::NotAClass, typed});
    const auto seat = ParseToleranceClass(typed);
    if (!seat)
        return BearingProblem(SeatTextProblem {false, seat.reason(), typed});
    auto fit = AnalyseBearingFit(LoadDeviationTables(tablesFolder), *seat, bearingClass, *size);
    if (!fit)
        return BearingProblem(SeatRefusal {fit.reason(), *seat, *size});
    return *fit;
}
