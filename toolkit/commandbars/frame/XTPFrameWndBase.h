// Frame creation for a window hosting command bars: the manager is made
// before any bar, the frame's own accelerators give way to the shortcut
// manager's, and print preview tells the bars.
#pragma once
#include "framework/windows/CFrameWnd.h"
#include "toolkit/commandbars/manager/XTPCommandBarsSiteBase.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

template <class TBase>
class CXTPFrameWndBase : public CXTPCommandBarsSiteBase<TBase>
{
public:
    // Makes the manager with its four dock bars; call before creating bars.
    BOOL CreateCommandBars()
    {
        XTPPaintManager();
        if (this->m_pCommandBars == nullptr) {
            CObject* pObject = RUNTIME_CLASS(CXTPCommandBars)->CreateObject();
            this->m_pCommandBars = static_cast<CXTPCommandBars*>(pObject);
        }
        this->m_pCommandBars->SetSite(this);
        this->m_pCommandBars->EnableDocking();
        return TRUE;
    }

    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override
    {
        if (!TBase::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
            return FALSE;
        CXTPCommandBars* pCommandBars = this->m_pCommandBars;
        if (pCommandBars != nullptr && pCommandBars->GetShortcutManager() != nullptr &&
            pCommandBars->GetShortcutManager()->GetDefaultAccelerator() != nullptr)
            this->m_hAccelTable = nullptr;  // keys go through the shortcut manager only
        return TRUE;
    }

    void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) override
    {
        if (this->m_pCommandBars != nullptr)
            this->m_pCommandBars->OnSetPreviewMode(bPreview);
        TBase::OnSetPreviewMode(bPreview, pState);
    }
};
