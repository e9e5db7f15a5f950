#include "main_dialog/quorlan_dlg.h"
#include "start/quorlan_app.h"
#include "start/start_options.h"
#include "ui_test_support.h"
#include "workbench/workbench.h"
#include "workbench/workbench_language.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

// The workbench: the workbench as a program of its own, its memory, its keys and its
// English. Settings go to a folder of the test's own (XDG_CONFIG_HOME, set by CTest).

namespace {

const QString kDataDir = QStringLiteral(QUORLAN_DATA_DIR);

template<class T> T* F(const QWidget* window, const char* name)
{
    return Child<T>(window, name);
}

QString Designation(const QWidget* window)
{
    return F<QLineEdit>(window, "fitDesignationBox")->text();
}

} // namespace

class WorkbenchTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsAloneInEnglish();
    void remembersInputsAcrossStarts();
    void movingThroughPreferredFitsKeepsTheFit();
    void outlivesTheDialog();
    void opensAChainFileOnItsTab();
    void everyTabFitsALaptopScreen_data();
    void everyTabFitsALaptopScreen();

private:
    std::unique_ptr<Workbench> Open(const std::optional<FitStart>& start);
};

void WorkbenchTest::init()
{
    QVERIFY(!qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"));
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("quorlan"), QStringLiteral("workbench"))
        .clear();
}

void WorkbenchTest::cleanup()
{
    ApplyWorkbenchLanguage(WorkbenchLanguage::Chinese);
}

std::unique_ptr<Workbench> WorkbenchTest::Open(const std::optional<FitStart>& start)
{
    auto window = std::make_unique<Workbench>(start, kDataDir.toStdString());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    return window;
}

void WorkbenchTest::startsAloneInEnglish()
{
    const StartOptions options
        = ParseStartOptions({QStringLiteral("quorlan"), QStringLiteral("--workbench"), QStringLiteral("--lang"),
                             QStringLiteral("en"), QStringLiteral("--fit"), QStringLiteral("H7/s6"),
                             QStringLiteral("--size"), QStringLiteral("40"), QStringLiteral("--tables"), kDataDir});
    QVERIFY(options.workbench);
    QPointer<Workbench> window = OpenWorkbench(options);
    QVERIFY(QTest::qWaitForWindowExposed(window.data()));
    // No main dialog: the window is the program's one window.
    for (const QWidget* shown : QApplication::topLevelWidgets())
        QVERIFY(!shown->isVisible() || shown == window || !qobject_cast<const QDialog*>(shown));
    QCOMPARE(window->windowTitle(), QStringLiteral("Workbench - Quorlan"));
    const struct
    {
        const char* name;
        const char* english;
    } texts[] = {
        {"fitTypeValue", "Interference fit"},
        {"fitExtreme1Caption", "Largest interference Ymax"},
        {"holeHeading", "Hole H7"},
    };
    for (const auto& text : texts)
        QCOMPARE(F<QLabel>(window, text.name)->text(), QString::fromUtf8(text.english));
    auto* tabs = F<QTabWidget>(window, "fitTabs");
    QCOMPARE(tabs->tabText(1), QStringLiteral("Fit finder"));
    QCOMPARE(window->menuBar()->actions().first()->text(), QStringLiteral("&File"));
    // The service tab's refusal starts with the term, as the report's does.
    tabs->setCurrentWidget(F<QWidget>(window, "servicePage"));
    TypeOver(F<QLineEdit>(window, "serviceHubOutsideBox"), QStringLiteral("40"));
    QCOMPARE(F<QLabel>(window, "serviceProblemLabel")->text(),
             QStringLiteral("Hub outside diameter must be larger than the bore (the nominal size)."));
    // A refusal in English too, and every menu action there.
    TypeOver(F<QLineEdit>(window, "fitDesignationBox"), QStringLiteral("H7/c7"));
    TypeOver(F<QLineEdit>(window, "fitSizeBox"), QStringLiteral("1000"));
    QCOMPARE(F<QLabel>(window, "fitProblemLabel")->text(),
             QStringLiteral("The standard gives Shaft c7 only up to 500 mm, not at a nominal size of 1000 mm."));
    for (const char* name : {"actionExportReport", "actionPrint", "actionExportCsv", "actionCopyResults",
                             "actionSaveDiagram", "actionQuit", "actionGuide", "actionAbout"})
        QVERIFY2(window->findChild<QAction*>(QLatin1String(name)), name);

    // Back to Chinese from the View menu, inputs kept.
    window->findChild<QAction*>(QStringLiteral("actionChinese"))->trigger();
    QCOMPARE(window->windowTitle(), QStringLiteral("工作台 - Quorlan"));
    QCOMPARE(Designation(window), QStringLiteral("H7/c7"));
    QCOMPARE(F<QLineEdit>(window, "fitSizeBox")->text(), QStringLiteral("1000"));
    window->close();
    QTRY_VERIFY(window.isNull());
}

void WorkbenchTest::remembersInputsAcrossStarts()
{
    {
        auto window = Open(FitStart {"40", "H7/k6"});
        QVERIFY(window);
        F<QTabWidget>(window.get(), "fitTabs")->setCurrentIndex(2);
        TypeOver(F<QLineEdit>(window.get(), "serviceHubOutsideBox"), QStringLiteral("80"));
        ChooseWithKeys(F<QComboBox>(window.get(), "serviceHubMaterialList"),
                       F<QComboBox>(window.get(), "serviceHubMaterialList")->itemText(2));
        TypeOver(F<QLineEdit>(window.get(), "serviceHubYoungsModulusBox"), QStringLiteral("123456"));
        F<QTabWidget>(window.get(), "fitTabs")->setCurrentIndex(1);
        TypeOver(F<QLineEdit>(window.get(), "finderMaxClearanceBox"), QStringLiteral("45"));
        window->close();
    }
    auto window = Open(std::nullopt);
    QVERIFY(window);
    QCOMPARE(Designation(window.get()), QStringLiteral("H7/k6"));
    QCOMPARE(F<QLineEdit>(window.get(), "fitSizeBox")->text(), QStringLiteral("40"));
    QCOMPARE(F<QTabWidget>(window.get(), "fitTabs")->currentIndex(), 1);
    QCOMPARE(F<QLineEdit>(window.get(), "finderMaxClearanceBox")->text(), QStringLiteral("45"));
    QCOMPARE(F<QLineEdit>(window.get(), "serviceHubOutsideBox")->text(), QStringLiteral("80"));
    QCOMPARE(F<QComboBox>(window.get(), "serviceHubMaterialList")->currentIndex(), 2);
    // Typed over the material's own value, and kept.
    QCOMPARE(F<QLineEdit>(window.get(), "serviceHubYoungsModulusBox")->text(), QStringLiteral("123456"));

    // The defaults come back from the menu, and stay.
    window->findChild<QAction*>(QStringLiteral("actionRestoreDefaults"))->trigger();
    QCOMPARE(Designation(window.get()), QStringLiteral("H7/g6"));
    QCOMPARE(F<QLineEdit>(window.get(), "serviceHubOutsideBox")->text(), QString());
    window.reset();
    window = Open(std::nullopt);
    QCOMPARE(F<QLineEdit>(window.get(), "fitSizeBox")->text(), QStringLiteral("25"));
}

void WorkbenchTest::movingThroughPreferredFitsKeepsTheFit()
{
    auto window = Open(FitStart {"25", "H7/k6"});
    QVERIFY(window);
    auto* table = F<QTableWidget>(window.get(), "preferredFitTable");
    F<QComboBox>(window.get(), "shaftGradeList")->setFocus();
    // Into the table and through it: Tab, arrows, PgDn, then Tab out.
    const Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_PageDown, Qt::Key_Tab};
    for (const Qt::Key key : keys) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(Designation(window.get()), QStringLiteral("H7/k6"));
    }
    // Space and Enter choose.
    table->setFocus();
    table->setCurrentCell(0, 0);
    QTest::keyClick(table, Qt::Key_Space);
    QCOMPARE(Designation(window.get()), table->item(0, 0)->text());
    table->setCurrentCell(1, 0);
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(Designation(window.get()), table->item(1, 0)->text());
}

void WorkbenchTest::outlivesTheDialog()
{
    auto dlg = std::make_unique<CQuorlanDlg>();
    dlg->OpenWorkbench(FitStart {"40", "H8/f7"});
    QPointer<Workbench> window = dlg->OpenedWorkbench();
    QVERIFY(window && window->isVisible());
    dlg->close();
    KeepWorkbenchOpen(*dlg);
    dlg.reset();
    QVERIFY(!window.isNull());
    QVERIFY(window->isVisible());
    QCOMPARE(Designation(window), QStringLiteral("H8/f7"));
    window->close();
}

void WorkbenchTest::everyTabFitsALaptopScreen_data()
{
    QTest::addColumn<bool>("english");
    QTest::newRow("Chinese") << false;
    QTest::newRow("English") << true;
}

// The window a first start opens on a 1366 × 768 screen (nine tenths of it): no tab scrolls sideways.
void WorkbenchTest::everyTabFitsALaptopScreen()
{
    QFETCH(bool, english);
    ApplyWorkbenchLanguage(english ? WorkbenchLanguage::English : WorkbenchLanguage::Chinese);
    const auto window = Open(std::nullopt);
    QVERIFY(window);
    window->resize(1229, 691);
    auto* tabs = F<QTabWidget>(window.get(), "fitTabs");
    const QScrollBar* sideways = F<QScrollArea>(window.get(), "fitScrollArea")->horizontalScrollBar();
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QTest::qWait(50);
        QVERIFY2(sideways->maximum() == 0, qPrintable(tabs->tabText(tab)));
    }
}

// `quorlan --workbench --chain FILE`: the chain tab with the file's links; a file it cannot read
// gives its reason there, the window open all the same.
void WorkbenchTest::opensAChainFileOnItsTab()
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("gap.csv"));
    QFile csv(file);
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("name,direction,nominal_mm,tolerance\nhousing,1,50,H8\nshaft,-1,49.8,h7\n");
    csv.close();
    for (const QString& opened : {file, folder.filePath(QStringLiteral("missing.csv"))}) {
        const StartOptions options
            = ParseStartOptions({QStringLiteral("quorlan"), QStringLiteral("--workbench"), QStringLiteral("--chain"),
                                 opened, QStringLiteral("--tables"), kDataDir});
        QCOMPARE(options.chainFile, opened);
        QPointer<Workbench> window = OpenWorkbench(options);
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        QCOMPARE(F<QTabWidget>(window, "fitTabs")->currentWidget(), F<QWidget>(window, "chainPage"));
        const auto* links = F<QTableWidget>(window, "chainLinkTable");
        const QString problem = F<QLabel>(window, "chainFileProblemLabel")->text();
        if (opened == file) {
            QCOMPARE(links->item(1, 0)->text(), QStringLiteral("shaft"));
            QCOMPARE(links->item(1, 3)->text(), QStringLiteral("h7"));
            QVERIFY(problem.isEmpty());
        } else {
            QVERIFY2(problem.contains(QStringLiteral("missing.csv")), qPrintable(problem));
        }
        window->close();
        QTRY_VERIFY(window.isNull());
    }
}

QTEST_MAIN(WorkbenchTest)
#include "workbench_test.moc"
