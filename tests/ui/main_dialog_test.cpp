#include "main_dialog/quorlan_dlg.h"
#include "ui_test_support.h"
#include "widgets/warning_message.h"
// moc cannot parse the C++20 library headers these bring in, and needs none of them.
#ifndef Q_MOC_RUN
#include "core/fit_type.h"
#include "core/scales.h"
#include "dialog/calc_state.h"
#include "dialog/messages.h"
#endif

#include <memory>
#include <span>
#include <string_view>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

namespace {

QString Utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList Texts(std::span<const std::string_view> texts)
{
    QStringList list;
    for (const auto text : texts)
        list.append(Utf8(text));
    return list;
}

} // namespace

class MainDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listsAtStart_data();
    void listsAtStart();
    void nothingChosenAtStart();
    void tabStopsInLayoutOrder();
    void layout();

    void typedTextIsNoChoice_data();
    void typedTextIsNoChoice();
    void clearButtons_data();
    void clearButtons();
    void basisSwitching_data();
    void basisSwitching();
    void preferredFits_data();
    void preferredFits();
    void radioGroupsAreIndependent();

    void sizeBoxConversions_data();
    void sizeBoxConversions();
    void settingSizeBoxReadsSize();

    void enterPressesExit_data();
    void enterPressesExit();
    void enterOnFocusedButtonPressesIt_data();
    void enterOnFocusedButtonPressesIt();
    void escapeAndCloseEndDialog_data();
    void escapeAndCloseEndDialog();

    void deviationRun_data();
    void deviationRun();
    void messageBoxes();
    void contextMenuOpensAbout();

private:
    template<class T> T* W(const char* name) const { return Child<T>(m_dlg.get(), name); }
    void Choose(const char* list, const QString& text) { ChooseWithKeys(W<QComboBox>(list), text); }
    void FocusOn(QWidget* widget);

    std::unique_ptr<ModalWatchdog> m_watchdog;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<CQuorlanDlg> m_dlg;
    std::unique_ptr<QSignalSpy> m_finished;
};

void MainDialogTest::initTestCase()
{
    // Numbers must keep their point whatever the locale says; the test environment asks for German.
    if (QLocale().decimalPoint() != QLatin1Char(','))
        qWarning("the locale does not use a decimal comma: the locale checks prove less");
}

void MainDialogTest::init()
{
    g_calcState = CalcState {};
    m_watchdog = std::make_unique<ModalWatchdog>();
    m_messages = std::make_unique<MessageRecorder>();
    m_dlg = std::make_unique<CQuorlanDlg>();
    m_finished = std::make_unique<QSignalSpy>(m_dlg.get(), &QDialog::finished);
    m_dlg->show();
    m_dlg->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
}

void MainDialogTest::cleanup()
{
    m_finished.reset();
    m_dlg.reset();
    m_messages.reset();
    const QStringList unexpected = m_watchdog->Unexpected();
    m_watchdog.reset();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1String("; "))));
}

void MainDialogTest::FocusOn(QWidget* widget)
{
    widget->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(widget->hasFocus());
}

void MainDialogTest::listsAtStart_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("control");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("size ranges") << "sizeRangeList" << int(Control::SizeRangeList) << Texts(kSizeRangeTexts);
    QTest::newRow("grades") << "gradeList" << int(Control::GradeList) << Texts(kGradeTexts);
    QTest::newRow("letters") << "letterList" << int(Control::LetterList) << QStringList();
    QTest::newRow("fits") << "fitsList" << int(Control::FitsList) << QStringList();
}

void MainDialogTest::listsAtStart()
{
    QFETCH(QString, list);
    QFETCH(int, control);
    QFETCH(QStringList, entries);
    const auto* combo = W<QComboBox>(qPrintable(list));
    QCOMPARE(EntriesOf(combo), entries);
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->currentText(), QString());
    QCOMPARE(m_dlg->SelectedPosition(Control(control)), -1);
}

void MainDialogTest::nothingChosenAtStart()
{
    for (const char* name : {"sizeBox", "toleranceBox", "upperBox", "lowerBox"})
        QVERIFY2(W<QLineEdit>(name)->text().isEmpty(), name);
    for (const char* name : {"shaftBasis", "holeBasis", "clearanceFits", "transitionFits", "interferenceFits"})
        QVERIFY2(!W<QRadioButton>(name)->isChecked(), name);
    QCOMPARE(g_calcState.nBasis, -1);
    QCOMPARE(g_calcState.dNominal, 0.0);
}

void MainDialogTest::tabStopsInLayoutOrder()
{
    const QStringList expected
        = {"exitButton",           "calcToleranceButton",  "sizeRangeList", "gradeList",        "sizeBox",
           "clearToleranceButton", "toleranceBox",         "upperBox",      "lowerBox",         "letterList",
           "calcDeviationButton",  "clearDeviationButton", "fitsList",      "otherValueButton", "exitButton"};
    QCOMPARE(QApplication::focusWidget(), W<QWidget>("exitButton"));
    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        // A list's text field hands its focus on to the list.
        while (focus && focus->objectName().isEmpty())
            focus = focus->parentWidget();
        visited.append(focus ? focus->objectName() : QString());
    }
    QCOMPARE(visited, expected);
}

void MainDialogTest::layout()
{
    // Clipped Chinese captions are the first thing a wrong dialog-unit conversion shows, and
    // frames or labels lying over a control swallow the clicks meant for it.
    for (auto* widget : m_dlg->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            text = button->text();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->text();
        const QByteArray what = (text + widget->objectName()).toUtf8();
        QVERIFY2(m_dlg->rect().contains(widget->geometry()), what.constData());
        QVERIFY2(widget->fontMetrics().horizontalAdvance(text) <= widget->width(), what.constData());
        QVERIFY2(widget->fontMetrics().height() <= widget->height(), what.constData());
        if (widget->objectName().isEmpty())
            continue;
        QWidget* hit = m_dlg->childAt(widget->geometry().center());
        while (hit && hit->parentWidget() != m_dlg.get())
            hit = hit->parentWidget();
        QVERIFY2(hit == widget, what.constData());
    }
}

void MainDialogTest::typedTextIsNoChoice_data()
{
    QTest::addColumn<QString>("chosen"); // chosen first, with the keyboard; empty: nothing
    QTest::addColumn<bool>("byMouse"); // chosen with the mouse instead
    QTest::addColumn<QString>("typed"); // then typed over the text; empty: nothing typed
    QTest::addColumn<bool>("enter"); // the field is left with Enter, which ends the dialog, not Tab
    QTest::addColumn<int>("position");
    QTest::newRow("typed only") << "" << false << "IT7" << false << -1;
    QTest::newRow("typed only, enter") << "" << false << "IT7" << true << -1;
    QTest::newRow("typed, not an entry") << "" << false << "7" << false << -1;
    QTest::newRow("chosen, then typed over") << "IT7" << false << "IT8" << false << -1;
    QTest::newRow("chosen, then typed over, enter") << "IT7" << false << "IT8" << true << -1;
    QTest::newRow("chosen, then typed the same") << "IT7" << false << "IT7" << false << 8;
    QTest::newRow("chosen with keys") << "IT7" << false << "" << false << 8;
    QTest::newRow("chosen with keys, enter") << "IT5" << false << "" << true << 6;
    QTest::newRow("chosen with the mouse") << "IT12" << true << "" << false << 13;
    QTest::newRow("chosen with the mouse, then typed") << "IT01" << true << "IT01 " << false << -1;
}

void MainDialogTest::typedTextIsNoChoice()
{
    QFETCH(QString, chosen);
    QFETCH(bool, byMouse);
    QFETCH(QString, typed);
    QFETCH(bool, enter);
    QFETCH(int, position);

    auto* grades = W<QComboBox>("gradeList");
    FocusOn(grades);
    if (!chosen.isEmpty())
        byMouse ? ChooseWithPopup(grades, chosen) : ChooseWithKeys(grades, chosen);
    if (!typed.isEmpty())
        TypeOver(grades, typed);
    // Leaving the field must neither choose nor insert anything.
    QTest::keyClick(grades, enter ? Qt::Key_Return : Qt::Key_Tab);

    QCOMPARE(m_dlg->SelectedPosition(Control::GradeList), position);
    QCOMPARE(EntriesOf(grades), Texts(kGradeTexts));
    QCOMPARE(m_finished->count(), enter ? 1 : 0);
    if (enter)
        return;
    Click(W<QPushButton>("calcToleranceButton"));
    QCOMPARE(g_calcState.nGrade, position);
}

void MainDialogTest::clearButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("toleranceSide");
    QTest::newRow("tolerance side") << "clearToleranceButton" << true;
    QTest::newRow("deviation side") << "clearDeviationButton" << false;
}

void MainDialogTest::clearButtons()
{
    QFETCH(QString, button);
    QFETCH(bool, toleranceSide);

    Choose("sizeRangeList", ">18-30");
    Choose("gradeList", "IT7");
    TypeOver(W<QLineEdit>("sizeBox"), "25");
    Click(W<QPushButton>("calcToleranceButton"));
    Click(W<QRadioButton>("holeBasis"));
    Choose("letterList", "P");
    TypeOver(W<QLineEdit>("upperBox"), "-0.0140");
    TypeOver(W<QLineEdit>("lowerBox"), "-0.0350");
    QCOMPARE(W<QLineEdit>("toleranceBox")->text(), "0.0210");

    Click(W<QPushButton>(qPrintable(button)));

    const bool deviationSide = !toleranceSide;
    QCOMPARE(W<QLineEdit>("sizeBox")->text().isEmpty(), toleranceSide);
    QCOMPARE(W<QLineEdit>("toleranceBox")->text().isEmpty(), toleranceSide);
    QCOMPARE(g_calcState.dNominal, toleranceSide ? 0.0 : 25.0);
    QCOMPARE(m_dlg->SelectedPosition(Control::SizeRangeList), toleranceSide ? -1 : 4);
    QCOMPARE(m_dlg->SelectedPosition(Control::GradeList), toleranceSide ? -1 : 8);
    QCOMPARE(W<QComboBox>("sizeRangeList")->currentText().isEmpty(), toleranceSide);
    QCOMPARE(W<QComboBox>("gradeList")->currentText().isEmpty(), toleranceSide);

    QCOMPARE(W<QLineEdit>("upperBox")->text().isEmpty(), deviationSide);
    QCOMPARE(W<QLineEdit>("lowerBox")->text().isEmpty(), deviationSide);
    QCOMPARE(m_dlg->SelectedPosition(Control::LetterList), deviationSide ? -1 : 16);
    QCOMPARE(W<QComboBox>("letterList")->currentText().isEmpty(), deviationSide);

    // Clearing deselects; the entries stay, and so does the basis.
    QCOMPARE(W<QComboBox>("sizeRangeList")->count(), kSizeRangeCount);
    QCOMPARE(W<QComboBox>("gradeList")->count(), kGradeCount);
    QCOMPARE(EntriesOf(W<QComboBox>("letterList")), Texts(kHoleLetters));
    QVERIFY(W<QRadioButton>("holeBasis")->isChecked());
    QCOMPARE(g_calcState.nBasis, int(kBasisHole));
    QCOMPARE(m_messages->Texts(), QStringList());
}

void MainDialogTest::basisSwitching_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("letters");
    QTest::addColumn<int>("basis");
    QTest::newRow("hole, then shaft") << "holeBasis"
                                      << "P"
                                      << "shaftBasis" << Texts(kShaftLetters) << 1;
    QTest::newRow("shaft, then hole") << "shaftBasis"
                                      << "js"
                                      << "holeBasis" << Texts(kHoleLetters) << 0;
    QTest::newRow("hole clicked again") << "holeBasis"
                                        << "ZC"
                                        << "holeBasis" << Texts(kHoleLetters) << 0;
}

void MainDialogTest::basisSwitching()
{
    QFETCH(QString, first);
    QFETCH(QString, chosen);
    QFETCH(QString, second);
    QFETCH(QStringList, letters);
    QFETCH(int, basis);

    auto* letterList = W<QComboBox>("letterList");
    Click(W<QRadioButton>(qPrintable(first)));
    QCOMPARE(letterList->count(), kLetterCount);
    QCOMPARE(m_dlg->SelectedPosition(Control::LetterList), -1);
    ChooseWithPopup(letterList, chosen);
    QCOMPARE(letterList->currentText(), chosen);
    const int chosenPosition = m_dlg->SelectedPosition(Control::LetterList);
    QVERIFY(chosenPosition >= 0);

    Click(W<QRadioButton>(qPrintable(second)));
    QCOMPARE(EntriesOf(letterList), letters);
    QCOMPARE(m_dlg->SelectedPosition(Control::LetterList), -1);
    QCOMPARE(letterList->currentText(), QString());
    QCOMPARE(g_calcState.nBasis, basis);
    // The letters of both bases stand at the same positions.
    QCOMPARE(letters.at(chosenPosition).toUpper(), chosen.toUpper());
}

void MainDialogTest::preferredFits_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("fitButton");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("fits");
    QTest::addColumn<int>("fitClass");
    const QStringList none;
    QTest::newRow("no basis") << none << "transitionFits" << none << none << 1;
    QTest::newRow("hole, clearance") << QStringList {"holeBasis"} << "clearanceFits" << none
                                     << QStringList {"G7/h6", "H7/h6", "F8/h7",   "H8/h7",
                                                     "D9/h9", "H9/h9", "C11/h11", "H11/h11"}
                                     << 0;
    QTest::newRow("shaft, interference") << QStringList {"shaftBasis"} << "interferenceFits" << none
                                         << QStringList {"H7/p6", "H7/s6", "H7/k6", "H7/u6"} << 2;
    QTest::newRow("shaft, transition") << QStringList {"shaftBasis"} << "transitionFits" << none
                                       << QStringList {"H7/k6", "H7/n6"} << 1;
    // The list follows the fit class button only, not a later basis change.
    QTest::newRow("hole, transition, then shaft") << QStringList {"holeBasis"} << "transitionFits"
                                                  << QStringList {"shaftBasis"} << QStringList {"K7/h6", "N7/h6"} << 1;
    QTest::newRow("shaft then hole, interference") << QStringList {"shaftBasis", "holeBasis"} << "interferenceFits"
                                                   << none << QStringList {"P7/h6", "S7/h6", "U7/h6"} << 2;
}

void MainDialogTest::preferredFits()
{
    QFETCH(QStringList, before);
    QFETCH(QString, fitButton);
    QFETCH(QStringList, after);
    QFETCH(QStringList, fits);
    QFETCH(int, fitClass);

    auto* fitsList = W<QComboBox>("fitsList");
    for (const QString& name : before)
        Click(W<QRadioButton>(qPrintable(name)));
    Click(W<QRadioButton>(qPrintable(fitButton)));
    for (const QString& name : after)
        Click(W<QRadioButton>(qPrintable(name)));

    QCOMPARE(EntriesOf(fitsList), fits);
    QCOMPARE(fitsList->currentIndex(), -1);
    QCOMPARE(fitsList->currentText(), QString());
    QCOMPARE(g_calcState.nFitClass, fitClass);
}

void MainDialogTest::radioGroupsAreIndependent()
{
    auto* hole = W<QRadioButton>("holeBasis");
    auto* shaft = W<QRadioButton>("shaftBasis");
    auto* clearance = W<QRadioButton>("clearanceFits");
    auto* interference = W<QRadioButton>("interferenceFits");

    Click(hole);
    Click(clearance);
    QVERIFY(hole->isChecked() && clearance->isChecked());
    Click(shaft);
    QVERIFY(shaft->isChecked() && !hole->isChecked() && clearance->isChecked());
    Click(interference);
    QVERIFY(shaft->isChecked() && interference->isChecked() && !clearance->isChecked());
    // Arrow keys move within a group and choose as a click does.
    QTest::keyClick(interference, Qt::Key_Up);
    QVERIFY(W<QRadioButton>("transitionFits")->isChecked());
    QVERIFY(shaft->isChecked());
    QCOMPARE(g_calcState.nFitClass, int(FitType::Transition));
}

void MainDialogTest::sizeBoxConversions_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("nominal");
    QTest::newRow("unit after the number") << "12.5mm" << 12.5;
    QTest::newRow("leading space") << " 7" << 7.0;
    QTest::newRow("exponent") << "1e2" << 100.0;
    QTest::newRow("decimal comma stops the number") << "0,5" << 0.0;
    QTest::newRow("no number") << "abc" << 0.0;
}

void MainDialogTest::sizeBoxConversions()
{
    QFETCH(QString, typed);
    QFETCH(double, nominal);
    g_calcState.dNominal = 999.0;
    auto* sizeBox = W<QLineEdit>("sizeBox");
    sizeBox->setText(QStringLiteral("1"));
    FocusOn(sizeBox);
    TypeOver(sizeBox, typed);
    QCOMPARE(sizeBox->text(), typed);
    QCOMPARE(g_calcState.dNominal, nominal);
}

void MainDialogTest::settingSizeBoxReadsSize()
{
    m_dlg->SetBoxText(Control::SizeBox, "12.5");
    QCOMPARE(g_calcState.dNominal, 12.5);
    // Setting the text it already has must read it all the same.
    g_calcState.dNominal = 0.0;
    m_dlg->SetBoxText(Control::SizeBox, "12.5");
    QCOMPARE(g_calcState.dNominal, 12.5);
    QCOMPARE(m_dlg->BoxText(Control::SizeBox), "12.5");
}

void MainDialogTest::enterPressesExit_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("typed"); // into a list first: the start of entries, which a completer would finish
    QTest::newRow("size box") << "sizeBox" << int(Qt::Key_Return) << "";
    QTest::newRow("size box, keypad enter") << "sizeBox" << int(Qt::Key_Enter) << "";
    QTest::newRow("tolerance box") << "toleranceBox" << int(Qt::Key_Return) << "";
    QTest::newRow("lower deviation box") << "lowerBox" << int(Qt::Key_Return) << "";
    QTest::newRow("size range list") << "sizeRangeList" << int(Qt::Key_Return) << "";
    QTest::newRow("size range list with typed text") << "sizeRangeList" << int(Qt::Key_Return) << ">1";
    QTest::newRow("grade list with typed text") << "gradeList" << int(Qt::Key_Return) << "IT";
    QTest::newRow("basis button") << "holeBasis" << int(Qt::Key_Return) << "";
    QTest::newRow("fit class button") << "clearanceFits" << int(Qt::Key_Return) << "";
    QTest::newRow("exit button") << "exitButton" << int(Qt::Key_Return) << "";
}

void MainDialogTest::enterPressesExit()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, typed);
    QWidget* target = W<QWidget>(qPrintable(focus));
    if (qobject_cast<QRadioButton*>(target))
        Click(target);
    else
        FocusOn(target);
    auto* combo = qobject_cast<QComboBox*>(target);
    const QStringList entries = combo ? EntriesOf(combo) : QStringList();
    if (combo)
        QTest::keyClicks(combo, typed);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

    QCOMPARE(m_finished->count(), 1);
    QCOMPARE(m_finished->first().first().toInt(), int(QDialog::Accepted));
    QVERIFY(!m_dlg->isVisible());
    if (combo) {
        QCOMPARE(combo->currentText(), typed);
        QCOMPARE(EntriesOf(combo), entries);
        QCOMPARE(combo->currentIndex(), -1);
    }
}

void MainDialogTest::enterOnFocusedButtonPressesIt_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("expected");
    QTest::newRow("tolerance calculation") << "calcToleranceButton"
                                           << "toleranceBox"
                                           << "0.0210";
    QTest::newRow("clear tolerance side") << "clearToleranceButton"
                                          << "sizeBox"
                                          << "";
    QTest::newRow("clear deviation side") << "clearDeviationButton"
                                          << "upperBox"
                                          << "";
    QTest::newRow("other value") << "otherValueButton"
                                 << "upperBox"
                                 << "x";
}

void MainDialogTest::enterOnFocusedButtonPressesIt()
{
    QFETCH(QString, button);
    QFETCH(QString, box);
    QFETCH(QString, expected);
    Choose("sizeRangeList", ">18-30");
    Choose("gradeList", "IT7");
    TypeOver(W<QLineEdit>("sizeBox"), "25");
    TypeOver(W<QLineEdit>("upperBox"), "x");

    auto* pushButton = W<QPushButton>(qPrintable(button));
    FocusOn(pushButton);
    QTest::keyClick(pushButton, Qt::Key_Return);

    QCOMPARE(W<QLineEdit>(qPrintable(box))->text(), expected);
    QCOMPARE(m_finished->count(), 0);
    QVERIFY(m_dlg->isVisible());
    // Focus back in a text field: Enter is the exit button's again.
    FocusOn(W<QLineEdit>("sizeBox"));
    QTest::keyClick(W<QLineEdit>("sizeBox"), Qt::Key_Return);
    QCOMPARE(m_finished->count(), 1);
}

void MainDialogTest::escapeAndCloseEndDialog_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("closeWindow");
    QTest::newRow("escape in size box") << "sizeBox" << false;
    QTest::newRow("escape in list") << "letterList" << false;
    QTest::newRow("escape on button") << "calcDeviationButton" << false;
    QTest::newRow("window closed") << "sizeBox" << true;
}

void MainDialogTest::escapeAndCloseEndDialog()
{
    QFETCH(QString, focus);
    QFETCH(bool, closeWindow);
    TypeOver(W<QLineEdit>("sizeBox"), "25");
    QWidget* target = W<QWidget>(qPrintable(focus));
    FocusOn(target);
    if (closeWindow)
        QVERIFY(m_dlg->close());
    else
        QTest::keyClick(target, Qt::Key_Escape);
    QCOMPARE(m_finished->count(), 1);
    QCOMPARE(m_finished->first().first().toInt(), int(QDialog::Rejected));
    QVERIFY(!m_dlg->isVisible());
    QCOMPARE(m_messages->Texts(), QStringList());
}

void MainDialogTest::deviationRun_data()
{
    QTest::addColumn<QString>("sizeRange");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("basis");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QStringList>("messages");
    const QStringList none;
    QTest::newRow("hole P7") << ">18-30"
                             << "IT7"
                             << "25"
                             << "holeBasis"
                             << "P"
                             << "0.0210"
                             << "-0.0140"
                             << "-0.0350" << none;
    QTest::newRow("shaft g6") << ">18-30"
                              << "IT6"
                              << "25"
                              << "shaftBasis"
                              << "g"
                              << "0.0130"
                              << "-0.0070"
                              << "-0.0200" << none;
    QTest::newRow("hole P2 has no value") << ">18-30"
                                          << "IT2"
                                          << "25"
                                          << "holeBasis"
                                          << "P"
                                          << "0.0025"
                                          << ""
                                          << "" << QStringList {Utf8(kMsgNoFundamentalDeviation)};
}

void MainDialogTest::deviationRun()
{
    QFETCH(QString, sizeRange);
    QFETCH(QString, grade);
    QFETCH(QString, size);
    QFETCH(QString, basis);
    QFETCH(QString, letter);
    QFETCH(QString, tolerance);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QFETCH(QStringList, messages);

    const QString dataDir = QStringLiteral(QUORLAN_DATA_DIR);
    if (!QFile::exists(dataDir + QStringLiteral("/ES_EI_H.ini")))
        QSKIP("the deviation tables are not in the data folder");
    // The dialog reads the tables from the current directory, as the installed program does.
    const QString previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dataDir));
    const auto restoreDir = qScopeGuard([&] { QDir::setCurrent(previousDir); });

    Choose("sizeRangeList", sizeRange);
    Choose("gradeList", grade);
    TypeOver(W<QLineEdit>("sizeBox"), size);
    Click(W<QRadioButton>(qPrintable(basis)));
    ChooseWithPopup(W<QComboBox>("letterList"), letter);
    // Results of an earlier run must not survive a failed one.
    W<QLineEdit>("upperBox")->setText(QStringLiteral("old"));
    W<QLineEdit>("lowerBox")->setText(QStringLiteral("old"));
    Click(W<QPushButton>("calcDeviationButton"));

    QCOMPARE(W<QLineEdit>("toleranceBox")->text(), tolerance);
    QCOMPARE(W<QLineEdit>("upperBox")->text(), upper);
    QCOMPARE(W<QLineEdit>("lowerBox")->text(), lower);
    QCOMPARE(m_messages->Texts(), messages);
}

void MainDialogTest::messageBoxes()
{
    m_messages.reset(); // the real message boxes
    struct Seen
    {
        QString title, text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        bool parentIsDialog;
        int boxesOpen;
    };
    QList<Seen> seen;
    m_watchdog->SetHandler([&](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        if (!box) {
            window->close();
            return;
        }
        int boxesOpen = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            boxesOpen += qobject_cast<QMessageBox*>(top) && top->isVisible();
        seen.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                     box->parentWidget() == m_dlg.get(), boxesOpen});
        QTest::keyClick(box, Qt::Key_Return);
    });

    m_dlg->ShowMessage("第一条");
    m_dlg->ShowMessage("第二条");
    // A calculation without any choice ends in the failure message.
    Click(W<QPushButton>("calcDeviationButton"));

    QStringList texts;
    for (const Seen& box : seen)
        texts.append(box.text);
    QCOMPARE(texts,
             (QStringList {QStringLiteral("第一条"), QStringLiteral("第二条"), Utf8(kMsgEnterValidSize),
                           Utf8(kMsgNoFundamentalDeviation)}));
    QVERIFY(!QCoreApplication::applicationName().isEmpty());
    for (const Seen& box : seen) {
        QCOMPARE(box.title, QCoreApplication::applicationName());
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(box.parentIsDialog);
        QCOMPARE(box.boxesOpen, 1);
    }
    QVERIFY(m_dlg->isVisible());
}

void MainDialogTest::contextMenuOpensAbout()
{
    QStringList menuEntries;
    QString aboutTitle;
    m_watchdog->SetHandler([&](QWidget* window) {
        if (auto* menu = qobject_cast<QMenu*>(window)) {
            QAction* about = nullptr;
            for (QAction* action : menu->actions()) {
                menuEntries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
                if (!action->isSeparator())
                    about = action;
            }
            if (!about) {
                menu->close();
                return;
            }
            const QPoint centre = menu->actionGeometry(about).center();
            QTest::mouseMove(menu, centre);
            QTest::mouseClick(menu, Qt::LeftButton, {}, centre);
        } else {
            aboutTitle = window->windowTitle();
            QVERIFY(window->parentWidget() == m_dlg.get());
            QTest::keyClick(window, Qt::Key_Escape);
        }
    });

    // A right click on the dialog's free area, below the groups.
    const QPoint freeArea(m_dlg->width() / 4, m_dlg->height() - 5);
    QVERIFY(m_dlg->childAt(freeArea) == nullptr);
    QContextMenuEvent event(QContextMenuEvent::Mouse, freeArea, m_dlg->mapToGlobal(freeArea));
    QApplication::sendEvent(m_dlg.get(), &event);

    QCOMPARE(menuEntries, (QStringList {"-", QStringLiteral("工作台(&F)..."), QStringLiteral("关于 Quorlan(&A)...")}));
    QCOMPARE(aboutTitle, QStringLiteral("关于此软件的版本说明"));
    QVERIFY(m_dlg->isVisible());
}

QTEST_MAIN(MainDialogTest)
#include "main_dialog_test.moc"
