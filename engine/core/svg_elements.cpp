#include "svg_elements.h"

#include <charconv>

std::string Px(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3).ptr;
    std::string text(buffer, end);
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
