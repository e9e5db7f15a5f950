#include "quorlan_app.h"

#include "dialog_units.h"
#include "quorlan_dlg.h"
#include "start_options.h"

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

bool CQuorlanApp::InitInstance()
{
    // Message boxes and menus take the application font: the same CJK-capable one as the dialog.
    QApplication::setFont(DialogFont());
    // The dialog speaks Chinese whatever the locale, so Qt's own buttons (确定 for OK) do too.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    const StartOptions options = ParseStartOptions(QCoreApplication::arguments());
    if (options.report) {
        m_exitCode = RunReportCommand(*options.report);
        return false;
    }
    // The dialog and the fit analysis window read their tables from the current directory.
    if (!options.tablesFolder.isEmpty() && !QDir::setCurrent(options.tablesFolder)) {
        std::fprintf(stderr, "%s: %s\n", QCoreApplication::applicationName().toUtf8().constData(),
                     (QStringLiteral("无法进入偏差表文件夹 ") + options.tablesFolder).toUtf8().constData());
    }

    CQuorlanDlg dlg;
    // Once the dialog is up, so that the window opens over it.
    if (options.fitWindow)
        QTimer::singleShot(0, &dlg, [&dlg, start = *options.fitWindow] { dlg.OpenFitWindow(start); });
    dlg.exec();
    return false;
}
