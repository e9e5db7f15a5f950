// The tolerance-zone diagram read back as XML: its geometry must say what the fit says.

#include "widgets/svg_image.h"

#include <cmath>

#include <QHash>
#include <QImage>
#include <QTest>
#include <QXmlStreamReader>

// moc cannot parse the C++20 library headers these bring in, and needs none of them.
#ifndef Q_MOC_RUN
#include "core/decimal_text.h"
#include "core/fit_analysis.h"
#include "core/fit_diagram.h"
#include "core/loaded_tables.h"
#endif

namespace {

struct SvgElement
{
    QString tag;
    QHash<QString, QString> attributes;
    QString text;
    QString name; // its id without the drawing's prefix

    double Number(const char* name) const
    {
        bool ok = false;
        const double value = attributes.value(QLatin1String(name)).toDouble(&ok);
        if (!ok)
            qFatal("attribute %s of %s is no number", name, qPrintable(tag));
        return value;
    }
};

struct ParsedSvg
{
    QString viewBox;
    QHash<QString, SvgElement> byId; // by name
    QList<SvgElement> all;
};

ParsedSvg Parse(const std::string& svg)
{
    ParsedSvg parsed;
    QXmlStreamReader reader(QByteArray::fromStdString(svg));
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        SvgElement element;
        element.tag = reader.name().toString();
        for (const QXmlStreamAttribute& attribute : reader.attributes())
            element.attributes.insert(attribute.name().toString(), attribute.value().toString());
        if (element.tag == QLatin1String("svg"))
            parsed.viewBox = element.attributes.value(QStringLiteral("viewBox"));
        if (element.tag == QLatin1String("text") || element.tag == QLatin1String("title"))
            element.text = reader.readElementText();
        if (element.attributes.contains(QStringLiteral("id"))) {
            // Every id behind the prefix: a page that shows the drawing keeps its own ids unique.
            const QString id = element.attributes.value(QStringLiteral("id"));
            const QString prefix = QString::fromLatin1(kFitDiagramIdPrefix.data(), kFitDiagramIdPrefix.size());
            if (!id.startsWith(prefix) || id.size() == prefix.size())
                qFatal("id %s is not the drawing's prefix and a name", qPrintable(id));
            element.name = id.mid(prefix.size());
            if (parsed.byId.contains(element.name))
                qFatal("id %s given twice", qPrintable(id));
            parsed.byId.insert(element.name, element);
        }
        parsed.all.append(element);
    }
    if (reader.hasError())
        qFatal("the diagram is no well-formed XML: %s", qPrintable(reader.errorString()));
    return parsed;
}

// A label's number: "+25", "0", "−9.5" (a true minus sign), in µm.
double LabelUm(const QString& text)
{
    QString plain = text;
    plain.replace(QChar(0x2212), QLatin1Char('-'));
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok)
        qFatal("label %s is no number", qPrintable(text));
    return value;
}

// A text's box as a reader judges it: 0.62 em per Latin character and 1 em per CJK one, from
// 0.78 em above the baseline to 0.22 em below.
QRectF TextBox(const SvgElement& text)
{
    const double fontPx = text.Number("font-size");
    double widthPx = 0;
    for (const QChar c : text.text)
        widthPx += (c.unicode() >= 0x2E80 ? 1.0 : 0.62) * fontPx;
    const QString anchor = text.attributes.value(QStringLiteral("text-anchor"));
    const double left = text.Number("x")
        - (anchor == QLatin1String("end")          ? widthPx
               : anchor == QLatin1String("middle") ? widthPx / 2
                                                   : 0);
    return QRectF(left, text.Number("y") - 0.78 * fontPx, widthPx, fontPx);
}

// Whether a line (a horizontal or vertical one, as the diagram draws them) runs through a box.
bool Crosses(const SvgElement& line, const QRectF& box)
{
    const QRectF extent
        = QRectF(QPointF(line.Number("x1"), line.Number("y1")), QPointF(line.Number("x2"), line.Number("y2")))
              .normalized();
    return extent.left() < box.right() && box.left() < extent.right() && extent.top() < box.bottom()
        && box.top() < extent.bottom();
}

ExactLength Um(const QString& text)
{
    return *ParseMicrometres(text.toStdString());
}

} // namespace

class FitDiagramSvgTest : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data();
    void geometry();
    void labelsKeepClear_data();
    void labelsKeepClear();
};

void FitDiagramSvgTest::geometry_data()
{
    QTest::addColumn<QString>("hole");
    QTest::addColumn<QString>("shaft");
    QTest::addColumn<QStringList>("deviations_um"); // ES, EI, es, ei
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("symbols"); // of ES - ei, then of EI - es
    const struct
    {
        const char* name;
        const char* hole;
        const char* shaft;
        QStringList deviations_um;
        FitType type;
        QStringList symbols;
    } rows[] = {
        {"clearance, H7/g6", "H7", "g6", {"25", "0", "-9", "-25"}, FitType::Clearance, {"Xmax", "Xmin"}},
        {"transition, H7/k6", "H7", "k6", {"21", "0", "15", "2"}, FitType::Transition, {"Xmax", "Ymax"}},
        {"interference, H7/s6", "H7", "s6", {"21", "0", "48", "35"}, FitType::Interference, {"Ymin", "Ymax"}},
        {"hole below the zero line", "P7", "h6", {"-14", "-35", "0", "-13"}, FitType::Interference, {"Ymin", "Ymax"}},
        {"zero clearance", "H7", "h6", {"21", "0", "0", "-13"}, FitType::Clearance, {"Xmax", "Xmin"}},
        {"symmetric zone", "JS7", "h6", {"17.5", "-17.5", "0", "-22"}, FitType::Transition, {"Xmax", "Ymax"}},
        {"hair-thin zone beside a wide one",
         "H01",
         "zc12",
         {"4", "0", "3230", "2600"},
         FitType::Interference,
         {"Ymin", "Ymax"}},
        {"fractions of a micrometre",
         "H01",
         "js01",
         {"0.3", "0", "0.15", "-0.15"},
         FitType::Transition,
         {"Xmax", "Ymax"}},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.hole << row.shaft << row.deviations_um << int(row.type) << row.symbols;
}

void FitDiagramSvgTest::geometry()
{
    QFETCH(QString, hole);
    QFETCH(QString, shaft);
    QFETCH(QStringList, deviations_um);
    QFETCH(int, type);
    QFETCH(QStringList, symbols);

    const PartLimits holeLimits {*ParseToleranceClass(hole.toStdString()),
                                 {Um(deviations_um[0]), Um(deviations_um[1])}};
    const PartLimits shaftLimits {*ParseToleranceClass(shaft.toStdString()),
                                  {Um(deviations_um[2]), Um(deviations_um[3])}};
    const FitAnalysis fit = AnalyseFit(ExactLength::FromMm(40), holeLimits, shaftLimits);
    QCOMPARE(int(fit.type), type);
    const std::string svg = FitDiagramSvg(fit);
    const ParsedSvg parsed = Parse(svg);
    auto element = [&](const QByteArray& id) {
        const auto found = parsed.byId.find(QString::fromLatin1(id));
        if (found == parsed.byId.end())
            qFatal("no element %s", id.constData());
        return *found;
    };

    // Everything inside the drawing's own size.
    QCOMPARE(parsed.viewBox, QStringLiteral("0 0 %1.000 %2.000").arg(kFitDiagramWidthPx).arg(kFitDiagramHeightPx));
    for (const SvgElement& drawn : parsed.all) {
        for (const char* x : {"x", "x1", "x2"}) {
            if (drawn.attributes.contains(QLatin1String(x)))
                QVERIFY2(drawn.Number(x) >= 0 && drawn.Number(x) <= kFitDiagramWidthPx, x);
        }
        for (const char* y : {"y", "y1", "y2"}) {
            if (drawn.attributes.contains(QLatin1String(y)))
                QVERIFY2(drawn.Number(y) >= 0 && drawn.Number(y) <= kFitDiagramHeightPx, y);
        }
    }

    const SvgElement zeroLine = element("zero-line");
    const double zero_px = zeroLine.Number("y1");
    QCOMPARE(zeroLine.Number("y2"), zero_px);

    // Every deviation shown, zone edges and axis ticks alike, stands off the zero line by its value
    // times one scale; where the scale is broken to show a thin zone, the order at least holds.
    const SvgElement holeZone = element("hole-zone");
    const SvgElement shaftZone = element("shaft-zone");
    struct Edge
    {
        double y_px;
        ExactLength deviation;
        const char* label;
    };
    const Edge edges[] = {
        {holeZone.Number("y"), holeLimits.deviations.upper, "hole-upper"},
        {holeZone.Number("y") + holeZone.Number("height"), holeLimits.deviations.lower, "hole-lower"},
        {shaftZone.Number("y"), shaftLimits.deviations.upper, "shaft-upper"},
        {shaftZone.Number("y") + shaftZone.Number("height"), shaftLimits.deviations.lower, "shaft-lower"},
    };
    QList<std::pair<double, double>> shown_um_px {{0.0, zero_px}};
    for (const Edge& edge : edges)
        shown_um_px.append({ToUm(edge.deviation), edge.y_px});
    for (int tick = 1; parsed.byId.contains(QStringLiteral("axis-label-%1").arg(tick)); ++tick)
        shown_um_px.append({LabelUm(element("axis-label-" + QByteArray::number(tick)).text),
                            element("axis-tick-" + QByteArray::number(tick)).Number("y1")});
    QVERIFY(shown_um_px.size() >= 5 + 3);
    const bool broken = parsed.byId.contains(QStringLiteral("axis-break-1"));
    QCOMPARE(broken, std::min(holeZone.Number("height"), shaftZone.Number("height")) < kFitDiagramMinZonePx + 1e-3);
    const double tolerance_px = 0.01;
    // The scale is read off the taller zone, whose height is printed to the most significant digits.
    const bool holeTaller = holeLimits.Tolerance() >= shaftLimits.Tolerance();
    const double pxPerUm = (holeTaller ? holeZone : shaftZone).Number("height")
        / ToUm((holeTaller ? holeLimits : shaftLimits).Tolerance());
    for (const auto& [um, y_px] : shown_um_px) {
        if (!broken)
            QVERIFY2(std::abs(zero_px - y_px - um * pxPerUm) <= tolerance_px + 1e-4 * std::abs(um * pxPerUm),
                     qPrintable(QString::number(um)));
        for (const auto& [otherUm, otherY_px] : shown_um_px)
            QVERIFY(um <= otherUm || y_px < otherY_px);
    }
    for (const Edge& edge : edges) {
        const SvgElement label = element(edge.label);
        QCOMPARE(LabelUm(label.text), ToUm(edge.deviation));
        // The label stands at its edge, at most a line of text away.
        const double fontPx = label.Number("font-size");
        QVERIFY2(std::abs(label.Number("y") - 0.35 * fontPx - edge.y_px) <= fontPx, edge.label);
    }
    QCOMPARE(element("hole-class").text, hole);
    QCOMPARE(element("shaft-class").text, shaft);

    // The zones lie one above the other for a clearance or interference fit, and overlap for a transition.
    const double holeTop = edges[0].y_px, holeBottom = edges[1].y_px;
    const double shaftTop = edges[2].y_px, shaftBottom = edges[3].y_px;
    switch (FitType(type)) {
    case FitType::Clearance:
        QVERIFY(holeBottom <= shaftTop + tolerance_px);
        break;
    case FitType::Interference:
        QVERIFY(shaftBottom <= holeTop + tolerance_px);
        break;
    case FitType::Transition:
        QVERIFY(holeTop < shaftBottom && shaftTop < holeBottom);
        break;
    }

    // The dimension lines join the edges they measure, tagged with the symbol and the value.
    const struct
    {
        const char* prefix;
        double holeEdge_px;
        double shaftEdge_px;
        ExactLength clearance;
        QString symbol;
    } markers[] = {{"max-clearance", holeTop, shaftBottom, fit.maxClearance, symbols[0]},
                   {"min-clearance", holeBottom, shaftTop, fit.minClearance, symbols[1]}};
    for (const auto& marker : markers) {
        const QByteArray prefix(marker.prefix);
        const SvgElement line = element(prefix + "-line");
        QCOMPARE(line.Number("x1"), line.Number("x2"));
        QVERIFY2(std::abs(line.Number("y1") - marker.holeEdge_px) <= tolerance_px, marker.prefix);
        QVERIFY2(std::abs(line.Number("y2") - marker.shaftEdge_px) <= tolerance_px, marker.prefix);
        QCOMPARE(element(prefix + "-name").text, marker.symbol);
        QCOMPARE(LabelUm(element(prefix + "-value").text), ToUm(marker.clearance));
    }

    // Qt's SVG module draws it: the window shows and saves this same document.
    const QImage drawn = RenderSvg(QByteArray::fromStdString(svg), QSize(kFitDiagramWidthPx, kFitDiagramHeightPx));
    QVERIFY(!drawn.isNull());
    QVERIFY(!drawn.allGray());
}

// Fits whose zones differ by thousands of times, hair-thin or symmetric zones, long labels, and
// dimension lines shorter than their tags: no text may hide another or be struck through.
void FitDiagramSvgTest::labelsKeepClear_data()
{
    QTest::addColumn<QString>("fit");
    QTest::addColumn<int>("sizeMm");
    QTest::addColumn<int>("palette");
    const struct
    {
        const char* fit;
        int sizeMm;
        DiagramPalette palette;
    } rows[] = {
        {"H5/zc11", 400, DiagramPalette::Light},   {"ZC11/h5", 400, DiagramPalette::Light},
        {"H18/h1", 3000, DiagramPalette::Light},   {"H18/js1", 3000, DiagramPalette::Dark},
        {"H12/js18", 3000, DiagramPalette::Light}, {"H7/h6", 1, DiagramPalette::Light},
        {"H01/js01", 3, DiagramPalette::Light},    {"JS7/h6", 40, DiagramPalette::Dark},
        {"H7/k6", 40, DiagramPalette::Light},      {"H7/s6", 40, DiagramPalette::Light},
        {"H11/c11", 100, DiagramPalette::Light},   {"N7/h6", 10, DiagramPalette::Light},
        {"JS1/js1", 3150, DiagramPalette::Light},  {"H1/js18", 2, DiagramPalette::Light},
        {"Z12/z2", 400, DiagramPalette::Light},    {"N12/h11", 1000, DiagramPalette::Light},
    };
    for (const auto& row : rows)
        QTest::addRow("%s at %d mm", row.fit, row.sizeMm) << row.fit << row.sizeMm << int(row.palette);
}

void FitDiagramSvgTest::labelsKeepClear()
{
    QFETCH(QString, fit);
    QFETCH(int, sizeMm);
    QFETCH(int, palette);
    const auto analysis = AnalyseFit(LoadDeviationTables(QUORLAN_DATA_DIR), *ParseFitDesignation(fit.toStdString()),
                                     ExactLength::FromMm(sizeMm));
    QVERIFY(analysis);
    const ParsedSvg parsed = Parse(FitDiagramSvg(*analysis, DiagramPalette(palette)));

    QList<SvgElement> texts, lines;
    int axisLabels = 0;
    for (const SvgElement& drawn : parsed.all) {
        const QString id = drawn.name;
        if (drawn.tag == QLatin1String("text")) {
            texts.append(drawn);
            axisLabels += id.startsWith(QLatin1String("axis"));
        }
        if (drawn.tag == QLatin1String("line")
            && (id == QLatin1String("zero-line") || id.contains(QLatin1String("clearance"))
                || id.contains(QLatin1String("interference"))))
            lines.append(drawn);
    }
    QVERIFY(axisLabels >= 3);
    QCOMPARE(lines.size(), 3);
    for (const char* zone : {"hole-zone", "shaft-zone"})
        QVERIFY2(parsed.byId.value(QLatin1String(zone)).Number("height") >= 4, zone);

    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QRectF box = TextBox(texts[i]);
        const QString id = texts[i].attributes.value(QStringLiteral("id"));
        for (qsizetype j = i + 1; j < texts.size(); ++j) {
            QVERIFY2(!box.intersects(TextBox(texts[j])),
                     qPrintable(id + QLatin1String(" and ") + texts[j].attributes.value(QStringLiteral("id"))));
        }
        for (const SvgElement& line : lines)
            QVERIFY2(!Crosses(line, box),
                     qPrintable(id + QLatin1String(" and ") + line.attributes.value(QStringLiteral("id"))));
    }
}

QTEST_MAIN(FitDiagramSvgTest)
#include "fit_diagram_svg_test.moc"
