// For the length of a scope, the framework loads resources from the
// toolkit's resource module (when one is set); the previous handles come
// back when the scope ends, also through an exception.
#pragma once
#include <windows.h>

class CXTPResourceModuleSwitch
{
public:
    CXTPResourceModuleSwitch();
    ~CXTPResourceModuleSwitch();
    CXTPResourceModuleSwitch(const CXTPResourceModuleSwitch&) = delete;
    CXTPResourceModuleSwitch& operator=(const CXTPResourceModuleSwitch&) = delete;

    void Switch();
    void Restore();

private:
    BOOL m_bSwitched;
    HINSTANCE m_hSavedResource;
    HINSTANCE m_hSavedInstance;
};
