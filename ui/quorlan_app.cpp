#include "quorlan_app.h"

#include "dialog_units.h"
#include "fit_window.h"
#include "quorlan_dlg.h"
#include "start_options.h"
#include "workbench_language.h"

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

FitWindow* OpenWorkbench(const StartOptions& options)
{
    ChooseLanguageAtFirstWindow(ParseLanguage(options.language));
    auto* window = new FitWindow(options.fitWindow, options.tablesFolder.toStdString());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

void KeepFitWindowOpen(CQuorlanDlg& dlg)
{
    FitWindow* window = dlg.OpenedFitWindow();
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
    // Whole, so that it still names the folder once the program has gone into it.
    if (!options.tablesFolder.isEmpty())
        options.tablesFolder = QFileInfo(options.tablesFolder).absoluteFilePath();
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
        m_exitCode = RunReportCommand(*options.report);
        return false;
    }
    // The dialog and the fit analysis window read their tables from the current directory.
    if (!options.tablesFolder.isEmpty() && !QDir::setCurrent(options.tablesFolder)) {
        std::fprintf(stderr, "%s: %s\n", QCoreApplication::applicationName().toUtf8().constData(),
                     (QStringLiteral("无法进入偏差表文件夹 ") + options.tablesFolder).toUtf8().constData());
    }

    if (options.workbench) {
        // The program ends when its last window closes.
        OpenWorkbench(options);
        m_exitCode = QApplication::exec();
        return false;
    }

    CQuorlanDlg dlg;
    // Once the dialog is up, so that the window opens over it.
    if (options.fitWindow)
        QTimer::singleShot(0, &dlg, [&dlg, start = *options.fitWindow] { dlg.OpenFitWindow(start); });
    dlg.exec();
    // Closing the dialog leaves an open fit analysis window, and its inputs, to the user.
    if (dlg.OpenedFitWindow() && dlg.OpenedFitWindow()->isVisible()) {
        KeepFitWindowOpen(dlg);
        m_exitCode = QApplication::exec();
    }
    return false;
}
