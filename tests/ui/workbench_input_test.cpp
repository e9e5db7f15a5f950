// Real keys and clicks under an X server (Xvfb), sent with xdotool: the main dialog runs modally,
// which blocks every window but its own children, and the workbench must still take
// input. Qt Test's own key events are handed straight to a widget and get past that block, so
// they could not show it.

#include "main_dialog/quorlan_dlg.h"
#include "workbench/workbench.h"
// moc cannot parse the C++20 library headers these bring in, and needs none of them.
#ifndef Q_MOC_RUN
#include "dialog/calc_state.h"
#endif

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

bool Xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

QString WindowId(const QWidget* window)
{
    return QString::number(window->winId());
}

// A real click at the middle of a widget: the pointer moves there on the X server.
bool ClickOn(const QWidget* widget, QPoint at = {})
{
    const QPoint global = widget->mapToGlobal(at.isNull() ? widget->rect().center() : at);
    return Xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(global.x()),
                    QString::number(global.y()), QStringLiteral("click"), QStringLiteral("1")});
}

// Real keys into the window that has the X input focus: the field's text is selected and typed over.
bool TypeOverFocused(const QString& text)
{
    return Xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("ctrl+a")})
        && Xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
}

bool FocusWindow(const QWidget* window)
{
    return Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), WindowId(window)});
}

// The window that has the X input focus, as the X server says.
QString FocusedWindowId()
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")});
    xdotool.waitForFinished();
    return QString::fromLatin1(xdotool.readAllStandardOutput()).trimmed();
}

} // namespace

class WorkbenchInputTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowTakesInputWhileDialogIsModal();

private:
    void Drive(CQuorlanDlg& dlg, QWidget& outsider, QLineEdit* outsiderBox);
    bool m_driven = false;
};

void WorkbenchInputTest::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server: run under Xvfb with QT_QPA_PLATFORM=xcb");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("needs xdotool");
    QVERIFY(QDir::setCurrent(QStringLiteral(QUORLAN_DATA_DIR)));
}

void WorkbenchInputTest::windowTakesInputWhileDialogIsModal()
{
    g_calcState = CalcState {};
    CQuorlanDlg dlg;
    // A window that is no child of the dialog: the dialog's modal run must block it.
    QWidget outsider;
    outsider.setWindowTitle(QStringLiteral("outsider"));
    auto* outsiderBox = new QLineEdit(&outsider);
    outsiderBox->setGeometry(10, 10, 180, 30);
    outsider.setGeometry(900, 600, 200, 50);
    outsider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&outsider));

    // Driven from inside the dialog's own modal run, as the program runs it; the dialog is closed
    // afterwards whatever happened.
    QTimer::singleShot(0, &dlg, [&] {
        Drive(dlg, outsider, outsiderBox);
        dlg.reject();
    });
    dlg.exec();
    QVERIFY(m_driven);
}

void WorkbenchInputTest::Drive(CQuorlanDlg& dlg, QWidget& outsider, QLineEdit* outsiderBox)
{
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(QApplication::activeModalWidget(), &dlg);

    // Ctrl+F from the keyboard, in the dialog.
    QVERIFY(FocusWindow(&dlg));
    QTRY_VERIFY(dlg.isActiveWindow());
    QVERIFY(Xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("ctrl+f")}));
    QTRY_VERIFY(dlg.OpenedWorkbench() && dlg.OpenedWorkbench()->isVisible());
    Workbench* window = dlg.OpenedWorkbench();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(FocusWindow(window));
    QTRY_VERIFY(window->isActiveWindow());

    // A click into the size field and keys typed there.
    auto* sizeBox = window->findChild<QLineEdit*>(QStringLiteral("fitSizeBox"));
    QVERIFY(ClickOn(sizeBox));
    QTRY_VERIFY(sizeBox->hasFocus());
    QVERIFY(TypeOverFocused(QStringLiteral("40")));
    QTRY_COMPARE(sizeBox->text(), QStringLiteral("40"));
    QTRY_COMPARE(window->findChild<QLabel*>(QStringLiteral("holeLargestValue"))->text(), QStringLiteral("40.025 mm"));

    // A click on a preferred fit.
    auto* table = window->findChild<QTableWidget*>(QStringLiteral("preferredFitTable"));
    QTableWidgetItem* pick = table->findItems(QStringLiteral("H7/k6"), Qt::MatchExactly).first();
    QVERIFY(ClickOn(table->viewport(), table->visualItemRect(pick).center()));
    QTRY_COMPARE(window->findChild<QLineEdit*>(QStringLiteral("fitDesignationBox"))->text(), QStringLiteral("H7/k6"));
    QTRY_COMPARE(window->findChild<QLabel*>(QStringLiteral("fitTypeValue"))->text(), QStringLiteral("过渡配合"));

    // The same input sent to a window outside the dialog goes nowhere: the block is real.
    QVERIFY(FocusWindow(&outsider));
    QCOMPARE(FocusedWindowId(), WindowId(&outsider));
    QVERIFY(ClickOn(outsiderBox));
    QVERIFY(Xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("x7")}));
    QTest::qWait(300);
    QCOMPARE(outsiderBox->text(), QString());

    // Back in the fit window, typing a designation still works.
    QVERIFY(FocusWindow(window));
    auto* designationBox = window->findChild<QLineEdit*>(QStringLiteral("fitDesignationBox"));
    QVERIFY(ClickOn(designationBox));
    QTRY_VERIFY(designationBox->hasFocus());
    QVERIFY(TypeOverFocused(QStringLiteral("H7/s6")));
    QTRY_COMPARE(window->findChild<QLabel*>(QStringLiteral("fitTypeValue"))->text(), QStringLiteral("过盈配合"));
    QVERIFY(dlg.isVisible());
    m_driven = true;
}

QTEST_MAIN(WorkbenchInputTest)
#include "workbench_input_test.moc"
