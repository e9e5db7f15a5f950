#include "main_dialog/quorlan_dlg.h"
#include "start/start_options.h"
#include "start/start_tables.h"
#include "ui_test_support.h"
#include "workbench/analysis/fit_diagram_view.h"
#include "workbench/workbench.h"
// moc cannot parse the C++20 library headers these bring in, and needs none of them.
#ifndef Q_MOC_RUN
#include "core/table_id.h"
#include "dialog/calc_state.h"
#endif

#include <memory>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

// moc cannot parse the C++20 library headers these bring in, and needs none of them.
#ifndef Q_MOC_RUN
#include "core/decimal_text.h"
#include "core/fit_analysis.h"
#include "core/fit_diagram.h"
#include "core/loaded_tables.h"
#endif

namespace {

const QString kDataDir = QStringLiteral(QUORLAN_DATA_DIR);

// What the window shows: its reason, or else its results (never both).
struct Shown
{
    QString problem;
    QString type;
    QString extreme1;
    QString extreme2;
    QString holeUpper;
    QString shaftLower;
    QString drawingLine;
};

} // namespace

class WorkbenchWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensFromContextMenu();
    void opensWithShortcut_data();
    void opensWithShortcut();
    void opensOnDialogState_data();
    void opensOnDialogState();
    void opensOnceAndRaises();
    void keysStayInTheWindow();
    void resizableAndDiagramReadable();

    void typedDesignation_data();
    void typedDesignation();
    void sizeAndClassLists();
    void preferredFitTable();
    void badInput_data();
    void badInput();
    void badTableFile_data();
    void badTableFile();

    void copyDrawingLine();
    void saveDiagram_data();
    void saveDiagram();
    void startOptions_data();
    void startOptions();
    void startTables_data();
    void startTables();

private:
    Workbench* OpenWindow();
    template<class T> T* F(const char* name) const { return Child<T>(m_dlg->OpenedWorkbench(), name); }
    Shown Read() const;
    void TypeDesignation(const QString& text) { TypeOver(F<QLineEdit>("fitDesignationBox"), text); }

    std::unique_ptr<ModalWatchdog> m_watchdog;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<CQuorlanDlg> m_dlg;
};

void WorkbenchWindowTest::initTestCase()
{
    // The program reads its tables from the current directory.
    QVERIFY(QDir::setCurrent(kDataDir));
}

void WorkbenchWindowTest::init()
{
    g_calcState = CalcState {};
    m_watchdog = std::make_unique<ModalWatchdog>();
    m_messages = std::make_unique<MessageRecorder>();
    m_dlg = std::make_unique<CQuorlanDlg>();
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
}

void WorkbenchWindowTest::cleanup()
{
    m_dlg.reset();
    // Every reason is shown in the window: no message box, no message of the dialog.
    QCOMPARE(m_messages->Texts(), QStringList());
    m_messages.reset();
    const QStringList unexpected = m_watchdog->Unexpected();
    m_watchdog.reset();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1String("; "))));
}

Workbench* WorkbenchWindowTest::OpenWindow()
{
    // The shortcut belongs to the dialog's window: it works while that window is the active one.
    m_dlg->activateWindow();
    if (!QTest::qWaitForWindowActive(m_dlg.get()))
        return nullptr;
    QTest::keyClick(m_dlg.get(), Qt::Key_F, Qt::ControlModifier);
    return m_dlg->OpenedWorkbench();
}

Shown WorkbenchWindowTest::Read() const
{
    Shown shown;
    if (F<QStackedWidget>("fitOutput")->currentWidget() != F<QWidget>("fitResultsPage")) {
        shown.problem = F<QLabel>("fitProblemLabel")->text();
        return shown;
    }
    auto text = [&](const char* name) {
        return F<QLabel>(name)->text();
    };
    shown.type = text("fitTypeValue");
    shown.extreme1 = text("fitExtreme1Caption") + QLatin1Char(' ') + text("fitExtreme1Value");
    shown.extreme2 = text("fitExtreme2Caption") + QLatin1Char(' ') + text("fitExtreme2Value");
    shown.holeUpper = text("holeUpperValue");
    shown.shaftLower = text("shaftLowerValue");
    shown.drawingLine = F<QLineEdit>("drawingLineBox")->text();
    return shown;
}

void WorkbenchWindowTest::opensFromContextMenu()
{
    m_watchdog->SetHandler([&](QWidget* window) {
        auto* menu = qobject_cast<QMenu*>(window);
        QAction* entry = menu ? menu->actions().value(1) : nullptr;
        if (!entry || entry->text() != QStringLiteral("工作台(&F)...")) {
            window->close();
            return;
        }
        const QPoint centre = menu->actionGeometry(entry).center();
        QTest::mouseMove(menu, centre);
        QTest::mouseClick(menu, Qt::LeftButton, {}, centre);
    });
    const QPoint freeArea(m_dlg->width() / 4, m_dlg->height() - 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, freeArea, m_dlg->mapToGlobal(freeArea));
    QApplication::sendEvent(m_dlg.get(), &event);

    Workbench* window = m_dlg->OpenedWorkbench();
    QVERIFY(window && window->isVisible());
    // A window of its own, not modal, yet the dialog's child: the dialog's modal run leaves it open to input.
    QVERIFY(window->isWindow() && !window->isModal());
    QCOMPARE(window->parentWidget(), m_dlg.get());
    QCOMPARE(window->windowTitle(), QStringLiteral("工作台 - Quorlan"));
    QCOMPARE(F<QTabWidget>("fitTabs")->tabText(0), QStringLiteral("配合分析"));
}

void WorkbenchWindowTest::opensWithShortcut_data()
{
    QTest::addColumn<QString>("focus");
    for (const char* name : {"sizeBox", "gradeList", "upperBox", "exitButton"})
        QTest::newRow(name) << name;
}

void WorkbenchWindowTest::opensWithShortcut()
{
    QFETCH(QString, focus);
    auto* target = Child<QWidget>(m_dlg.get(), qPrintable(focus));
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    auto* edit = qobject_cast<QLineEdit*>(target);
    if (edit)
        edit->setText(QStringLiteral("12"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);

    QVERIFY(m_dlg->OpenedWorkbench() && m_dlg->OpenedWorkbench()->isVisible());
    // The key is the shortcut's alone: no text field took it.
    if (edit)
        QCOMPARE(edit->text(), QStringLiteral("12"));
}

void WorkbenchWindowTest::opensOnDialogState_data()
{
    QTest::addColumn<QStringList>("dialog"); // size typed, basis clicked, letter and grade chosen; "" for none
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("fit");
    const struct
    {
        const char* name;
        QStringList dialog;
        const char* size;
        const char* fit;
    } rows[] = {
        {"nothing there", {"", "", "", ""}, "25", "H7/g6"},
        {"hole basis", {"40", "holeBasis", "P", "IT7"}, "40", "P7/h6"},
        {"shaft basis", {"12.5", "shaftBasis", "js", "IT5"}, "12.5", "H7/js5"},
        {"size read as the dialog reads it", {"18mm", "", "", ""}, "18", "H7/g6"},
        {"letter without grade", {"30", "holeBasis", "F", ""}, "30", "H7/g6"},
        {"size 0", {"0", "holeBasis", "K", "IT6"}, "25", "K6/h6"},
        {"size over 500", {"501", "", "", ""}, "25", "H7/g6"},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.dialog << row.size << row.fit;
}

void WorkbenchWindowTest::opensOnDialogState()
{
    QFETCH(QStringList, dialog);
    QFETCH(QString, size);
    QFETCH(QString, fit);
    TypeOver(Child<QLineEdit>(m_dlg.get(), "sizeBox"), dialog[0]);
    if (!dialog[1].isEmpty())
        Click(Child<QRadioButton>(m_dlg.get(), qPrintable(dialog[1])));
    if (!dialog[2].isEmpty())
        ChooseWithKeys(Child<QComboBox>(m_dlg.get(), "letterList"), dialog[2]);
    if (!dialog[3].isEmpty())
        ChooseWithKeys(Child<QComboBox>(m_dlg.get(), "gradeList"), dialog[3]);

    QVERIFY(OpenWindow());
    QCOMPARE(F<QLineEdit>("fitSizeBox")->text(), size);
    QCOMPARE(F<QLineEdit>("fitDesignationBox")->text(), fit);
    QCOMPARE(Read().problem, QString());
}

void WorkbenchWindowTest::opensOnceAndRaises()
{
    Workbench* first = OpenWindow();
    QVERIFY(first);
    TypeDesignation(QStringLiteral("H8/f7"));
    // Asked again, the one window comes up as it was.
    QCOMPARE(OpenWindow(), first);
    QCOMPARE(m_dlg->findChildren<Workbench*>().size(), 1);
    QCOMPARE(F<QLineEdit>("fitDesignationBox")->text(), QStringLiteral("H8/f7"));

    // Closed, it is gone; the next one starts afresh on the dialog.
    const QPointer<Workbench> closed(first);
    first->close();
    QTRY_VERIFY(closed.isNull());
    QVERIFY(OpenWindow());
    QCOMPARE(F<QLineEdit>("fitDesignationBox")->text(), QStringLiteral("H7/g6"));
}

void WorkbenchWindowTest::keysStayInTheWindow()
{
    QSignalSpy finished(m_dlg.get(), &QDialog::finished);
    const QPointer<Workbench> window(OpenWindow());
    QVERIFY(window);
    // Enter and Esc end the dialog only when typed there.
    QTest::keyClick(F<QLineEdit>("fitSizeBox"), Qt::Key_Return);
    QTest::keyClick(F<QLineEdit>("fitSizeBox"), Qt::Key_Escape);
    QCOMPARE(finished.count(), 0);
    // And the dialog's Tab key stays among the dialog's own controls.
    m_dlg->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    Child<QWidget>(m_dlg.get(), "exitButton")->setFocus();
    for (int tab = 0; tab < 20; ++tab) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->window(), m_dlg.get());
    }

    // Closing the dialog ends the program as before: its child window goes with it.
    QTest::keyClick(Child<QWidget>(m_dlg.get(), "exitButton"), Qt::Key_Escape);
    QCOMPARE(finished.count(), 1);
    m_dlg.reset();
    QVERIFY(window.isNull());
}

void WorkbenchWindowTest::resizableAndDiagramReadable()
{
    Workbench* window = OpenWindow();
    QVERIFY(window);
    QCOMPARE(window->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    auto* diagram = F<FitDiagramView>("fitDiagram");
    // Small enough for a small screen at 200 %: the contents scroll where space runs short.
    QVERIFY(window->minimumSizeHint().width() <= 900 && window->minimumSizeHint().height() <= 560);
    // At the window's smallest size the drawing keeps its own size, where its texts are readable.
    window->resize(window->minimumSizeHint());
    QTRY_COMPARE(window->size(), window->minimumSizeHint());
    QVERIFY(diagram->DrawingRect().width() >= kFitDiagramWidthPx);
    QVERIFY(diagram->DrawingRect().height() >= kFitDiagramHeightPx);
    window->resize(F<QWidget>("fitContents")->minimumSizeHint() + QSize(400, 300));
    QTRY_VERIFY(diagram->DrawingRect().width() > kFitDiagramWidthPx + 100);
    QVERIFY(!diagram->grab().toImage().allGray()); // drawn: the zones are in colour
}

void WorkbenchWindowTest::typedDesignation_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("fit");
    QTest::addColumn<QStringList>("expected"); // type, first extreme, second extreme, drawing line
    const struct
    {
        const char* name;
        const char* size;
        const char* fit;
        QStringList expected;
    } rows[] = {
        {"clearance",
         "40",
         "H7/g6",
         {"间隙配合", "最大间隙 Xmax +0.050 mm (+50 µm)", "最小间隙 Xmin +0.009 mm (+9 µm)",
          "Ø40 H7(+0.025/0)/g6(-0.009/-0.025)"}},
        {"transition",
         "25",
         "H7/k6",
         {"过渡配合", "最大间隙 Xmax +0.019 mm (+19 µm)", "最大过盈 Ymax -0.015 mm (-15 µm)",
          "Ø25 H7(+0.021/0)/k6(+0.015/+0.002)"}},
        {"interference, spaces ignored",
         " 25 ",
         " H7 / s6 ",
         {"过盈配合", "最大过盈 Ymax -0.048 mm (-48 µm)", "最小过盈 Ymin -0.014 mm (-14 µm)",
          "Ø25 H7(+0.021/0)/s6(+0.048/+0.035)"}},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.size << row.fit << row.expected;
}

void WorkbenchWindowTest::typedDesignation()
{
    QFETCH(QString, size);
    QFETCH(QString, fit);
    QFETCH(QStringList, expected);
    QVERIFY(OpenWindow());
    TypeOver(F<QLineEdit>("fitSizeBox"), size);
    TypeDesignation(fit);

    const Shown shown = Read();
    QCOMPARE(shown.problem, QString());
    QCOMPARE((QStringList {shown.type, shown.extreme1, shown.extreme2, shown.drawingLine}), expected);
    // The class lists follow the typed fit.
    const QString plainFit = QString(fit).remove(QLatin1Char(' '));
    QCOMPARE(F<QComboBox>("holeLetterList")->currentText() + F<QComboBox>("holeGradeList")->currentText().mid(2),
             plainFit.section(QLatin1Char('/'), 0, 0));
    // The diagram is the engine's drawing of the same fit: one drawing for window, file and command line.
    const auto analysis = AnalyseFit(LoadDeviationTables({}), *ParseFitDesignation(plainFit.toStdString()),
                                     *ParseMillimetres(size.trimmed().toStdString()));
    QVERIFY(analysis.HasValue());
    QCOMPARE(F<FitDiagramView>("fitDiagram")->Svg(), QByteArray::fromStdString(FitDiagramSvg(*analysis)));
}

void WorkbenchWindowTest::sizeAndClassLists()
{
    QVERIFY(OpenWindow());
    TypeOver(F<QLineEdit>("fitSizeBox"), QStringLiteral("40"));
    QCOMPARE(Read().holeUpper, QStringLiteral("+0.025 mm (+25 µm)"));
    // Each change shows at once, in the fit field and the results.
    ChooseWithKeys(F<QComboBox>("shaftLetterList"), QStringLiteral("f"));
    QCOMPARE(F<QLineEdit>("fitDesignationBox")->text(), QStringLiteral("H7/f6"));
    QCOMPARE(Read().shaftLower, QStringLiteral("-0.041 mm (-41 µm)"));
    ChooseWithPopup(F<QComboBox>("holeGradeList"), QStringLiteral("IT8"));
    QCOMPARE(F<QLineEdit>("fitDesignationBox")->text(), QStringLiteral("H8/f6"));
    TypeOver(F<QLineEdit>("fitSizeBox"), QStringLiteral("100"));
    QCOMPARE(Read().drawingLine, QStringLiteral("Ø100 H8(+0.054/0)/f6(-0.036/-0.058)"));
}

void WorkbenchWindowTest::preferredFitTable()
{
    QVERIFY(OpenWindow());
    auto* table = F<QTableWidget>("preferredFitTable");
    // Both bases: fits on an h shaft and on an H hole.
    for (const char* fit : {"G7/h6", "H7/g6", "N7/h6", "H7/n6", "U7/h6", "H7/u6"})
        QVERIFY2(!table->findItems(QLatin1String(fit), Qt::MatchExactly).isEmpty(), fit);
    QCOMPARE(table->currentItem() ? table->currentItem()->text() : QString(), QStringLiteral("H7/g6"));

    QTableWidgetItem* pick = table->findItems(QStringLiteral("S7/h6"), Qt::MatchExactly).first();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(pick).center());
    QCOMPARE(F<QLineEdit>("fitDesignationBox")->text(), QStringLiteral("S7/h6"));
    QCOMPARE(Read().type, QStringLiteral("过盈配合"));
    // A fit off the lists picks none.
    TypeDesignation(QStringLiteral("H6/h5"));
    QVERIFY(!table->currentItem());
}

void WorkbenchWindowTest::badInput_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("fit");
    QTest::addColumn<QString>("problem");
    const struct
    {
        const char* name;
        const char* size;
        const char* fit;
        const char* problem;
    } rows[] = {
        {"unknown letter", "25", "I7/g6", "没有基本偏差“I”（孔为 A 至 ZC，轴为 a 至 zc）。"},
        {"grade beyond the lists", "25", "H19/g6", "“H19”的公差等级不在 IT01 至 IT18 之内。"},
        {"shaft before the slash", "25", "g6/H7", "斜线前是孔，基本偏差用大写字母，如 H7。"},
        {"size 0", "0", "H7/g6", "基本尺寸须大于 0 且不大于 3150 mm。"},
        {"size over 3150", "3150.001", "H7/g6", "基本尺寸须大于 0 且不大于 3150 mm。"},
        {"size not a number", "25mm", "H7/g6", "基本尺寸应是一个数，如 40 或 12.5。"},
        {"no value at this size", "25", "H7/cd6", "标准没有给出基本尺寸 25 mm 的轴 cd6 的极限偏差。"},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.size << row.fit << QString::fromUtf8(row.problem);
}

void WorkbenchWindowTest::badInput()
{
    QFETCH(QString, size);
    QFETCH(QString, fit);
    QFETCH(QString, problem);
    QVERIFY(OpenWindow());
    TypeOver(F<QLineEdit>("fitSizeBox"), size);
    TypeDesignation(fit);

    QCOMPARE(Read().problem, problem);
    QVERIFY(F<QLabel>("fitProblemLabel")->isVisible());
    QVERIFY(!F<QWidget>("fitResultsPage")->isVisible());
    // Put right, the results come back at once.
    TypeOver(F<QLineEdit>("fitSizeBox"), QStringLiteral("25"));
    TypeDesignation(QStringLiteral("H7/g6"));
    QCOMPARE(Read().problem, QString());
}

void WorkbenchWindowTest::badTableFile_data()
{
    QTest::addColumn<QByteArray>("content"); // of the holes' file; null: missing
    QTest::addColumn<QString>("problem"); // %1: the folder
    QTest::newRow("missing") << QByteArray() << QStringLiteral("找不到偏差表文件 ES_EI_H.ini（在 %1）。");
    QTest::newRow("empty") << QByteArray("\n \n") << QStringLiteral("偏差表文件 ES_EI_H.ini 是空的（在 %1）。");
}

void WorkbenchWindowTest::badTableFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);
    // Every table but the holes' one, in a folder given to the dialog: the current directory holds
    // good tables, so a window that read there would show no problem.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    for (const TableId table : kAllTables) {
        const QString name = QString::fromLatin1(TableFileName(table).data(), qsizetype(TableFileName(table).size()));
        if (table != TableId::Hole)
            QVERIFY(QFile::copy(kDataDir + QLatin1Char('/') + name, folder.filePath(name)));
    }
    const QString holes = folder.filePath(QStringLiteral("ES_EI_H.ini"));
    if (!content.isNull()) {
        QFile file(holes);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    m_dlg = std::make_unique<CQuorlanDlg>(folder.path().toStdString());
    m_dlg->show();

    QVERIFY(OpenWindow());
    QCOMPARE(Read().problem, problem.arg(QDir(folder.path()).canonicalPath()));
    // A fit that needs nothing from that file: JS is symmetric, h comes from the shafts' file.
    TypeDesignation(QStringLiteral("JS7/h6"));
    QCOMPARE(Read().problem, QString());
    // The tables are read at every change: once the file is right, so are the results.
    QFile::remove(holes);
    QVERIFY(QFile::copy(kDataDir + QStringLiteral("/ES_EI_H.ini"), holes));
    TypeDesignation(QStringLiteral("H7/g6"));
    QCOMPARE(Read().problem, QString());
}

void WorkbenchWindowTest::copyDrawingLine()
{
    QVERIFY(OpenWindow());
    TypeOver(F<QLineEdit>("fitSizeBox"), QStringLiteral("40"));
    QGuiApplication::clipboard()->clear();
    Click(F<QPushButton>("copyDrawingLineButton"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Ø40 H7(+0.025/0)/g6(-0.009/-0.025)"));
}

void WorkbenchWindowTest::saveDiagram_data()
{
    QTest::addColumn<QString>("name"); // chosen in the file dialog; empty: cancelled
    QTest::addColumn<QString>("filter"); // the file type chosen there
    QTest::addColumn<QString>("written"); // the file expected; empty: none
    QTest::newRow("svg") << "diagram.svg"
                         << "SVG"
                         << "diagram.svg";
    QTest::newRow("png") << "diagram.png"
                         << "SVG"
                         << "diagram.png";
    QTest::newRow("png type, no extension") << "diagram"
                                            << "PNG"
                                            << "diagram.png";
    QTest::newRow("cancelled") << ""
                               << "SVG"
                               << "";
}

void WorkbenchWindowTest::saveDiagram()
{
    QFETCH(QString, name);
    QFETCH(QString, filter);
    QFETCH(QString, written);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(OpenWindow());
    QString dialogTitle;
    m_watchdog->SetHandler([&](QWidget* window) {
        auto* dialog = qobject_cast<QFileDialog*>(window);
        if (!dialog) {
            window->close();
            return;
        }
        dialogTitle = dialog->windowTitle();
        for (const QString& offered : dialog->nameFilters()) {
            if (offered.startsWith(filter))
                dialog->selectNameFilter(offered);
        }
        // Typed into its file name field, as a user does; the field takes a whole path.
        Child<QLineEdit>(dialog, "fileNameEdit")->setText(folder.filePath(name));
        if (name.isEmpty())
            dialog->reject();
        else
            static_cast<QDialog*>(dialog)->accept(); // as its save button does
    });
    // Nothing is written without the user asking.
    QVERIFY(QDir(folder.path()).isEmpty());
    Click(F<QPushButton>("saveDiagramButton"));
    QCOMPARE(dialogTitle, QStringLiteral("保存配合图"));

    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), written.isEmpty() ? QStringList() : QStringList {written});
    if (written.endsWith(QLatin1String(".svg"))) {
        QFile file(folder.filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), F<FitDiagramView>("fitDiagram")->Svg());
    } else if (written.endsWith(QLatin1String(".png"))) {
        const QImage image(folder.filePath(written));
        QCOMPARE(image.size(), QSize(2 * kFitDiagramWidthPx, 2 * kFitDiagramHeightPx));
        QVERIFY(!image.allGray());
    }
}

void WorkbenchWindowTest::startOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected"); // the window's size and fit, none when it does not open; tables
    QTest::newRow("none") << QStringList {} << QStringList {""};
    QTest::newRow("fit and size") << QStringList {"--fit", "H7/k6", "--size", "40"} << QStringList {"", "40", "H7/k6"};
    QTest::newRow("fit alone") << QStringList {"--fit=P7/h6"} << QStringList {"", "25", "P7/h6"};
    QTest::newRow("size alone, tables") << QStringList {"--size", "12.5", "--tables", "/opt/t"}
                                        << QStringList {"/opt/t", "12.5", "H7/g6"};
}

void WorkbenchWindowTest::startOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    const StartOptions options = ParseStartOptions(QStringList {QStringLiteral("quorlan")} + arguments);
    QStringList found {options.tablesFolder};
    if (options.workbenchStart)
        found << QString::fromStdString(options.workbenchStart->sizeText)
              << QString::fromStdString(options.workbenchStart->designation);
    QCOMPARE(found, expected);
}

void WorkbenchWindowTest::startTables_data()
{
    QTest::addColumn<QString>("option"); // --tables
    QTest::addColumn<QString>("environment"); // QUORLAN_TABLES; empty: unset
    QTest::addColumn<QString>("expected"); // empty: the current directory (the data folder here)
    const QString elsewhere = QDir::tempPath();
    QTest::newRow("the current directory") << ""
                                           << ""
                                           << "";
    QTest::newRow("--tables first") << kDataDir << elsewhere << kDataDir;
    QTest::newRow("then QUORLAN_TABLES") << "" << elsewhere << elsewhere;
    QTest::newRow("no folder: passed over") << "/no/such/folder" << elsewhere << elsewhere;
}

// The program finds its tables in the order the command line does, without changing directory.
void WorkbenchWindowTest::startTables()
{
    QFETCH(QString, option);
    QFETCH(QString, environment);
    QFETCH(QString, expected);
    if (!environment.isEmpty())
        qputenv("QUORLAN_TABLES", environment.toUtf8());
    const auto restore = qScopeGuard([] { qunsetenv("QUORLAN_TABLES"); });
    QCOMPARE(QString::fromStdString(LocateStartTables(option).string()), expected);
    QCOMPARE(QDir::currentPath(), QDir(kDataDir).canonicalPath());
}

QTEST_MAIN(WorkbenchWindowTest)
#include "workbench_window_test.moc"
