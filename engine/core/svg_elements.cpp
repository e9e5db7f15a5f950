#include "core/svg_elements.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

std::string Px(double value)
{
    char buffer[32];
#ifdef __EMSCRIPTEN__
    // Its C++ library has no floating-point to_chars; its printf knows only the "C" locale.
    const int written = std::snprintf(buffer, sizeof buffer, "%.3f", value);
    std::string text(buffer, static_cast<std::size_t>(std::clamp(written, 0, static_cast<int>(sizeof buffer) - 1)));
#else
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3).ptr;
    std::string text(buffer, end);
#endif
    return text == "-0.000" ? "0.000" : text;
}

std::string XmlEscaped(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&apos;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string SvgElement(std::string_view tag, std::initializer_list<SvgAttribute> attributes, std::string_view text)
{
    std::string element = "<" + std::string(tag);
    for (const SvgAttribute& attribute : attributes) {
        if (!attribute.value.empty())
            element += " " + std::string(attribute.name) + "=\"" + XmlEscaped(attribute.value) + "\"";
    }
    if (text.empty())
        return element + "/>\n";
    return element + ">" + XmlEscaped(text) + "</" + std::string(tag) + ">\n";
}

std::string SvgLine(std::string_view id, double x1, double y1, double x2, double y2, std::string_view colour,
                    double widthPx, std::string_view dashes)
{
    return SvgElement("line",
                      {{"id", std::string(id)},
                       {"x1", Px(x1)},
                       {"y1", Px(y1)},
                       {"x2", Px(x2)},
                       {"y2", Px(y2)},
                       {"stroke", std::string(colour)},
                       {"stroke-width", Px(widthPx)},
                       {"stroke-dasharray", std::string(dashes)}});
}
