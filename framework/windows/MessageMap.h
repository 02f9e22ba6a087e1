// Message maps: static tables that tie window messages, commands and
// notifications to member functions. Each class's table links to its base
// class's table; lookup walks from the most derived table to the root.
//
// Handlers are named without class and without '&':
//     BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
//         ON_WM_CREATE()
//         ON_COMMAND(ID_APP_EXIT, OnAppExit)
//     END_MESSAGE_MAP()
// Each entry holds a small function that calls the handler with the
// message's parameters unpacked; the compiler checks the handler's
// signature there.
#pragma once
#include <windows.h>
#include "framework/windows/AfxMessages.h"

class CCmdTarget;
class CCmdUI;

#ifndef afx_msg
#define afx_msg
#endif

// Command codes handed to CCmdTarget::OnCmdMsg. A control notification is
// MAKELONG(code, WM_COMMAND) or MAKELONG(code, WM_NOTIFY); a reflected one
// has WM_REFLECT_BASE added to the high word.
#define CN_COMMAND              0
#define CN_UPDATE_COMMAND_UI    ((UINT)(-1))

// What a dispatched message or command carries to its handler.
struct AFX_MSGCALL
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;        // command, control or notification id
    UINT nCode;      // notification code (low 16 bits significant)
    void* pExtra;    // CCmdUI* for updates, AFX_NOTIFY* for notifications
    LRESULT result;
};

// Calls one handler; FALSE means the handler declined (the _EX variants),
// so that dispatch goes on.
typedef BOOL (*AFX_PMSG)(CCmdTarget* pTarget, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;                  // window message; WM_COMMAND/WM_NOTIFY for commands
    UINT nCode;                     // control or notification code
    UINT nID;                       // first command id
    UINT nLastID;                   // last command id (== nID for one)
    const UINT* pRegisteredMessage; // ON_REGISTERED_MESSAGE: the variable holding the number
    AFX_PMSG pfn;                   // null ends the table
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Extra data of a WM_NOTIFY routed through OnCmdMsg.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Filled by OnCmdMsg instead of calling when only the existence of a
// handler is asked for.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// The first entry of the map chain for a command or notification (codes
// compared in their low 16 bits, the id within the entry's range).
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID);
// The first entry of the map chain for a window message (registered ones
// included).
const AFX_MSGMAP_ENTRY* AfxFindWindowMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg);

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const \
    { \
        return GetThisMessageMap(); \
    } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, type_name, baseClass) \
    template <typename type_name> \
    const AFX_MSGMAP* theClass<type_name>::GetMessageMap() const \
    { \
        return GetThisMessageMap(); \
    } \
    template <typename type_name> \
    const AFX_MSGMAP* theClass<type_name>::GetThisMessageMap() \
    { \
        typedef theClass<type_name> ThisClass; \
        typedef baseClass TheBaseClass; \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
            {0, 0, 0, 0, nullptr, nullptr} \
        }; \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
        return &messageMap; \
    }

// The calling function of an entry; `self` is the object, `call` the message.
#define AFX_THUNK(body) \
    [](CCmdTarget* pThunkTarget, AFX_MSGCALL& call) -> BOOL { \
        ThisClass* self = static_cast<ThisClass*>(pThunkTarget); \
        (void)self; (void)call; \
        body \
    }

#define AFX_MSG_ENTRY(msg, body) {msg, 0, 0, 0, nullptr, AFX_THUNK(body)},

// ---- user messages and commands

// LRESULT memberFxn(WPARAM, LPARAM)
#define ON_MESSAGE(message, memberFxn) \
    AFX_MSG_ENTRY(message, call.result = self->memberFxn(call.wParam, call.lParam); return TRUE;)
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    {0xC000, 0, 0, 0, &(nMessageVariable), \
     AFX_THUNK(call.result = self->memberFxn(call.wParam, call.lParam); return TRUE;)},
// void memberFxn(WPARAM, LPARAM): a message posted to the thread
#define ON_THREAD_MESSAGE(message, memberFxn) \
    AFX_MSG_ENTRY(message, self->memberFxn(call.wParam, call.lParam); return TRUE;)

// void memberFxn()
#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), nullptr, AFX_THUNK(self->memberFxn(); return TRUE;)},
// BOOL memberFxn(UINT nID): FALSE lets routing go on
#define ON_COMMAND_EX(id, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), nullptr, AFX_THUNK(return self->memberFxn(call.nID);)},
// void memberFxn(UINT nID)
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), nullptr, AFX_THUNK(self->memberFxn(call.nID); return TRUE;)},
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), nullptr, AFX_THUNK(return self->memberFxn(call.nID);)},
// void memberFxn(CCmdUI*)
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), nullptr, \
     AFX_THUNK(self->memberFxn(static_cast<CCmdUI*>(call.pExtra)); return TRUE;)},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(idLast), nullptr, \
     AFX_THUNK(self->memberFxn(static_cast<CCmdUI*>(call.pExtra)); return TRUE;)},
// void memberFxn(CCmdUI*): the update offered to a control's own object
#define ON_UPDATE_COMMAND_UI_REFLECT(memberFxn) \
    {WM_COMMAND + WM_REFLECT_BASE, CN_UPDATE_COMMAND_UI, 0, 0, nullptr, \
     AFX_THUNK(self->memberFxn(static_cast<CCmdUI*>(call.pExtra)); return TRUE;)},

// void memberFxn(): a WM_COMMAND notification code from a control
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    {WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), nullptr, AFX_THUNK(self->memberFxn(); return TRUE;)},
// void memberFxn(UINT nID)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), nullptr, \
     AFX_THUNK(self->memberFxn(call.nID); return TRUE;)},

// void memberFxn(NMHDR*, LRESULT*)
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    {WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), nullptr, \
     AFX_THUNK(AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(call.pExtra); \
               self->memberFxn(n->pNMHDR, n->pResult); return TRUE;)},
// void memberFxn(UINT nID, NMHDR*, LRESULT*)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), nullptr, \
     AFX_THUNK(AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(call.pExtra); \
               self->memberFxn(call.nID, n->pNMHDR, n->pResult); return TRUE;)},
// BOOL memberFxn(UINT nID, NMHDR*, LRESULT*): FALSE lets routing go on
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
    {WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), nullptr, \
     AFX_THUNK(AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(call.pExtra); \
               return self->memberFxn(call.nID, n->pNMHDR, n->pResult);)},
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), nullptr, \
     AFX_THUNK(AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(call.pExtra); \
               return self->memberFxn(call.nID, n->pNMHDR, n->pResult);)},

// ---- reflected notifications, handled by the control's own object

// void memberFxn()
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    {WM_COMMAND + WM_REFLECT_BASE, (UINT)(WORD)(wNotifyCode), 0, 0, nullptr, \
     AFX_THUNK(self->memberFxn(); return TRUE;)},
// BOOL memberFxn(): FALSE lets the parent handle it too
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    {WM_COMMAND + WM_REFLECT_BASE, (UINT)(WORD)(wNotifyCode), 0, 0, nullptr, \
     AFX_THUNK(return self->memberFxn();)},
// void memberFxn(NMHDR*, LRESULT*)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    {WM_NOTIFY + WM_REFLECT_BASE, (UINT)(WORD)(wNotifyCode), 0, 0, nullptr, \
     AFX_THUNK(AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(call.pExtra); \
               self->memberFxn(n->pNMHDR, n->pResult); return TRUE;)},
// BOOL memberFxn(NMHDR*, LRESULT*)
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
    {WM_NOTIFY + WM_REFLECT_BASE, (UINT)(WORD)(wNotifyCode), 0, 0, nullptr, \
     AFX_THUNK(AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(call.pExtra); \
               return self->memberFxn(n->pNMHDR, n->pResult);)},
// HBRUSH CtlColor(CDC*, UINT nCtlColor): null lets the parent answer
#define ON_WM_CTLCOLOR_REFLECT() \
    AFX_MSG_ENTRY(WM_CTLCOLOR + WM_REFLECT_BASE, \
        HBRUSH b = self->CtlColor(CDC::FromHandle((HDC)call.wParam), call.nCode); \
        call.result = (LRESULT)b; return b != nullptr;)
// void DrawItem(LPDRAWITEMSTRUCT)
#define ON_WM_DRAWITEM_REFLECT() \
    AFX_MSG_ENTRY(WM_DRAWITEM + WM_REFLECT_BASE, \
        self->DrawItem((LPDRAWITEMSTRUCT)call.lParam); call.result = TRUE; return TRUE;)
// void MeasureItem(LPMEASUREITEMSTRUCT)
#define ON_WM_MEASUREITEM_REFLECT() \
    AFX_MSG_ENTRY(WM_MEASUREITEM + WM_REFLECT_BASE, \
        self->MeasureItem((LPMEASUREITEMSTRUCT)call.lParam); call.result = TRUE; return TRUE;)
// void HScroll(UINT nSBCode, UINT nPos) / VScroll
#define ON_WM_HSCROLL_REFLECT() \
    AFX_MSG_ENTRY(WM_HSCROLL + WM_REFLECT_BASE, \
        self->HScroll(LOWORD(call.wParam), HIWORD(call.wParam)); return TRUE;)
#define ON_WM_VSCROLL_REFLECT() \
    AFX_MSG_ENTRY(WM_VSCROLL + WM_REFLECT_BASE, \
        self->VScroll(LOWORD(call.wParam), HIWORD(call.wParam)); return TRUE;)

// Control notifications by name
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)

#include "framework/windows/MessageMapWindowEntries.h"
