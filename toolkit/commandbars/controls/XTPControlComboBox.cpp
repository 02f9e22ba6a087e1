#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include <cwctype>
#include "framework/gdi/CDC.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/controls/XTPControlComboBoxAutoCompleteWnd.h"
#include "toolkit/commandbars/controls/XTPControlComboBoxEditCtrl.h"
#include "toolkit/commandbars/controls/XTPControlComboBoxList.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"

IMPLEMENT_DYNCREATE(CXTPControlComboBox, CXTPControlPopup)

namespace {

const DWORD kShellAutoCompleteUseTab = 0x8;

// Site notifications of the combo box.
const UINT kNotifySelChanged = 1;
const UINT kNotifyFocusGained = 3;
const UINT kNotifyFocusLost = 4;
const UINT kNotifyTextEdited = 5;
const UINT kNotifyListOpened = 7;
const UINT kNotifyListClosed = 8;
const UINT kNotifySelConfirmed = 9;
const UINT kNotifySelCancelled = 10;

BOOL IsListKey(UINT nChar)
{
    return nChar == VK_UP || nChar == VK_DOWN || nChar == VK_PRIOR || nChar == VK_NEXT;
}

BOOL IsAltDown()
{
    return ::GetKeyState(VK_MENU) < 0;
}

} // namespace

CXTPControlComboBox::CXTPControlComboBox()
    : m_pEdit(nullptr)
    , m_editHost(this)
    , m_bDropDown(FALSE)
    , m_comboStyle(0)
    , m_nWidth(100)
    , m_nLastSel(-1)
    , m_nLabelWidth(0)
    , m_nThumbWidth(0)
    , m_bAutoComplete(FALSE)
    , m_bIgnoreAutoComplete(FALSE)
    , m_dwShellAutoCompleteFlags(0)
    , m_bFocused(FALSE)
    , m_nEditIconId(0)
    , m_bSelEndOk(FALSE)
    , m_nDropDownItemCount(12)
    , m_dwEditStyle(0)
    , m_nCurSel(-1)
{
    m_controlType = xtpControlComboBox;
    CXTPControlComboBoxList* pList = new CXTPControlComboBoxList();
    SetCommandBar(pList);
    pList->InternalRelease();
}

CXTPControlComboBox::~CXTPControlComboBox()
{
    m_editHost.Destroy();
    delete m_pEdit;
}

CXTPControlComboBoxList* CXTPControlComboBox::GetListBox() const
{
    return dynamic_cast<CXTPControlComboBoxList*>(m_pCommandBar);
}

BOOL CXTPControlComboBox::IsDroppedDown() const
{
    CXTPControlComboBoxList* pList = GetListBox();
    return pList && pList->IsTrackingMode() && pList->GetComboBox() == this;
}

void CXTPControlComboBox::SetWidth(int nWidth)
{
    if (nWidth == m_nWidth)
        return;
    m_nWidth = nWidth;
    DelayLayoutParent();
}

void CXTPControlComboBox::SetLabelWidth(int nWidth)
{
    if (nWidth == m_nLabelWidth)
        return;
    m_nLabelWidth = nWidth;
    m_editHost.RequestPlacement();
}

void CXTPControlComboBox::SetThumbWidth(int nWidth)
{
    if (nWidth == m_nThumbWidth)
        return;
    m_nThumbWidth = nWidth;
    m_editHost.RequestPlacement();
}

void CXTPControlComboBox::SetDropDown(BOOL bDropDown)
{
    bDropDown = bDropDown ? TRUE : FALSE;
    if (bDropDown == m_bDropDown)
        return;
    m_bDropDown = bDropDown;
    m_editHost.RequestRecreate();
    DelayLayoutParent();
}

void CXTPControlComboBox::SetDropDownItemCount(int nCount)
{
    if (nCount > 0)
        m_nDropDownItemCount = nCount;
}

void CXTPControlComboBox::SetShellAutoComplete(DWORD dwFlags)
{
    m_dwShellAutoCompleteFlags = dwFlags;
    if (m_bFocused)
        m_editHost.RestartAutoComplete();
}

void CXTPControlComboBox::SetEditIconId(int nId)
{
    if (nId == m_nEditIconId)
        return;
    m_nEditIconId = nId;
    m_editHost.RequestPlacement();
    DelayLayoutParent();
}

void CXTPControlComboBox::SetEditStyle(DWORD dwStyle)
{
    if (dwStyle == m_dwEditStyle)
        return;
    m_dwEditStyle = dwStyle;
    m_editHost.RequestRecreate();
    DelayLayoutParent();
}

void CXTPControlComboBox::SetEditHint(const CString& strHint)
{
    m_strEditHint = strHint;
    m_editHost.OnHintChanged();
}

void CXTPControlComboBox::MarkBarChanged()
{
    // Entries changed after the bar was built are the user's: the
    // comparison of controls does not see them.
    CXTPToolBar* pToolBar = dynamic_cast<CXTPToolBar*>(m_pParent);
    if (pToolBar && pToolBar->GetControls()->GetOriginalControls())
        pToolBar->SetChanged(TRUE);
}

int CXTPControlComboBox::AddString(LPCTSTR lpszItem)
{
    CXTPControlComboBoxList* pList = GetListBox();
    MarkBarChanged();
    return pList ? pList->AddString(lpszItem) : LB_ERR;
}

int CXTPControlComboBox::InsertString(int nIndex, LPCTSTR lpszItem)
{
    CXTPControlComboBoxList* pList = GetListBox();
    MarkBarChanged();
    return pList ? pList->InsertString(nIndex, lpszItem) : LB_ERR;
}

int CXTPControlComboBox::DeleteItem(int nIndex)
{
    CXTPControlComboBoxList* pList = GetListBox();
    MarkBarChanged();
    return pList ? pList->DeleteString(nIndex) : LB_ERR;
}

void CXTPControlComboBox::ResetContent()
{
    if (CXTPControlComboBoxList* pList = GetListBox())
        pList->ResetContent();
    m_nCurSel = -1;
    MarkBarChanged();
}

int CXTPControlComboBox::GetCount() const
{
    CXTPControlComboBoxList* pList = GetListBox();
    return pList ? pList->GetCount() : 0;
}

int CXTPControlComboBox::FindStringExact(int nStartAfter, LPCTSTR lpszItem) const
{
    CXTPControlComboBoxList* pList = GetListBox();
    if (!pList || !pList->GetSafeHwnd())
        return LB_ERR;
    return static_cast<int>(
        ::SendMessageW(pList->GetSafeHwnd(), LB_FINDSTRINGEXACT, nStartAfter, reinterpret_cast<LPARAM>(lpszItem)));
}

int CXTPControlComboBox::GetCurSel() const
{
    CXTPControlComboBoxList* pList = GetListBox();
    return pList && pList->GetSafeHwnd() ? pList->GetCurSel() : m_nCurSel;
}

void CXTPControlComboBox::SetCurSel(int nIndex)
{
    if (nIndex == GetCurSel())
        return;
    RestoreSelection(nIndex);
    OnSelChanged();
}

void CXTPControlComboBox::RestoreSelection(int nIndex)
{
    m_nCurSel = nIndex;
    if (CXTPControlComboBoxList* pList = GetListBox())
        pList->SetCurSel(nIndex);
}

CString CXTPControlComboBox::GetListBoxText() const
{
    CXTPControlComboBoxList* pList = GetListBox();
    return pList ? pList->GetText(GetCurSel()) : CString();
}

CString CXTPControlComboBox::GetEditText() const
{
    return m_editHost.GetText();
}

void CXTPControlComboBox::SetEditText(const CString& strText)
{
    m_editHost.SetText(strText);
}

CString CXTPControlComboBox::GetText() const
{
    return m_bDropDown ? GetEditText() : GetListBoxText();
}

void CXTPControlComboBox::GetDefaultCharFormat(void* pCharFormat2)
{
    m_editHost.GetDefaultCharFormat(pCharFormat2);
}

void CXTPControlComboBox::AddEditIconWidth(CRect& rcText)
{
    if (m_nEditIconId <= 0)
        return;
    CXTPImageManagerIcon* pIcon = GetImageManager()->GetImage(static_cast<UINT>(m_nEditIconId), 16);
    if (pIcon)
        rcText.left += pIcon->GetWidth() + 2;
}

void CXTPControlComboBox::DrawEditIcon(CDC* pDC, CRect rc)
{
    if (m_nEditIconId > 0) {
        CXTPImageManagerIcon* pIcon = GetImageManager()->GetImage(static_cast<UINT>(m_nEditIconId), 16);
        if (pIcon) {
            CSize szIcon = pIcon->GetExtent();
            pIcon->Draw(pDC, CPoint(rc.left, rc.top + (rc.Height() - szIcon.cy) / 2), szIcon);
            rc.left += szIcon.cx + 2;
        }
    }
    // The edit part paints its own text.
    if (m_bDropDown)
        return;
    CString strText = GetListBoxText();
    if (strText.IsEmpty())
        return;
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(XTPGetColorManager()->GetColor(m_bEnabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    pDC->DrawText(strText, &rc, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

CXTPControlComboBoxEditCtrl* CXTPControlComboBox::CreateEditControl()
{
    return new CXTPControlComboBoxEditCtrl(this);
}

void CXTPControlComboBox::SetRect(CRect rcControl)
{
    m_editHost.DropStaleWindow(!m_bDropDown);
    if (!m_pParent || !m_pParent->GetSafeHwnd() || !m_bDropDown) {
        m_rcControl = rcControl;
        m_editHost.CancelRecreate();
        return;
    }
    if (m_editHost.GetSafeHwnd() && m_rcControl == rcControl && !m_editHost.IsPlacementPending()) {
        // The bars' font may have changed at the same height.
        m_editHost.FollowBarFont();
        return;
    }
    m_rcControl = rcControl;
    // The text part the paint manager leaves between label and button.
    CRect rcText(rcControl.left + m_nLabelWidth + 3, rcControl.top + 3, rcControl.right - m_nThumbWidth - 1,
                 rcControl.bottom - 3);
    AddEditIconWidth(rcText);
    m_editHost.Place(rcText);
}

BOOL CXTPControlComboBox::Compare(CXTPControl* pOther)
{
    CXTPControlComboBox* pCombo = dynamic_cast<CXTPControlComboBox*>(pOther);
    return CXTPControl::Compare(pOther) && pCombo && pCombo->m_nWidth == m_nWidth;
}

void CXTPControlComboBox::SetHideFlags(DWORD dwFlags)
{
    m_editHost.SetHideFlags(dwFlags);
}

void CXTPControlComboBox::OnCalcDynamicSize(DWORD dwMode)
{
    m_editHost.OnCalcDynamicSize(dwMode);
}

void CXTPControlComboBox::SetEnabled(BOOL bEnabled)
{
    CXTPControl::SetEnabled(bEnabled);
    m_editHost.OnEnabled(bEnabled);
}

BOOL CXTPControlComboBox::IsFocusable() const
{
    if (m_bDropDown)
        return m_editHost.GetSafeHwnd() != nullptr;
    CXTPControlComboBoxList* pList = GetListBox();
    return pList && pList->GetSafeHwnd();
}

void CXTPControlComboBox::SetFocused(BOOL bFocused)
{
    if (m_bDropDown)
        m_editHost.SetFocused(bFocused);
    else if (bFocused)
        OnSetFocus(nullptr);
    else
        OnKillFocus(nullptr);
}

void CXTPControlComboBox::OnSetFocus(CWnd* pOldWnd)
{
    if (m_bFocused)
        return;
    m_bFocused = TRUE;
    m_editHost.BeginFocus(pOldWnd);
    m_strLastText = GetEditText();
    m_nLastSel = GetCurSel();
    m_bSelEndOk = FALSE;
    m_editHost.EnterBarFocus(kNotifyFocusGained);
}

void CXTPControlComboBox::OnKillFocus(CWnd* /*pNewWnd*/)
{
    if (!m_bFocused)
        return;
    m_bFocused = FALSE;
    if (!m_bDropDown && !m_bSelEndOk && !IsDroppedDown()) {
        RestoreSelection(m_nLastSel);
        NotifySite(kNotifySelCancelled);
    }
    m_editHost.LeaveBarFocus(kNotifyFocusLost);
    if (IsDroppedDown() && m_pParent)
        m_pParent->SetPopuped(-1);
}

void CXTPControlComboBox::OnSelChanged()
{
    SetEditText(GetListBoxText());
    RedrawParent(FALSE);
    NotifySite(kNotifySelChanged);
}

void CXTPControlComboBox::CompleteFromList()
{
    CXTPControlComboBoxList* pList = GetListBox();
    CXTPControlComboBoxEditCtrl* pEdit = GetEditCtrl();
    if (!pList || !pList->GetSafeHwnd() || !m_editHost.GetSafeHwnd())
        return;
    CString strText = GetEditText();
    if (strText.IsEmpty())
        return;
    DWORD dwStart = 0, dwEnd = 0;
    pEdit->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    int nLength = strText.GetLength();
    // Only while typing at the end with nothing selected.
    if (dwStart != dwEnd || static_cast<int>(dwEnd) != nLength)
        return;
    int nFound = static_cast<int>(pList->SendMessage(LB_FINDSTRING, static_cast<WPARAM>(-1),
                                                     reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(strText))));
    if (nFound < 0)
        return;
    CString strItem = pList->GetText(nFound);
    if (strItem.GetLength() <= nLength)
        return;
    m_editHost.SetWindowTextQuietly(strItem);
    pEdit->SendMessage(EM_SETSEL, nLength, strItem.GetLength());
}

void CXTPControlComboBox::OnEditChanged()
{
    if (m_bAutoComplete && !m_bIgnoreAutoComplete)
        CompleteFromList();
    // The change a completion causes completes nothing more.
    m_bIgnoreAutoComplete = TRUE;
    CXTPControlComboBoxList* pList = GetListBox();
    if (pList && pList->GetSafeHwnd()) {
        CString strText = GetEditText();
        int nExact = FindStringExact(-1, strText);
        if (nExact >= 0) {
            RestoreSelection(nExact);
        } else {
            int nPrefix = static_cast<int>(pList->SendMessage(LB_FINDSTRING, static_cast<WPARAM>(-1),
                                                              reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(strText))));
            if (nPrefix >= 0)
                pList->SendMessage(LB_SETTOPINDEX, nPrefix, 0);
            RestoreSelection(-1);
        }
    }
    NotifySite(kNotifyTextEdited);
}

void CXTPControlComboBox::SelectByKey(UINT nChar)
{
    CXTPControlComboBoxList* pList = GetListBox();
    if (!pList || !pList->GetSafeHwnd())
        return;
    int nOld = GetCurSel();
    if (m_bDropDown) {
        if (IsListKey(nChar) && !IsAltDown())
            pList->SendMessage(WM_KEYDOWN, nChar, 0);
    } else {
        BOOL bRefused = (nChar == VK_F4 && !IsAltDown()) || ((nChar == VK_UP || nChar == VK_DOWN) && IsAltDown());
        if (!bRefused) {
            pList->SendMessage(WM_KEYDOWN, nChar, 0);
            // Letters and digits pick the next entry that begins with them.
            UINT nCharCode = ::MapVirtualKeyW(nChar, MAPVK_VK_TO_CHAR);
            if (nCharCode >= L'0' && !(nCharCode & 0x80000000))
                pList->SendMessage(WM_CHAR, std::towlower(static_cast<wint_t>(nCharCode & 0xFFFF)), 0);
        }
    }
    m_nCurSel = pList->GetCurSel();
    if (GetCurSel() != nOld) {
        OnSelChanged();
        if (m_editHost.GetSafeHwnd())
            GetEditCtrl()->SendMessage(EM_SETSEL, 0, -1);
    }
}

int CXTPControlComboBox::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    if (!m_bFocused)
        return 0;
    if (m_editHost.IsImeComposing())
        return 2;
    m_bIgnoreAutoComplete = nChar == VK_DELETE || nChar == VK_BACK;
    switch (nChar) {
    case VK_RETURN:
        return 0;
    case VK_ESCAPE: {
        CXTPCommandBar* pParent = m_pParent;
        if (IsDroppedDown() && pParent) {
            pParent->SetPopuped(-1);
            // Closing the list told the site of the cancel already.
            m_bSelEndOk = TRUE;
        }
        RestoreSelection(m_nLastSel);
        SetEditText(m_strLastText);
        SetFocused(FALSE);
        if (pParent)
            pParent->SetTrackingMode(FALSE);
        return 1;
    }
    case VK_F4:
        if (IsAltDown())
            break;
        OnClick(FALSE);
        return 1;
    case VK_UP:
    case VK_DOWN:
        if (!IsAltDown())
            break;
        OnClick(FALSE);
        return 1;
    case VK_TAB:
        return GetAutoCompleteWnd() && (m_dwShellAutoCompleteFlags & kShellAutoCompleteUseTab) ? 2 : 0;
    default:
        break;
    }
    CXTPControlComboBoxAutoCompleteWnd* pAutoComplete = GetAutoCompleteWnd();
    if (pAutoComplete && pAutoComplete->IsSuggestShown() && IsListKey(nChar) && !IsAltDown()) {
        pAutoComplete->ForwardKey(nChar, lParam);
        return 1;
    }
    if (IsDroppedDown() || !m_bDropDown) {
        if (IsListKey(nChar) || !m_bDropDown) {
            SelectByKey(nChar);
            return 1;
        }
    }
    return m_editHost.OnEditKey(nChar, lParam);
}

int CXTPControlComboBox::OnHookMouseWheel(UINT /*nFlags*/, short zDelta, CPoint /*pt*/)
{
    CXTPControlComboBoxList* pList = GetListBox();
    if (!m_bFocused || IsDroppedDown() || GetAutoCompleteWnd() || !pList || !pList->GetSafeHwnd())
        return 0;
    SelectByKey(zDelta > 0 ? VK_UP : VK_DOWN);
    return 1;
}

void CXTPControlComboBox::SetParent(CXTPCommandBar* pParent)
{
    m_editHost.OnParentChanging(pParent);
    CXTPControlPopup::SetParent(pParent);
}

void CXTPControlComboBox::Copy(CXTPControl* pControl, BOOL bRecursive)
{
    CXTPControlComboBox* pCombo = dynamic_cast<CXTPControlComboBox*>(pControl);
    CXTPControlPopup::Copy(pControl, bRecursive);
    if (!pCombo || pCombo == this)
        return;
    SetDropDown(pCombo->m_bDropDown);
    m_comboStyle = pCombo->m_comboStyle;
    m_nWidth = pCombo->m_nWidth;
    m_strEditHint = pCombo->m_strEditHint;
    m_bAutoComplete = pCombo->m_bAutoComplete;
    m_dwShellAutoCompleteFlags = pCombo->m_dwShellAutoCompleteFlags;
    m_nEditIconId = pCombo->m_nEditIconId;
    m_nDropDownItemCount = pCombo->m_nDropDownItemCount;
    m_dwEditStyle = pCombo->m_dwEditStyle;
    m_nCurSel = pCombo->GetCurSel();
    SetEditText(pCombo->GetEditText());
}

CXTPControl* CXTPControlComboBox::Clone(BOOL bRecursive)
{
    CXTPControlComboBox* pControl = static_cast<CXTPControlComboBox*>(GetRuntimeClass()->CreateObject());
    // A combo box is never without a list of its own.
    pControl->Copy(this, TRUE);
    (void)bRecursive;
    return pControl;
}

void CXTPControlComboBox::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (m_editHost.OnClickHandled(pt))
        return;
    if (bKeyboard) {
        if (!m_bEnabled)
            return;
        if (m_bFocused)
            OnExecute();
        else
            SetFocused(TRUE);
        return;
    }
    if (m_bFocused && IsDroppedDown()) {
        if (m_pParent)
            m_pParent->SetPopuped(-1);
        return;
    }
    CXTPControlPopup::OnClick(FALSE, pt);
}

void CXTPControlComboBox::OnMouseHover()
{
    if (XTPMouseManager()->IsMouseLocked())
        return;
    CXTPControlPopup::OnMouseHover();
}

BOOL CXTPControlComboBox::SetSelected(int bSelected)
{
    if (!bSelected && m_bFocused)
        SetFocused(FALSE);
    return CXTPControlPopup::SetSelected(bSelected);
}

BOOL CXTPControlComboBox::OnSetPopup(BOOL bPopup)
{
    if (bPopup) {
        m_bSelEndOk = FALSE;
        m_nLastSel = GetCurSel();
        if (CXTPControlComboBoxAutoCompleteWnd* pAutoComplete = GetAutoCompleteWnd())
            pAutoComplete->HideSuggest();
        BOOL bOpened = CXTPControlPopup::OnSetPopup(TRUE);
        if (bOpened && m_bPopup)
            NotifySite(kNotifyListOpened);
        return bOpened;
    }
    if (!m_bDropDown && !m_bFocused && !m_bSelEndOk)
        RestoreSelection(m_nLastSel);
    if (!m_bSelEndOk)
        NotifySite(kNotifySelCancelled);
    BOOL bWasOpen = m_bPopup;
    BOOL bResult = CXTPControlPopup::OnSetPopup(FALSE);
    if (bWasOpen)
        NotifySite(kNotifyListClosed);
    return bResult;
}

void CXTPControlComboBox::OnExecute()
{
    int nSel = GetCurSel();
    if (nSel != -1 && (IsDroppedDown() || (!m_bDropDown && m_bFocused)))
        NotifySite(kNotifySelConfirmed);
    m_bSelEndOk = TRUE;
    m_nLastSel = nSel;
    m_strLastText = GetEditText();
    CXTPControl::OnExecute();
}

int CXTPControlComboBox::GetCustomizeMinWidth() const
{
    return m_nLabelWidth + m_nThumbWidth + 5;
}

BOOL CXTPControlComboBox::IsCaptionVisible() const
{
    return m_comboStyle == 1 && !GetCaption().IsEmpty();
}
