#include "start/quorlan_app.h"

#include <cstring>

#include <QApplication>

int main(int argc, char* argv[])
{
    // A report shows no window: it needs no display, so scripts can run it on a server.
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--report", 8) == 0 && (argv[i][8] == '\0' || argv[i][8] == '=')
            && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    CQuorlanApp theApp;
    theApp.InitInstance();
    return theApp.ExitCode();
}
