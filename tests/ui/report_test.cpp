// `quorlan --report`: what the PDF says (read back with pdftotext), the exit status and that a
// failure leaves no file; the text forms of result tables.

#include "widgets/table_export.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString errors;
};

Run RunQuorlan(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUORLAN_PROGRAM), arguments);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

// The PDF's text, its white space made single spaces and its ligatures ("ﬁ") letters again.
QString PdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput()).normalized(QString::NormalizationForm_KC).simplified();
}

QStringList FitArguments(const QString& path, const QString& fit, const QString& size)
{
    return {QStringLiteral("--report"), path, QStringLiteral("--fit"),    fit,
            QStringLiteral("--size"),   size, QStringLiteral("--tables"), QStringLiteral(QUORLAN_DATA_DIR)};
}

} // namespace

class ReportTest : public QObject
{
    Q_OBJECT

private slots:
    void namesTheFitAndItsValues_data();
    void namesTheFitAndItsValues();
    void failureWritesNoFile_data();
    void failureWritesNoFile();
    void chainReport_data();
    void chainReport();
    void tableText_data();
    void tableText();
};

void ReportTest::namesTheFitAndItsValues_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected");
    const auto fit = [](const char* fit, const char* size, QStringList more) {
        return QStringList {QStringLiteral("--fit"), QLatin1String(fit), QStringLiteral("--size"), QLatin1String(size)}
        + more;
    };
    // H7/g6 at 40 mm: hole +25/0, shaft -9/-25; clearance 9 to 50 µm, fit tolerance 41 µm.
    QTest::newRow("clearance, Chinese")
        << fit("H7/g6", "40", {QStringLiteral("--lang"), QStringLiteral("zh")})
        << QStringList {
               "配合报告", "H7/g6",  "间隙配合", "最大间隙 Xmax +50 µm", "最小间隙 Xmin +9 µm", "40.025", "40.000",
               "39.991",   "39.975", "41 µm",    "第 1 页，共 1 页"};
    QTest::newRow("clearance, English") << fit("H7/g6", "40", {QStringLiteral("--lang"), QStringLiteral("en")})
                                        << QStringList {"Fit report",
                                                        "H7/g6",
                                                        "Clearance fit",
                                                        "Largest clearance Xmax +50 µm",
                                                        "Smallest clearance Xmin +9 µm",
                                                        "40.025",
                                                        "39.975",
                                                        "41 µm",
                                                        "Page 1 of 1"};
    // H7/s6 at 40 mm: shaft +59/+43; interference 18 to 59 µm; the press fit on a second page.
    QTest::newRow("press fit, Chinese") << fit(
        "H7/s6", "40",
        {QStringLiteral("--lang"), QStringLiteral("zh"), QStringLiteral("--hub-od"), QStringLiteral("80"),
         QStringLiteral("--length"),
         QStringLiteral("40")}) << QStringList {"过盈配合",        "最大过盈 Ymax -59 µm", "最小过盈 Ymin -18 µm",
                                                "轮毂外径 80 mm",  "最小接触压力",         "最小可传递扭矩",
                                                "第 2 页，共 3 页"};
    // An inner ring Normal (0/-10 µm) on k5 (+11/+2) at 25 mm: the extremes, the probable range and
    // the seat's own drawing line.
    QTest::newRow("bearing seat, English") << QStringList {"--bearing-seat", "k5", "--size", "25", "--lang", "en"}
                                           << QStringList {"Bearing seat report",
                                                           "Bearing inner ring, Normal",
                                                           "Interference fit",
                                                           "Largest interference Ymax -21 µm",
                                                           "Smallest interference Ymin -2 µm",
                                                           "Probable largest interference -19 µm",
                                                           "Probable smallest interference -4 µm",
                                                           "Ø25 k5(+0.011/+0.002)"};
    QTest::newRow("probable extremes of a fit, Chinese")
        << fit("H7/g6", "40", {QStringLiteral("--lang"), QStringLiteral("zh")})
        << QStringList {"概率最大间隙 +45 µm", "概率最小间隙 +14 µm"};
    // The title block's table of GB/T 1804-m with GB/T 1184-K: GB/T 1804 splits the broken edges'
    // last range at 30 mm.
    QTest::newRow("general table, Chinese") << QStringList {"--general-class", "mK", "--standard", "gb", "--lang", "zh"}
                                            << QStringList {"一般公差表", "GB/T 1804-m, GB/T 1184-K",
                                                            "大于 30 至 120 mm ±0.3 mm", "大于 30 mm ±2 mm", "圆度"};
    // M10 6H/6g (ISO 965-2): the nut's pitch diameter up to 9.206 mm, the bolt's down to 8.862 mm.
    QTest::newRow("thread, Chinese") << QStringList {"--thread", "M10-6H/6g", "--lang", "zh"}
                                     << QStringList {"螺纹报告",
                                                     "M10-6H/6g",
                                                     "中径 D2 9.206 9.026 180",
                                                     "中径 d2 8.994 8.862 132",
                                                     "最大间隙 Xmax 344 µm",
                                                     "第 1 页，共 1 页"};
    QTest::newRow("thread, English") << QStringList {"--thread", "M10x1.25-6g", "--lang", "en"}
                                     << QStringList {"Thread report", "Bolt (external thread) 6g", "Page 1 of 1"};
    // A thin hub on a shaft 130 K warmer yields in service only: both states side by side, the
    // warning with its state and numbers, the load among the inputs. The 48 mm S355 hub's yield
    // strength is EN 10025-2's 335 MPa for 40 to 63 mm.
    QTest::newRow("both states and a warning, English")
        << fit("H7/s6", "40",
               {"--lang", "en", "--hub-od", "48", "--length", "40", "--shaft-temp", "150", "--torque", "100"})
        << QStringList {"Standstill (hub 20 °C, shaft 20 °C)",
                        "Service (hub 20 °C, shaft 150 °C)",
                        "The hub's yield safety in service is only 0.56, below the required 1.00",
                        "Torque 100 N·m",
                        "Joint length 40 mm",
                        "Hub safety against yield 0.56 (Service)"};
}

void ReportTest::namesTheFitAndItsValues()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (Debian poppler-utils) is missing");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    const Run run = RunQuorlan(
        QStringList {QStringLiteral("--report"), path, QStringLiteral("--tables"), QStringLiteral(QUORLAN_DATA_DIR)}
        + arguments);
    QCOMPARE(run.exitCode, 0);
    const QString text = PdfText(path);
    for (const QString& part : expected)
        QVERIFY2(text.contains(part.normalized(QString::NormalizationForm_KC)),
                 qPrintable(part + QStringLiteral(" missing from: ") + text));
}

void ReportTest::failureWritesNoFile_data()
{
    QTest::addColumn<QStringList>("arguments"); // FILE stands for the report's path
    QTest::addColumn<int>("exitCode");
    const QString file = QStringLiteral("FILE");
    const QString data = QStringLiteral(QUORLAN_DATA_DIR);
    QTest::newRow("no size") << QStringList {"--report", file, "--fit", "H7/g6", "--tables", data} << 2;
    QTest::newRow("not a fit") << FitArguments(file, "H7g6", "40") << 2;
    QTest::newRow("size off the scale") << FitArguments(file, "H7/g6", "3151") << 2;
    QTest::newRow("unknown option") << FitArguments(file, "H7/g6", "40") + QStringList {"--hub-diameter", "80"} << 2;
    QTest::newRow("service number") << FitArguments(file, "H7/s6", "40") + QStringList {"--hub-od", "80x"} << 2;
    QTest::newRow("unknown material") << FitArguments(file, "H7/s6", "40")
            + QStringList {"--hub-od", "80", "--hub-material", "cheese"}
                                      << 2;
    QTest::newRow("friction twice") << FitArguments(file, "H7/s6", "40")
            + QStringList {"--friction", "0.1", "--friction-holding", "0.12"}
                                    << 2;
    QTest::newRow("joining method") << FitArguments(file, "H7/s6", "40") + QStringList {"--joining", "glue"} << 2;
    QTest::newRow("hub thinner than bore") << FitArguments(file, "H7/s6", "40") + QStringList {"--hub-od", "30"} << 2;
    QTest::newRow("no such tables folder")
        << QStringList {"--report", file, "--fit", "H7/g6", "--size", "40", "--tables", data + "/none"} << 2;
    QTest::newRow("bearing class without a seat")
        << FitArguments(file, "H7/g6", "40") + QStringList {"--bearing-class", "6"} << 2;
    QTest::newRow("not a general class") << QStringList {"--report", file, "--general-class", "mX", "--tables", data}
                                         << 2;
    QTest::newRow("bearing seat outside the ring's table")
        << QStringList {"--report", file, "--bearing-seat", "k5", "--size", "3000", "--tables", data} << 1;
    QTest::newRow("not a thread") << QStringList {"--report", file, "--thread", "M10x1.7"} << 2;
    QTest::newRow("thread with a size") << QStringList {"--report", file, "--thread", "M10-6g", "--size", "10"} << 2;
    QTest::newRow("thread class the tables lack") << QStringList {"--report", file, "--thread", "M1-6e"} << 1;
    QTest::newRow("class not given above 500 mm") << FitArguments(file, "H7/zc8", "600") << 1;
    QTest::newRow("tables missing") << QStringList {"--report", file, "--fit",    "H7/g6",
                                                    "--size",   "40", "--tables", "TEMP"}
                                    << 1;
    QTest::newRow("folder cannot be written")
        << FitArguments(QStringLiteral("/nonexistent-folder/report.pdf"), "H7/g6", "40") << 1;
}

void ReportTest::failureWritesNoFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    // An earlier report stays as it was.
    QFile earlier(path);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^FILE$")), path);
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^TEMP$")), folder.path());
    const Run run = RunQuorlan(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(!run.errors.trimmed().isEmpty(), "a failure says why");
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("earlier"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList {QStringLiteral("report.pdf")});
}

void ReportTest::chainReport_data()
{
    QTest::addColumn<QString>("csv"); // written to chain.csv; empty: no file
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("expected"); // in the PDF when written, else in the message
    const QString fourLinks
        = QStringLiteral("name,direction,nominal_mm,tolerance\nbore,+1,40,±0.10\nspacer,-1,25,±0.05\nring,-1,2,±0.03\n"
                         "shoulder,-1,10,±0.05\n");
    // Gap 3.00 ± 0.23 mm worst case; the bore's share of the variance 0.04/0.0636 (see the tab's test).
    QTest::newRow("four links, English")
        << fourLinks << QStringList {"--require", "2.8", "3.2", "--lang", "en"} << 0
        << QStringList {
               "Dimension chain report", "chain.csv", "bore", "shoulder", "2.770 mm", "3.230 mm", "62.9 %", "Cpk"};
    QTest::newRow("four links, Chinese") << fourLinks << QStringList {"--samples", "5000", "--lang", "zh"} << 0
                                         << QStringList {"尺寸链报告", "极值法", "2.770 mm", "3.230 mm", "样本数 5000"};
    QTest::newRow("a tolerance that does not read")
        << QStringLiteral("name,direction,nominal_mm,tolerance\nbore,+1,40,±0.10\nspacer,-1,25,h77\n")
        << QStringList {"--lang", "en"} << 2 << QStringList {"chain.csv: Line 3 (spacer)", "h77"};
    QTest::newRow("no header") << QStringLiteral("bore,+1,40,±0.10\n") << QStringList {} << 2
                               << QStringList {"chain.csv"};
    QTest::newRow("no such file") << QString() << QStringList {} << 2 << QStringList {"chain.csv"};
    QTest::newRow("requirement reversed")
        << fourLinks << QStringList {"--require", "3.2", "2.8", "--lang", "en"} << 2 << QStringList {"smallest"};
    QTest::newRow("a class without limits at its size")
        << QStringLiteral("name,direction,nominal_mm,tolerance\nlong,+1,4000,h7\n") << QStringList {} << 1
        << QStringList {"long"};
}

void ReportTest::chainReport()
{
    QFETCH(QString, csv);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, expected);
    if (exitCode == 0 && QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (Debian poppler-utils) is missing");
    QTemporaryDir folder;
    const QString chain = folder.filePath(QStringLiteral("chain.csv"));
    if (!csv.isEmpty()) {
        QFile file(chain);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(csv.toUtf8());
    }
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    const Run run
        = RunQuorlan(QStringList {"--report", path, "--chain", chain, "--tables", QUORLAN_DATA_DIR} + arguments);
    QCOMPARE(run.exitCode, exitCode);
    const QString text = exitCode == 0 ? PdfText(path) : run.errors;
    for (const QString& part : expected)
        QVERIFY2(text.contains(part), qPrintable(part + QStringLiteral(" missing from: ") + text));
    QCOMPARE(QFile::exists(path), exitCode == 0);
}

void ReportTest::tableText_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("csv");
    QTest::addColumn<QString>("tsv");
    QTest::newRow("plain") << QStringList {"H7/g6", "+9", "间隙配合"} << "H7/g6,+9,间隙配合\r\n"
                           << "H7/g6\t+9\t间隙配合\n";
    QTest::newRow("comma") << QStringList {"a,b", "c"} << "\"a,b\",c\r\n"
                           << "a,b\tc\n";
    QTest::newRow("quote") << QStringList {"say \"H7\"", ""} << "\"say \"\"H7\"\"\",\r\n"
                           << "say \"H7\"\t\n";
    QTest::newRow("line break") << QStringList {"two\nlines", "x\ty"} << "\"two\nlines\",x\ty\r\n"
                                << "two lines\tx y\n";
    QTest::newRow("carriage return") << QStringList {"a\rb"} << "\"a\rb\"\r\n"
                                     << "a b\n";
}

void ReportTest::tableText()
{
    QFETCH(QStringList, cells);
    QFETCH(QString, csv);
    QFETCH(QString, tsv);
    QCOMPARE(CsvText({cells, cells}), csv + csv);
    QCOMPARE(TabSeparatedText({cells}), tsv);
}

QTEST_GUILESS_MAIN(ReportTest)
#include "report_test.moc"
