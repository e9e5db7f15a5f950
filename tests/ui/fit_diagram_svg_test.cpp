// The tolerance-zone diagram read back as XML: its geometry must say what the fit says.

#include "svg_image.h"

#include <cmath>

#include <QHash>
#include <QImage>
#include <QTest>
#include <QXmlStreamReader>

// moc cannot parse the C++20 library headers these bring in, and needs none of them.
#ifndef Q_MOC_RUN
#include "decimal_text.h"
#include "fit_analysis.h"
#include "fit_diagram.h"
#endif

namespace {

struct SvgElement
{
    QString tag;
    QHash<QString, QString> attributes;
    QString text;

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
    QHash<QString, SvgElement> byId;
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
        if (element.attributes.contains(QStringLiteral("id")))
            parsed.byId.insert(element.attributes.value(QStringLiteral("id")), element);
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

    // One scale for both zones: each zone's height is its tolerance times that scale.
    const SvgElement holeZone = element("hole-zone");
    const SvgElement shaftZone = element("shaft-zone");
    // The scale is read off the taller zone, whose height is printed to the most significant digits.
    const bool holeTaller = holeLimits.Tolerance() >= shaftLimits.Tolerance();
    const SvgElement& taller = holeTaller ? holeZone : shaftZone;
    const SvgElement& other = holeTaller ? shaftZone : holeZone;
    const double pxPerUm = taller.Number("height") / ToUm((holeTaller ? holeLimits : shaftLimits).Tolerance());
    QVERIFY(pxPerUm > 0);
    const double tolerance_px = 0.002 + 1e-4 * taller.Number("height");
    QVERIFY(std::abs(other.Number("height") - ToUm((holeTaller ? shaftLimits : holeLimits).Tolerance()) * pxPerUm)
            <= tolerance_px);

    // Each edge stands off the zero line by its deviation, up for plus, down for minus.
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
    for (const Edge& edge : edges) {
        QVERIFY2(std::abs(zero_px - edge.y_px - ToUm(edge.deviation) * pxPerUm) <= tolerance_px, edge.label);
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

QTEST_MAIN(FitDiagramSvgTest)
#include "fit_diagram_svg_test.moc"
