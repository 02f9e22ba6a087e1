// The program's entry point: runs the application object's start-up and
// message loop. Only programs with a window subsystem pull this in.
#include "framework/windows/CWinApp.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
