// A window hosting command bars: owns the manager pointer and hands key
// pre-translation, window messages and control notifications to the manager
// or to the window's own handlers.
#pragma once
#include "framework/windows/MessageMap.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/XTPCommandBarsDefs.h"
#include "toolkit/tabs/XTPTabClientSite.h"

// TRUE for the edit window of a command bar edit or combo box.
BOOL XTPIsCommandBarEdit(HWND hWnd);

template <class TBase>
class CXTPCommandBarsSiteBase : public TBase, public CXTPTabClientSite
{
public:
    CXTPCommandBarsSiteBase() = default;
    ~CXTPCommandBarsSiteBase() override
    {
        if (m_pCommandBars != nullptr)
            m_pCommandBars->InternalRelease();
        m_pCommandBars = nullptr;
    }

    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }

    BOOL RecalcSiteLayout() override
    {
        if (m_pCommandBars == nullptr)
            return FALSE;
        m_pCommandBars->RecalcFrameLayout(FALSE);
        return TRUE;
    }

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && pMsg->wParam != VK_RETURN &&
            pMsg->wParam != VK_TAB && pMsg->wParam != VK_ESCAPE && XTPIsCommandBarEdit(::GetFocus()))
            return FALSE;  // typing in a bar's edit box: no accelerators
        if (TBase::PreTranslateMessage(pMsg))
            return TRUE;
        return m_pCommandBars != nullptr && m_pCommandBars->PreTranslateFrameMessage(pMsg);
    }

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (m_pCommandBars != nullptr && m_pCommandBars->OnFrameMessage(message, wParam, lParam, pResult))
            return TRUE;
        if (message == WM_XTP_CONTROL_NOTIFY) {
            // Handled by ordinary notify entries keyed by control id and code.
            auto* pHeader = reinterpret_cast<NMHDR*>(lParam);
            if (pHeader == nullptr)
                return FALSE;
            LRESULT lResult = 0;
            AFX_NOTIFY notify = {&lResult, pHeader};
            if (!this->OnCmdMsg(static_cast<UINT>(pHeader->idFrom),
                                static_cast<int>(MAKELONG(LOWORD(pHeader->code), WM_NOTIFY)), &notify, nullptr))
                return FALSE;
            if (pResult != nullptr)
                *pResult = lResult;
            return TRUE;
        }
        return TBase::OnWndMsg(message, wParam, lParam, pResult);
    }

    CXTPCommandBars* m_pCommandBars = nullptr;
};
