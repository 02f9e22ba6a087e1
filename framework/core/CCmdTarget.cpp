#include "framework/core/CCmdTarget.h"

#include "framework/windows/CCmdUI.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

DWORD CCmdTarget::InternalAddRef()
{
    return static_cast<DWORD>(InterlockedIncrement(&m_dwRef));
}

DWORD CCmdTarget::InternalRelease()
{
    // A release of an object that is already at 0 would destroy it twice.
    if (m_dwRef <= 0)
        return 0;
    long count = InterlockedDecrement(&m_dwRef);
    if (count == 0)
        OnFinalRelease();
    return static_cast<DWORD>(count);
}

DWORD CCmdTarget::ExternalAddRef()
{
    return InternalAddRef();
}

DWORD CCmdTarget::ExternalRelease()
{
    return InternalRelease();
}

void CCmdTarget::OnFinalRelease()
{
    delete this;
}

const AFX_INTERFACEMAP* CCmdTarget::GetThisInterfaceMap()
{
    static const AFX_INTERFACEMAP_ENTRY entries[] = {{nullptr, nullptr}};
    static const AFX_INTERFACEMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_INTERFACEMAP* CCmdTarget::GetInterfaceMap() const
{
    return GetThisInterfaceMap();
}

LPUNKNOWN CCmdTarget::GetInterface(const void* iid)
{
    if (iid == nullptr)
        return nullptr;
    const IID& wanted = *static_cast<const IID*>(iid);
    const bool unknown = IsEqualIID(wanted, IID_IUnknown);
    for (const AFX_INTERFACEMAP* map = GetInterfaceMap(); map != nullptr;
         map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_INTERFACEMAP_ENTRY* entry = map->pEntry; entry->piid != nullptr; ++entry) {
            if (unknown || IsEqualIID(wanted, *entry->piid))
                return static_cast<LPUNKNOWN>(entry->pfnGetPart(this));
        }
    }
    return nullptr;
}

DWORD CCmdTarget::InternalQueryInterface(const void* iid, LPVOID* ppvObj)
{
    if (ppvObj == nullptr)
        return static_cast<DWORD>(E_POINTER);
    LPUNKNOWN lpUnk = GetInterface(iid);
    *ppvObj = lpUnk;
    if (lpUnk == nullptr)
        return static_cast<DWORD>(E_NOINTERFACE);
    ExternalAddRef();
    return S_OK;
}

DWORD CCmdTarget::ExternalQueryInterface(const void* iid, LPVOID* ppvObj)
{
    return InternalQueryInterface(iid, ppvObj);
}

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT message;
    UINT code;
    if (static_cast<UINT>(nCode) == CN_UPDATE_COMMAND_UI) {
        message = WM_COMMAND;
        code = 0xFFFF;
    } else {
        message = HIWORD(static_cast<UINT>(nCode));
        code = LOWORD(static_cast<UINT>(nCode));
        if (message == 0)
            message = WM_COMMAND;
    }
    const AFX_MSGMAP_ENTRY* entry = AfxFindMessageEntry(GetMessageMap(), message, code, nID);
    if (entry == nullptr)
        return FALSE;
    if (pHandlerInfo != nullptr) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pmf = entry->pfn;
        return TRUE;
    }
    AFX_MSGCALL call = {message, 0, 0, nID, code, pExtra, 0};
    if (code == 0xFFFF && (message == WM_COMMAND || message == WM_COMMAND + WM_REFLECT_BASE) && pExtra != nullptr) {
        // An update handler may pass the update on with ContinueRouting.
        CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
        pCmdUI->m_bContinueRouting = FALSE;
        entry->pfn(this, call);
        return !pCmdUI->m_bContinueRouting;
    }
    return entry->pfn(this, call);
}
