// Base of objects that receive commands: a message map through which
// commands, command updates and notifications are routed, and a
// thread-safe reference count whose last release destroys the object.
#pragma once
#include "framework/core/CObject.h"
#include "framework/core/InterfaceMap.h"
#include "framework/windows/MessageMap.h"

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;

    // New objects start with a count of 1, owned by their creator.
    DWORD InternalAddRef();
    // Calls OnFinalRelease when the count reaches 0.
    DWORD InternalRelease();
    DWORD ExternalAddRef();
    DWORD ExternalRelease();

    // Called once, when the last reference goes; deletes the object.
    virtual void OnFinalRelease();

    long m_dwRef = 1;

    // ---- COM interfaces from the interface map
    // The interface's implementation, or null; IUnknown is the first part
    // of the map (most derived table first). No reference is added.
    LPUNKNOWN GetInterface(const void* iid);
    // Query through the map: S_OK with a reference added, or E_NOINTERFACE.
    DWORD ExternalQueryInterface(const void* iid, LPVOID* ppvObj);
    DWORD InternalQueryInterface(const void* iid, LPVOID* ppvObj);

    // Routes a command (CN_COMMAND), a command update
    // (CN_UPDATE_COMMAND_UI, pExtra the CCmdUI) or a control notification
    // (MAKELONG(code, WM_COMMAND or WM_NOTIFY), pExtra the AFX_NOTIFY) to
    // this object's message map. With pHandlerInfo it only reports the
    // handler found. TRUE when a handler took it.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

public:
    static const AFX_INTERFACEMAP* GetThisInterfaceMap();
    virtual const AFX_INTERFACEMAP* GetInterfaceMap() const;
};
