#include "start/quorlan_app.h"

#include "main_dialog/dialog_units.h"
#include "main_dialog/quorlan_dlg.h"
#include "start/start_options.h"
#include "start/start_tables.h"
#include "workbench/workbench.h"
#include "workbench/workbench_language.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

Workbench* OpenWorkbench(const StartOptions& options)
{
    ChooseLanguageAtFirstWindow(ParseLanguage(options.language));
    auto* window = new Workbench(options.workbenchStart, LocateStartTables(options.tablesFolder));
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (!options.chainFile.isEmpty())
        window->OpenChainFile(options.chainFile);
    window->show();
    return window;
}

void KeepWorkbenchOpen(CQuorlanDlg& dlg)
{
    Workbench* window = dlg.OpenedWorkbench();
    if (!window || !window->isVisible())
        return;
    // Out of the dialog, which takes its children along when it goes; where it stood on screen.
    const QByteArray geometry = window->saveGeometry();
    window->setParent(nullptr, Qt::Window);
    window->restoreGeometry(geometry);
    window->show();
}

bool CQuorlanApp::InitInstance()
{
    // Message boxes and menus take the application font: the same CJK-capable one as the dialog.
    QApplication::setFont(DialogFont());
    StartOptions options = ParseStartOptions(QCoreApplication::arguments());
    ChooseLanguageAtFirstWindow(ParseLanguage(options.language));
    // The dialog speaks Chinese whatever the locale, so Qt's own buttons (确定 for OK) do too; the
    // workbench alone has them in its own language.
    QTranslator qtTexts;
    if (!options.workbench || options.language == QLatin1String("zh")
        || (options.language.isEmpty() && LanguageOfLocale(QLocale::system()) == WorkbenchLanguage::Chinese)) {
        if (qtTexts.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(&qtTexts);
    }

    if (options.report) {
        // --tables must name a folder (the report says so); without it, the tables are looked for.
        if (options.report->tablesFolder.isEmpty())
            options.report->tablesFolder = QFile::decodeName(LocateStartTables({}).c_str());
        m_exitCode = RunReportCommand(*options.report);
        return false;
    }

    if (options.workbench) {
        // The program ends when its last window closes.
        OpenWorkbench(options);
        m_exitCode = QApplication::exec();
        return false;
    }

    CQuorlanDlg dlg(LocateStartTables(options.tablesFolder));
    // Once the dialog is up, so that the window opens over it.
    if (options.workbenchStart)
        QTimer::singleShot(0, &dlg, [&dlg, start = *options.workbenchStart] { dlg.OpenWorkbench(start); });
    dlg.exec();
    // Closing the dialog leaves an open workbench, and its inputs, to the user.
    if (dlg.OpenedWorkbench() && dlg.OpenedWorkbench()->isVisible()) {
        KeepWorkbenchOpen(dlg);
        m_exitCode = QApplication::exec();
    }
    return false;
}
