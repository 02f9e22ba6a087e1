// Making controls by type and from menu items.
#include "framework/windows/CMenu.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlCustom.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/controls/XTPControlLabel.h"
#include "toolkit/commandbars/lists/XTPControlOleItems.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/lists/XTPControlRecentFileList.h"
#include "toolkit/commandbars/lists/XTPControlToolbars.h"
#include "toolkit/commandbars/lists/XTPControlWindowList.h"
#include "toolkit/commandbars/lists/XTPControlWorkspaceActions.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"

namespace {

const UINT kSkippedMenuItem = 0xFF00;
const int kMaxMenuText = 1024;

BOOL IsPopupType(XTPControlType type)
{
    return type == xtpControlPopup || type == xtpControlButtonPopup || type == xtpControlSplitButtonPopup;
}

// The bar a new popup control opens: the site's own when it offers one.
CXTPPopupBar* CreatePopupBar(CXTPCommandBar* pParent, const CString& strTitle, UINT nID)
{
    CWnd* pSite = pParent ? pParent->GetSite() : nullptr;
    if (pSite && pSite->GetSafeHwnd()) {
        XTPCreateCommandBarRequest request = {nullptr, 0, 0, TRUE, FALSE, strTitle, nID};
        pSite->SendMessage(WM_XTP_CREATE_COMMANDBAR, 0, reinterpret_cast<LPARAM>(&request));
        CXTPPopupBar* pOffered = dynamic_cast<CXTPPopupBar*>(request.pCommandBar);
        if (pOffered)
            return pOffered;
    }
    CXTPPopupBar* pBar = CXTPPopupBar::CreatePopupBar(pParent ? pParent->GetCommandBars() : nullptr);
    pBar->SetTitle(strTitle);
    return pBar;
}

// A popup control with its bar; the bar loads the submenu when there is one.
CXTPControl* CreatePopupControl(CXTPCommandBar* pParent, XTPControlType type, int nId, CMenu* pSubMenu,
                                CString* pCaption)
{
    CMenu menuResource;
    if (!pSubMenu && nId > 0 && menuResource.LoadMenu(static_cast<UINT>(nId))) {
        pSubMenu = menuResource.GetSubMenu(0);
        if (pCaption && pCaption->IsEmpty()) {
            wchar_t szText[kMaxMenuText] = {};
            GetMenuStringW(menuResource.GetSafeHmenu(), 0, szText, kMaxMenuText, MF_BYPOSITION);
            *pCaption = szText;
        }
    }
    CXTPControlPopup* pPopup = new CXTPControlPopup();
    pPopup->SetType(type);
    CXTPPopupBar* pBar = CreatePopupBar(pParent, pCaption ? *pCaption : CString(), static_cast<UINT>(nId));
    pBar->SetControlPopup(pPopup);
    pBar->SetParentBar(pParent);
    if (pSubMenu)
        pBar->LoadMenu(pSubMenu);
    pPopup->SetCommandBar(pBar);
    pBar->InternalRelease();
    return pPopup;
}

// The recent-file placeholder has one id when added by type and the frame's
// own file-list id when it comes from a menu.
const int kRecentFileListById = 35003;
const int kRecentFileListInMenu = 57616;
const int kOleVerbsInMenu = 57872;

// Buttons with special ids are placeholders that expand into lists; the OLE
// verbs list only comes from a menu item that names it.
CXTPControl* CreateButtonById(int nId, const CString* pMenuCaption)
{
    const int nRecentFileList = pMenuCaption ? kRecentFileListInMenu : kRecentFileListById;
    if (nId == nRecentFileList)
        return new CXTPControlRecentFileList();
    switch (nId) {
    case 35000:
        return new CXTPControlWindowList();
    case 35002:
        return new CXTPControlWorkspaceActions();
    case XTP_ID_TOOLBARLIST:
        return new CXTPControlToolbars();
    case kOleVerbsInMenu:
        if (pMenuCaption && *pMenuCaption == L"<<OLE VERBS GO HERE>>")
            return new CXTPControlOleItems();
        break;
    default:
        break;
    }
    return new CXTPControlButton();
}

} // namespace

CXTPControl* CXTPControls::AddByType(XTPControlType controlType, int nId, const CString& strParameter, int nBefore,
                                     BOOL bTemporary)
{
    CXTPControl* pControl = nullptr;
    switch (controlType) {
    case xtpControlButton:
        pControl = CreateButtonById(nId, nullptr);
        break;
    case xtpControlPopup:
    case xtpControlButtonPopup:
    case xtpControlSplitButtonPopup: {
        CString strCaption;
        pControl = CreatePopupControl(m_pParent, controlType, nId, nullptr, &strCaption);
        pControl->SetCaption(strCaption);
        break;
    }
    case xtpControlComboBox:
        pControl = new CXTPControlComboBox();
        break;
    case xtpControlEdit:
        pControl = new CXTPControlEdit();
        break;
    case xtpControlLabel:
        pControl = new CXTPControlLabel();
        break;
    case xtpControlCustom:
        // Keeps the button's type: only its class hosts the window.
        return Add(new CXTPControlCustom(), nId, strParameter, nBefore, bTemporary);
    default:
        return nullptr;
    }
    pControl->SetType(controlType);
    return Add(pControl, nId, strParameter, nBefore, bTemporary);
}

CXTPControl* CXTPControls::AddMenuItem(CMenu* pMenu, int nIndex)
{
    HMENU hMenu = pMenu ? pMenu->GetSafeHmenu() : nullptr;
    if (!hMenu)
        return nullptr;
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_SUBMENU | MIIM_ID;
    if (!GetMenuItemInfoW(hMenu, static_cast<UINT>(nIndex), TRUE, &info))
        return nullptr;
    if (info.wID == kSkippedMenuItem)
        return nullptr;
    CMenu* pSubMenu = info.hSubMenu ? CMenu::FromHandle(info.hSubMenu) : nullptr;
    int nId = info.hSubMenu ? 0 : static_cast<int>(info.wID);
    BOOL bDefault = GetMenuDefaultItem(hMenu, TRUE, GMDI_USEDISABLED) == static_cast<UINT>(nIndex);
    wchar_t szText[kMaxMenuText] = {};
    GetMenuStringW(hMenu, static_cast<UINT>(nIndex), szText, kMaxMenuText, MF_BYPOSITION);
    CString strCaption = szText;

    XTPCreateControlRequest request = {nId, nullptr, FALSE, nIndex, pMenu, m_pParent,
                                       pSubMenu ? xtpControlPopup : xtpControlButton, xtpButtonAutomatic, nullptr};
    request.lpszCaption = strCaption;
    CWnd* pSite = m_pParent ? m_pParent->GetSite() : nullptr;
    HWND hSite = pSite ? pSite->GetSafeHwnd() : nullptr;
    if (hSite && ::SendMessageW(hSite, WM_XTP_CREATE_CONTROL, 0, reinterpret_cast<LPARAM>(&request))) {
        strCaption = request.lpszCaption ? request.lpszCaption : L"";
        nId = request.nID;
    }

    CXTPControl* pControl = request.pControl;
    if (!pControl) {
        XTPControlType type = request.controlType;
        if (IsPopupType(type))
            pControl = CreatePopupControl(m_pParent, type, nId, pSubMenu, &strCaption);
        else if (type == xtpControlComboBox)
            pControl = new CXTPControlComboBox();
        else if (type == xtpControlEdit)
            pControl = new CXTPControlEdit();
        else
            pControl = CreateButtonById(nId, &strCaption);
        pControl->SetType(type >= xtpControlButton && type <= xtpControlEdit ? type : xtpControlButton);
    }
    if (pControl->GetStyle() != request.buttonStyle) {
        pControl->SetStyle(request.buttonStyle);
        pControl->DelayLayoutParent();
    }
    Add(pControl, nId);
    pControl->SetCaption(strCaption);
    pControl->SetDefaultItem(bDefault);

    request.pControl = pControl;
    if (hSite && IsWindow(hSite))
        ::SendMessageW(hSite, WM_XTP_CONTROL_CREATED, 0, reinterpret_cast<LPARAM>(&request));
    return pControl;
}
