// The program's entry point: runs the application object that the program
// constructed (InitInstance, the message loop, ExitInstance).
#include "framework/win32/CWinApp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
