// Filling a bar from a toolbar resource: its buttons (the site may supply or
// shape each one) and the images of the bitmap with the same id.
#include <vector>
#include "framework/core/ModuleState.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/common/resources/XTPResourceModuleSwitch.h"

namespace {
const LPCWSTR kToolBarResourceType = MAKEINTRESOURCEW(241);
const int kHeaderWords = 4;
// The largest image side the image lists are made with; a stored size
// beyond it (or an empty one) is damage and makes no image list.
const int kMaxImageSide = 256;

// The toolbar resource as stored: version, image width and height, count,
// one command id per item. Hand-written data is checked before use.
struct ToolBarResource
{
    CSize szImage;
    std::vector<UINT> ids;
};

BOOL ReadToolBarResource(UINT nIDResource, ToolBarResource& resource)
{
    HMODULE hModule = AfxGetResourceHandle();
    HRSRC hRes = ::FindResourceW(hModule, MAKEINTRESOURCEW(nIDResource), kToolBarResourceType);
    if (!hRes)
        return FALSE;
    HGLOBAL hData = ::LoadResource(hModule, hRes);
    DWORD nSize = ::SizeofResource(hModule, hRes);
    const WORD* pData = hData ? static_cast<const WORD*>(::LockResource(hData)) : nullptr;
    if (!pData || nSize < kHeaderWords * sizeof(WORD))
        return FALSE;
    WORD nItems = pData[3];
    if (nSize < (kHeaderWords + static_cast<DWORD>(nItems)) * sizeof(WORD))
        return FALSE;
    resource.szImage = CSize(pData[1], pData[2]);
    resource.ids.assign(pData + kHeaderWords, pData + kHeaderWords + nItems);
    return TRUE;
}
} // namespace

BOOL CXTPCommandBar::LoadToolBar(UINT nIDResource, BOOL bLoadIcons)
{
    m_pControls->RemoveAll();
    ToolBarResource resource;
    if (!ReadToolBarResource(nIDResource, resource))
        return FALSE;
    AddButtons(resource.ids.data(), static_cast<int>(resource.ids.size()));
    if (!bLoadIcons)
        return TRUE;
    const CSize& sz = resource.szImage;
    if (sz.cx <= 0 || sz.cy <= 0 || sz.cx > kMaxImageSide || sz.cy > kMaxImageSide)
        return FALSE;
    std::vector<UINT> commands;
    for (UINT nId : resource.ids) {
        if (nId != 0)
            commands.push_back(nId);
    }
    if (commands.empty() || !GetImageManager()->SetIcons(nIDResource, commands.data(),
                                                         static_cast<int>(commands.size()), resource.szImage))
        return FALSE;
    if (resource.szImage.cx != 16)
        m_szIcons = resource.szImage;
    return TRUE;
}

BOOL CXTPCommandBar::AddButtons(const UINT* pIds, int nCount)
{
    m_pControls->RemoveAll();
    BOOL bBeginGroup = FALSE;
    CWnd* pSite = GetSite();
    for (int i = 0; i < nCount; i++) {
        if (pIds[i] == 0) {
            bBeginGroup = TRUE;
            continue;
        }
        int nId = static_cast<int>(pIds[i]);
        XTPCreateControlRequest request = {nId, nullptr, TRUE, i, nullptr, this, xtpControlButton,
                                           xtpButtonAutomatic, m_strTitle.GetString()};
        BOOL bAsked = pSite && pSite->GetSafeHwnd();
        if (bAsked)
            pSite->SendMessage(WM_XTP_CREATE_CONTROL, 0, reinterpret_cast<LPARAM>(&request));
        CXTPControl* pControl = request.pControl ? m_pControls->Add(request.pControl, nId)
                                                 : m_pControls->Add(request.controlType, nId);
        if (!pControl)
            continue;
        if (pControl->GetStyle() != request.buttonStyle) {
            pControl->SetStyle(request.buttonStyle);
            pControl->DelayLayoutParent();
        }
        if (pControl->GetType() == xtpControlPopup)
            pControl->SetIconId(nId);
        if (bBeginGroup)
            pControl->SetBeginGroup(TRUE);
        bBeginGroup = FALSE;
        request.pControl = pControl;
        if (bAsked && pSite->GetSafeHwnd())
            pSite->SendMessage(WM_XTP_CONTROL_CREATED, 0, reinterpret_cast<LPARAM>(&request));
    }
    return TRUE;
}

// The resource manager's toolbar loading lives with the bars it fills: the
// toolkit's foundation knows no command bar.
BOOL CXTPResourceManager::LoadToolBar(CXTPCommandBar* pToolBar, UINT nIDResource)
{
    if (!pToolBar)
        return FALSE;
    CXTPResourceModuleSwitch moduleSwitch;
    return pToolBar->LoadToolBar(nIDResource, TRUE);
}
