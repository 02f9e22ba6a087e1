// The stored form of command bars, the copy of one bar into another, and
// the walks that collect the bars to store and link loaded popup bars.
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/state/XTPCommandBarList.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlComboBoxList.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"

namespace {

// Popup bars the program built keep their ids below this; stored ones
// are numbered from it.
const DWORD kFirstStoredPopupID = 0x1000000;
// Popup bars nest a few levels; a deeper chain can only be a loop, whose
// copies share the bars from there on.
const int kMaxCloneDepth = 32;
int g_nCloneDepth = 0;

void AddPopupBars(CXTPControls* pControls, DWORD& nID, CXTPCommandBarList* pList,
                  XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParam)
{
    if (!pControls)
        return;
    for (int i = 0; i < pControls->GetCount(); i++) {
        CXTPControl* pControl = pControls->GetAt(i);
        if (!pControl->IsTemporary() && pControl->GetCommandBar())
            pControl->GetCommandBar()->GenerateCommandBarList(nID, pList, pParam);
    }
}

void RelinkPopupBars(CXTPControls* pControls, CXTPCommandBarList* pList)
{
    if (!pControls)
        return;
    for (int i = 0; i < pControls->GetCount(); i++) {
        auto* pPopup = dynamic_cast<CXTPControlPopup*>(pControls->GetAt(i));
        if (!pPopup || pPopup->GetLoadedCommandBarID() == 0)
            continue;
        CXTPCommandBar* pBar = pList->FindCommandBar(pPopup->GetLoadedCommandBarID());
        // A toolbar is no popup, and a bar cannot open below itself.
        if (!pBar || pBar->IsKindOf(RUNTIME_CLASS(CXTPToolBar)) || pList->IsBeingRelinked(pBar))
            continue;
        // A combo box opens its list box and nothing else; no other control opens one.
        if (pPopup->IsKindOf(RUNTIME_CLASS(CXTPControlComboBox)) !=
            pBar->IsKindOf(RUNTIME_CLASS(CXTPControlComboBoxList)))
            continue;
        pPopup->SetCommandBar(pBar);
        pBar->RestoreCommandBarList(pList);
    }
    RelinkPopupBars(pControls->GetOriginalControls(), pList);
}

} // namespace

void CXTPCommandBar::DoPropExchange(CXTPPropExchange* pPX)
{
    long nType = m_barType;
    XTPExchangeLongWithDefault(pPX, L"Type", nType, xtpBarTypeNormal);
    long nPosition = m_barPosition;
    XTPExchangeLongWithDefault(pPX, L"Position", nPosition, xtpBarTop);
    DWORD dwBarID = m_nBarID;
    XTPExchangeLongWithDefault(pPX, L"BarID", dwBarID, 0);
    m_nBarID = dwBarID;
    XTPExchangeLongWithDefault(pPX, L"Flags", m_dwFlags, 0);
    XTPExchangeLongWithDefault(pPX, L"Style", m_dwStyle, 0);
    XTPExchangeStringWithDefault(pPX, L"Title", m_strTitle, L"");
    XTPExchangeBoolWithDefault(pPX, L"Customizable", m_bCustomizable, TRUE);
    XTPExchangeLongWithDefault(pPX, L"MRUWidth", m_nMRUWidth, 0);
    if (pPX->m_nSchema > 2)
        XTPExchangeSizeWithDefault(pPX, L"IconSize", m_szIcons, CSize(0, 0));

    if (pPX->IsLoading()) {
        if (nType >= xtpBarTypeMenuBar && nType <= xtpBarTypePopup)
            m_barType = static_cast<XTPCommandBarType>(nType);
        if (nPosition >= xtpBarTop && nPosition <= xtpBarNone)
            m_barPosition = static_cast<XTPBarPosition>(nPosition);
        XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParam = XTP_COMMANDBARS_PROPEXCHANGE_PARAM::From(pPX);
        if (pParam && pParam->pCommandBars)
            SetCommandBars(pParam->pCommandBars);
    }

    CXTPSectionHolder section(pPX->GetSection(L"Controls"));
    m_pControls->DoPropExchange(section.Get());
}

void CXTPCommandBar::Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive)
{
    if (!pCommandBar || pCommandBar == this)
        return;
    m_barType = pCommandBar->m_barType;
    m_barPosition = pCommandBar->m_barPosition;
    m_nBarID = pCommandBar->m_nBarID;
    m_dwFlags = pCommandBar->m_dwFlags;
    m_dwStyle = pCommandBar->m_dwStyle;
    m_strTitle = pCommandBar->m_strTitle;
    m_bCustomizable = pCommandBar->m_bCustomizable;
    m_nMRUWidth = pCommandBar->m_nMRUWidth;
    m_szIcons = pCommandBar->m_szIcons;
    m_szButtons = pCommandBar->m_szButtons;
    m_pCommandBars = pCommandBar->m_pCommandBars;

    if (GetSafeHwnd()) {
        SetPopuped(-1);
        SetSelected(-1);
    }
    CXTPCommandBars* pCommandBars = GetCommandBars();
    CXTPControl* pDragged = pCommandBars ? pCommandBars->GetDragControl() : nullptr;
    if (pDragged && pDragged->GetParent() == this)
        pCommandBars->SetDragControl(nullptr);

    CXTPControls* pControls = pCommandBar->m_pControls->Duplicate(bRecursive);
    pControls->SetParent(this);
    CXTPControls* pOld = m_pControls;
    m_pControls = pControls;
    pOld->SetParent(nullptr);
    pOld->InternalRelease();
    OnControlsChanged();
    DelayLayout();
    if (GetSafeHwnd())
        ::InvalidateRect(GetSafeHwnd(), nullptr, FALSE);
}

CXTPCommandBar* CXTPCommandBar::Clone(BOOL bRecursive)
{
    if (g_nCloneDepth >= kMaxCloneDepth)
        return nullptr;
    CObject* pObject = GetRuntimeClass()->CreateObject();
    auto* pBar = dynamic_cast<CXTPCommandBar*>(pObject);
    if (!pBar) {
        delete pObject;
        return nullptr;
    }
    g_nCloneDepth++;
    pBar->Copy(this, bRecursive);
    g_nCloneDepth--;
    return pBar;
}

void CXTPCommandBar::GenerateCommandBarList(DWORD& nID, CXTPCommandBarList* pCommandBarList,
                                            XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParam)
{
    if (!pCommandBarList || pCommandBarList->Lookup(this))
        return;
    pCommandBarList->Add(this);
    if (!IsKindOf(RUNTIME_CLASS(CXTPToolBar)) && (m_nBarID == 0 || m_nBarID >= kFirstStoredPopupID))
        m_nBarID = nID++;
    AddPopupBars(m_pControls, nID, pCommandBarList, pParam);
    if (!pParam || pParam->bSaveOriginalControls)
        AddPopupBars(m_pControls->GetOriginalControls(), nID, pCommandBarList, pParam);
}

void CXTPCommandBar::RestoreCommandBarList(CXTPCommandBarList* pCommandBarList)
{
    if (!pCommandBarList || !pCommandBarList->MarkRelinked(this))
        return;
    pCommandBarList->EnterRelink(this);
    RelinkPopupBars(m_pControls, pCommandBarList);
    pCommandBarList->LeaveRelink();
}

void CXTPToolBar::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPCommandBar::DoPropExchange(pPX);
    XTPExchangeBoolWithDefault(pPX, L"BuiltIn", m_bBuiltIn, TRUE);
    XTPExchangeBoolWithDefault(pPX, L"TearOff", m_bTearOff, FALSE);
    if (pPX->m_nSchema >= 7)
        XTPExchangeBoolWithDefault(pPX, L"Closeable", m_bCloseable, TRUE);
    if (pPX->m_nSchema >= 8)
        XTPExchangeBoolWithDefault(pPX, L"ContextMenuPresent", m_bContextMenuPresent, TRUE);
    if (pPX->m_nSchema > 16)
        XTPExchangeBoolWithDefault(pPX, L"CustomizeDialogPresent", m_bCustomizeDialogPresent, TRUE);
    if (pPX->IsLoading() && pPX->m_nSchema <= 16 && m_barType == xtpBarTypeMenuBar)
        m_bCloseable = FALSE;
}

void CXTPToolBar::Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive)
{
    CXTPCommandBar::Copy(pCommandBar, bRecursive);
    auto* pToolBar = dynamic_cast<CXTPToolBar*>(pCommandBar);
    if (!pToolBar || pToolBar == this)
        return;
    m_bBuiltIn = pToolBar->m_bBuiltIn;
    m_bTearOff = pToolBar->m_bTearOff;
    m_bCloseable = pToolBar->m_bCloseable;
    // A docked bar stays on the side it is docked at until it is moved.
    if (m_pDockBar)
        m_barPosition = m_pDockBar->GetPosition();
}

void CXTPPopupBar::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPCommandBar::DoPropExchange(pPX);
    XTPExchangeBoolWithDefault(pPX, L"TearOffPopup", m_bTearOffPopup, FALSE);
    XTPExchangeStringWithDefault(pPX, L"TearOffCaption", m_strTearOffCaption, L"");
    DWORD dwTearOffID = m_nTearOffID;
    XTPExchangeLongWithDefault(pPX, L"TearOffId", dwTearOffID, 0);
    m_nTearOffID = dwTearOffID;
    XTPExchangeLongWithDefault(pPX, L"TearOffWidth", m_nTearOffWidth, 0);
    if (pPX->m_nSchema > 3) {
        XTPExchangeRectWithDefault(pPX, L"Borders", m_rcBorders, CRect(2, 4, 2, 4));
        XTPExchangeBoolWithDefault(pPX, L"ShowShadow", m_bShadow, TRUE);
    }
    if (pPX->m_nSchema > 8)
        XTPExchangeBoolWithDefault(pPX, L"DoubleGripper", m_bDoubleGripper, FALSE);
}

void CXTPPopupBar::Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive)
{
    CXTPCommandBar::Copy(pCommandBar, bRecursive);
    auto* pPopupBar = dynamic_cast<CXTPPopupBar*>(pCommandBar);
    if (!pPopupBar || pPopupBar == this)
        return;
    m_bTearOffPopup = pPopupBar->m_bTearOffPopup;
    m_strTearOffCaption = pPopupBar->m_strTearOffCaption;
    m_nTearOffID = pPopupBar->m_nTearOffID;
    m_nTearOffWidth = pPopupBar->m_nTearOffWidth;
    m_rcBorders = pPopupBar->m_rcBorders;
}

void CXTPMenuBar::GenerateCommandBarList(DWORD& nID, CXTPCommandBarList* pCommandBarList,
                                         XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParam)
{
    if (!pCommandBarList || pCommandBarList->Lookup(this))
        return;
    if (m_mapTemplates.GetCount() > 0) {
        // The default menu is the one stored as the bar's controls.
        if (m_hMenuDefault != nullptr && m_nIDResourceCurrent != m_nIDResource)
            SwitchMenu(m_hMenuDefault);
        m_bDirtyMenu = TRUE;
        // Template menus as they came from their resources need no storing.
        CArray<UINT, UINT> arrUnchanged;
        POSITION pos = m_mapTemplates.GetStartPosition();
        while (pos != nullptr) {
            UINT nTemplate = 0;
            CXTPControls* pControls = nullptr;
            m_mapTemplates.GetNextAssoc(pos, nTemplate, pControls);
            if (pControls == nullptr || !pControls->IsChanged())
                arrUnchanged.Add(nTemplate);
        }
        for (INT_PTR i = 0; i < arrUnchanged.GetSize(); i++) {
            CXTPControls* pControls = nullptr;
            if (m_mapTemplates.Lookup(arrUnchanged[i], pControls) && pControls != nullptr)
                pControls->InternalRelease();
            m_mapTemplates.RemoveKey(arrUnchanged[i]);
        }
    }
    CXTPToolBar::GenerateCommandBarList(nID, pCommandBarList, pParam);
    POSITION pos = m_mapTemplates.GetStartPosition();
    while (pos != nullptr) {
        UINT nTemplate = 0;
        CXTPControls* pControls = nullptr;
        m_mapTemplates.GetNextAssoc(pos, nTemplate, pControls);
        AddPopupBars(pControls, nID, pCommandBarList, pParam);
        if (pControls && (!pParam || pParam->bSaveOriginalControls))
            AddPopupBars(pControls->GetOriginalControls(), nID, pCommandBarList, pParam);
    }
}

void CXTPMenuBar::RestoreCommandBarList(CXTPCommandBarList* pCommandBarList)
{
    if (!pCommandBarList || !pCommandBarList->MarkRelinked(this))
        return;
    pCommandBarList->EnterRelink(this);
    RelinkPopupBars(m_pControls, pCommandBarList);
    POSITION pos = m_mapTemplates.GetStartPosition();
    while (pos != nullptr) {
        UINT nTemplate = 0;
        CXTPControls* pControls = nullptr;
        m_mapTemplates.GetNextAssoc(pos, nTemplate, pControls);
        RelinkPopupBars(pControls, pCommandBarList);
    }
    pCommandBarList->LeaveRelink();
}
