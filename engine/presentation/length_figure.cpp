#include "presentation/length_figure.h"

LengthFigure SignedLengthFigure(std::string_view key, ExactLength value)
{
    const std::string plus = value.nm > 0 ? "+" : "";
    return {key, value, SignedUm(value), plus + DrawingMm(value)};
}

LengthFigure PlainLengthFigure(std::string_view key, ExactLength value)
{
    return {key, value, FormatUm(value), DrawingMm(value)};
}
