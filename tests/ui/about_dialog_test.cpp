#include "main_dialog/about_dlg.h"
#include "main_dialog/system_command.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class AboutDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void aboutCommand_data();
    void aboutCommand();
    void contents();
    void closing_data();
    void closing();
};

void AboutDialogTest::aboutCommand_data()
{
    QTest::addColumn<unsigned>("command");
    QTest::addColumn<bool>("about");
    QTest::addColumn<bool>("workbench");
    QTest::newRow("about") << 16u << true << false;
    QTest::newRow("about, low bits set") << 17u << true << false;
    QTest::newRow("about, all low bits set") << 31u << true << false;
    QTest::newRow("below") << 15u << false << false;
    QTest::newRow("fit window") << 32u << false << true;
    QTest::newRow("fit window, all low bits set") << 47u << false << true;
    QTest::newRow("above both") << 48u << false << false;
    QTest::newRow("zero") << 0u << false << false;
    QTest::newRow("size") << 0xF000u << false << false;
    QTest::newRow("move by keyboard") << 0xF012u << false << false;
    QTest::newRow("close") << 0xF060u << false << false;
    QTest::newRow("window menu by key") << 0xF100u << false << false;
}

void AboutDialogTest::aboutCommand()
{
    QFETCH(unsigned, command);
    QFETCH(bool, about);
    QFETCH(bool, workbench);
    QCOMPARE(IsAboutCommand(command), about);
    QCOMPARE(IsWorkbenchCommand(command), workbench);
}

void AboutDialogTest::contents()
{
    CAboutDlg dlg;
    QCOMPARE(dlg.windowTitle(), QStringLiteral("关于此软件的版本说明"));
    QCOMPARE(dlg.findChild<QLabel*>("versionLabel")->text(), QStringLiteral("Quorlan1.0 版"));
    QVERIFY(!dlg.findChild<QLabel*>("noticeLabel")->text().isEmpty());
    QVERIFY(!dlg.findChild<QLabel*>("contactLabel")->text().isEmpty());
    const auto* ok = dlg.findChild<QPushButton*>("okButton");
    QCOMPARE(ok->text(), QStringLiteral("确定"));
    QVERIFY(ok->isDefault());
    for (const auto* label : dlg.findChildren<QLabel*>())
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(label->text()));
    QVERIFY(dlg.minimumSize() == dlg.maximumSize());
}

void AboutDialogTest::closing_data()
{
    QTest::addColumn<int>("key"); // 0: the OK button is clicked; -1: the window is closed
    QTest::addColumn<int>("result");
    QTest::newRow("enter") << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(QDialog::Accepted);
    QTest::newRow("escape") << int(Qt::Key_Escape) << int(QDialog::Rejected);
    QTest::newRow("ok clicked") << 0 << int(QDialog::Accepted);
    QTest::newRow("window closed") << -1 << int(QDialog::Rejected);
}

void AboutDialogTest::closing()
{
    QFETCH(int, key);
    QFETCH(int, result);
    CAboutDlg dlg;
    QSignalSpy finished(&dlg, &QDialog::finished);
    // Driven from inside its own modal loop, as the main dialog runs it.
    QTimer::singleShot(0, &dlg, [&] {
        QWidget* focus = dlg.focusWidget() ? dlg.focusWidget() : &dlg;
        if (key > 0)
            QTest::keyClick(focus, Qt::Key(key));
        else if (key == 0)
            QTest::mouseClick(dlg.findChild<QPushButton*>("okButton"), Qt::LeftButton);
        else
            dlg.close();
    });
    QTimer::singleShot(5000, &dlg, [&] { dlg.done(-1); }); // a box that stays open fails, not hangs
    QCOMPARE(dlg.exec(), result);
    QCOMPARE(finished.count(), 1);
}

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
