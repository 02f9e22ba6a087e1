// The process-wide module handles: the program's instance and the module
// that resources (strings, dialogs, bitmaps) are loaded from.
#pragma once
#include <windows.h>

struct AFX_MODULE_STATE
{
    HINSTANCE m_hCurrentInstanceHandle;
    HINSTANCE m_hCurrentResourceHandle;
};

AFX_MODULE_STATE* AfxGetModuleState();

// Both default to the program's own module.
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// A null handle restores the default.
void AfxSetResourceHandle(HINSTANCE hInstResource);
void AfxSetInstanceHandle(HINSTANCE hInstance);
