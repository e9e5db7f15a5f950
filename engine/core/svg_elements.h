#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Plain SVG elements as text, for drawings built without an XML library.

// A coordinate to a thousandth of a px: finer than any screen, locale-free, never "-0".
std::string Px(double value);

// Text with the five characters XML reserves escaped.
std::string XmlEscaped(std::string_view text);

struct SvgAttribute
{
    std::string_view name;
    std::string value;
};

// One element; attributes with an empty value are left out, and an empty text closes it at once.
std::string SvgElement(std::string_view tag, std::initializer_list<SvgAttribute> attributes,
                       std::string_view text = {});

std::string SvgLine(std::string_view id, double x1, double y1, double x2, double y2, std::string_view colour,
                    double widthPx, std::string_view dashes = {});
