#include "fit_diagram.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <initializer_list>
#include <string_view>

namespace {

constexpr double kWidthPx = kFitDiagramWidthPx;
constexpr double kHeightPx = kFitDiagramHeightPx;
// The zones' room; above it the title, below it the lowest labels.
constexpr double kPlotTopPx = 56;
constexpr double kPlotBottomPx = 250;
// Share of the deviation span kept free above and below the zones, so that no zone touches the
// title and the zero line never runs along the edge of the drawing.
constexpr double kSpanMargin = 0.08;
constexpr double kHoleLeftPx = 110;
constexpr double kHoleRightPx = 190;
constexpr double kShaftLeftPx = 300;
constexpr double kShaftRightPx = 380;
// Dimension lines between the zones; each tag stands right of its line.
constexpr double kMaxMarkerXPx = 214;
constexpr double kMinMarkerXPx = 258;
constexpr double kTitleFontPx = 14;
constexpr double kLabelFontPx = 12;
constexpr double kTagFontPx = 11;
constexpr double kArrowLengthPx = 6;

constexpr std::string_view kTextColour = "#202020";
constexpr std::string_view kHoleStroke = "#1f5fa8";
constexpr std::string_view kHoleFill = "#a9c8ef";
constexpr std::string_view kShaftStroke = "#a8561f";
constexpr std::string_view kShaftFill = "#f3c39a";
constexpr std::string_view kClearanceColour = "#2e7d32";
constexpr std::string_view kInterferenceColour = "#c62828";
constexpr std::string_view kExtensionColour = "#808080";
constexpr std::string_view kUnitColour = "#606060";
constexpr std::string_view kBacking = "#ffffff";

constexpr std::string_view kMinusSign = "\xE2\x88\x92"; // U+2212, the typographic minus
constexpr std::string_view kDiameterSign = "\xC3\x98"; // Ø
constexpr std::string_view kMicro = "\xC2\xB5"; // µ

// Coordinates to a thousandth of a px: finer than any screen, locale-free, never "-0".
std::string Px(double value)
{
    char buffer[32];
#ifdef __EMSCRIPTEN__
    // Its C++ library has no floating-point to_chars; its printf knows only the "C" locale.
    const int written = std::snprintf(buffer, sizeof buffer, "%.3f", value);
    std::string text(buffer,
                     std::clamp<std::size_t>(static_cast<std::size_t>(std::max(written, 0)), 0, sizeof buffer - 1));
#else
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3).ptr;
    std::string text(buffer, end);
#endif
    return text == "-0.000" ? "0.000" : text;
}

// A deviation or clearance as the drawing writes it: "+25", "0", "−9.5".
std::string SignedUm(ExactLength length)
{
    const std::string digits = FormatUm(length);
    if (length.nm > 0)
        return "+" + digits;
    if (length.nm < 0)
        return std::string(kMinusSign) + digits.substr(1);
    return digits;
}

std::string Escaped(std::string_view text)
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
        default:
            escaped += c;
        }
    }
    return escaped;
}

struct Attribute
{
    std::string_view name;
    std::string value;
};

// One element; attributes with an empty value are left out.
std::string Element(std::string_view tag, std::initializer_list<Attribute> attributes, std::string_view text = {})
{
    std::string element = "<" + std::string(tag);
    for (const Attribute& attribute : attributes) {
        if (!attribute.value.empty())
            element += " " + std::string(attribute.name) + "=\"" + Escaped(attribute.value) + "\"";
    }
    if (text.empty())
        return element + "/>\n";
    return element + ">" + Escaped(text) + "</" + std::string(tag) + ">\n";
}

std::string Text(std::string_view id, double x, double baseline, std::string_view anchor, double fontPx,
                 std::string_view colour, std::string_view text, bool bold = false)
{
    return Element("text",
                   {{"id", std::string(id)},
                    {"x", Px(x)},
                    {"y", Px(baseline)},
                    {"text-anchor", std::string(anchor)},
                    {"font-size", Px(fontPx)},
                    {"font-weight", bold ? "bold" : ""},
                    {"fill", std::string(colour)}},
                   text);
}

std::string Line(std::string_view id, double x1, double y1, double x2, double y2, std::string_view colour,
                 double widthPx, std::string_view dashes = {})
{
    return Element("line",
                   {{"id", std::string(id)},
                    {"x1", Px(x1)},
                    {"y1", Px(y1)},
                    {"x2", Px(x2)},
                    {"y2", Px(y2)},
                    {"stroke", std::string(colour)},
                    {"stroke-width", Px(widthPx)},
                    {"stroke-dasharray", std::string(dashes)}});
}

// A text on a plain backing, so that lines running under it never strike it through. The backing's
// width is reckoned from the character count: digits and signs are about 0.65 em in sans fonts.
std::string BackedText(std::string_view id, double x, double middle, std::string_view anchor, double fontPx,
                       std::string_view colour, std::string_view text, std::string_view backing, bool bold = false)
{
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    const double width_px = static_cast<double>(characters) * fontPx * 0.65 + 4;
    const double left_px = anchor == "end" ? x - width_px + 2 : anchor == "middle" ? x - width_px / 2 : x - 2;
    return Element("rect",
                   {{"x", Px(left_px)},
                    {"y", Px(middle - fontPx * 0.6)},
                    {"width", Px(width_px)},
                    {"height", Px(fontPx * 1.2)},
                    {"fill", std::string(backing)},
                    {"fill-opacity", "0.85"}})
        + Text(id, x, middle + fontPx * 0.35, anchor, fontPx, colour, text, bold);
}

// Deviations to heights: one scale for both zones, the zero line included.
class VerticalScale
{
public:
    explicit VerticalScale(const FitAnalysis& fit)
    {
        const std::int64_t top_nm
            = std::max({std::int64_t(0), fit.hole.deviations.upper.nm, fit.shaft.deviations.upper.nm});
        const std::int64_t bottom_nm
            = std::min({std::int64_t(0), fit.hole.deviations.lower.nm, fit.shaft.deviations.lower.nm});
        const double span_nm = std::max(1.0, static_cast<double>(top_nm - bottom_nm));
        m_top_nm = static_cast<double>(top_nm) + span_nm * kSpanMargin;
        m_px_per_nm = (kPlotBottomPx - kPlotTopPx) / (span_nm * (1 + 2 * kSpanMargin));
    }

    double Y(ExactLength length) const
    {
        return kPlotTopPx + (m_top_nm - static_cast<double>(length.nm)) * m_px_per_nm;
    }

private:
    double m_top_nm = 0;
    double m_px_per_nm = 1;
};

struct ZoneStyle
{
    std::string_view part; // "hole" or "shaft": the ids' prefix
    double left_px;
    double right_px;
    bool labelsLeft;
    std::string_view stroke;
    std::string_view fill;
};

std::string ZoneBand(const PartLimits& limits, const ZoneStyle& style, const VerticalScale& scale)
{
    const double upper_px = scale.Y(limits.deviations.upper);
    const double lower_px = scale.Y(limits.deviations.lower);
    return Element("rect",
                   {{"id", std::string(style.part) + "-zone"},
                    {"x", Px(style.left_px)},
                    {"y", Px(upper_px)},
                    {"width", Px(style.right_px - style.left_px)},
                    {"height", Px(lower_px - upper_px)},
                    {"fill", std::string(style.fill)},
                    {"stroke", std::string(style.stroke)},
                    {"stroke-width", "1.5"}});
}

std::string ZoneLabels(const PartLimits& limits, const ZoneStyle& style, const VerticalScale& scale)
{
    const std::string part(style.part);
    const double upper_px = scale.Y(limits.deviations.upper);
    const double lower_px = scale.Y(limits.deviations.lower);

    // The class name inside the zone when it fits there, above it otherwise.
    const bool inside = lower_px - upper_px >= kLabelFontPx + 6;
    const double classMiddle_px = inside ? (upper_px + lower_px) / 2 : upper_px - kLabelFontPx * 0.5 - 3;
    std::string svg
        = BackedText(part + "-class", (style.left_px + style.right_px) / 2, classMiddle_px, "middle", kLabelFontPx,
                     style.stroke, ClassName(limits.toleranceClass), inside ? style.fill : kBacking, true);

    // Each label at its edge; a thin zone pushes its two labels apart around its middle.
    double upperMiddle_px = upper_px;
    double lowerMiddle_px = lower_px;
    const double labelGap_px = kLabelFontPx + 2;
    if (lower_px - upper_px < labelGap_px) {
        const double middle_px = (upper_px + lower_px) / 2;
        upperMiddle_px = middle_px - labelGap_px / 2;
        lowerMiddle_px = middle_px + labelGap_px / 2;
    }
    const double labelX_px = style.labelsLeft ? style.left_px - 6 : style.right_px + 6;
    const std::string_view anchor = style.labelsLeft ? "end" : "start";
    svg += BackedText(part + "-upper", labelX_px, upperMiddle_px, anchor, kLabelFontPx, kTextColour,
                      SignedUm(limits.deviations.upper), kBacking);
    svg += BackedText(part + "-lower", labelX_px, lowerMiddle_px, anchor, kLabelFontPx, kTextColour,
                      SignedUm(limits.deviations.lower), kBacking);
    return svg;
}

std::string Arrowhead(double x_px, double tip_px, double direction, std::string_view colour)
{
    const double base_px = tip_px - direction * kArrowLengthPx;
    return Element("polygon",
                   {{"points",
                     Px(x_px) + "," + Px(tip_px) + " " + Px(x_px - 3) + "," + Px(base_px) + " " + Px(x_px + 3) + ","
                         + Px(base_px)},
                    {"fill", std::string(colour)}});
}

// One of the two dimension lines: from an edge of the hole zone to an edge of the shaft zone.
struct Marker
{
    std::string id;
    double x_px;
    double hole_px;
    double shaft_px;
    ExactLength clearance;
    std::string_view symbol;

    std::string_view Colour() const { return clearance.nm >= 0 ? kClearanceColour : kInterferenceColour; }
};

// The dimension line with its extension lines from both edges and its arrowheads.
std::string MarkerLines(const Marker& marker)
{
    const std::string_view colour = marker.Colour();
    std::string svg;
    svg += Line("", kHoleRightPx, marker.hole_px, marker.x_px + 6, marker.hole_px, kExtensionColour, 0.8, "3,2");
    svg += Line("", kShaftLeftPx, marker.shaft_px, marker.x_px - 6, marker.shaft_px, kExtensionColour, 0.8, "3,2");
    svg += Line(marker.id + "-line", marker.x_px, marker.hole_px, marker.x_px, marker.shaft_px, colour, 1.2);

    const double length_px = marker.shaft_px - marker.hole_px;
    const double direction = length_px >= 0 ? 1 : -1;
    if (length_px * direction >= 2 * kArrowLengthPx + 2) {
        // Arrows inside, pointing out to the edges.
        svg += Arrowhead(marker.x_px, marker.hole_px, -direction, colour);
        svg += Arrowhead(marker.x_px, marker.shaft_px, direction, colour);
    } else if (length_px * direction >= 0.5) {
        // Too short for arrows inside: they point in from outside.
        svg += Arrowhead(marker.x_px, marker.hole_px, direction, colour);
        svg += Arrowhead(marker.x_px, marker.shaft_px, -direction, colour);
    }
    return svg;
}

// The tag right of the dimension line: the symbol over the signed value.
std::string MarkerTag(const Marker& marker)
{
    const double middle_px
        = std::clamp((marker.hole_px + marker.shaft_px) / 2, kPlotTopPx + kTagFontPx, kPlotBottomPx - kTagFontPx);
    const double x_px = marker.x_px + 5;
    return BackedText(marker.id + "-name", x_px, middle_px - kTagFontPx * 0.55, "start", kTagFontPx, marker.Colour(),
                      marker.symbol, kBacking)
        + BackedText(marker.id + "-value", x_px, middle_px + kTagFontPx * 0.55, "start", kTagFontPx, marker.Colour(),
                     SignedUm(marker.clearance), kBacking);
}

} // namespace

std::string FitDiagramSvg(const FitAnalysis& fit)
{
    const VerticalScale scale(fit);
    const std::string size = std::string(kDiameterSign) + FormatMm(fit.size);
    const std::string title
        = size + " " + ClassName(fit.hole.toleranceClass) + "/" + ClassName(fit.shaft.toleranceClass);
    const ZoneStyle hole {"hole", kHoleLeftPx, kHoleRightPx, true, kHoleStroke, kHoleFill};
    const ZoneStyle shaft {"shaft", kShaftLeftPx, kShaftRightPx, false, kShaftStroke, kShaftFill};
    const double zero_px = scale.Y({});
    // ES - ei and EI - es. Their symbols follow the fit's type: a clearance fit has a largest and a
    // smallest clearance, an interference fit a smallest and a largest interference, a transition
    // fit a largest clearance and a largest interference.
    const Marker maxMarker {"max-clearance",
                            kMaxMarkerXPx,
                            scale.Y(fit.hole.deviations.upper),
                            scale.Y(fit.shaft.deviations.lower),
                            fit.maxClearance,
                            fit.type == FitType::Interference ? "Ymin" : "Xmax"};
    const Marker minMarker {"min-clearance",
                            kMinMarkerXPx,
                            scale.Y(fit.hole.deviations.lower),
                            scale.Y(fit.shaft.deviations.upper),
                            fit.minClearance,
                            fit.type == FitType::Clearance ? "Xmin" : "Ymax"};

    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" width=\"" + Px(kWidthPx)
        + "\" height=\"" + Px(kHeightPx) + "\" viewBox=\"0 0 " + Px(kWidthPx) + " " + Px(kHeightPx) + "\">\n";
    svg += Element("title", {}, title);
    svg += "<g font-family=\"sans-serif\">\n";
    svg += Element("rect", {{"width", Px(kWidthPx)}, {"height", Px(kHeightPx)}, {"fill", std::string(kBacking)}});
    svg += Text("title", 14, 24, "start", kTitleFontPx, kTextColour, title, true);
    svg += Text("unit", kWidthPx - 14, 24, "end", kLabelFontPx, kUnitColour, std::string(kMicro) + "m");

    // Lines first, over them the labels on their backings.
    svg += ZoneBand(fit.hole, hole, scale);
    svg += ZoneBand(fit.shaft, shaft, scale);
    svg += Line("zero-line", 10, zero_px, kWidthPx - 10, zero_px, kTextColour, 1.5);
    svg += MarkerLines(maxMarker);
    svg += MarkerLines(minMarker);

    svg += Text("zero-label", 14, zero_px - 4, "start", kLabelFontPx, kTextColour, "0");
    svg += Text("nominal-size", 14, zero_px + kLabelFontPx + 2, "start", kLabelFontPx, kTextColour, size);
    svg += ZoneLabels(fit.hole, hole, scale);
    svg += ZoneLabels(fit.shaft, shaft, scale);
    svg += MarkerTag(maxMarker);
    svg += MarkerTag(minMarker);
    svg += "</g>\n</svg>\n";
    return svg;
}
