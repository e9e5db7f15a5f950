#include "core/chains/chain_charts.h"

#include "core/diagram_labels.h"
#include "core/number_format.h"
#include "core/svg_elements.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kWidthPx = kChainChartWidthPx;
constexpr double kMarginPx = 10;
constexpr double kLabelFontPx = 12;
constexpr double kSmallFontPx = 11;

struct Colours
{
    std::string_view background;
    std::string_view text;
    std::string_view muted;
    std::string_view barFill; // inside the requirement; the variance share
    std::string_view barStroke;
    std::string_view reject; // outside the requirement, and its limits
    std::string_view worstFill; // the worst-case share
    std::string_view worstStroke;
};

// The fit diagram's colours: the hole's blue, the shaft's orange, interference's red.
constexpr Colours kLight {"#ffffff", "#202020", "#606060", "#a9c8ef", "#1f5fa8", "#c62828", "#f3c39a", "#a8561f"};
constexpr Colours kDark {"#1e1f22", "#e8e8e8", "#b8b8b8", "#22436b", "#7fb2f0", "#f07070", "#5c3518", "#f0a468"};

const Colours& ColoursOf(DiagramPalette palette)
{
    return palette == DiagramPalette::Dark ? kDark : kLight;
}

constexpr std::string_view kMinusSign = "\xE2\x88\x92"; // U+2212

std::string Id(std::string_view prefix, std::string_view name)
{
    return std::string(prefix) + std::string(name);
}

std::string Numbered(std::string_view name, std::size_t number)
{
    return std::string(name) + "-" + std::to_string(number);
}

// A number as the charts print it: the typographic minus, as the fit's diagram writes it.
std::string ChartNumber(double value, int decimals)
{
    std::string text = FixedDecimals(value, decimals);
    return text.starts_with('-') ? std::string(kMinusSign) + text.substr(1) : text;
}

std::string Text(std::string_view id, double x, double baseline, std::string_view anchor, double fontPx,
                 std::string_view colour, std::string_view text)
{
    return SvgElement("text",
                      {{"id", std::string(id)},
                       {"x", Px(x)},
                       {"y", Px(baseline)},
                       {"text-anchor", std::string(anchor)},
                       {"font-size", Px(fontPx)},
                       {"fill", std::string(colour)}},
                      text);
}

std::string Rect(std::string_view id, double x, double y, double width, double height, std::string_view fill,
                 std::string_view stroke)
{
    return SvgElement("rect",
                      {{"id", std::string(id)},
                       {"x", Px(x)},
                       {"y", Px(y)},
                       {"width", Px(width)},
                       {"height", Px(height)},
                       {"fill", std::string(fill)},
                       {"stroke", std::string(stroke)},
                       {"stroke-width", stroke.empty() ? "" : "1"}});
}

std::string Document(double heightPx, std::string_view background, const std::string& body)
{
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" width=\"" + Px(kWidthPx)
        + "\" height=\"" + Px(heightPx) + "\" viewBox=\"0 0 " + Px(kWidthPx) + " " + Px(heightPx) + "\">\n";
    svg += SvgElement(
        "rect",
        {{"x", "0"}, {"y", "0"}, {"width", Px(kWidthPx)}, {"height", Px(heightPx)}, {"fill", std::string(background)}});
    svg += "<g font-family=\"sans-serif\">\n" + body + "</g>\n";
    svg += "</svg>\n";
    return svg;
}

// Round tick values, 1, 2 or 5 times a power of ten apart, at least three across the span.
struct Ticks
{
    double step;
    int decimals;
    std::vector<double> values;
};

Ticks TicksOver(double from, double to)
{
    const double raw = (to - from) / 5;
    const int power = static_cast<int>(std::floor(std::log10(raw)));
    double step = std::pow(10.0, power);
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * std::pow(10.0, power) >= raw) {
            step = factor * std::pow(10.0, power);
            break;
        }
    }
    Ticks ticks {step, std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9))), {}};
    for (double k = std::ceil(from / step); k * step <= to + step * 1e-9; k += 1)
        ticks.values.push_back(k * step);
    return ticks;
}

// The text cut, by whole characters, to fit widthPx, marked with "…" when cut.
std::string Fitted(std::string_view text, double fontPx, double widthPx)
{
    if (TextWidthEm(text) * fontPx <= widthPx)
        return std::string(text);
    const std::string_view ellipsis = "\xE2\x80\xA6";
    std::size_t end = text.size();
    while (end > 0) {
        do
            --end;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80);
        const std::string cut = std::string(text.substr(0, end)) + std::string(ellipsis);
        if (TextWidthEm(cut) * fontPx <= widthPx)
            return cut;
    }
    return std::string(ellipsis);
}

} // namespace

std::string ChainHistogramSvg(const MonteCarlo& run, const std::optional<ChainRequirement>& requirement,
                              DiagramPalette palette)
{
    const Colours& colours = ColoursOf(palette);
    constexpr std::string_view prefix = kChainHistogramIdPrefix;
    constexpr double plotLeft = kMarginPx + 6;
    constexpr double plotRight = kWidthPx - kMarginPx - 6;
    constexpr double plotTop = 44;
    constexpr double plotBottom = 200;

    // The requirement's limits are drawn even where every sample lies between them.
    double from = run.histogramFromMm;
    double to = run.histogramToMm;
    if (requirement) {
        from = std::min(from, ToMm(requirement->min));
        to = std::max(to, ToMm(requirement->max));
    }
    const double span = std::max(to - from, 1e-6);
    from -= span * 0.04;
    to += span * 0.04;
    const auto x = [&](double mm) {
        return plotLeft + (mm - from) / (to - from) * (plotRight - plotLeft);
    };

    std::string body;
    body += Text(Id(prefix, "samples"), kMarginPx, 18, "start", kSmallFontPx, colours.muted,
                 "N = " + std::to_string(run.samples));

    const std::size_t tallest = *std::max_element(run.histogram.begin(), run.histogram.end());
    const double binMm = (run.histogramToMm - run.histogramFromMm) / static_cast<double>(kHistogramBins);
    for (std::size_t bin = 0; bin < kHistogramBins; ++bin) {
        const std::size_t count = run.histogram[bin];
        if (count == 0 || tallest == 0)
            continue;
        const double left = run.histogramFromMm + binMm * static_cast<double>(bin);
        const double middle = left + binMm / 2;
        const bool rejected = requirement && (middle < ToMm(requirement->min) || middle > ToMm(requirement->max));
        // A bin of a few samples still shows: the tails are what a reader looks for.
        const double height
            = std::max(1.0, static_cast<double>(count) / static_cast<double>(tallest) * (plotBottom - plotTop));
        const double x0 = x(left);
        const double width = std::max(1.0, x(left + binMm) - x0);
        body += Rect(Id(prefix, Numbered("bar", bin + 1)), x0, plotBottom - height, width, height,
                     rejected ? colours.reject : colours.barFill, rejected ? "" : colours.barStroke);
    }

    body += SvgLine(Id(prefix, "axis-line"), plotLeft, plotBottom, plotRight, plotBottom, colours.text, 1);
    const Ticks ticks = TicksOver(from, to);
    for (std::size_t i = 0; i < ticks.values.size(); ++i) {
        const double tickX = x(ticks.values[i]);
        body += SvgLine({}, tickX, plotBottom, tickX, plotBottom + 4, colours.text, 1);
        body += Text(Id(prefix, Numbered("axis-label", i + 1)), tickX, plotBottom + 17, "middle", kSmallFontPx,
                     colours.text, ChartNumber(ticks.values[i], ticks.decimals));
    }
    body += Text(Id(prefix, "unit"), plotRight, plotBottom + 33, "end", kSmallFontPx, colours.muted, "mm");

    if (requirement) {
        // Each limit's value stands outside the band between them, unless that leaves the chart.
        const auto limit = [&](std::string_view name, ExactLength at, bool lower) {
            const double lineX = x(ToMm(at));
            const std::string value = FormatMm(at);
            const double width = TextWidthEm(value) * kLabelFontPx;
            bool outward = lower ? lineX - 4 - width >= kMarginPx : lineX + 4 + width <= kWidthPx - kMarginPx;
            const bool toLeft = lower == outward;
            body += SvgLine(Id(prefix, std::string(name) + "-line"), lineX, plotTop - 12, lineX, plotBottom,
                            colours.reject, 1.5, "5,3");
            body += Text(Id(prefix, std::string(name) + "-value"), toLeft ? lineX - 4 : lineX + 4, plotTop - 2,
                         toLeft ? "end" : "start", kLabelFontPx, colours.reject, value);
        };
        limit("min", requirement->min, true);
        limit("max", requirement->max, false);
    }
    return Document(kChainHistogramHeightPx, colours.background, body);
}

namespace {

constexpr double kContributionsTopPx = 36;
constexpr double kRowPx = 30;

} // namespace

int ChainContributionsHeightPx(std::size_t rows)
{
    return static_cast<int>(kContributionsTopPx + kRowPx * static_cast<double>(rows) + 8);
}

std::string ChainContributionsSvg(std::span<const Contribution> contributions, std::span<const ChainLink> links,
                                  DiagramPalette palette)
{
    const Colours& colours = ColoursOf(palette);
    constexpr std::string_view prefix = kChainContributionsIdPrefix;

    double namesWidth = 0;
    for (const Contribution& contribution : contributions)
        namesWidth = std::max(namesWidth, TextWidthEm(links[contribution.link].name) * kLabelFontPx);
    namesWidth = std::min(namesWidth, 150.0);
    const double barLeft = kMarginPx + namesWidth + 8;
    const double valueRoom = TextWidthEm("100.0 %") * kSmallFontPx + 6;
    const double barRoom = kWidthPx - kMarginPx - valueRoom - barLeft;

    std::string body;
    // The legend: σ² for the variance share, T for the worst-case range's.
    body += Rect({}, barLeft, 10, 12, 10, colours.barFill, colours.barStroke);
    body += Text(Id(prefix, "legend-variance"), barLeft + 16, 19, "start", kSmallFontPx, colours.text,
                 "\xCF\x83\xC2\xB2");
    body += Rect({}, barLeft + 48, 11, 12, 8, colours.worstFill, colours.worstStroke);
    body += Text(Id(prefix, "legend-worst"), barLeft + 64, 19, "start", kSmallFontPx, colours.text, "T");

    for (std::size_t row = 0; row < contributions.size(); ++row) {
        const Contribution& contribution = contributions[row];
        const double top = kContributionsTopPx + kRowPx * static_cast<double>(row);
        const std::size_t number = row + 1;
        body += Text(Id(prefix, Numbered("name", number)), kMarginPx, top + 16, "start", kLabelFontPx, colours.text,
                     Fitted(links[contribution.link].name, kLabelFontPx, namesWidth));
        const auto bar = [&](std::string_view name, double share, double y, double height, std::string_view fill,
                             std::string_view stroke) {
            const double width = std::max(share > 0 ? 1.0 : 0.0, share * barRoom);
            if (width > 0)
                body += Rect(Id(prefix, Numbered(std::string(name) + "-bar", number)), barLeft, y, width, height, fill,
                             stroke);
            body += Text(Id(prefix, Numbered(std::string(name) + "-value", number)), barLeft + width + 4,
                         y + height - 1, "start", kSmallFontPx, colours.text, ChartNumber(share * 100, 1) + " %");
        };
        bar("variance", contribution.varianceShare, top + 3, 12, colours.barFill, colours.barStroke);
        bar("worst", contribution.worstCaseShare, top + 17, 10, colours.worstFill, colours.worstStroke);
    }
    return Document(ChainContributionsHeightPx(contributions.size()), colours.background, body);
}
