#include "framework/ole/AfxOleInit.h"

#include <ole2.h>

namespace
{
thread_local bool t_oleStarted = false;
bool g_controlContainer = false;
} // namespace

BOOL AfxOleInit()
{
    if (t_oleStarted)
        return TRUE;
    if (FAILED(::OleInitialize(nullptr)))
        return FALSE;
    t_oleStarted = true;
    return TRUE;
}

void AfxOleTerm()
{
    if (!t_oleStarted)
        return;
    t_oleStarted = false;
    ::OleUninitialize();
}

void AfxEnableControlContainer()
{
    g_controlContainer = true;
}

BOOL AfxIsControlContainerEnabled()
{
    return g_controlContainer;
}
