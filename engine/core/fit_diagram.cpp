#include "core/fit_diagram.h"

#include "core/diagram_labels.h"
#include "core/diagram_scale.h"
#include "core/svg_elements.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kWidthPx = kFitDiagramWidthPx;
constexpr double kHeightPx = kFitDiagramHeightPx;
constexpr double kMarginPx = 8;
// The zones' extremes fall at these heights; above them the title, below them the lowest labels.
constexpr double kPlotTopPx = 66;
constexpr double kPlotBottomPx = 244;
// The axis reaches a little past the zones, so that no edge sits on its end.
constexpr double kAxisOverhangPx = 8;
constexpr double kTitleFontPx = 14;
constexpr double kLabelFontPx = 12;
constexpr double kSmallFontPx = 11; // the axis and the dimension lines' tags
constexpr double kArrowLengthPx = 6;
// How far a break line reaches past the stretch it marks.
constexpr double kBreakReachPx = 6;
constexpr double kZoneMaxWidthPx = 90;
constexpr double kZoneMinWidthPx = 40;
// Tick labels at least this far apart where the scale is whole; closer when the drawing would
// otherwise show fewer than three of them.
constexpr double kTickSpacingsPx[] = {24, 18, 13};

struct Colours
{
    std::string_view background;
    std::string_view text;
    std::string_view muted; // the unit and the extension lines
    std::string_view holeStroke;
    std::string_view holeFill;
    std::string_view holeText; // on the hole's fill as on the background
    std::string_view shaftStroke;
    std::string_view shaftFill;
    std::string_view shaftText;
    std::string_view clearance;
    std::string_view interference;
};

// Every text stands at least 4.5:1 against what lies behind it.
constexpr Colours kLight {"#ffffff", "#202020", "#606060", "#1f5fa8", "#a9c8ef", "#174a85",
                          "#a8561f", "#f3c39a", "#7a3c12", "#2e7d32", "#c62828"};
constexpr Colours kDark {"#1e1f22", "#e8e8e8", "#b8b8b8", "#7fb2f0", "#22436b", "#9cc4f5",
                         "#f0a468", "#5c3518", "#f5b784", "#6cc070", "#f07070"};

constexpr std::string_view kMinusSign = "\xE2\x88\x92"; // U+2212, the typographic minus
constexpr std::string_view kDiameterSign = "\xC3\x98"; // Ø
constexpr std::string_view kMicro = "\xC2\xB5"; // µ

// An element's id: its name behind the drawing's prefix, so that a page holding the drawing keeps
// its own ids unique; no name, no id.
std::string ElementId(std::string_view name)
{
    return name.empty() ? std::string() : std::string(kFitDiagramIdPrefix) + std::string(name);
}

// A deviation or clearance as the drawing writes it: "+25", "0", "−9.5".
std::string TypographicUm(ExactLength length)
{
    const std::string digits = FormatUm(length);
    if (length.nm > 0)
        return "+" + digits;
    if (length.nm < 0)
        return std::string(kMinusSign) + digits.substr(1);
    return digits;
}

double WidthPx(std::string_view text, double fontPx, bool bold = false)
{
    return TextWidthEm(text, bold) * fontPx;
}

// A label to place: one or more lines of the same font, aligned at x.
struct Label
{
    std::string id;
    std::string text;
    double x;
    std::string_view anchor; // "start", "middle", "end"
    double fontPx;
    std::string_view colour;
    bool bold = false;

    double Left() const
    {
        const double width = WidthPx(text, fontPx, bold);
        return anchor == "end" ? x - width : anchor == "middle" ? x - width / 2 : x;
    }
    double Right() const { return Left() + WidthPx(text, fontPx, bold); }
};

// The label with its top at topPx, on a backing that keeps lines under it from striking it through.
std::string PlacedText(const Label& label, double topPx, std::string_view backing)
{
    const double baseline = topPx + kAscentEm * label.fontPx;
    return SvgElement("rect",
                      {{"x", Px(label.Left() - 1)},
                       {"y", Px(topPx)},
                       {"width", Px(label.Right() - label.Left() + 2)},
                       {"height", Px(label.fontPx)},
                       {"fill", std::string(backing)},
                       {"fill-opacity", "0.85"}})
        + SvgElement("text",
                     {{"id", ElementId(label.id)},
                      {"x", Px(label.x)},
                      {"y", Px(baseline)},
                      {"text-anchor", std::string(label.anchor)},
                      {"font-size", Px(label.fontPx)},
                      {"font-weight", label.bold ? "bold" : ""},
                      {"fill", std::string(label.colour)}},
                     label.text);
}

struct Placed
{
    std::string svg;
    double bottomPx;
};

// Places a stack of labels (one above the other, in order) as near their wish as the room allows,
// takes their room and returns their SVG. The wish is the stack's middle.
Placed PlaceStack(LabelSpace& space, std::initializer_list<const Label*> stack, double wishedMiddlePx,
                  std::string_view backing, bool preferUp, double minTopPx = -1e9, double maxTopPx = 1e9)
{
    // Lines of a stack stand a little apart, so that rounding never lets their boxes touch.
    constexpr double lineGapPx = 1;
    double left = 1e9, right = -1e9, height = -lineGapPx;
    for (const Label* label : stack) {
        left = std::min(left, label->Left());
        right = std::max(right, label->Right());
        height += label->fontPx + lineGapPx;
    }
    const double wishedTop = wishedMiddlePx - height / 2;
    const double top = space.FreeTop(left, right, height, wishedTop, minTopPx, maxTopPx, preferUp).value_or(wishedTop);
    space.Take({left, top, right, top + height});
    std::string svg;
    double lineTop = top;
    for (const Label* label : stack) {
        svg += PlacedText(*label, lineTop, backing);
        lineTop += label->fontPx + lineGapPx;
    }
    return {svg, top + height};
}

// Where the drawing's columns stand, left to right; worked out from the widths of their texts.
struct Columns
{
    double axisX;
    double holeLabelsRight;
    double holeLeft;
    double holeRight;
    double maxMarkerX;
    double minMarkerX;
    double shaftLeft;
    double shaftRight;
    double shaftLabelsLeft;
};

struct Zone
{
    std::string_view part; // "hole" or "shaft": the ids' prefix
    const PartLimits& limits;
    double left;
    double right;
    std::string_view stroke;
    std::string_view fill;
    std::string_view text;
};

std::string ZoneBand(const Zone& zone, const DiagramScale& scale)
{
    const double top = scale.Y(zone.limits.deviations.upper);
    const double bottom = scale.Y(zone.limits.deviations.lower);
    return SvgElement("rect",
                      {{"id", ElementId(std::string(zone.part) + "-zone")},
                       {"x", Px(zone.left)},
                       {"y", Px(top)},
                       {"width", Px(zone.right - zone.left)},
                       {"height", Px(bottom - top)},
                       {"fill", std::string(zone.fill)},
                       {"stroke", std::string(zone.stroke)},
                       {"stroke-width", "1.5"}});
}

// One of the two dimension lines: from an edge of the hole zone to an edge of the shaft zone.
struct Marker
{
    std::string id;
    double x;
    double holeY;
    double shaftY;
    ExactLength clearance;
    std::string_view symbol;
};

std::string Arrowhead(double x, double tipY, double direction, std::string_view colour)
{
    const double baseY = tipY - direction * kArrowLengthPx;
    return SvgElement(
        "polygon",
        {{"points", Px(x) + "," + Px(tipY) + " " + Px(x - 3) + "," + Px(baseY) + " " + Px(x + 3) + "," + Px(baseY)},
         {"fill", std::string(colour)}});
}

// The dimension line with its extension lines from both edges and its arrowheads; returns the
// room it takes, arrowheads included.
std::string MarkerLines(const Marker& marker, const Columns& columns, std::string_view colour,
                        std::string_view extension, LabelBox& taken)
{
    std::string svg;
    svg += SvgLine("", columns.holeRight, marker.holeY, marker.x + 6, marker.holeY, extension, 0.8, "3,2");
    svg += SvgLine("", columns.shaftLeft, marker.shaftY, marker.x - 6, marker.shaftY, extension, 0.8, "3,2");
    svg += SvgLine(ElementId(marker.id + "-line"), marker.x, marker.holeY, marker.x, marker.shaftY, colour, 1.2);

    const double length = marker.shaftY - marker.holeY;
    const double direction = length >= 0 ? 1 : -1;
    double reach = 0;
    if (length * direction >= 2 * kArrowLengthPx + 2) {
        // Arrows inside, pointing out to the edges.
        svg += Arrowhead(marker.x, marker.holeY, -direction, colour);
        svg += Arrowhead(marker.x, marker.shaftY, direction, colour);
    } else if (length * direction >= 0.5) {
        // Too short for arrows inside: they point in from outside.
        svg += Arrowhead(marker.x, marker.holeY, direction, colour);
        svg += Arrowhead(marker.x, marker.shaftY, -direction, colour);
        reach = kArrowLengthPx;
    }
    taken = {marker.x - 3, std::min(marker.holeY, marker.shaftY) - reach, marker.x + 3,
             std::max(marker.holeY, marker.shaftY) + reach};
    return svg;
}

// A break line across a vertical stretch from top to bottom: the drawing is not to scale there.
std::string Zigzag(double x, double top, double bottom, std::string_view colour, double widthPx)
{
    const double points[][2] = {{x, top - kBreakReachPx},
                                {x + 4, top - kBreakReachPx + 3},
                                {x - 4, bottom + kBreakReachPx - 3},
                                {x, bottom + kBreakReachPx}};
    std::string list;
    for (const auto& point : points)
        list += (list.empty() ? "" : " ") + Px(point[0]) + "," + Px(point[1]);
    return SvgElement(
        "polyline",
        {{"points", list}, {"fill", "none"}, {"stroke", std::string(colour)}, {"stroke-width", Px(widthPx)}});
}

// The axis's line, its ticks and tick labels, and its breaks over enlarged stretches.
std::string Axis(const DiagramScale& scale, double axisX, const std::vector<ExactLength>& ticks, const Colours& colours,
                 LabelSpace& space)
{
    std::string svg = SvgLine(ElementId("axis-line"), axisX, scale.Y(scale.Highest()) - kAxisOverhangPx, axisX,
                              scale.Y(scale.Lowest()) + kAxisOverhangPx, colours.text, 1);
    int number = 0;
    for (const DiagramScale::Stretch& stretch : scale.Enlarged()) {
        const double top = scale.Y(stretch.upper);
        const double bottom = scale.Y(stretch.lower);
        // The axis is cut over the stretch and a zigzag bridges the cut.
        svg += "<g id=\"" + ElementId("axis-break-" + std::to_string(++number)) + "\">\n";
        svg += SvgElement("rect",
                          {{"x", Px(axisX - 2)},
                           {"y", Px(top - kBreakReachPx)},
                           {"width", "4"},
                           {"height", Px(bottom - top + 2 * kBreakReachPx)},
                           {"fill", std::string(colours.background)}});
        svg += Zigzag(axisX, top, bottom, colours.text, 1.2);
        svg += "</g>\n";
    }
    number = 0;
    for (const ExactLength tick : ticks) {
        const double y = scale.Y(tick);
        const Label label {"axis-label-" + std::to_string(number + 1),
                           TypographicUm(tick),
                           axisX - 7,
                           "end",
                           kSmallFontPx,
                           colours.text};
        const double top = y - kSmallFontPx / 2;
        const LabelBox box {label.Left(), top, label.Right(), top + kSmallFontPx};
        if (!space.IsFree(box))
            continue;
        ++number;
        space.Take(box);
        svg += SvgLine(ElementId("axis-tick-" + std::to_string(number)), axisX - 4, y, axisX, y, colours.text, 1);
        svg += PlacedText(label, top, colours.background);
    }
    return svg;
}

// The ticks whose labels keep a line apart, zero first, for the widest spacing that leaves at
// least three. Their labels share a right edge, so only their heights can part them.
std::vector<ExactLength> ShownTicks(const DiagramScale& scale)
{
    std::vector<ExactLength> shown;
    for (const double spacing : kTickSpacingsPx) {
        shown.assign(1, ExactLength {});
        for (const ExactLength tick : AxisTicks(scale, spacing)) {
            const bool clear = std::all_of(shown.begin(), shown.end(), [&](ExactLength kept) {
                return std::abs(scale.Y(tick) - scale.Y(kept)) >= kSmallFontPx + 2;
            });
            if (clear)
                shown.push_back(tick);
        }
        if (shown.size() >= 3)
            break;
    }
    return shown;
}

// The drawing's ids behind another prefix. Every id is written as id="diagram-..., and no text can
// hold that: texts are escaped, their quotes included.
std::string WithIdPrefix(const std::string& svg, std::string_view prefix)
{
    const std::string from = "id=\"" + std::string(kFitDiagramIdPrefix);
    const std::string to = "id=\"" + std::string(prefix);
    std::string renamed;
    std::size_t start = 0;
    for (std::size_t found = svg.find(from); found != std::string::npos; found = svg.find(from, start)) {
        renamed.append(svg, start, found - start).append(to);
        start = found + from.size();
    }
    return renamed.append(svg, start);
}

double WidestPx(std::initializer_list<std::string_view> texts, double fontPx, bool bold = false)
{
    double widest = 0;
    for (const std::string_view text : texts)
        widest = std::max(widest, WidthPx(text, fontPx, bold));
    return widest;
}

} // namespace

std::string_view FitDiagramBackground(DiagramPalette palette)
{
    return palette == DiagramPalette::Dark ? kDark.background : kLight.background;
}

std::string FitDiagramSvg(const FitAnalysis& fit, DiagramPalette palette)
{
    const std::string size = std::string(kDiameterSign) + FormatMm(fit.size);
    return ZoneDiagramSvg(fit, {size + " " + PartName(fit.hole) + "/" + PartName(fit.shaft), size}, palette);
}

std::string ZoneDiagramSvg(const FitAnalysis& fit, const ZoneDiagramCaptions& captions, DiagramPalette palette)
{
    const Colours& colours = palette == DiagramPalette::Dark ? kDark : kLight;
    const std::array zones {fit.hole.deviations, fit.shaft.deviations};
    const DiagramScale scale(zones, kPlotTopPx, kPlotBottomPx, kFitDiagramMinZonePx);
    const double zeroY = scale.Y({});
    const std::string& size = captions.zeroLine;
    const std::string& title = captions.title;

    // Largest clearance ES - ei and smallest EI - es. Their symbols follow the fit's type: a
    // clearance fit has a largest and a smallest clearance, an interference fit a smallest and a
    // largest interference, a transition fit a largest clearance and a largest interference.
    const std::string_view maxSymbol = fit.type == FitType::Interference ? "Ymin" : "Xmax";
    const std::string_view minSymbol = fit.type == FitType::Clearance ? "Xmin" : "Ymax";
    const std::string maxValue = TypographicUm(fit.maxClearance);
    const std::string minValue = TypographicUm(fit.minClearance);
    const std::string holeUpper = TypographicUm(fit.hole.deviations.upper);
    const std::string holeLower = TypographicUm(fit.hole.deviations.lower);
    const std::string shaftUpper = TypographicUm(fit.shaft.deviations.upper);
    const std::string shaftLower = TypographicUm(fit.shaft.deviations.lower);

    LabelSpace space(30, kHeightPx - 2);
    const Label titleLabel {"title", title, 12, "start", kTitleFontPx, colours.text, true};
    const double titleTop = 24 - kAscentEm * kTitleFontPx;
    space.Take({titleLabel.Left(), titleTop, titleLabel.Right(), titleTop + kTitleFontPx});

    // Columns from the left: axis labels, axis, hole labels, hole zone, the largest clearance's line
    // and tag, the smallest clearance's, the shaft zone, its labels. The zones take what is left.
    const std::vector<ExactLength> ticks = ShownTicks(scale);
    double tickLabelsWidth = 0;
    for (const ExactLength tick : ticks)
        tickLabelsWidth = std::max(tickLabelsWidth, WidthPx(TypographicUm(tick), kSmallFontPx));
    Columns columns {};
    columns.axisX = kMarginPx + tickLabelsWidth + 7;
    columns.holeLabelsRight = columns.axisX + 10 + WidestPx({holeUpper, holeLower}, kLabelFontPx);
    const double maxTagWidth = WidestPx({maxSymbol, maxValue}, kSmallFontPx);
    const double minTagWidth = WidestPx({minSymbol, minValue}, kSmallFontPx);
    const double shaftLabelsWidth = WidestPx({shaftUpper, shaftLower}, kLabelFontPx);
    const double fixedWidth = (columns.holeLabelsRight + 6) + 18 + (5 + maxTagWidth + 10) + (5 + minTagWidth + 10) + 6
        + shaftLabelsWidth + kMarginPx;
    const double zoneWidth = std::clamp((kWidthPx - fixedWidth) / 2, kZoneMinWidthPx, kZoneMaxWidthPx);
    columns.holeLeft = columns.holeLabelsRight + 6;
    columns.holeRight = columns.holeLeft + zoneWidth;
    columns.maxMarkerX = columns.holeRight + 18;
    columns.minMarkerX = columns.maxMarkerX + 5 + maxTagWidth + 10;
    columns.shaftLeft = columns.minMarkerX + 5 + minTagWidth + 10;
    columns.shaftRight = columns.shaftLeft + zoneWidth;
    columns.shaftLabelsLeft = columns.shaftRight + 6;

    const Zone hole {"hole",           fit.hole,        columns.holeLeft, columns.holeRight, colours.holeStroke,
                     colours.holeFill, colours.holeText};
    const Zone shaft {"shaft",           fit.shaft,        columns.shaftLeft, columns.shaftRight, colours.shaftStroke,
                      colours.shaftFill, colours.shaftText};
    const Marker maxMarker {
        "max-clearance",  columns.maxMarkerX, scale.Y(fit.hole.deviations.upper), scale.Y(fit.shaft.deviations.lower),
        fit.maxClearance, maxSymbol};
    const Marker minMarker {
        "min-clearance",  columns.minMarkerX, scale.Y(fit.hole.deviations.lower), scale.Y(fit.shaft.deviations.upper),
        fit.minClearance, minSymbol};
    const auto markerColour = [&colours](const Marker& marker) {
        return marker.clearance.nm >= 0 ? colours.clearance : colours.interference;
    };

    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" width=\"" + Px(kWidthPx)
        + "\" height=\"" + Px(kHeightPx) + "\" viewBox=\"0 0 " + Px(kWidthPx) + " " + Px(kHeightPx) + "\">\n";
    svg += SvgElement("title", {}, title);
    svg += "<g font-family=\"sans-serif\">\n";
    svg += SvgElement("rect",
                      {{"width", Px(kWidthPx)}, {"height", Px(kHeightPx)}, {"fill", std::string(colours.background)}});
    svg += PlacedText(titleLabel, titleTop, colours.background);

    // Lines first, over them the labels on their backings; every line a label must keep off is
    // taken before the labels are placed.
    svg += ZoneBand(hole, scale);
    svg += ZoneBand(shaft, scale);
    // A zone too thin to draw to scale is cut by a break line, as the axis is.
    for (const Zone* zone : {&hole, &shaft}) {
        const double top = scale.Y(zone->limits.deviations.upper);
        const double bottom = scale.Y(zone->limits.deviations.lower);
        if (static_cast<double>(zone->limits.Tolerance().nm) * scale.PxPerNm() >= kFitDiagramMinZonePx)
            continue;
        const double x = zone->left + 12;
        svg += "<g id=\"" + ElementId(std::string(zone->part) + "-break") + "\">\n";
        svg += Zigzag(x, top, bottom, colours.background, 4);
        svg += Zigzag(x, top, bottom, zone->stroke, 1.2);
        svg += "</g>\n";
        space.Take({x - 5, top - kBreakReachPx, x + 5, bottom + kBreakReachPx});
    }
    svg += SvgLine(ElementId("zero-line"), columns.axisX, zeroY, kWidthPx - kMarginPx, zeroY, colours.text, 1.5);
    space.Take({columns.axisX, zeroY - 0.75, kWidthPx - kMarginPx, zeroY + 0.75});
    LabelBox lineBox;
    svg += MarkerLines(maxMarker, columns, markerColour(maxMarker), colours.muted, lineBox);
    space.Take(lineBox);
    svg += MarkerLines(minMarker, columns, markerColour(minMarker), colours.muted, lineBox);
    space.Take(lineBox);

    const Label unit {"unit", std::string(kMicro) + "m", columns.axisX, "middle", kSmallFontPx, colours.muted};
    svg += PlaceStack(space, {&unit}, scale.Y(scale.Highest()) - kAxisOverhangPx - kSmallFontPx / 2 - 3,
                      colours.background, true)
               .svg;
    svg += Axis(scale, columns.axisX, ticks, colours, space);

    // Each edge's label at its edge, the upper above the lower.
    for (const Zone* zone : {&hole, &shaft}) {
        const std::string part(zone->part);
        const bool left = zone == &hole;
        const double x = left ? columns.holeLabelsRight : columns.shaftLabelsLeft;
        const std::string_view anchor = left ? "end" : "start";
        const Label upper {part + "-upper", TypographicUm(zone->limits.deviations.upper), x, anchor, kLabelFontPx,
                           colours.text};
        const Label lower {part + "-lower", TypographicUm(zone->limits.deviations.lower), x, anchor, kLabelFontPx,
                           colours.text};
        const Placed placedUpper
            = PlaceStack(space, {&upper}, scale.Y(zone->limits.deviations.upper), colours.background, true);
        svg += placedUpper.svg;
        svg += PlaceStack(space, {&lower}, scale.Y(zone->limits.deviations.lower), colours.background, false,
                          placedUpper.bottomPx)
                   .svg;
    }

    // The class name inside its zone where there is room, beside the zero line; else just outside.
    for (const Zone* zone : {&hole, &shaft}) {
        const double top = scale.Y(zone->limits.deviations.upper);
        const double bottom = scale.Y(zone->limits.deviations.lower);
        const Label name {std::string(zone->part) + "-class",
                          PartName(zone->limits),
                          (zone->left + zone->right) / 2,
                          "middle",
                          kLabelFontPx,
                          zone->text,
                          true};
        const auto inside = space.FreeTop(name.Left(), name.Right(), kLabelFontPx, (top + bottom - kLabelFontPx) / 2,
                                          top + 2, bottom - 2 - kLabelFontPx, true);
        if (inside) {
            svg += PlaceStack(space, {&name}, *inside + kLabelFontPx / 2, zone->fill, true, *inside, *inside).svg;
            continue;
        }
        space.Take({zone->left, top, zone->right, bottom});
        svg += PlaceStack(space, {&name}, top - 2 - kLabelFontPx / 2, colours.background, true).svg;
    }

    // Each tag right of its dimension line, the symbol over the value, beside the line's middle.
    for (const Marker* marker : {&maxMarker, &minMarker}) {
        const Label symbol {marker->id + "-name", std::string(marker->symbol), marker->x + 5, "start",
                            kSmallFontPx,         markerColour(*marker)};
        const Label value {marker->id + "-value", TypographicUm(marker->clearance),
                           marker->x + 5,         "start",
                           kSmallFontPx,          markerColour(*marker)};
        svg += PlaceStack(space, {&symbol, &value}, (marker->holeY + marker->shaftY) / 2, colours.background, true).svg;
    }

    const Label nominal {"nominal-size", size, kWidthPx - kMarginPx, "end", kLabelFontPx, colours.text};
    svg += PlaceStack(space, {&nominal}, zeroY + kLabelFontPx / 2 + 2, colours.background, false).svg;
    svg += "</g>\n</svg>\n";
    return captions.idPrefix == kFitDiagramIdPrefix ? svg : WithIdPrefix(svg, captions.idPrefix);
}
