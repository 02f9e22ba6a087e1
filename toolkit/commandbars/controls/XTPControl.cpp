#include "toolkit/commandbars/controls/XTPControl.h"
#include "framework/gdi/CDC.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/resources/XTPResourceManager.h"

IMPLEMENT_DYNCREATE(CXTPControl, CCmdTarget)

void CXTPControl::CDocTemplateMap::Copy(const CDocTemplateMap& source)
{
    RemoveAll();
    POSITION pos = source.GetStartPosition();
    while (pos) {
        UINT nKey;
        int nValue;
        source.GetNextAssoc(pos, nKey, nValue);
        SetAt(nKey, nValue);
    }
}

CXTPControl::CXTPControl()
    : m_nTag(0)
    , m_nIndex(0)
    , m_nId(0)
    , m_nIconId(0)
    , m_nHelpId(0)
    , m_nCustomIconId(0)
    , m_bWrap(FALSE)
    , m_bBeginGroup(FALSE)
    , m_bEnabled(TRUE)
    , m_bChecked(0)
    , m_bSelected(0)
    , m_bPressed(0)
    , m_bTemporary(FALSE)
    , m_rcRow(0, 0, 0, 0)
    , m_rcControl(0, 0, 0, 0)
    , m_dwHideFlags(0)
    , m_dwFlags(0)
    , m_pControls(nullptr)
    , m_controlType(xtpControlError)
    , m_pParent(nullptr)
    , m_bRarelyUsed(FALSE)
    , m_bDefaultItem(FALSE)
    , m_buttonStyle(xtpButtonAutomatic)
    , m_buttonCustomStyle(xtpButtonAutomatic)
    , m_bCloseSubMenuOnClick(TRUE)
{
}

CXTPControl::~CXTPControl() = default;

CString CXTPControl::GetCaption() const
{
    return m_strCustomCaption.IsEmpty() ? m_strCaption : m_strCustomCaption;
}

CString CXTPControl::GetTooltip(LPPOINT /*pPoint*/, LPRECT /*lpRectTip*/, int* /*nHit*/) const
{
    return m_strTooltipText;
}

void CXTPControl::SetBeginGroup(BOOL bBeginGroup)
{
    m_bBeginGroup = bBeginGroup;
    DelayLayoutParent();
}

void CXTPControl::SetEnabled(BOOL bEnabled)
{
    if (m_bEnabled == bEnabled)
        return;
    m_bEnabled = bEnabled;
    RedrawParent();
}

void CXTPControl::SetChecked(int bChecked)
{
    if (m_bChecked == bChecked)
        return;
    m_bChecked = bChecked;
    RedrawParent();
}

BOOL CXTPControl::IsCaptionVisible() const
{
    if (m_pParent && m_pParent->GetType() == xtpBarTypePopup)
        return TRUE;
    if (GetCaption().IsEmpty())
        return FALSE;
    switch (GetStyle()) {
    case xtpButtonCaption:
    case xtpButtonIconAndCaption:
    case xtpButtonIconAndCaptionBelow:
        return TRUE;
    case xtpButtonIcon:
        return FALSE;
    default:
        break;
    }
    switch (m_controlType) {
    case xtpControlButton:
    case xtpControlButtonPopup:
    case xtpControlSplitButtonPopup:
        return GetImage(0) == nullptr;
    case xtpControlPopup:
    case xtpControlLabel:
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CXTPControl::Compare(CXTPControl* pOther)
{
    return pOther && GetStyle() == pOther->GetStyle() && m_controlType == pOther->m_controlType &&
           m_nId == pOther->m_nId && m_dwFlags == pOther->m_dwFlags && m_bBeginGroup == pOther->m_bBeginGroup &&
           GetIconId() == pOther->GetIconId() && m_strCaption == pOther->m_strCaption &&
           m_strTooltipText == pOther->m_strTooltipText && m_strDescriptionText == pOther->m_strDescriptionText &&
           m_strCustomCaption == pOther->m_strCustomCaption && m_buttonCustomStyle == pOther->m_buttonCustomStyle &&
           m_strParameter == pOther->m_strParameter &&
           (m_dwHideFlags & xtpHideCustomize) == (pOther->m_dwHideFlags & xtpHideCustomize);
}

CSize CXTPControl::GetSize(CDC* pDC)
{
    return GetPaintManager()->DrawControl(pDC, this, FALSE);
}

void CXTPControl::Draw(CDC* pDC)
{
    GetPaintManager()->DrawControl(pDC, this, TRUE);
}

CXTPImageManagerIcon* CXTPControl::GetImage(int nWidth) const
{
    int nIconId = GetIconId();
    if (nIconId == 0)
        return nullptr;
    return GetImageManager()->GetImage(static_cast<UINT>(nIconId), nWidth);
}

void CXTPControl::Copy(CXTPControl* pControl, BOOL /*bRecursive*/)
{
    m_nId = pControl->m_nId;
    m_nTag = pControl->m_nTag;
    m_dwFlags = pControl->m_dwFlags;
    m_controlType = pControl->m_controlType;
    m_strCaption = pControl->m_strCaption;
    m_strShortcutText = pControl->m_strShortcutText;
    m_strShortcutTextAuto = pControl->m_strShortcutTextAuto;
    m_strAcceleratorText = pControl->m_strAcceleratorText;
    m_bAcceleratorText = pControl->m_bAcceleratorText;
    m_strTooltipText = pControl->m_strTooltipText;
    m_strDescriptionText = pControl->m_strDescriptionText;
    m_strParameter = pControl->m_strParameter;
    m_nCustomIconId = pControl->m_nCustomIconId;
    m_nIconId = pControl->m_nIconId;
    m_nHelpId = pControl->m_nHelpId;
    m_bTemporary = pControl->m_bTemporary;
    m_strCustomCaption = pControl->m_strCustomCaption;
    m_strCategory = pControl->m_strCategory;
    m_dwHideFlags = pControl->m_dwHideFlags;
    m_bDefaultItem = pControl->m_bDefaultItem;
    m_bEnabled = pControl->m_bEnabled;
    m_bChecked = pControl->m_bChecked;
    m_buttonCustomStyle = pControl->m_buttonCustomStyle;
    m_buttonStyle = pControl->m_buttonStyle;
    m_bBeginGroup = pControl->m_bBeginGroup;
    m_bCloseSubMenuOnClick = pControl->m_bCloseSubMenuOnClick;
    m_mapDocTemplatesAssigned.Copy(pControl->m_mapDocTemplatesAssigned);
    m_mapDocTemplatesExcluded.Copy(pControl->m_mapDocTemplatesExcluded);
}

CXTPControl* CXTPControl::Clone(BOOL bRecursive)
{
    CXTPControl* pControl = static_cast<CXTPControl*>(GetRuntimeClass()->CreateObject());
    if (pControl)
        pControl->Copy(this, bRecursive);
    return pControl;
}

BOOL CXTPControl::OnLButtonDblClk(CPoint point)
{
    OnClick(FALSE, point);
    return TRUE;
}

BOOL CXTPControl::SetSelected(int bSelected)
{
    if (bSelected == m_bSelected)
        return FALSE;
    if (bSelected == 2 && m_pParent)
        m_pParent->SetPopuped(-1);
    m_bSelected = bSelected;
    if (m_pParent) {
        m_pParent->OnControlSelected(bSelected, this);
        RedrawParent();
    }
    return TRUE;
}

void CXTPControl::OnCustomizeDragOver(CXTPControl* /*pDataObject*/, CPoint /*point*/)
{
    if (!m_pParent)
        return;
    m_pParent->SetPopuped(-1);
    m_pParent->SetSelected(-1);
}

BOOL CXTPControl::IsCustomizeMovable() const
{
    if (m_pParent && m_pParent->IsCustomizable() && !(m_dwFlags & xtpFlagNoMovable))
        return TRUE;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars ? pCommandBars->m_bCustomizeMovable : FALSE;
}

void CXTPControl::SetID(int nId)
{
    if (m_nId != nId) {
        CString strPrompt;
        if (nId > 0 && XTPGetResourceManager()->LoadString(&strPrompt, static_cast<UINT>(nId)))
            SetPrompt(strPrompt);
    }
    m_nId = nId;
}

int CXTPControl::GetIconId() const
{
    if (m_nCustomIconId != 0)
        return m_nCustomIconId;
    return m_nIconId > 0 ? m_nIconId : m_nId;
}

BOOL CXTPControl::SetHideFlag(DWORD dwFlag, BOOL bSet)
{
    DWORD dwFlags = bSet ? (m_dwHideFlags | dwFlag) : (m_dwHideFlags & ~dwFlag);
    if (dwFlags == m_dwHideFlags)
        return FALSE;
    SetHideFlags(dwFlags);
    return TRUE;
}

void CXTPControl::SetCaption(const CString& strCaption)
{
    CString strNew = strCaption;
    int nTab = strCaption.Find(L'\t');
    if (nTab >= 0) {
        m_strShortcutTextAuto = strCaption.Mid(nTab + 1);
        strNew = strCaption.Left(nTab);
    }
    if (strNew != m_strCaption) {
        m_strCaption = strNew;
        DelayLayoutParent();
    }
}

CString CXTPControl::GetShortcutText() const
{
    if (!m_strShortcutText.IsEmpty())
        return m_strShortcutText;
    return m_bAcceleratorText ? m_strAcceleratorText : m_strShortcutTextAuto;
}

CString CXTPControl::GetCurrentShortcutText() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    CXTPShortcutManager* pShortcuts = pCommandBars ? pCommandBars->GetShortcutManager() : nullptr;
    if (!m_strShortcutText.IsEmpty() || !pShortcuts || m_nId <= 0)
        return GetShortcutText();
    CString strShortcut = m_strShortcutTextAuto;
    pShortcuts->GetCommandShortcutText(m_nId, strShortcut);
    return strShortcut;
}

void CXTPControl::SetAcceleratorText(const CString& strText)
{
    m_strAcceleratorText = strText;
    m_bAcceleratorText = TRUE;
}

void CXTPControl::ForgetAcceleratorText()
{
    m_strAcceleratorText.Empty();
    m_bAcceleratorText = FALSE;
}

void CXTPControl::SetPrompt(const CString& strPrompt)
{
    if (strPrompt.IsEmpty())
        return;
    int nNewLine = strPrompt.Find(L'\n');
    if (nNewLine < 0) {
        m_strTooltipText = m_strDescriptionText = strPrompt;
    } else {
        m_strDescriptionText = strPrompt.Left(nNewLine);
        // A prompt with more lines keeps the tooltip to the second line.
        CString strRest = strPrompt.Mid(nNewLine + 1);
        int nSecond = strRest.Find(L'\n');
        m_strTooltipText = nSecond < 0 ? strRest : strRest.Left(nSecond);
    }
    if (m_strCaption.IsEmpty())
        m_strCaption = m_strTooltipText;
}

void CXTPControl::SetRarelyUsed(BOOL bRarelyUsed)
{
    m_bRarelyUsed = bRarelyUsed;
    if (!bRarelyUsed)
        SetHideFlags(m_dwHideFlags & ~xtpHideExpand);
}

void CXTPControl::SetDefaultItem(BOOL bDefaultItem)
{
    if (m_bDefaultItem == bDefaultItem)
        return;
    m_bDefaultItem = bDefaultItem;
    DelayLayoutParent();
}

CXTPCommandBars* CXTPControl::GetCommandBars() const
{
    if (m_pParent)
        return m_pParent->GetCommandBars();
    return m_pControls ? m_pControls->GetCommandBars() : nullptr;
}

CXTPPaintManager* CXTPControl::GetPaintManager() const
{
    if (m_pParent)
        return m_pParent->GetPaintManager();
    CXTPCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars ? pCommandBars->GetPaintManager() : XTPPaintManager();
}

CXTPImageManager* CXTPControl::GetImageManager() const
{
    if (m_pParent)
        return m_pParent->GetImageManager();
    CXTPCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars ? pCommandBars->GetImageManager() : XTPImageManager();
}

void CXTPControl::DelayLayoutParent()
{
    if (m_pParent)
        m_pParent->DelayLayout();
}

void CXTPControl::RedrawParent(BOOL bAnimate)
{
    if (!m_pParent || !m_pParent->GetSafeHwnd())
        return;
    if (bAnimate)
        m_pParent->DelayRedraw();
    else
        m_pParent->InvalidateRect(nullptr, FALSE);
}

BOOL CXTPControl::IsCursorOver() const
{
    if (!m_pParent || !m_pParent->GetSafeHwnd())
        return FALSE;
    POINT pt;
    GetCursorPos(&pt);
    m_pParent->ScreenToClient(&pt);
    return m_rcControl.PtInRect(pt);
}

LRESULT CXTPControl::NotifySite(UINT nCode)
{
    CWnd* pSite = m_pParent ? m_pParent->GetOwnerSite() : nullptr;
    if (!pSite || !pSite->GetSafeHwnd())
        return 0;
    NMXTPCONTROL notify = {};
    notify.hdr.hwndFrom = nullptr;
    notify.hdr.idFrom = static_cast<UINT_PTR>(m_nId);
    notify.hdr.code = nCode;
    notify.pControl = this;
    return pSite->SendMessage(WM_XTP_CONTROL_NOTIFY, static_cast<WPARAM>(m_nId), reinterpret_cast<LPARAM>(&notify));
}

BOOL CXTPControl::IsCustomizeMode() const
{
    return m_pParent ? m_pParent->IsCustomizeMode() : FALSE;
}
