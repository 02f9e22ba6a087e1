#include "framework/core/ModuleState.h"

AFX_MODULE_STATE* AfxGetModuleState()
{
    static AFX_MODULE_STATE state = {nullptr, nullptr};
    return &state;
}

HINSTANCE AfxGetInstanceHandle()
{
    HINSTANCE instance = AfxGetModuleState()->m_hCurrentInstanceHandle;
    return instance != nullptr ? instance : GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    HINSTANCE resources = AfxGetModuleState()->m_hCurrentResourceHandle;
    return resources != nullptr ? resources : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

void AfxSetInstanceHandle(HINSTANCE hInstance)
{
    AfxGetModuleState()->m_hCurrentInstanceHandle = hInstance;
}
