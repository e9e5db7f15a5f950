#include "quorlan_app.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    CQuorlanApp theApp;
    theApp.InitInstance();
    return 0;
}
