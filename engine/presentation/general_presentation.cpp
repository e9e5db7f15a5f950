#include "presentation/general_presentation.h"

namespace {

std::string MmText(ExactLength length)
{
    return FormatMm(length) + " mm";
}

// "ISO 2768-1" -> "ISO 2768", "GB/T 1804-2000" -> "GB/T 1804": the part or year goes before the class.
std::string_view StandardStem(std::string_view standard)
{
    const std::size_t dash = standard.rfind('-');
    return dash == std::string_view::npos ? standard : standard.substr(0, dash);
}

} // namespace

std::string ArcMinutesText(int minutes)
{
    std::string text = "±" + std::to_string(minutes / 60) + "°";
    if (minutes % 60 != 0)
        text += std::to_string(minutes % 60) + "′";
    return text;
}

std::string GeneralDeviationText(const GeneralTolerance& tolerance)
{
    if (tolerance.kind == GeneralKind::Angle)
        return ArcMinutesText(tolerance.deviationArcMinutes);
    return "±" + MmText(tolerance.deviation);
}

std::string GeometricalToleranceText(const GeometricalTolerance& tolerance)
{
    return MmText(tolerance.tolerance);
}

std::string GeneralRangeText(const GeneralRange& range)
{
    if (range.over.nm == 0 && !range.upTo)
        return "any length";
    if (range.over.nm == 0)
        return "up to " + MmText(*range.upTo);
    const std::string from = (range.includesOver ? "" : "over ") + FormatMm(range.over);
    if (!range.upTo)
        return from + " mm";
    return from + " up to " + MmText(*range.upTo);
}

std::string GeneralClassDesignation(const GeneralTable& table, char classLetter)
{
    return std::string(StandardStem(table.standard)) + "-" + classLetter;
}

std::string GeneralToleranceLine(const GeneralTolerance& tolerance)
{
    return GeneralDeviationText(tolerance) + " ("
        + GeneralClassDesignation(*tolerance.table, LinearClassLetter(tolerance.linearClass)) + ", "
        + GeneralRangeText(tolerance.range) + ")";
}

std::string GeometricalToleranceLine(const GeometricalTolerance& tolerance)
{
    return GeometricalToleranceText(tolerance) + " ("
        + GeneralClassDesignation(*tolerance.table, GeometricalClassLetter(tolerance.geometricalClass)) + ", "
        + std::string(GeometricalFeatureName(tolerance.feature)) + ", " + GeneralRangeText(tolerance.range) + ")";
}
