#include "start/report_command.h"
#include "ui_test_support.h"
#include "workbench/analysis/fit_diagram_view.h"
#include "workbench/chain/chain_page.h"
#include "workbench/service/service_page.h"
#include "workbench/workbench.h"
// moc cannot parse the C++20 library headers these bring in, and needs none of them.
#ifndef Q_MOC_RUN
#include "core/joint_inputs.h"
#include "core/load_fit_search.h"
#include "core/loaded_tables.h"
#include "core/materials.h"
#endif

#include <algorithm>
#include <memory>

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// The workbench's other tabs: the fit finder and the service conditions, and the window's
// whole range of grades and sizes. Driven by the objects' names, as a user would drive them.

namespace {

const QString kDataDir = QStringLiteral(QUORLAN_DATA_DIR);

} // namespace

class FitTabsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void finderListsRankedFitsAndChoosesOne();
    void finderListsTheBestOfAWideSearch();
    void finderSortsByAnyColumnAndCopies();
    void finderBadInput_data();
    void finderBadInput();
    void serviceConditions_data();
    void serviceConditions();
    void serviceShowsBothStatesAndWarns();
    void serviceTakesTheEnginesJointInputs();
    void finderFromTheLoad_data();
    void finderFromTheLoad();
    void transitionProbabilities_data();
    void transitionProbabilities();
    void wholeRange_data();
    void wholeRange();
    void cliDiagramIsXml();
    void probableExtremes();
    void generalTolerances_data();
    void generalTolerances();
    void bearingSeat_data();
    void bearingSeat();
    void thread_data();
    void thread();
    void threadPickers();
    void threadCopiesAndComesBack();
    void dimensionChain_data();
    void dimensionChain();
    void chainFileRoundTrip();

private:
    template<class T> T* F(const char* name) const { return Child<T>(m_window.get(), name); }
    void Open(const char* size, const char* fit);
    QStringList FoundFits() const;

    std::unique_ptr<ModalWatchdog> m_watchdog;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<Workbench> m_window;
};

void FitTabsTest::init()
{
    m_watchdog = std::make_unique<ModalWatchdog>();
    m_messages = std::make_unique<MessageRecorder>();
}

void FitTabsTest::cleanup()
{
    m_window.reset();
    // Every reason stands in the window: no message box, no message.
    QCOMPARE(m_watchdog->Unexpected(), QStringList());
    QCOMPARE(m_messages->Texts(), QStringList());
    m_messages.reset();
    m_watchdog.reset();
}

void FitTabsTest::Open(const char* size, const char* fit)
{
    m_window = std::make_unique<Workbench>(FitStart {size, fit}, kDataDir.toStdString());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

QStringList FitTabsTest::FoundFits() const
{
    const auto* table = F<QTableWidget>("finderResultTable");
    QStringList fits;
    for (int row = 0; row < table->rowCount(); ++row)
        fits.append(table->item(row, 0)->text());
    return fits;
}

void FitTabsTest::finderListsRankedFitsAndChoosesOne()
{
    Open("25", "H7/g6");
    auto* tabs = F<QTabWidget>("fitTabs");
    tabs->setCurrentWidget(F<QWidget>("fitFinderPage"));
    // The one size of the window is the finder's too.
    TypeOver(F<QLineEdit>("fitSizeBox"), QStringLiteral("40"));
    TypeOver(F<QLineEdit>("finderMinClearanceBox"), QStringLiteral("10"));
    TypeOver(F<QLineEdit>("finderMaxClearanceBox"), QStringLiteral("60"));
    ChooseWithKeys(F<QComboBox>("finderBasisList"), QStringLiteral("基孔制"));
    ChooseWithKeys(F<QComboBox>("finderFinestGradeList"), QStringLiteral("IT5"));
    ChooseWithKeys(F<QComboBox>("finderCoarsestGradeList"), QStringLiteral("IT11"));

    // Checked by hand: every H hole with a shaft at most one grade finer, clearance within 10..60 µm.
    QCOMPARE(FoundFits(), (QStringList {"H6/f6", "H6/f5", "H5/f5"}));
    QVERIFY(F<QLabel>("finderCountLabel")->text().contains(QLatin1String("3")));
    auto* table = F<QTableWidget>("finderResultTable");
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("+25"));
    QCOMPARE(table->item(1, 3)->text(), QStringLiteral("+52"));
    QCOMPARE(table->item(1, 4)->text(), QStringLiteral("27"));

    // Enter on a found fit shows it in the analysis.
    table->setFocus();
    table->setCurrentCell(1, 0);
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(tabs->currentWidget(), F<QWidget>("fitAnalysisPage"));
    QCOMPARE(F<QLineEdit>("fitDesignationBox")->text(), QStringLiteral("H6/f5"));
    QCOMPARE(F<QLabel>("shaftLowerValue")->text(), QStringLiteral("-0.036 mm (-36 µm)"));
    QCOMPARE(F<QLabel>("fitExtreme1Value")->text(), QStringLiteral("+0.052 mm (+52 µm)"));
}

void FitTabsTest::finderListsTheBestOfAWideSearch()
{
    Open("40", "H7/g6");
    F<QTabWidget>("fitTabs")->setCurrentWidget(F<QWidget>("fitFinderPage"));
    TypeOver(F<QLineEdit>("finderMinClearanceBox"), QStringLiteral("-1000"));
    TypeOver(F<QLineEdit>("finderMaxClearanceBox"), QStringLiteral("1000"));
    ChooseWithKeys(F<QComboBox>("finderBasisList"), QStringLiteral("任意"));
    ChooseWithKeys(F<QComboBox>("finderFinestGradeList"), QStringLiteral("IT01"));
    ChooseWithKeys(F<QComboBox>("finderCoarsestGradeList"), QStringLiteral("IT18"));
    Click(F<QWidget>("finderAllGradePairsBox"));

    // As many as quorlan-cli find-fit finds; the best 500 of them listed, a preferred fit first.
    QVERIFY(F<QLabel>("finderCountLabel")->text().contains(QStringLiteral("找到 131658 个配合")));
    QCOMPARE(F<QTableWidget>("finderResultTable")->rowCount(), 500);
    QCOMPARE(FoundFits().first(), QStringLiteral("C11/h11"));
    QCOMPARE(F<QTableWidget>("finderResultTable")->item(0, 5)->text(), QStringLiteral("★ 优先"));
}

void FitTabsTest::finderSortsByAnyColumnAndCopies()
{
    Open("40", "H7/g6");
    F<QTabWidget>("fitTabs")->setCurrentWidget(F<QWidget>("fitFinderPage"));
    TypeOver(F<QLineEdit>("finderMinClearanceBox"), QStringLiteral("-30"));
    TypeOver(F<QLineEdit>("finderMaxClearanceBox"), QStringLiteral("60"));
    auto* table = F<QTableWidget>("finderResultTable");
    const QStringList ranked = FoundFits();
    QVERIFY(ranked.size() > 10);
    const auto column = [table](int index) {
        QList<double> values;
        for (int row = 0; row < table->rowCount(); ++row)
            values.append(table->item(row, index)->text().toDouble());
        return values;
    };
    // Clearances "+9", "+25", "-15" sort by value, not as text; a second click reverses.
    auto* header = table->horizontalHeader();
    for (const int index : {2, 3, 4}) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(index) + 5, header->height() / 2));
        const QList<double> values = column(index);
        QVERIFY2(std::is_sorted(values.begin(), values.end()) || std::is_sorted(values.rbegin(), values.rend()),
                 qPrintable(QString::number(index)));
    }
    // The rank column gives back the finder's order.
    table->sortByColumn(6, Qt::AscendingOrder);
    QCOMPARE(FoundFits(), ranked);

    // Ctrl+C copies the list as shown, as tab-separated lines under the header.
    table->sortByColumn(2, Qt::DescendingOrder);
    table->setFocus();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), table->rowCount() + 1);
    QVERIFY(lines.first().startsWith(QStringLiteral("配合\t配合性质\t")));
    QCOMPARE(lines.at(1).section(QLatin1Char('\t'), 0, 0), table->item(0, 0)->text());
    QCOMPARE(lines.at(1).section(QLatin1Char('\t'), 2, 2), table->item(0, 2)->text());
}

void FitTabsTest::finderBadInput_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<QString>("problem");
    QTest::newRow("smallest above largest") << "40"
                                            << "60"
                                            << "10"
                                            << "最小间隙（+60 µm）大于最大间隙（+10 µm）。";
    QTest::newRow("bound missing") << "40"
                                   << ""
                                   << "10"
                                   << "请输入最小间隙（µm）。";
    QTest::newRow("bound not a number") << "40"
                                        << "10"
                                        << "6o"
                                        << "最大间隙应是一个以 µm 计的数，如 10 或 -25（负值为过盈）。";
    QTest::newRow("size off the scale") << "3151"
                                        << "10"
                                        << "60"
                                        << "基本尺寸须大于 0 且不大于 3150 mm。";
}

void FitTabsTest::finderBadInput()
{
    QFETCH(QString, size);
    QFETCH(QString, minimum);
    QFETCH(QString, maximum);
    QFETCH(QString, problem);
    Open("40", "H7/g6");
    F<QTabWidget>("fitTabs")->setCurrentWidget(F<QWidget>("fitFinderPage"));
    TypeOver(F<QLineEdit>("fitSizeBox"), size);
    TypeOver(F<QLineEdit>("finderMinClearanceBox"), minimum);
    TypeOver(F<QLineEdit>("finderMaxClearanceBox"), maximum);

    QCOMPARE(F<QLabel>("finderProblemLabel")->text(), problem);
    QVERIFY(F<QLabel>("finderProblemLabel")->isVisible());
    QVERIFY(!F<QTableWidget>("finderResultTable")->isVisible());
}

void FitTabsTest::serviceConditions_data()
{
    QTest::addColumn<QString>("hubOutside");
    QTest::addColumn<QString>("pressure"); // the least contact pressure, or empty where refused
    QTest::addColumn<QString>("problem");
    QTest::newRow("press fit") << "80"
                               << ""
                               << "";
    QTest::newRow("no hub given") << ""
                                  << "—（需要轮毂外径）"
                                  << "";
    QTest::newRow("hub no larger than the bore") << "40"
                                                 << ""
                                                 << "轮毂外径须大于孔径（基本尺寸）。";
    QTest::newRow("hub not a number") << "8O"
                                      << ""
                                      << "轮毂外径应是一个数，如 40 或 0.15。";
}

void FitTabsTest::serviceConditions()
{
    QFETCH(QString, hubOutside);
    QFETCH(QString, pressure);
    QFETCH(QString, problem);
    Open("40", "H7/s6");
    F<QTabWidget>("fitTabs")->setCurrentWidget(F<QWidget>("servicePage"));
    TypeOver(F<QLineEdit>("serviceHubOutsideBox"), hubOutside);

    QCOMPARE(F<QLabel>("serviceProblemLabel")->isVisible(), !problem.isEmpty());
    if (!problem.isEmpty()) {
        QCOMPARE(F<QLabel>("serviceProblemLabel")->text(), problem);
        return;
    }
    const QString shown = F<QLabel>("service_pressure_min_mpa")->text();
    if (!pressure.isEmpty()) {
        QCOMPARE(shown, pressure);
        return;
    }
    // H7/s6 at 40 mm: 18 to 59 µm of interference, steel on steel: a pressure of tens of MPa.
    QVERIFY2(shown.endsWith(QLatin1String(" MPa")), qPrintable(shown));
    const double mpa = shown.chopped(4).toDouble();
    QVERIFY2(mpa > 10 && mpa < 100, qPrintable(shown));
    // Steel on steel, the surfaces not given: holding takes DIN 7190-1's lower, oiled coefficient.
    QVERIFY(F<QLabel>("serviceAssumptionsLabel")->text().contains(QStringLiteral("摩擦系数 0.080")));
}

void FitTabsTest::serviceShowsBothStatesAndWarns()
{
    // A thin steel hub on a shaft 130 K warmer: the shaft grows into the hub, which yields in service
    // only; the worse state governs the result and the warning says so with its numbers.
    Open("40", "H7/s6");
    F<QTabWidget>("fitTabs")->setCurrentWidget(F<QWidget>("servicePage"));
    TypeOver(F<QLineEdit>("serviceHubOutsideBox"), QStringLiteral("48"));
    TypeOver(F<QLineEdit>("serviceLengthBox"), QStringLiteral("40"));
    TypeOver(F<QLineEdit>("serviceShaftTemperatureBox"), QStringLiteral("150"));

    QCOMPARE(F<QLabel>("serviceStateHeading_standstill")->text(), QStringLiteral("静止\n轮毂 20 °C，轴 20 °C"));
    QCOMPARE(F<QLabel>("serviceStateHeading_service")->text(), QStringLiteral("工作\n轮毂 20 °C，轴 150 °C"));
    const double standstill = F<QLabel>("serviceState_hub_yield_safety_standstill")->text().toDouble();
    const double service = F<QLabel>("serviceState_hub_yield_safety_service")->text().toDouble();
    QVERIFY2(standstill >= 1.0 && service > 0.0 && service < 1.0,
             qPrintable(QStringLiteral("%1 / %2").arg(standstill).arg(service)));
    QCOMPARE(F<QLabel>("service_hub_yield_safety")->text(), QString::number(service, 'f', 2));
    QCOMPARE(F<QLabel>("service_hub_yield_safety_state")->text(), QStringLiteral("工作时"));
    // The shaft grows: the interference is larger in service.
    QVERIFY(F<QLabel>("serviceState_interference_min_um_service")->text().chopped(3).toDouble()
            > F<QLabel>("serviceState_interference_min_um_standstill")->text().chopped(3).toDouble());

    QVERIFY(F<QLabel>("serviceWarningLabel")->isVisible());
    const QString warnings = F<QLabel>("serviceWarningLabel")->text();
    QVERIFY2(warnings.contains(QStringLiteral("工作时轮毂会屈服：屈服安全系数 %1，低于要求的 1.00。")
                                   .arg(QString::number(service, 'f', 2))),
             qPrintable(warnings));
    QVERIFY2(!warnings.contains(QStringLiteral("静止时轮毂")), qPrintable(warnings));
}

void FitTabsTest::serviceTakesTheEnginesJointInputs()
{
    // The tab's fields and lists, and the report's options, are the engine's joint inputs.
    QStringList fromTab = {QStringLiteral("hub_material"), QStringLiteral("shaft_material"),
                           QStringLiteral("joining"),      QStringLiteral("smoothing"),
                           QStringLiteral("surface"),      QStringLiteral("friction")}; // friction: both fields at once
    for (std::size_t field = 0; field < kServiceFieldCount; ++field)
        fromTab.append(QString::fromUtf8(InputOfField(static_cast<ServiceField>(field)).data()));
    QStringList table;
    QStringList reportOptions;
    for (const JointInput& input : JointInputs())
        table.append(QString::fromUtf8(input.key.data(), static_cast<qsizetype>(input.key.size())));
    for (const QString& option : ReportServiceOptionNames())
        reportOptions.append(QString(option).replace(QLatin1Char('-'), QLatin1Char('_')));
    fromTab.sort();
    QCOMPARE(reportOptions, table);
    table.sort();
    QCOMPARE(fromTab, table);

    // A value typed over the material's own means what it means on the command line; one left as
    // the material shows it leaves the material alone.
    Open("40", "H7/s6");
    auto* page = F<ServicePage>("servicePage");
    const auto materials = BuiltInMaterials();
    const int castIron = static_cast<int>(
        std::find_if(materials.begin(), materials.end(), [](const Material& m) { return m.id == "cast-iron"; })
        - materials.begin());
    F<QComboBox>("serviceHubMaterialList")->setCurrentIndex(castIron);
    F<QComboBox>("serviceShaftMaterialList")->setCurrentIndex(castIron);
    QVERIFY(page->Inputs()->hubMaterial.brittle);
    QVERIFY(page->Inputs()->shaftMaterial.expansionToNitrogenPerK > 0.0);
    TypeOver(F<QLineEdit>("serviceHubStrengthBox"), QStringLiteral("300"));
    TypeOver(F<QLineEdit>("serviceShaftExpansionBox"), QStringLiteral("13"));
    ServiceInputs expected = *page->Inputs();
    expected.hubMaterial = expected.shaftMaterial = FindMaterial("cast-iron")->properties;
    const JointValue typed[] = {{"hub_yield", 300.0}, {"shaft_alpha", 13e-6}};
    QVERIFY(!ApplyJointValues(expected, typed));
    const ServiceInputs inputs = *page->Inputs();
    QVERIFY(!inputs.hubMaterial.brittle);
    QCOMPARE(inputs.hubMaterial.strengthMpa, expected.hubMaterial.strengthMpa);
    QCOMPARE(inputs.shaftMaterial.expansionPerK, expected.shaftMaterial.expansionPerK);
    QCOMPARE(inputs.shaftMaterial.expansionToNitrogenPerK, 0.0);
}

void FitTabsTest::finderFromTheLoad_data()
{
    QTest::addColumn<QString>("torque");
    QTest::addColumn<QString>("problem"); // empty: the list, as the engine finds it
    QTest::newRow("300 N·m") << "300"
                             << "";
    QTest::newRow("no load") << ""
                             << "从载荷查找需要“使用条件”页的轮毂外径、配合长度和载荷：请在那里输入扭矩或轴向力。";
}

void FitTabsTest::finderFromTheLoad()
{
    QFETCH(QString, torque);
    QFETCH(QString, problem);
    Open("40", "H7/s6");
    F<QTabWidget>("fitTabs")->setCurrentWidget(F<QWidget>("servicePage"));
    TypeOver(F<QLineEdit>("serviceHubOutsideBox"), QStringLiteral("80"));
    TypeOver(F<QLineEdit>("serviceLengthBox"), QStringLiteral("40"));
    TypeOver(F<QLineEdit>("serviceTorqueBox"), torque);
    TypeOver(F<QLineEdit>("serviceHubTemperatureBox"), QStringLiteral("40"));
    F<QComboBox>("serviceSurfaceList")->setCurrentIndex(1); // dry: the friction the load needs
    F<QTabWidget>("fitTabs")->setCurrentWidget(F<QWidget>("fitFinderPage"));
    F<QWidget>("finderFromLoadBox")->setFocus();
    QTest::keyClick(F<QWidget>("finderFromLoadBox"), Qt::Key_Space);
    QVERIFY(!F<QLineEdit>("finderMinClearanceBox")->isEnabled());

    if (!problem.isEmpty()) {
        QCOMPARE(F<QLabel>("finderProblemLabel")->text(), problem);
        return;
    }
    // The same joint asked of the engine directly: the same fits in the same order, the same safeties.
    LoadFitSearchRequest request;
    request.fits.size = ExactLength::FromMm(40);
    request.fits.finestGrade = F<QComboBox>("finderFinestGradeList")->currentIndex();
    request.fits.coarsestGrade = F<QComboBox>("finderCoarsestGradeList")->currentIndex();
    request.service.hubOutsideDiameterMm = 80.0;
    request.service.lengthMm = 40.0;
    request.service.torqueNm = 300.0;
    request.service.hubTemperatureC = 40.0;
    request.service.surface = SurfaceCondition::Dry;
    const auto expected = SearchFitsForLoad(LoadDeviationTables(kDataDir.toStdString()), request);
    QVERIFY(expected && !expected->empty());
    auto* table = F<QTableWidget>("finderLoadTable");
    QVERIFY(table->isVisible());
    QCOMPARE(table->rowCount(), static_cast<int>(expected->size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const LoadFoundFit& fit = (*expected)[static_cast<std::size_t>(row)];
        QCOMPARE(table->item(row, 0)->text(),
                 QString::fromStdString(ClassName(fit.fit.analysis.hole.toleranceClass) + "/"
                                        + ClassName(fit.fit.analysis.shaft.toleranceClass)));
        QCOMPARE(table->item(row, 1)->text(), QString::number(*fit.results.slipSafety, 'f', 2));
        QVERIFY(*fit.results.slipSafety >= 1.5);
    }
    // Every fit is listed with the warnings it still carries: no roughness was given, and more.
    QVERIFY2(table->item(0, 7)->text().startsWith(QStringLiteral("未给 Rz")), qPrintable(table->item(0, 7)->text()));
}

void FitTabsTest::transitionProbabilities_data()
{
    QTest::addColumn<QString>("fit");
    QTest::addColumn<bool>("shown");
    QTest::newRow("transition") << "H7/k6" << true;
    QTest::newRow("clearance") << "H7/g6" << false;
}

void FitTabsTest::transitionProbabilities()
{
    QFETCH(QString, fit);
    QFETCH(bool, shown);
    Open("25", qPrintable(fit));
    QCOMPARE(F<QLabel>("fitProbability1Value")->isVisible(), shown);
    QCOMPARE(F<QLabel>("fitProbability2Value")->isVisible(), shown);
    if (!shown)
        return;
    QCOMPARE(F<QLabel>("fitProbability1Caption")->text(), QStringLiteral("过盈概率"));
    QCOMPARE(F<QLabel>("fitProbability2Caption")->text(), QStringLiteral("间隙概率"));
    // Both ways are likely, and together they are certain.
    const double interference = F<QLabel>("fitProbability1Value")->text().chopped(2).toDouble();
    const double clearance = F<QLabel>("fitProbability2Value")->text().chopped(2).toDouble();
    QVERIFY(interference > 1 && clearance > 1);
    QVERIFY(qAbs(interference + clearance - 100) < 0.02);
}

void FitTabsTest::wholeRange_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("fit");
    QTest::addColumn<QString>("shaftLower"); // or the reason in place of the results
    QTest::addColumn<int>("shaftMarked"); // the shaft is a class ISO 286-2 does not print; -1: lists unread
    QTest::newRow("IT16 at 1000 mm") << "1000"
                                     << "H16/h16"
                                     << "-5.600 mm (-5600 µm)" << 0;
    QTest::newRow("largest size") << "3150"
                                  << "H7/h6"
                                  << "-0.135 mm (-135 µm)" << 0;
    QTest::newRow("beyond the printed classes") << "25"
                                                << "H7/f13"
                                                << "-0.350 mm (-350 µm)" << 1;
    QTest::newRow("letter only to 500 mm")
        << "1000"
        << "H7/c7"
        << "标准对轴 c7 只给到 500 mm，不用于基本尺寸 1000 mm。" << 1; // c is printed from c8
    QTest::newRow("letter only in finer grades") << "25"
                                                 << "H7/j13"
                                                 << "标准对轴 j13 的基本偏差只给到较细的公差等级，没有 IT13。" << 1;
    QTest::newRow("grade beyond IT18") << "25"
                                       << "H19/h6"
                                       << "“H19”的公差等级不在 IT01 至 IT18 之内。" << -1;
}

void FitTabsTest::wholeRange()
{
    QFETCH(QString, size);
    QFETCH(QString, fit);
    QFETCH(QString, shaftLower);
    QFETCH(int, shaftMarked);
    Open(qPrintable(size), qPrintable(fit));
    QCOMPARE(F<QComboBox>("holeGradeList")->count(), 20);
    QCOMPARE(F<QComboBox>("shaftGradeList")->itemText(19), QStringLiteral("IT18"));
    if (F<QLabel>("fitProblemLabel")->isVisible())
        QCOMPARE(F<QLabel>("fitProblemLabel")->text(), shaftLower);
    else
        QCOMPARE(F<QLabel>("shaftLowerValue")->text(), shaftLower);
    if (shaftMarked < 0)
        return;
    // The mark: the lists in italics with a tip, and so the entry of the grade among the others.
    const bool marked = shaftMarked == 1;
    auto* grades = F<QComboBox>("shaftGradeList");
    QCOMPARE(grades->font().italic(), marked);
    QCOMPARE(grades->toolTip().isEmpty(), !marked);
    QCOMPARE(grades->itemData(grades->currentIndex(), Qt::FontRole).value<QFont>().italic(), marked);
    QVERIFY(!F<QComboBox>("holeGradeList")->font().italic()); // H7, H16: printed
}

void FitTabsTest::cliDiagramIsXml()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("H7-k6.svg"));
    QProcess cli;
    cli.start(QStringLiteral(QUORLAN_CLI),
              {QStringLiteral("--tables"), kDataDir, QStringLiteral("diagram"), QStringLiteral("H7/k6"),
               QStringLiteral("25"), QStringLiteral("-o"), file});
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), 0);
    QFile svg(file);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    int elements = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement)
            ++elements;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(elements > 10);
}

QTEST_MAIN(FitTabsTest)
#include "fit_tabs_test.moc"

void FitTabsTest::probableExtremes()
{
    // H7/g6 at 40 mm: mean clearance 29.5 µm, ±√(25² + 16²)/2 = ±14.8 µm, rounded outward.
    Open("40", "H7/g6");
    QCOMPARE(F<QLabel>("fitProbable1Caption")->text(), QStringLiteral("概率最大间隙"));
    QCOMPARE(F<QLabel>("fitProbable1Value")->text(), QStringLiteral("+0.045 mm (+45 µm)"));
    QCOMPARE(F<QLabel>("fitProbable2Caption")->text(), QStringLiteral("概率最小间隙"));
    QCOMPARE(F<QLabel>("fitProbable2Value")->text(), QStringLiteral("+0.014 mm (+14 µm)"));
}

void FitTabsTest::generalTolerances_data()
{
    QTest::addColumn<QString>("generalClass");
    QTest::addColumn<int>("question"); // the list's position: 0 linear, 4 flatness
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("answer"); // empty: refused
    QTest::addColumn<QString>("words"); // in the range's line, or in the reason
    QTest::newRow("linear, class m") << "m" << 0 << "35"
                                     << "±0.3 mm"
                                     << "ISO 2768-m，大于 30 至 120 mm";
    QTest::newRow("a pair answers a size by its linear class") << "mK" << 0 << "35"
                                                               << "±0.3 mm"
                                                               << "ISO 2768-m";
    QTest::newRow("flatness by the pair's geometrical class") << "mK" << 4 << "35"
                                                              << "0.2 mm"
                                                              << "ISO 2768-K";
    QTest::newRow("below the tables") << "m" << 0 << "0.3"
                                      << ""
                                      << "小于 0.5 mm";
    QTest::newRow("empty cell: v up to 3 mm") << "v" << 0 << "2"
                                              << ""
                                              << "标准没有给出";
    QTest::newRow("a feature of a linear class alone") << "m" << 4 << "35"
                                                       << ""
                                                       << "H、K 或 L";
    QTest::newRow("not a class") << "mX" << 0 << "35"
                                 << ""
                                 << "mK";
}

void FitTabsTest::generalTolerances()
{
    QFETCH(QString, generalClass);
    QFETCH(int, question);
    QFETCH(QString, size);
    QFETCH(QString, answer);
    QFETCH(QString, words);
    Open("40", "H7/g6");
    F<QTabWidget>("fitTabs")->setCurrentWidget(F<QWidget>("generalPage"));
    F<QLineEdit>("generalClassBox")->setText(generalClass);
    F<QComboBox>("generalQuestionList")->setCurrentIndex(question);
    F<QLineEdit>("generalSizeBox")->setText(size);
    const bool refused = answer.isEmpty();
    QCOMPARE(F<QLabel>("generalProblemLabel")->isVisible(), refused);
    if (refused) {
        QVERIFY2(F<QLabel>("generalProblemLabel")->text().contains(words),
                 qPrintable(F<QLabel>("generalProblemLabel")->text()));
        return;
    }
    QCOMPARE(F<QLabel>("generalAnswerValue")->text(), answer);
    QVERIFY2(F<QLabel>("generalAnswerRange")->text().contains(words),
             qPrintable(F<QLabel>("generalAnswerRange")->text()));
    // The title block's table holds the class's rows; a geometrical class adds the rules.
    const auto* table = F<QTableWidget>("generalTable");
    QVERIFY(table->rowCount() > 0);
    QCOMPARE(F<QLabel>("generalRulesLabel")->isVisible(), generalClass.contains(QLatin1Char('K')));
}

void FitTabsTest::bearingSeat_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("seat");
    QTest::addColumn<int>("bearingClass"); // the list's position: 0 Normal, 1 class 6, 2 class 5
    QTest::addColumn<QStringList>("expected"); // extremes, probable extremes, the drawing line; or the reason
    // Inner ring Normal over 18 up to 30 mm: 0/-10 µm on k5 +11/+2.
    QTest::newRow("inner ring on k5") << "25"
                                      << "k5" << 0
                                      << QStringList {"-0.021 mm (-21 µm)", "-0.002 mm (-2 µm)", "-0.019 mm (-19 µm)",
                                                      "-0.004 mm (-4 µm)", "Ø25 k5(+0.011/+0.002)"};
    // Outer ring Normal over 50 up to 80 mm: 0/-13 µm in H7 +30/0.
    QTest::newRow("outer ring in H7") << "52"
                                      << "H7" << 0
                                      << QStringList {"+0.043 mm (+43 µm)", "0.000 mm (0 µm)", "+0.038 mm (+38 µm)",
                                                      "+0.005 mm (+5 µm)", "Ø52 H7(+0.030/0)"};
    QTest::newRow("not a class") << "25"
                                 << "k" << 0 << QStringList {"k"};
    QTest::newRow("outside the ring's table") << "3000"
                                              << "k5" << 0 << QStringList {"ISO 492"};
}

void FitTabsTest::bearingSeat()
{
    QFETCH(QString, size);
    QFETCH(QString, seat);
    QFETCH(int, bearingClass);
    QFETCH(QStringList, expected);
    Open(qPrintable(size), "H7/g6");
    F<QTabWidget>("fitTabs")->setCurrentWidget(F<QWidget>("bearingPage"));
    F<QLineEdit>("bearingSeatBox")->setText(seat);
    F<QComboBox>("bearingClassList")->setCurrentIndex(bearingClass);
    if (expected.size() == 1) {
        QVERIFY(F<QLabel>("bearingProblemLabel")->isVisible());
        QVERIFY2(F<QLabel>("bearingProblemLabel")->text().contains(expected[0]),
                 qPrintable(F<QLabel>("bearingProblemLabel")->text()));
        return;
    }
    QCOMPARE(F<QLabel>("bearingExtreme1Value")->text(), expected[0]);
    QCOMPARE(F<QLabel>("bearingExtreme2Value")->text(), expected[1]);
    QCOMPARE(F<QLabel>("bearingProbable1Value")->text(), expected[2]);
    QCOMPARE(F<QLabel>("bearingProbable2Value")->text(), expected[3]);
    QCOMPARE(F<QLineEdit>("bearingDrawingLineBox")->text(), expected[4]);
    QVERIFY(!F<FitDiagramView>("bearingDiagram")->Svg().isEmpty());
}

void FitTabsTest::thread_data()
{
    QTest::addColumn<QString>("designation");
    QTest::addColumn<QStringList>("shown"); // "objectName=text" of the results; or the reason's words
    // M10 6H/6g, ISO 965-2: nut D2 9.026 to 9.206, D1 8.376 to 8.676; bolt es -32, d 9.732 to 9.968,
    // d2 8.862 to 8.994, d3 up to 8.128; clearance at the pitch diameter 32 to 344 µm.
    QTest::newRow("fit") << "M10-6H/6g"
                         << QStringList {"threadDesignationValue=M10-6H/6g",
                                         "threadBasicPitchValue=9.026 mm",
                                         "threadNutMajorMinValue=10.000",
                                         "threadNutPitchMaxValue=9.206",
                                         "threadNutPitchToleranceValue=180",
                                         "threadNutMinorMinValue=8.376",
                                         "threadBoltDeviationValue=基本偏差 es = -32 µm",
                                         "threadBoltMajorMaxValue=9.968",
                                         "threadBoltPitchMinValue=8.862",
                                         "threadBoltRootMaxValue=8.128",
                                         "threadMinClearanceValue=32 µm",
                                         "threadMaxClearanceValue=344 µm"};
    QTest::newRow("fine pitch, spaces around")
        << "  M10x1.25-6g "
        << QStringList {"threadDesignationValue=M10x1.25-6g", "threadSeriesValue=螺距 1.25 mm，细牙"};
    QTest::newRow("nothing typed") << "" << QStringList {"请输入螺纹标记"};
    QTest::newRow("pitch ISO 261 does not give") << "M10x1.7" << QStringList {"1.5（粗牙）、1.25、1、0.75 mm"};
    QTest::newRow("bolt's class first") << "M10-6g/6H" << QStringList {"“6g/6H”把外螺纹公差带写在前面"};
    QTest::newRow("no deviation e at 0.25 mm") << "M1-6e" << QStringList {"M1 的外螺纹 6e：", "基本偏差 e"};
}

void FitTabsTest::thread()
{
    QFETCH(QString, designation);
    QFETCH(QStringList, shown);
    Open("40", "H7/g6");
    F<QTabWidget>("fitTabs")->setCurrentWidget(F<QWidget>("threadPage"));
    TypeOver(F<QLineEdit>("threadDesignationBox"), designation);
    const bool refused = !shown.first().contains(QLatin1Char('='));
    QCOMPARE(F<QLabel>("threadProblemLabel")->isVisible(), refused);
    if (refused) {
        for (const QString& words : shown)
            QVERIFY2(F<QLabel>("threadProblemLabel")->text().contains(words),
                     qPrintable(F<QLabel>("threadProblemLabel")->text()));
        QVERIFY(F<FitDiagramView>("threadDiagram")->Svg().isEmpty());
        return;
    }
    for (const QString& pair : shown) {
        const QString name = pair.section(QLatin1Char('='), 0, 0);
        QCOMPARE(F<QLabel>(qPrintable(name))->text(), pair.section(QLatin1Char('='), 1));
    }
    // The zones and the fit need both parts: a bolt alone has neither.
    const bool fit = designation.contains(QLatin1Char('/'));
    QCOMPARE(F<QWidget>("threadNutBox")->isVisible(), fit);
    QCOMPARE(F<QWidget>("threadFitBox")->isVisible(), fit);
    QCOMPARE(F<FitDiagramView>("threadDiagram")->Svg().isEmpty(), !fit);
}

void FitTabsTest::threadPickers()
{
    Open("40", "H7/g6");
    F<QTabWidget>("fitTabs")->setCurrentWidget(F<QWidget>("threadPage"));
    auto* box = F<QLineEdit>("threadDesignationBox");
    TypeOver(box, QStringLiteral("M10-6H/6g"));
    // A pitch picked keeps the diameter and the classes; a new diameter takes its coarse pitch.
    ChooseWithKeys(F<QComboBox>("threadPitchList"), QStringLiteral("1.25"));
    QCOMPARE(box->text(), QStringLiteral("M10x1.25-6H/6g"));
    ChooseWithKeys(F<QComboBox>("threadDiameterList"), QStringLiteral("M12"));
    QCOMPARE(box->text(), QStringLiteral("M12-6H/6g"));
    ChooseWithKeys(F<QComboBox>("threadNutClassList"), QStringLiteral("—"));
    QCOMPARE(box->text(), QStringLiteral("M12-6g"));
    // A class typed that no list holds stays when another list is picked.
    TypeOver(box, QStringLiteral("M12-5H6H/6g"));
    QCOMPARE(F<QComboBox>("threadNutClassList")->currentIndex(), -1);
    ChooseWithKeys(F<QComboBox>("threadBoltClassList"), QStringLiteral("6h"));
    QCOMPARE(box->text(), QStringLiteral("M12-5H6H/6h"));
}

void FitTabsTest::threadCopiesAndComesBack()
{
    Open("40", "H7/g6");
    F<QTabWidget>("fitTabs")->setCurrentWidget(F<QWidget>("threadPage"));
    TypeOver(F<QLineEdit>("threadDesignationBox"), QStringLiteral("M12x1.25-6H/6g"));
    // The tab's results as rows: the nut's pitch diameter with its limits and TD2.
    m_window->CopyResults();
    QVERIFY2(QGuiApplication::clipboard()->text().contains(QStringLiteral("中径 D2\t11.368\t11.188\t180")),
             qPrintable(QGuiApplication::clipboard()->text()));
    // A window given the state starts on the tab, its lists at the thread: the pitch among M12's.
    const QVariantMap state = m_window->State();
    m_window = std::make_unique<Workbench>(std::nullopt, kDataDir.toStdString());
    m_window->RestoreState(state);
    QCOMPARE(F<QTabWidget>("fitTabs")->currentWidget(), F<QWidget>("threadPage"));
    QCOMPARE(F<QLineEdit>("threadDesignationBox")->text(), QStringLiteral("M12x1.25-6H/6g"));
    QCOMPARE(F<QComboBox>("threadDiameterList")->currentText(), QStringLiteral("M12"));
    QCOMPARE(F<QComboBox>("threadPitchList")->currentText(), QStringLiteral("1.25"));
}

void FitTabsTest::dimensionChain_data()
{
    QTest::addColumn<QStringList>("rows"); // name, direction, nominal, tolerance, distribution; one a link
    QTest::addColumn<QStringList>("expected"); // worst min, max, RSS σ, the top contribution, its share; or the reason
    // The housing, spacer and ring chain of docs/dimension-chains.md's sources: gap 3.00 ± 0.23 mm worst
    // case; σ = √(0.2² + 0.1² + 0.06² + 0.1²)/6 = 0.0420 mm, the bore's variance share 0.04/0.0636.
    QTest::newRow("four ± links") << QStringList {"bore,+1,40,±0.10,normal", "spacer,-1,25,±0.05,normal",
                                                  "ring,-1,2,±0.03,normal", "shoulder,-1,10,±0.05,normal"}
                                  << QStringList {"2.770 mm", "3.230 mm", "0.0420 mm", "bore", "62.9 %"};
    // H8 at 50 mm is +0.039/0 (ISO 286-1 IT8, 39 µm), 2768-m at 29.5 mm ±0.2: σ² = 0.0065² + 0.02² +
    // 0.4²/12 (uniform: T/√12), the spacer 96.8 % of it.
    QTest::newRow("a class and a general tolerance")
        << QStringList {"housing,+1,50,H8,normal", "bearing,-1,20,0/-0.12,normal", "spacer,-1,29.5,2768-m,uniform"}
        << QStringList {"0.300 mm", "0.859 mm", "0.1174 mm", "spacer", "96.8 %"};
    QTest::newRow("a tolerance that does not read")
        << QStringList {"bore,+1,40,±0.10,normal", "spacer,-1,25,h77,normal"}
        << QStringList {"第 2 环（spacer）：公差“h77”"};
    QTest::newRow("a class without limits at its size")
        << QStringList {"long,+1,4000,h7,normal"} << QStringList {"第 1 环（long）：", "3150 mm"};
    QTest::newRow("a Cpk of a uniform link")
        << QStringList {"bore,+1,40,±0.10,uniform,1.33"} << QStringList {"Cpk“1.33”只用于正态分布的环"};
}

void FitTabsTest::dimensionChain()
{
    QFETCH(QStringList, rows);
    QFETCH(QStringList, expected);
    Open("40", "H7/g6");
    F<QTabWidget>("fitTabs")->setCurrentWidget(F<QWidget>("chainPage"));
    auto* page = F<ChainPage>("chainPage");
    // Typed in as a user does: the table's rows added and filled cell by cell.
    auto* table = F<QTableWidget>("chainLinkTable");
    while (table->rowCount() > 0) {
        table->setCurrentCell(0, 0);
        Click(F<QPushButton>("chainRemoveButton"));
    }
    TypeOver(F<QLineEdit>("chainSamplesBox"), QStringLiteral("20000"));
    for (const QString& row : rows) {
        Click(F<QPushButton>("chainAddButton"));
        const QStringList fields = row.split(QLatin1Char(','));
        for (int column = 0; column < 7; ++column)
            table->item(table->rowCount() - 1, column)->setText(fields.value(column));
    }
    if (expected.size() < 5) {
        QVERIFY(F<QLabel>("chainProblemLabel")->isVisible());
        for (const QString& words : expected)
            QVERIFY2(F<QLabel>("chainProblemLabel")->text().contains(words),
                     qPrintable(F<QLabel>("chainProblemLabel")->text()));
        QVERIFY(page->ResultRows().constFirst().constFirst().contains(expected[0]));
        return;
    }
    QCOMPARE(F<QLabel>("chainWorstMinValue")->text(), expected[0]);
    QCOMPARE(F<QLabel>("chainWorstMaxValue")->text(), expected[1]);
    QCOMPARE(F<QLabel>("chainRssSigmaValue")->text(), expected[2]);
    const auto* shares = F<QTableWidget>("chainContributionTable");
    QCOMPARE(shares->item(0, 0)->text(), expected[3]);
    QCOMPARE(shares->item(0, 1)->text(), expected[4]);
    QCOMPARE(F<QTableWidget>("chainLimitTable")->rowCount(), static_cast<int>(rows.size()));
    QVERIFY(!F<FitDiagramView>("chainContributionsChart")->Svg().isEmpty());
    // The Monte Carlo arrives from its thread; a new requirement runs it again with Cp and Cpk.
    QTRY_VERIFY_WITH_TIMEOUT(!page->MonteCarloRunning(), 20000);
    QVERIFY(page->Run());
    QCOMPARE(page->Run()->samples, std::size_t {20000});
    QVERIFY(!F<FitDiagramView>("chainHistogram")->Svg().isEmpty());
    QCOMPARE(F<QLabel>("chainMcCpValue")->text(), QStringLiteral("–"));
    TypeOver(F<QLineEdit>("chainRequireMinBox"), expected[0].section(QLatin1Char(' '), 0, 0));
    TypeOver(F<QLineEdit>("chainRequireMaxBox"), expected[1].section(QLatin1Char(' '), 0, 0));
    QTRY_VERIFY_WITH_TIMEOUT(!page->MonteCarloRunning(), 20000);
    // Nothing falls outside the worst case.
    QCOMPARE(F<QLabel>("chainMcBelowValue")->text(), QStringLiteral("0.0 ppm"));
    QCOMPARE(F<QLabel>("chainMcAboveValue")->text(), QStringLiteral("0.0 ppm"));
    QVERIFY(F<QLabel>("chainMcCpkValue")->text() != QStringLiteral("–"));
}

void FitTabsTest::chainFileRoundTrip()
{
    Open("40", "H7/g6");
    F<QTabWidget>("fitTabs")->setCurrentWidget(F<QWidget>("chainPage"));
    auto* page = F<ChainPage>("chainPage");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("gap.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("# a gap\nname,direction,nominal_mm,tolerance,cpk\nbore,+1,40,+0.1/-0.05,1.33\nring,-1,2,js9,\n");
    file.close();
    QCOMPARE(page->OpenFile(path), QString());
    QCOMPARE(page->FileName(), QStringLiteral("gap.csv"));
    const QVariantList rows = page->LinkRows();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].toStringList(), (QStringList {"bore", "+1", "40", "+0.1/-0.05", "", "1.33", ""}));
    // Saved as the command line reads it: the columns the rows fill, and no other.
    const QString saved = folder.filePath(QStringLiteral("saved.csv"));
    QCOMPARE(page->SaveFile(saved), QString());
    QFile back(saved);
    QVERIFY(back.open(QIODevice::ReadOnly));
    QCOMPARE(back.readAll(),
             QByteArray("name,direction,nominal_mm,tolerance,distribution,cpk\nbore,+1,40,+0.1/-0.05,,1.33\n"
                        "ring,-1,2,js9,,\n"));
    // A comma in a name would split its row: refused, the file as it was.
    F<QTableWidget>("chainLinkTable")->item(0, 0)->setText(QStringLiteral("bore, left"));
    QVERIFY(page->SaveFile(saved).contains(QStringLiteral("bore, left")));
    QVERIFY(back.seek(0));
    QVERIFY(back.readAll().startsWith("name,direction,nominal_mm,tolerance,distribution,cpk\nbore,"));
    // A file that is no chain leaves the table as it was and says why, with its line.
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("name,nominal\nbore,40\n");
    file.close();
    QVERIFY(page->OpenFile(path).contains(QStringLiteral("第 1 行")));
    QCOMPARE(F<QTableWidget>("chainLinkTable")->rowCount(), 2);
    QVERIFY(F<QLabel>("chainFileProblemLabel")->isVisible());
}
