#include "core/general/general_classes.h"

#include <array>

namespace {

std::optional<LinearClass> LinearOf(char letter)
{
    switch (letter) {
    case 'f':
        return LinearClass::Fine;
    case 'm':
        return LinearClass::Medium;
    case 'c':
        return LinearClass::Coarse;
    case 'v':
        return LinearClass::VeryCoarse;
    default:
        return std::nullopt;
    }
}

std::optional<GeometricalClass> GeometricalOf(char letter)
{
    switch (letter) {
    case 'H':
        return GeometricalClass::H;
    case 'K':
        return GeometricalClass::K;
    case 'L':
        return GeometricalClass::L;
    default:
        return std::nullopt;
    }
}

constexpr std::array kFeatureNames
    = {std::string_view("straightness"), std::string_view("flatness"), std::string_view("perpendicularity"),
       std::string_view("symmetry"), std::string_view("runout")};

} // namespace

std::optional<GeneralClasses> ParseGeneralClasses(std::string_view text)
{
    if (text.size() == 1) {
        if (const auto linear = LinearOf(text[0]))
            return GeneralClasses {linear, std::nullopt};
        if (const auto geometrical = GeometricalOf(text[0]))
            return GeneralClasses {std::nullopt, geometrical};
        return std::nullopt;
    }
    if (text.size() != 2)
        return std::nullopt;
    const auto linear = LinearOf(text[0]);
    const char second = text[1] >= 'a' && text[1] <= 'z' ? static_cast<char>(text[1] - 'a' + 'A') : text[1];
    const auto geometrical = GeometricalOf(second);
    if (!linear || !geometrical)
        return std::nullopt;
    return GeneralClasses {linear, geometrical};
}

std::optional<GeometricalFeature> ParseGeometricalFeature(std::string_view text)
{
    for (std::size_t i = 0; i < kFeatureNames.size(); ++i) {
        if (kFeatureNames[i] == text)
            return static_cast<GeometricalFeature>(i);
    }
    return std::nullopt;
}

std::optional<GeneralStandard> ParseGeneralStandard(std::string_view text)
{
    if (text == "iso")
        return GeneralStandard::Iso;
    if (text == "gb")
        return GeneralStandard::Gb;
    return std::nullopt;
}

char LinearClassLetter(LinearClass linearClass)
{
    constexpr std::array letters = {'f', 'm', 'c', 'v'};
    return letters[static_cast<std::size_t>(linearClass)];
}

char GeometricalClassLetter(GeometricalClass geometricalClass)
{
    constexpr std::array letters = {'H', 'K', 'L'};
    return letters[static_cast<std::size_t>(geometricalClass)];
}

std::string_view GeometricalFeatureName(GeometricalFeature feature)
{
    return kFeatureNames[static_cast<std::size_t>(feature)];
}

std::string_view GeneralKindName(GeneralKind kind)
{
    switch (kind) {
    case GeneralKind::Linear:
        return "linear";
    case GeneralKind::Edge:
        return "edge";
    case GeneralKind::Angle:
        return "angle";
    }
    return "linear";
}
