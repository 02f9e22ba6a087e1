#include "toolkit/common/resources/XTPResourceModuleSwitch.h"
#include "framework/core/ModuleState.h"
#include "toolkit/common/resources/XTPResourceModule.h"

CXTPResourceModuleSwitch::CXTPResourceModuleSwitch()
    : m_bSwitched(FALSE)
    , m_hSavedResource(nullptr)
    , m_hSavedInstance(nullptr)
{
    Switch();
}

CXTPResourceModuleSwitch::~CXTPResourceModuleSwitch()
{
    Restore();
    m_hSavedResource = nullptr;
    m_hSavedInstance = nullptr;
}

void CXTPResourceModuleSwitch::Switch()
{
    HMODULE hModule = XTPGetResourceModule();
    if (!hModule || m_bSwitched)
        return;
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    m_hSavedResource = pState->m_hCurrentResourceHandle;
    m_hSavedInstance = pState->m_hCurrentInstanceHandle;
    pState->m_hCurrentResourceHandle = hModule;
    if (!pState->m_hCurrentInstanceHandle)
        pState->m_hCurrentInstanceHandle = XTPGetResourceInstance();
    m_bSwitched = TRUE;
}

void CXTPResourceModuleSwitch::Restore()
{
    if (!m_bSwitched)
        return;
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    pState->m_hCurrentResourceHandle = m_hSavedResource;
    pState->m_hCurrentInstanceHandle = m_hSavedInstance;
    m_bSwitched = FALSE;
}
