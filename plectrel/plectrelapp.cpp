#include "plectrelapp.h"

#include "appicon.h"
#include "plectreldlg.h"

CPlectrelApp::CPlectrelApp(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(kApplicationName);
    setApplicationVersion(QStringLiteral("1.0"));
    setDesktopFileName(QStringLiteral("plectrel"));
    setWindowIcon(ApplicationIcon());
}

void CPlectrelApp::InitInstance()
{
    CPlectrelDlg dialog;
    dialog.exec();
}
