// The stored form of a control: one routine for saving and loading, later
// values gated by the schema the data were written with.
#include "framework/files/CArchive.h"
#include "framework/files/CArchiveException.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/state/XTPCommandBarList.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"

namespace {

const DWORD kHideFlagsDefined = 0x7F;
// Far more templates than a program has; a larger stored count is damage.
const DWORD_PTR kMaxDocTemplates = 4096;
// Bounds of stored edit and combo box values; beyond them a value is damage.
const long kMaxControlWidth = 4096;
const long kMaxDropDownItems = 256;
// The shell's completion flags (sources, switches, tab use, overrides).
const DWORD kShellAutoCompleteDefined = 0xF000007F;
// The edit window styles an edit part may carry: alignment, case, password,
// scrolling, selection, read-only, return and digits; never multi-line.
const DWORD kEditStylesDefined = 0x3FFF & ~static_cast<DWORD>(ES_MULTILINE);

BOOL IsPopupKind(long nType)
{
    return nType == xtpControlPopup || nType == xtpControlButtonPopup || nType == xtpControlSplitButtonPopup;
}

void ExchangeTemplates(CXTPPropExchange* pPX, LPCTSTR lpszName, CXTPControl::CDocTemplateMap& map)
{
    if (pPX->IsStoring() && pPX->CanOmitDefaults() && map.GetCount() == 0)
        return;
    XTPExchangeSerialize(pPX, lpszName, &map);
}

// The button style travels as "Style"; an unknown one leaves the default.
void ExchangeButtonStyle(CXTPPropExchange* pPX, XTPButtonStyle& style)
{
    long nStyle = style;
    XTPExchangeLongWithDefault(pPX, L"Style", nStyle, xtpButtonAutomatic);
    if (nStyle >= xtpButtonAutomatic && nStyle <= xtpButtonIconAndCaptionBelow)
        style = static_cast<XTPButtonStyle>(nStyle);
}

} // namespace

void CXTPControl::CDocTemplateMap::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(GetCount()));
        POSITION pos = GetStartPosition();
        while (pos) {
            UINT nKey;
            int nValue;
            GetNextAssoc(pos, nKey, nValue);
            ar << nKey << nValue;
        }
        return;
    }
    RemoveAll();
    DWORD_PTR nCount = ar.ReadCount();
    if (nCount > kMaxDocTemplates)
        AfxThrowArchiveException(CArchiveException::badIndex);
    for (DWORD_PTR i = 0; i < nCount; i++) {
        UINT nKey = 0;
        int nValue = 0;
        ar >> nKey >> nValue;
        SetAt(nKey, nValue);
    }
}

void CXTPControl::DoPropExchange(CXTPPropExchange* pPX)
{
    long nType = m_controlType;
    XTPExchangeLongWithDefault(pPX, L"Type", nType, xtpControlButton);
    // The class decides what the control is; the stored type only picks
    // between the kinds one class serves.
    if (pPX->IsLoading() && nType != m_controlType && IsPopupKind(nType) && IsPopupKind(m_controlType))
        m_controlType = static_cast<XTPControlType>(nType);

    XTPExchangeLongWithDefault(pPX, L"Id", m_nId, -1);
    XTPExchangeLongWithDefault(pPX, L"IconId", m_nIconId, 0);
    XTPExchangeBoolWithDefault(pPX, L"BeginGroup", m_bBeginGroup, FALSE);
    DWORD dwTag = static_cast<DWORD>(m_nTag);
    XTPExchangeLongWithDefault(pPX, L"Tag", dwTag, 0);
    m_nTag = dwTag;
    XTPExchangeLongWithDefault(pPX, L"Flags", m_dwFlags, 0);
    XTPExchangeLongWithDefault(pPX, L"HideFlags", m_dwHideFlags, 0);
    if (pPX->IsLoading())
        m_dwHideFlags &= kHideFlagsDefined;
    // The key a menu text names after its tab goes with the caption, so a
    // stored menu shows it again although no accelerator stands behind it.
    CString strCaption = m_strCaption;
    if (!pPX->IsLoading() && !m_strShortcutTextAuto.IsEmpty())
        strCaption += L"\t" + m_strShortcutTextAuto;
    XTPExchangeStringWithDefault(pPX, L"Caption", strCaption, L"");
    if (pPX->IsLoading()) {
        const int nTab = strCaption.Find(L'\t');
        if (nTab >= 0)
            m_strShortcutTextAuto = strCaption.Mid(nTab + 1);
        m_strCaption = nTab >= 0 ? strCaption.Left(nTab) : strCaption;
    }
    XTPExchangeStringWithDefault(pPX, L"ShortcutText", m_strShortcutText, L"");
    XTPExchangeStringWithDefault(pPX, L"TooltipText", m_strTooltipText, L"");
    XTPExchangeStringWithDefault(pPX, L"DescriptionText", m_strDescriptionText, L"");
    XTPExchangeStringWithDefault(pPX, L"Parameter", m_strParameter, L"");
    XTPExchangeLongWithDefault(pPX, L"CustomIconId", m_nCustomIconId, 0);
    XTPExchangeStringWithDefault(pPX, L"CustomCaption", m_strCustomCaption, L"");
    if (pPX->m_nSchema > 1)
        XTPExchangeStringWithDefault(pPX, L"Category", m_strCategory, L"");
    if (m_nCustomIconId > 0) {
        CXTPSectionHolder section(pPX->GetSection(L"CustomIcon"));
        CXTPImageManager* pImages = GetImageManager();
        XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParam = XTP_COMMANDBARS_PROPEXCHANGE_PARAM::From(pPX);
        if (pPX->IsLoading() && pParam && pParam->pLoadedIcons) {
            pImages = pParam->pLoadedIcons;
            pParam->arrLoadedIconIds.Add(static_cast<UINT>(m_nCustomIconId));
        }
        if (section.Get())
            pImages->DoPropExchangeCommandIcons(static_cast<UINT>(m_nCustomIconId), section.Get());
    }
    if (pPX->m_nSchema > 3) {
        ExchangeTemplates(pPX, L"DocTemplatesExcluded", m_mapDocTemplatesExcluded);
        ExchangeTemplates(pPX, L"DocTemplatesAssigned", m_mapDocTemplatesAssigned);
        XTPExchangeBoolWithDefault(pPX, L"DefaultItem", m_bDefaultItem, FALSE);
    }
    if (pPX->m_nSchema >= 7)
        XTPExchangeBoolWithDefault(pPX, L"CloseSubMenuOnClick", m_bCloseSubMenuOnClick, TRUE);
    if (pPX->m_nSchema >= 8) {
        long nStyle = m_buttonCustomStyle;
        XTPExchangeLongWithDefault(pPX, L"CustomStyle", nStyle, xtpButtonAutomatic);
        if (nStyle >= xtpButtonAutomatic && nStyle <= xtpButtonIconAndCaptionBelow)
            m_buttonCustomStyle = static_cast<XTPButtonStyle>(nStyle);
    }
    if (pPX->m_nSchema >= 17)
        XTPExchangeLongWithDefault(pPX, L"HelpId", m_nHelpId, 0);
}

void CXTPControlButton::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPControl::DoPropExchange(pPX);
    ExchangeButtonStyle(pPX, m_buttonStyle);
}

void CXTPControlPopup::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPControl::DoPropExchange(pPX);
    long nBarID = 0;
    if (pPX->IsStoring() && m_pCommandBar)
        nBarID = static_cast<long>(m_pCommandBar->GetBarID());
    XTPExchangeLongWithDefault(pPX, L"CommandBarId", nBarID, 0);
    if (pPX->IsLoading())
        m_nLoadedCommandBarID = static_cast<UINT>(nBarID);
    if (pPX->m_nSchema >= 5)
        ExchangeButtonStyle(pPX, m_buttonStyle);
}

void CXTPControlComboBox::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPControlPopup::DoPropExchange(pPX);
    BOOL bDropDown = m_bDropDown;
    XTPExchangeBoolWithDefault(pPX, L"DropDown", bDropDown, TRUE);
    long nWidth = m_nWidth;
    XTPExchangeLongWithDefault(pPX, L"Width", nWidth, 0);
    long nComboStyle = m_comboStyle;
    XTPExchangeLongWithDefault(pPX, L"ComboStyle", nComboStyle, 0);
    DWORD dwShellFlags = m_dwShellAutoCompleteFlags;
    long nEditIconId = m_nEditIconId;
    long nDropDownItemCount = m_nDropDownItemCount;
    DWORD dwEditStyle = m_dwEditStyle;
    if (pPX->m_nSchema > 8) {
        XTPExchangeStringWithDefault(pPX, L"EditHint", m_strEditHint, L"");
        XTPExchangeLongWithDefault(pPX, L"ShellAutoCompleteFlags", dwShellFlags, 0);
        XTPExchangeBoolWithDefault(pPX, L"AutoComplete", m_bAutoComplete, FALSE);
        XTPExchangeLongWithDefault(pPX, L"EditIconId", nEditIconId, 0);
        XTPExchangeLongWithDefault(pPX, L"DropDownItemCount", nDropDownItemCount, 12);
    }
    if (pPX->m_nSchema > 16)
        XTPExchangeLongWithDefault(pPX, L"EditStyle", dwEditStyle, 0);
    if (pPX->IsStoring())
        return;
    // A stored value out of its range leaves the default.
    SetDropDown(bDropDown);
    if (nWidth > 0 && nWidth <= kMaxControlWidth)
        m_nWidth = nWidth;
    if (nComboStyle == 0 || nComboStyle == 1)
        m_comboStyle = nComboStyle;
    SetShellAutoComplete(dwShellFlags & kShellAutoCompleteDefined);
    if (nEditIconId >= 0)
        m_nEditIconId = nEditIconId;
    if (nDropDownItemCount > 0 && nDropDownItemCount <= kMaxDropDownItems)
        m_nDropDownItemCount = nDropDownItemCount;
    m_dwEditStyle = dwEditStyle & kEditStylesDefined;
}

void CXTPControlEdit::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPControl::DoPropExchange(pPX);
    long nWidth = m_nWidth;
    DWORD dwShellFlags = m_dwShellAutoCompleteFlags;
    DWORD dwEditStyle = m_dwEditStyle;
    if (pPX->m_nSchema > 5) {
        XTPExchangeBoolWithDefault(pPX, L"HasLabel", m_bLabel, FALSE);
        XTPExchangeLongWithDefault(pPX, L"Width", nWidth, 0);
    }
    if (pPX->m_nSchema >= 8)
        XTPExchangeBoolWithDefault(pPX, L"ReadOnly", m_bReadOnly, FALSE);
    if (pPX->m_nSchema > 8) {
        XTPExchangeStringWithDefault(pPX, L"EditHint", m_strEditHint, L"");
        XTPExchangeLongWithDefault(pPX, L"ShellAutoCompleteFlags", dwShellFlags, 0);
    }
    if (pPX->m_nSchema >= 17)
        XTPExchangeLongWithDefault(pPX, L"EditStyle", dwEditStyle, 0);
    if (pPX->IsStoring())
        return;
    if (nWidth > 0 && nWidth <= kMaxControlWidth)
        m_nWidth = nWidth;
    SetShellAutoComplete(dwShellFlags & kShellAutoCompleteDefined);
    m_dwEditStyle = dwEditStyle & kEditStylesDefined;
}
