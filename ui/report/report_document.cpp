#include "report/report_document.h"

#include "report/report_texts.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <vector>

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

namespace {

// Colours chosen for print: every text at least 4.5:1 against its background.
const QColor kText(0x1a, 0x1a, 0x1a);
const QColor kMuted(0x55, 0x5b, 0x63);
const QColor kRule(0xa8, 0xb0, 0xb8);
const QColor kHeaderFill(0xe9, 0xee, 0xf3);
const QColor kWarningText(0x8c, 0x1d, 0x18);
const QColor kWarningFill(0xfd, 0xec, 0xea);
const QColor kWarningMark(0xb3, 0x26, 0x1e);

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

QString WithUnit(const std::string& value, const std::string& unit)
{
    return unit.empty() ? Text(value) : Text(value) + QChar(' ') + Text(unit);
}

// Lengths on the page, in device pixels from millimetres.
class PageMetrics
{
public:
    explicit PageMetrics(const QPagedPaintDevice& device)
        : m_pxPerMm(device.logicalDpiY() / 25.4)
        , m_size(device.width(), device.height())
    {
    }

    qreal Mm(qreal mm) const { return mm * m_pxPerMm; }
    QRectF Body() const { return {Mm(18), Mm(16), m_size.width() - Mm(36), m_size.height() - Mm(16 + 18)}; }
    QRectF Footer() const { return {Mm(18), m_size.height() - Mm(14), m_size.width() - Mm(36), Mm(6)}; }

private:
    qreal m_pxPerMm;
    QSizeF m_size;
};

QFont ReportFont(qreal points, bool bold = false)
{
    QFont font;
    // Latin from DejaVu Sans (µ, Ø, ±, σ and a true bold), Chinese from WenQuanYi Micro Hei.
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A piece of the page flow: its height at a width, and how it paints itself in a rectangle.
struct Block
{
    std::function<qreal(qreal width)> height;
    std::function<void(QPainter&, const QRectF&)> paint;
    bool keepWithNext = false; // a heading never ends a page
    bool newPage = false; // starts a page of its own
};

class ReportLayout
{
public:
    ReportLayout(const ReportContent& content, QPagedPaintDevice& device)
        : m_content(content)
        , m_device(device)
        , m_page(device)
        , m_body(ReportFont(9.5))
        , m_bold(ReportFont(9.5, true))
        , m_small(ReportFont(8))
    {
    }

    std::vector<Block> Build();

private:
    qreal TextHeight(const QFont& font, qreal width, const QString& text) const
    {
        const QFontMetricsF metrics(font, &m_device);
        return metrics.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text).height();
    }

    Block Title() const;
    Block Heading(const QString& text) const;
    Block Spacer(qreal mm) const;
    // Caption and value pairs, `pairsPerRow` side by side.
    // Side by side, in a smaller type with less room around it.
    Block Values(std::vector<std::pair<QString, QString>> rows, int pairsPerRow = 1) const;
    // Compact: the rows in the small type with less room around them, as the lists of values.
    Block Table(QStringList header, std::vector<QStringList> rows, std::vector<qreal> widths,
                bool compact = false) const;
    Block Diagram() const;
    // An engine's drawing at most widthMm wide, at its viewBox's proportions.
    Block Drawing(const std::string& svg, qreal widthMm) const;
    Block Notes(QStringList notes, bool warnings) const;
    std::vector<Block> GeneralTable() const;
    std::vector<Block> Thread() const;
    std::vector<Block> Chain() const;

    const ReportContent& m_content;
    QPagedPaintDevice& m_device;
    PageMetrics m_page;
    QFont m_body;
    QFont m_bold;
    QFont m_small;
};

Block ReportLayout::Title() const
{
    const ReportContent& c = m_content;
    QString title = ReportTexts::tr("配合报告");
    QString subtitle
        = QStringLiteral("Ø%1 mm  %2  ·  %3").arg(Text(c.sizeMm), Text(c.fitName), ReportTexts::FitType(c.type));
    if (c.bearing) {
        title = ReportTexts::tr("轴承配合报告");
        subtitle
            = QStringLiteral("Ø%1 mm  %2  ·  %3  ·  %4")
                  .arg(Text(c.sizeMm), Text(c.fitName), ReportTexts::Bearing(*c.bearing), ReportTexts::FitType(c.type));
    } else if (c.generalTable) {
        title = ReportTexts::tr("一般公差表");
        subtitle = Text(c.generalTable->designation);
    } else if (c.thread) {
        title = ReportTexts::tr("螺纹报告");
        subtitle = QStringLiteral("%1  ·  %2").arg(Text(c.fitName), Text(c.thread->series));
    } else if (c.chain) {
        title = ReportTexts::tr("尺寸链报告");
        const QString links = ReportTexts::tr("%1 环").arg(c.chain->links.size());
        const QString nominal = ReportTexts::tr("名义尺寸 %1 mm").arg(Text(c.chain->nominalMm));
        subtitle = c.chain->source.empty()
            ? QStringLiteral("%1  ·  %2").arg(links, nominal)
            : QStringLiteral("%1  ·  %2  ·  %3").arg(Text(c.chain->source), links, nominal);
    }
    const QString issued = ReportTexts::tr("Quorlan %1 · %2").arg(Text(m_content.version), Text(m_content.date));
    const QFont titleFont = ReportFont(17, true);
    const QFont subtitleFont = ReportFont(13, true);
    const qreal gap = m_page.Mm(1.5);
    const qreal height = QFontMetricsF(titleFont, &m_device).height() + gap
        + QFontMetricsF(subtitleFont, &m_device).height() + m_page.Mm(3);
    return {[height](qreal) { return height; },
            [=, this](QPainter& painter, const QRectF& rect) {
                QRectF line = rect;
                painter.setPen(kText);
                painter.setFont(titleFont);
                line.setHeight(QFontMetricsF(titleFont, &m_device).height());
                painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, title);
                painter.setFont(m_small);
                painter.setPen(kMuted);
                painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, issued);
                line.translate(0, line.height() + gap);
                line.setHeight(QFontMetricsF(subtitleFont, &m_device).height());
                painter.setFont(subtitleFont);
                painter.setPen(kText);
                painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, subtitle);
                painter.setPen(QPen(kText, m_page.Mm(0.4)));
                const qreal ruleY = rect.top() + height - m_page.Mm(1);
                painter.drawLine(QPointF(rect.left(), ruleY), QPointF(rect.right(), ruleY));
            }};
}

Block ReportLayout::Heading(const QString& text) const
{
    const QFont font = ReportFont(11.5, true);
    const qreal above = m_page.Mm(4);
    const qreal height = above + QFontMetricsF(font, &m_device).height() + m_page.Mm(1.5);
    Block block {[height](qreal) { return height; },
                 [=, this](QPainter& painter, const QRectF& rect) {
                     painter.setFont(font);
                     painter.setPen(kText);
                     const QRectF line(rect.left(), rect.top() + above, rect.width(),
                                       QFontMetricsF(font, &m_device).height());
                     painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, text);
                     painter.setPen(QPen(kRule, m_page.Mm(0.2)));
                     painter.drawLine(line.bottomLeft(), line.bottomRight());
                 }};
    block.keepWithNext = true;
    return block;
}

Block ReportLayout::Spacer(qreal mm) const
{
    const qreal height = m_page.Mm(mm);
    return {[height](qreal) { return height; },
            [](QPainter&, const QRectF&) {
            }};
}

Block ReportLayout::Values(std::vector<std::pair<QString, QString>> rows, int pairsPerRow) const
{
    const bool compact = pairsPerRow > 1;
    const qreal padding = m_page.Mm(compact ? 0.8 : 1.2);
    const QFont captionFont = compact ? m_small : m_body;
    const QFont valueFont = compact ? ReportFont(8, true) : m_bold;
    // Per pair: the caption takes 55 % of its share, at most 55 mm; the value the rest.
    auto geometry = [=, this](qreal width) {
        const qreal share = width / pairsPerRow;
        return std::pair {share, std::min(share * 0.55, m_page.Mm(55))};
    };
    auto rowHeights = [=, this](qreal width) {
        const auto [share, captionWidth] = geometry(width);
        std::vector<qreal> heights;
        for (std::size_t first = 0; first < rows.size(); first += static_cast<std::size_t>(pairsPerRow)) {
            qreal height = 0;
            for (std::size_t i = first; i < std::min(rows.size(), first + pairsPerRow); ++i) {
                height = std::max({height, TextHeight(captionFont, captionWidth - 2 * padding, rows[i].first),
                                   TextHeight(valueFont, share - captionWidth - 2 * padding, rows[i].second)});
            }
            heights.push_back(height + 2 * padding);
        }
        return heights;
    };
    return {[=](qreal width) {
                const std::vector<qreal> heights = rowHeights(width);
                return std::accumulate(heights.begin(), heights.end(), qreal(0));
            },
            [=, this](QPainter& painter, const QRectF& rect) {
                const auto [share, captionWidth] = geometry(rect.width());
                const std::vector<qreal> heights = rowHeights(rect.width());
                qreal y = rect.top();
                for (std::size_t row = 0; row < heights.size(); ++row) {
                    for (int column = 0; column < pairsPerRow; ++column) {
                        const std::size_t i = row * static_cast<std::size_t>(pairsPerRow) + column;
                        if (i >= rows.size())
                            break;
                        const qreal x = rect.left() + column * share;
                        const QRectF caption(x + padding, y + padding, captionWidth - 2 * padding,
                                             heights[row] - 2 * padding);
                        const QRectF value(x + captionWidth + padding, y + padding, share - captionWidth - 2 * padding,
                                           heights[row] - 2 * padding);
                        painter.setPen(kMuted);
                        painter.setFont(captionFont);
                        painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, rows[i].first);
                        painter.setPen(kText);
                        painter.setFont(valueFont);
                        painter.drawText(value, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, rows[i].second);
                    }
                    y += heights[row];
                    painter.setPen(QPen(kRule, m_page.Mm(0.1)));
                    painter.drawLine(QPointF(rect.left(), y), QPointF(rect.right(), y));
                }
            }};
}

Block ReportLayout::Table(QStringList header, std::vector<QStringList> rows, std::vector<qreal> widths,
                          bool compact) const
{
    const qreal padding = m_page.Mm(compact ? 0.6 : 1.2);
    const QFont& rowFont = compact ? m_small : m_bold;
    // Column widths are fractions of the whole; the first two columns are text, the others numbers.
    auto columns = [=](qreal width) {
        std::vector<qreal> px;
        for (qreal fraction : widths)
            px.push_back(fraction * width);
        return px;
    };
    auto lineHeight = [=, this](const QFont& font, const QStringList& cells, qreal width) {
        const std::vector<qreal> px = columns(width);
        qreal height = 0;
        for (qsizetype i = 0; i < cells.size(); ++i)
            height = std::max(height, TextHeight(font, px[static_cast<std::size_t>(i)] - 2 * padding, cells[i]));
        return height + 2 * padding;
    };
    auto paintLine = [=](QPainter& painter, const QFont& font, const QStringList& cells, QRectF line) {
        const std::vector<qreal> px = columns(line.width());
        qreal x = line.left();
        painter.setFont(font);
        painter.setPen(kText);
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const qreal w = px[static_cast<std::size_t>(i)];
            const Qt::Alignment align = i < 2 ? Qt::AlignLeft : Qt::AlignRight;
            painter.drawText(QRectF(x + padding, line.top() + padding, w - 2 * padding, line.height() - 2 * padding),
                             align | Qt::AlignVCenter | Qt::TextWordWrap, cells[i]);
            x += w;
        }
    };
    return {[=, this](qreal width) {
                qreal height = lineHeight(m_small, header, width);
                for (const QStringList& row : rows)
                    height += lineHeight(rowFont, row, width);
                return height;
            },
            [=, this](QPainter& painter, const QRectF& rect) {
                QRectF line(rect.left(), rect.top(), rect.width(), lineHeight(m_small, header, rect.width()));
                painter.fillRect(line, kHeaderFill);
                paintLine(painter, m_small, header, line);
                for (const QStringList& row : rows) {
                    line = QRectF(rect.left(), line.bottom(), rect.width(), lineHeight(rowFont, row, rect.width()));
                    paintLine(painter, rowFont, row, line);
                    painter.setPen(QPen(kRule, m_page.Mm(0.1)));
                    painter.drawLine(line.bottomLeft(), line.bottomRight());
                }
            }};
}

Block ReportLayout::Diagram() const
{
    // The drawing at 140 mm wide keeps its texts at print size and its proportions.
    const QByteArray svg = QByteArray::fromStdString(m_content.diagramSvg);
    auto size = [this](qreal width) {
        const qreal drawingWidth = std::min(width, m_page.Mm(140));
        return QSizeF(drawingWidth, drawingWidth * 280.0 / 460.0);
    };
    return {[=, this](qreal width) { return size(width).height() + m_page.Mm(2); },
            [=, this](QPainter& painter, const QRectF& rect) {
                QSvgRenderer renderer(svg);
                if (!renderer.isValid())
                    return;
                QSizeF drawing = size(rect.width());
                const QSizeF natural = renderer.viewBoxF().size();
                if (!natural.isEmpty())
                    drawing = natural.scaled(drawing, Qt::KeepAspectRatio);
                const QRectF target(rect.left() + (rect.width() - drawing.width()) / 2, rect.top() + m_page.Mm(1),
                                    drawing.width(), drawing.height());
                painter.save();
                renderer.render(&painter, target);
                painter.restore();
            }};
}

Block ReportLayout::Drawing(const std::string& svg, qreal widthMm) const
{
    const QByteArray bytes = QByteArray::fromStdString(svg);
    QSizeF natural = QSvgRenderer(bytes).viewBoxF().size();
    if (natural.isEmpty())
        natural = QSizeF(460, 280);
    auto size = [=, this](qreal width) {
        const qreal drawingWidth = std::min(width, m_page.Mm(widthMm));
        return QSizeF(drawingWidth, drawingWidth * natural.height() / natural.width());
    };
    return {[=, this](qreal width) { return size(width).height() + m_page.Mm(2); },
            [=, this](QPainter& painter, const QRectF& rect) {
                QSvgRenderer renderer(bytes);
                if (!renderer.isValid())
                    return;
                const QSizeF drawing = size(rect.width());
                const QRectF target(rect.left() + (rect.width() - drawing.width()) / 2, rect.top() + m_page.Mm(1),
                                    drawing.width(), drawing.height());
                painter.save();
                renderer.render(&painter, target);
                painter.restore();
            }};
}

Block ReportLayout::Notes(QStringList notes, bool warnings) const
{
    const qreal padding = m_page.Mm(1.5);
    const qreal icon = m_page.Mm(4);
    const qreal gap = m_page.Mm(warnings ? 1.5 : 0.8);
    const QFont& font = warnings ? m_bold : m_body;
    const qreal indent = warnings ? icon + m_page.Mm(2.5) : m_page.Mm(4);
    auto heights = [=, this](qreal width) {
        std::vector<qreal> list;
        for (const QString& note : notes)
            list.push_back(std::max(warnings ? icon : qreal(0), TextHeight(font, width - indent - 2 * padding, note)));
        return list;
    };
    return {
        [=](qreal width) {
            const std::vector<qreal> list = heights(width);
            return std::accumulate(list.begin(), list.end(), qreal(0)) + gap * qreal(list.size()) + 2 * padding;
        },
        [=, this](QPainter& painter, const QRectF& rect) {
            if (warnings) {
                painter.setPen(QPen(kWarningMark, m_page.Mm(0.3)));
                painter.setBrush(kWarningFill);
                painter.drawRoundedRect(rect.adjusted(0, 0, 0, -gap), m_page.Mm(1), m_page.Mm(1));
                painter.setBrush(Qt::NoBrush);
            }
            const std::vector<qreal> list = heights(rect.width());
            qreal y = rect.top() + padding;
            for (qsizetype i = 0; i < notes.size(); ++i) {
                const qreal height = list[static_cast<std::size_t>(i)];
                const qreal x = rect.left() + padding;
                if (warnings) {
                    // A warning triangle with an exclamation mark, drawn: no picture to go missing.
                    QPainterPath triangle;
                    triangle.moveTo(x + icon / 2, y);
                    triangle.lineTo(x + icon, y + icon * 0.9);
                    triangle.lineTo(x, y + icon * 0.9);
                    triangle.closeSubpath();
                    painter.fillPath(triangle, kWarningMark);
                    painter.setPen(Qt::white);
                    painter.setFont(ReportFont(7, true));
                    painter.drawText(QRectF(x, y + icon * 0.2, icon, icon * 0.7), Qt::AlignCenter, QStringLiteral("!"));
                    painter.setPen(kWarningText);
                } else {
                    painter.setPen(kText);
                    painter.setFont(font);
                    painter.drawText(QRectF(x, y, indent, height), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("•"));
                }
                painter.setFont(font);
                painter.drawText(QRectF(x + indent, y, rect.width() - indent - 2 * padding, height),
                                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, notes[i]);
                y += height + gap;
            }
        }};
}

// The title block's table: each of the class's tables, then the rules for the features without one.
std::vector<Block> ReportLayout::GeneralTable() const
{
    const ReportGeneralTable& table = *m_content.generalTable;
    std::vector<Block> blocks;
    for (const ReportTableSection& section : table.sections) {
        blocks.push_back(Heading(ReportTexts::Caption(section.key) + QStringLiteral("  (") + Text(section.source)
                                 + QLatin1Char(')')));
        std::vector<QStringList> rows;
        for (const ReportTableRow& row : section.rows)
            rows.push_back({Text(row.range), Text(row.value)});
        blocks.push_back(Table({ReportTexts::tr("尺寸范围"), ReportTexts::tr("公差")}, rows, {0.6, 0.4}, true));
    }
    if (!table.rules.empty()) {
        QStringList rules;
        for (const auto& [feature, rule] : table.rules)
            rules << ReportTexts::tr("%1：%2").arg(Text(feature), Text(rule));
        blocks.push_back(Heading(ReportTexts::tr("无表的要素")));
        blocks.push_back(Notes(rules, false));
    }
    return blocks;
}

// A thread: its basic diameters, each part's limits, the fit at the pitch diameter, where ISO 965-1
// recommends the classes, and both zones.
std::vector<Block> ReportLayout::Thread() const
{
    const ReportThread& thread = *m_content.thread;
    const auto pairs = [](const std::vector<std::pair<std::string, std::string>>& rows) {
        std::vector<std::pair<QString, QString>> shown;
        for (const auto& [caption, value] : rows)
            shown.emplace_back(Text(caption), Text(value));
        return shown;
    };
    std::vector<Block> blocks;
    blocks.push_back(Heading(ReportTexts::tr("螺纹基本尺寸")));
    blocks.push_back(Values(pairs(thread.basic), 2));
    for (const ReportThreadPart& part : thread.parts) {
        blocks.push_back(Heading(ReportTexts::tr("%1（%2）").arg(Text(part.heading), Text(part.deviation))));
        std::vector<QStringList> rows;
        for (const auto& row : part.rows)
            rows.push_back({Text(row[0]), QString(), Text(row[1]), Text(row[2]), Text(row[3])});
        blocks.push_back(
            Table({QString(), QString(), Text(thread.columns[0]), Text(thread.columns[1]), Text(thread.columns[2])},
                  rows, {0.34, 0.06, 0.2, 0.2, 0.2}));
    }
    if (!thread.fit.empty()) {
        blocks.push_back(Heading(ReportTexts::tr("中径配合")));
        blocks.push_back(Values(pairs(thread.fit), 2));
    }
    if (!thread.recommended.empty()) {
        QStringList lines;
        for (const std::string& line : thread.recommended)
            lines << Text(line);
        blocks.push_back(Heading(ReportTexts::tr("推荐公差带（ISO 965-1、GB/T 197）")));
        blocks.push_back(Notes(lines, false));
    }
    if (!m_content.diagramSvg.empty()) {
        blocks.push_back(Heading(ReportTexts::tr("中径公差带图")));
        blocks.push_back(Diagram());
    }
    return blocks;
}

// The chain: its links with their limits, the closing dimension by each method, the histogram, the
// contributions with their chart, and how each method takes the links.
std::vector<Block> ReportLayout::Chain() const
{
    const ReportChain& chain = *m_content.chain;
    std::vector<Block> blocks;
    blocks.push_back(Heading(ReportTexts::tr("组成环")));
    std::vector<QStringList> links;
    for (const ReportChainLink& link : chain.links)
        links.push_back({Text(link.name), Text(link.direction), Text(link.nominalMm), Text(link.tolerance),
                         Text(link.distribution), Text(link.upperMm), Text(link.lowerMm), Text(link.maxMm),
                         Text(link.minMm)});
    blocks.push_back(Table({ReportTexts::tr("组成环"), ReportTexts::tr("方向"), ReportTexts::tr("基本尺寸 mm"),
                            ReportTexts::tr("公差"), ReportTexts::tr("分布"), ReportTexts::tr("上偏差 mm"),
                            ReportTexts::tr("下偏差 mm"), ReportTexts::tr("最大 mm"), ReportTexts::tr("最小 mm")},
                           links, {0.14, 0.1, 0.1, 0.11, 0.11, 0.11, 0.11, 0.11, 0.11}, true));
    const auto values = [](const std::vector<ReportValue>& list) {
        std::vector<std::pair<QString, QString>> rows;
        for (const ReportValue& value : list)
            rows.push_back({ReportTexts::Caption(value.key), WithUnit(value.value, value.unit)});
        return rows;
    };
    if (!chain.requirement.empty()) {
        blocks.push_back(Heading(ReportTexts::tr("封闭环要求")));
        blocks.push_back(Values(values(chain.requirement), 2));
    }
    blocks.push_back(Heading(ReportTexts::tr("极值法")));
    blocks.push_back(Values(values(chain.worstCase), 2));
    blocks.push_back(Heading(ReportTexts::tr("统计法（RSS）")));
    blocks.push_back(Values(values(chain.statistical), 2));
    blocks.push_back(Heading(ReportTexts::tr("蒙特卡洛")));
    blocks.push_back(Values(values(chain.monteCarlo), 2));
    blocks.push_back(Drawing(chain.histogramSvg, 130));
    // The contributions, their chart and the methods on a page of their own: the chart never parts from its table.
    blocks.push_back(Heading(ReportTexts::tr("各环贡献（按方差占比）")));
    blocks.back().newPage = true;
    std::vector<QStringList> shares;
    for (const ReportChainShare& share : chain.contributions)
        shares.push_back({Text(share.name), Text(share.sensitivity), Text(share.variance), Text(share.worstCase)});
    blocks.push_back(Table({ReportTexts::tr("组成环"), ReportTexts::tr("传递系数"), ReportTexts::tr("方差占比"),
                            ReportTexts::tr("极值占比")},
                           shares, {0.4, 0.2, 0.2, 0.2}, true));
    blocks.push_back(Drawing(chain.contributionsSvg, 130));
    blocks.push_back(Heading(ReportTexts::tr("方法")));
    blocks.push_back(Notes(
        {ReportTexts::tr("封闭环等于各组成环尺寸乘以方向（+1 增环，-1 减环）之和。"),
         ReportTexts::tr("极值法（GB/T 5847-2004）：各环同时处于使封闭环最大或最小的极限，结果精确。"),
         ReportTexts::tr(
             "统计法（GB/T 5847-2004）：各环独立，均值在公差带中点加均值偏移；σ 由分布而定，正态 T/6"
             "（给出 Cpk 时由 Cpk 而定），均匀 T/√12，三角 T/√24；结果为正态时，μ ± 3σ 内含 99.73 % 的装配。"),
         ReportTexts::tr("蒙特卡洛：各环按其分布抽样后求和；同一随机种子得到同样的样本。分位数为样本的顺序统计量。")},
        false));
    return blocks;
}

// The footer names what the report is about: a thread's, a chain's and a general table's are no
// ISO 286 fit.
QString FooterPattern(const ReportContent& content)
{
    if (content.thread)
        return ReportTexts::tr("%1 · ISO 965 普通螺纹公差 · Quorlan %2 · %3");
    if (content.chain)
        return ReportTexts::tr("%1 · 尺寸链（GB/T 5847） · Quorlan %2 · %3");
    if (content.generalTable)
        return ReportTexts::tr("%1 · 一般公差（ISO 2768、GB/T 1804） · Quorlan %2 · %3");
    return ReportTexts::tr("%1 · ISO 286 公差与配合 · Quorlan %2 · %3");
}

std::vector<Block> ReportLayout::Build()
{
    const ReportContent& c = m_content;
    std::vector<Block> blocks;
    blocks.push_back(Title());
    if (c.generalTable || c.chain) {
        for (Block& block : c.chain ? Chain() : GeneralTable())
            blocks.push_back(std::move(block));
        return blocks;
    }
    if (c.thread) {
        for (Block& block : Thread())
            blocks.push_back(std::move(block));
        return blocks;
    }

    blocks.push_back(Heading(ReportTexts::tr("输入")));
    std::vector<std::pair<QString, QString>> inputs;
    if (c.bearing)
        inputs
            = {{ReportTexts::Caption("seat"), Text(c.bearing->seatClass)},
               {ReportTexts::Caption("bearing"), ReportTexts::Bearing(*c.bearing)},
               {ReportTexts::Caption("ring_range"),
                ReportTexts::tr("大于 %1 至 %2 mm（ISO 492）").arg(Text(c.bearing->overMm), Text(c.bearing->upToMm))}};
    else
        inputs = {{ReportTexts::Caption("fit"), Text(c.fitName)}};
    inputs.push_back({ReportTexts::Caption("size"), WithUnit(c.sizeMm, "mm")});
    inputs.push_back({ReportTexts::Caption("tables"),
                      c.tablesFolder.empty() ? ReportTexts::tr("当前文件夹") : Text(c.tablesFolder)});
    blocks.push_back(Values(inputs));

    blocks.push_back(Heading(c.bearing ? ReportTexts::tr("轴承与轴承座的极限") : ReportTexts::tr("孔与轴的极限")));
    // A bearing's ring stands where its part would.
    const QString ring = c.bearing ? ReportTexts::Bearing(*c.bearing) : QString();
    const bool innerRing = c.bearing && c.bearing->ring == "inner";
    const bool outerRing = c.bearing && !innerRing;
    const auto partRow = [](const QString& part, const ReportPart& limits) {
        return QStringList {part,
                            Text(limits.className),
                            Text(limits.upperUm),
                            Text(limits.lowerUm),
                            Text(limits.largestMm),
                            Text(limits.smallestMm),
                            Text(limits.toleranceUm)};
    };
    blocks.push_back(Table({ReportTexts::tr("零件"), ReportTexts::tr("公差带"), ReportTexts::tr("上偏差 µm"),
                            ReportTexts::tr("下偏差 µm"), ReportTexts::tr("最大极限尺寸 mm"),
                            ReportTexts::tr("最小极限尺寸 mm"), ReportTexts::tr("公差 µm")},
                           {partRow(innerRing ? ring : ReportTexts::tr("孔"), c.hole),
                            partRow(outerRing ? ring : ReportTexts::tr("轴"), c.shaft)},
                           {0.12, 0.12, 0.14, 0.14, 0.17, 0.17, 0.14}));

    blocks.push_back(Heading(ReportTexts::tr("配合")));
    std::vector<std::pair<QString, QString>> fit = {{ReportTexts::Caption("type"), ReportTexts::FitType(c.type)}};
    for (const ReportValue& extreme : c.extremes)
        fit.push_back({ReportTexts::Caption(extreme.key), WithUnit(extreme.value, extreme.unit)});
    for (const ReportValue& probable : c.probable)
        fit.push_back({ReportTexts::Caption(probable.key), WithUnit(probable.value, probable.unit)});
    fit.push_back({ReportTexts::Caption(c.mean.key), WithUnit(c.mean.value, c.mean.unit)});
    fit.push_back({ReportTexts::Caption("fit_tolerance"), WithUnit(c.fitToleranceUm, "µm")});
    fit.push_back(
        {c.bearing ? ReportTexts::tr("轴承座的图样标注") : ReportTexts::Caption("drawing_line"), Text(c.drawingLine)});
    blocks.push_back(Values(fit));
    QStringList notes {ReportTexts::tr("间隙为孔减轴；过盈写作负间隙。")};
    if (!c.probable.empty())
        notes << ReportTexts::tr("概率间隙：尺寸服从正态分布，居于公差带中部，公差带为 ±3σ；99.73 % 的配合在此范围内，"
                                 "取整到微米并向外圆整。");
    blocks.push_back(Notes(notes, false));

    blocks.push_back(Heading(ReportTexts::tr("公差带图")));
    blocks.push_back(Diagram());

    if (c.service || c.serviceRefusal) {
        // The press fit on a page of its own: the fit's page reads the same with or without it.
        blocks.push_back(Heading(ReportTexts::tr("使用条件下的过盈连接")));
        blocks.back().newPage = true;
    }
    if (c.serviceRefusal)
        blocks.push_back(Notes({ReportTexts::Note(*c.serviceRefusal)}, true));
    if (c.service) {
        const ReportService& s = *c.service;
        if (!s.warnings.empty()) {
            QStringList warnings;
            for (const ReportNote& note : s.warnings)
                warnings << ReportTexts::Note(note);
            blocks.push_back(Spacer(1));
            blocks.push_back(Notes(warnings, true));
        }
        std::vector<std::pair<QString, QString>> inputs;
        for (const ReportValue& value : s.inputs)
            inputs.push_back({ReportTexts::Caption(value.key), ReportTexts::Value(value)});
        blocks.push_back(Heading(ReportTexts::tr("条件")));
        blocks.push_back(Values(inputs, 2));
        std::vector<std::pair<QString, QString>> results;
        for (const ReportValue& value : s.results)
            results.push_back({ReportTexts::Caption(value.key), ReportTexts::Value(value)});
        blocks.push_back(Heading(ReportTexts::tr("静止与工作两种状态")));
        std::vector<QStringList> states;
        for (const ReportStateRow& row : s.states)
            states.push_back({ReportTexts::Caption(row.key), Text(row.unit), Text(row.values[0]), Text(row.values[1])});
        const auto heading = [&s](std::size_t state) {
            return ReportTexts::tr("%1（轮毂 %2 °C，轴 %3 °C）")
                .arg(ReportTexts::State(state == 0 ? "standstill" : "service"), Text(s.hubTemperaturesC[state]),
                     Text(s.shaftTemperaturesC[state]));
        };
        blocks.push_back(Table({ReportTexts::tr("项目"), ReportTexts::tr("单位"), heading(0), heading(1)}, states,
                               {0.36, 0.12, 0.26, 0.26}, true));
        blocks.push_back(Heading(ReportTexts::tr("结果（两种状态中较差的值）")));
        blocks.push_back(Values(results, 2));
        QStringList assumptions;
        for (const ReportNote& note : s.assumptions)
            assumptions << ReportTexts::Note(note);
        blocks.push_back(Heading(ReportTexts::tr("假设")));
        blocks.push_back(Notes(assumptions, false));
    }
    return blocks;
}

// Which blocks go on which page, and where.
struct Placed
{
    std::size_t block;
    QRectF rect;
};

std::vector<std::vector<Placed>> Paginate(const std::vector<Block>& blocks, const QRectF& body)
{
    std::vector<std::vector<Placed>> pages(1);
    qreal y = body.top();
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const qreal height = blocks[i].height(body.width());
        // A heading goes with the block after it.
        const qreal needed
            = height + (blocks[i].keepWithNext && i + 1 < blocks.size() ? blocks[i + 1].height(body.width()) : 0);
        if ((blocks[i].newPage || y + needed > body.bottom()) && !pages.back().empty()) {
            pages.emplace_back();
            y = body.top();
        }
        pages.back().push_back({i, QRectF(body.left(), y, body.width(), height)});
        y += height;
    }
    return pages;
}

} // namespace

bool PaintReport(const ReportContent& content, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    ReportLayout layout(content, device);
    const std::vector<Block> blocks = layout.Build();
    const PageMetrics page(device);
    const auto pages = Paginate(blocks, page.Body());
    const int pageCount = static_cast<int>(pages.size());
    for (int number = 1; number <= pageCount; ++number) {
        if (number > 1)
            device.newPage();
        for (const Placed& placed : pages[static_cast<std::size_t>(number - 1)])
            blocks[placed.block].paint(painter, placed.rect);
        const QRectF footer = page.Footer();
        painter.setPen(QPen(kRule, page.Mm(0.2)));
        painter.drawLine(footer.topLeft(), footer.topRight());
        painter.setPen(kMuted);
        painter.setFont(ReportFont(7.5));
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom,
                         FooterPattern(content).arg(Text(content.fitName), Text(content.version), Text(content.date)));
        painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom,
                         ReportTexts::tr("第 %1 页，共 %2 页").arg(number).arg(pageCount));
    }
    return painter.end();
}
