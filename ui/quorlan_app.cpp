#include "quorlan_app.h"

#include "dialog_units.h"
#include "quorlan_dlg.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool CQuorlanApp::InitInstance()
{
    // Message boxes and menus take the application font: the same CJK-capable one as the dialog.
    QApplication::setFont(DialogFont());
    // The dialog speaks Chinese whatever the locale, so Qt's own buttons (确定 for OK) do too.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    CQuorlanDlg dlg;
    dlg.exec();
    return false;
}
