// The customize sheet's context menu of a control: building it, its items'
// states and actions, and the image gallery it opens.
#include "toolkit/customize/XTPCustomizeSheet.h"

#include <cmath>

#include "framework/gdi/CBitmap.h"
#include "framework/windows/CCmdUI.h"
#include "framework/windows/CMenu.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPPopupToolBar.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/common/images/XTPImageManagerIconSet.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/customize/XTPCustomizeButtonImage.h"
#include "toolkit/customize/imageeditor/XTPImageEditorDlg.h"

BEGIN_MESSAGE_MAP(CXTPCustomizeSheet, CPropertySheet)
    ON_MESSAGE(WM_XTP_CONTROL_NOTIFY, OnControlNotify)
    ON_MESSAGE(WM_XTP_POPUP_OPENING, OnPopupOpening)
    ON_UPDATE_COMMAND_UI(XTP_ID_CUSTOMIZE_RESET, OnUpdateReset)
    ON_UPDATE_COMMAND_UI(XTP_ID_CUSTOMIZE_DELETE, OnUpdateAlways)
    ON_UPDATE_COMMAND_UI(XTP_ID_CUSTOMIZE_NAME, OnUpdateAlways)
    ON_UPDATE_COMMAND_UI(XTP_ID_CUSTOMIZE_COPYBUTTONIMAGE, OnUpdateHasImage)
    ON_UPDATE_COMMAND_UI(XTP_ID_CUSTOMIZE_PASTEBUTTONIMAGE, OnUpdatePasteImage)
    ON_UPDATE_COMMAND_UI(XTP_ID_CUSTOMIZE_RESETBUTTONIMAGE, OnUpdateResetImage)
    ON_UPDATE_COMMAND_UI(XTP_ID_CUSTOMIZE_EDITBUTTONIMAGE, OnUpdateHasImage)
    ON_UPDATE_COMMAND_UI(XTP_ID_CUSTOMIZE_CHANGEBUTTONIMAGE, OnUpdateHasImage)
    ON_UPDATE_COMMAND_UI_RANGE(XTP_ID_CUSTOMIZE_DEFAULTSTYLE, XTP_ID_CUSTOMIZE_TEXTONLY, OnUpdateStyle)
    ON_UPDATE_COMMAND_UI(XTP_ID_CUSTOMIZE_BEGINAGROUP, OnUpdateBeginGroup)
    ON_COMMAND(XTP_ID_CUSTOMIZE_RESET, OnReset)
    ON_COMMAND(XTP_ID_CUSTOMIZE_DELETE, OnDelete)
    ON_COMMAND(XTP_ID_CUSTOMIZE_COPYBUTTONIMAGE, OnCopyImage)
    ON_COMMAND(XTP_ID_CUSTOMIZE_PASTEBUTTONIMAGE, OnPasteImage)
    ON_COMMAND(XTP_ID_CUSTOMIZE_RESETBUTTONIMAGE, OnResetImage)
    ON_COMMAND(XTP_ID_CUSTOMIZE_EDITBUTTONIMAGE, OnEditImage)
    ON_COMMAND_RANGE(XTP_ID_CUSTOMIZE_DEFAULTSTYLE, XTP_ID_CUSTOMIZE_TEXTONLY, OnStyle)
    ON_COMMAND(XTP_ID_CUSTOMIZE_BEGINAGROUP, OnBeginGroup)
END_MESSAGE_MAP()

namespace
{
const int kGalleryIconSize = 16;
const int kGalleryCellWidth = 23;

XTPButtonStyle StyleOfItem(UINT nID)
{
    switch (nID) {
    case XTP_ID_CUSTOMIZE_TEXTONLY:
        return xtpButtonCaption;
    case XTP_ID_CUSTOMIZE_IMAGEANDTEXT:
        return xtpButtonIconAndCaption;
    default:
        return xtpButtonAutomatic;
    }
}
} // namespace

void CXTPCustomizeSheet::LoadGalleryImages()
{
    m_pGalleryImages = new CXTPImageManager();
    CBitmap bitmap;
    if (!XTPGetResourceManager()->LoadBitmap(&bitmap, XTP_IDB_CUSTOMIZE_GALLERY))
        return;
    BITMAP bm = {};
    if (bitmap.GetBitmap(&bm) == 0 || bm.bmWidth < kGalleryIconSize)
        return;
    const int nCount = bm.bmWidth / kGalleryIconSize;
    CArray<UINT, UINT> arrIds;
    for (int i = 0; i < nCount; i++)
        arrIds.Add(static_cast<UINT>(i + 1));
    m_pGalleryImages->SetIconsFromBitmap(bitmap, arrIds.GetData(), nCount, CSize(kGalleryIconSize, bm.bmHeight),
                                         xtpImageNormal,
                                         CXTPImageManager::IsAlphaBitmapResource(XTP_IDB_CUSTOMIZE_GALLERY));
}

void CXTPCustomizeSheet::BuildContextMenu()
{
    m_pContextMenu = CXTPPopupBar::CreatePopupBar(nullptr);
    CMenu menu;
    if (!XTPGetResourceManager()->LoadMenu(&menu, XTP_IDR_CUSTOMIZEMENU))
        return;
    CMenu* pItems = menu.GetSubMenu(0);
    if (pItems == nullptr)
        return;
    CXTPControls* pControls = m_pContextMenu->GetControls();
    BOOL bBeginGroup = FALSE;
    for (int i = 0; i < pItems->GetMenuItemCount(); i++) {
        const UINT nID = pItems->GetMenuItemID(i);
        if (nID == 0) {
            bBeginGroup = TRUE;
            continue;
        }
        CString strText;
        pItems->GetMenuString(static_cast<UINT>(i), strText, MF_BYPOSITION);
        CXTPControl* pControl = nullptr;
        if (nID == XTP_ID_CUSTOMIZE_NAME) {
            CCustomizeEdit* pEdit = new CCustomizeEdit();
            pEdit->ShowLabel(TRUE);
            pControl = pEdit;
        } else if (nID == XTP_ID_CUSTOMIZE_CHANGEBUTTONIMAGE) {
            CXTPControlPopup* pPopup = new CXTPControlPopup();
            pPopup->SetType(xtpControlPopup);
            CXTPPopupToolBar* pGallery = CXTPPopupToolBar::CreatePopupToolBar(nullptr);
            m_pGalleryImages->InternalAddRef();
            pGallery->SetImageManager(m_pGalleryImages);
            pPopup->SetCommandBar(pGallery);
            pGallery->InternalRelease();
            pControl = pPopup;
        } else {
            pControl = new CCustomizeButton();
        }
        pControls->Add(pControl, static_cast<int>(nID));
        pControl->SetCaption(strText);
        pControl->SetBeginGroup(bBeginGroup);
        bBeginGroup = FALSE;
    }
}

void CXTPCustomizeSheet::ShowContextMenu(CPoint ptScreen)
{
    if (!m_pCommandBars->IsCustomizeMode() || m_pContextMenu == nullptr)
        return;
    if (CXTPControl* pSelection = GetSelection()) {
        if (CXTPControlEdit* pName =
                dynamic_cast<CXTPControlEdit*>(m_pContextMenu->GetControls()->FindControl(XTP_ID_CUSTOMIZE_NAME)))
            pName->SetEditText(pSelection->GetCaption());
    }
    UINT nFlags = XTP_TRACK_KEEPOTHERS;
    if (m_pCommandBars->IsLayoutRTL())
        nFlags |= TPM_RIGHTALIGN;
    CXTPCommandBars::TrackPopupBar(m_pContextMenu, nFlags, ptScreen.x, ptScreen.y, this);
}

CXTPControl* CXTPCustomizeSheet::GetSelection() const
{
    return m_pCommandBars->GetDragControl();
}

BOOL CXTPCustomizeSheet::HasImageKind(const CXTPControl* pControl)
{
    const XTPControlType type = pControl->GetType();
    return type >= xtpControlButton && type <= xtpControlSplitButtonPopup;
}

UINT CXTPCustomizeSheet::ImageIdOf(const CXTPControl* pControl)
{
    if (pControl->GetCustomIconId() != 0)
        return static_cast<UINT>(pControl->GetCustomIconId());
    return static_cast<UINT>(pControl->GetIconId() > 0 ? pControl->GetIconId() : pControl->GetID());
}

BOOL CXTPCustomizeSheet::HasImage(CXTPControl* pControl) const
{
    return HasImageKind(pControl) && pControl->GetImageManager()->GetImage(ImageIdOf(pControl), 16) != nullptr;
}

void CXTPCustomizeSheet::RecalcParent(CXTPControl* pControl)
{
    if (CXTPCommandBar* pBar = pControl->GetParent()) {
        pBar->OnRecalcLayout();
        if (pBar->GetSafeHwnd() != nullptr)
            pBar->Invalidate();
    }
    m_pCommandBars->RecalcFrameLayout(TRUE);
}

void CXTPCustomizeSheet::OnUpdateReset(CCmdUI* pCmdUI)
{
    CXTPControl* pControl = GetSelection();
    pCmdUI->Enable(pControl != nullptr && (pControl->GetCustomIconId() != 0 || !pControl->GetCustomCaption().IsEmpty() ||
                                           pControl->GetStyle() != xtpButtonAutomatic));
}

void CXTPCustomizeSheet::OnUpdateAlways(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetSelection() != nullptr);
}

void CXTPCustomizeSheet::OnUpdateHasImage(CCmdUI* pCmdUI)
{
    CXTPControl* pControl = GetSelection();
    pCmdUI->Enable(pControl != nullptr && HasImage(pControl));
}

void CXTPCustomizeSheet::OnUpdatePasteImage(CCmdUI* pCmdUI)
{
    CXTPControl* pControl = GetSelection();
    pCmdUI->Enable(pControl != nullptr && HasImageKind(pControl) && ::IsClipboardFormatAvailable(CF_BITMAP));
}

void CXTPCustomizeSheet::OnUpdateResetImage(CCmdUI* pCmdUI)
{
    CXTPControl* pControl = GetSelection();
    pCmdUI->Enable(pControl != nullptr && pControl->GetCustomIconId() != 0);
}

void CXTPCustomizeSheet::OnUpdateStyle(CCmdUI* pCmdUI)
{
    CXTPControl* pControl = GetSelection();
    pCmdUI->Enable(pControl != nullptr && HasImageKind(pControl));
    pCmdUI->SetCheck(pControl != nullptr && pControl->GetStyle() == StyleOfItem(pCmdUI->m_nID));
}

void CXTPCustomizeSheet::OnUpdateBeginGroup(CCmdUI* pCmdUI)
{
    CXTPControl* pControl = GetSelection();
    pCmdUI->Enable(pControl != nullptr && pControl->GetIndex() > 0);
    pCmdUI->SetCheck(pControl != nullptr && pControl->GetBeginGroup());
}

void CXTPCustomizeSheet::OnReset()
{
    if (CXTPControl* pControl = GetSelection()) {
        pControl->SetCustomIconId(0);
        pControl->SetCustomCaption(CString());
        pControl->SetStyle(xtpButtonAutomatic);
        RecalcParent(pControl);
    }
}

void CXTPCustomizeSheet::OnDelete()
{
    CXTPControl* pControl = GetSelection();
    if (pControl == nullptr)
        return;
    // The selection holds a reference: the control outlives its removal here.
    pControl->InternalAddRef();
    CXTPCommandBar* pBar = pControl->GetParent();
    m_pCommandBars->SetCustomizeSelection(nullptr);
    if (pBar != nullptr) {
        pBar->GetControls()->Remove(pControl);
        pBar->OnRecalcLayout();
        if (pBar->GetSafeHwnd() != nullptr)
            pBar->Invalidate();
        m_pCommandBars->RecalcFrameLayout(TRUE);
    }
    pControl->InternalRelease();
}

void CXTPCustomizeSheet::OnCopyImage()
{
    CXTPControl* pControl = GetSelection();
    if (pControl != nullptr && HasImage(pControl))
        XTPCopyButtonImage(m_hWnd, pControl->GetImageManager(), ImageIdOf(pControl));
}

void CXTPCustomizeSheet::OnPasteImage()
{
    CXTPControl* pControl = GetSelection();
    if (pControl == nullptr || !HasImageKind(pControl))
        return;
    if (UINT nId = XTPPasteButtonImage(m_hWnd, pControl->GetImageManager())) {
        pControl->SetCustomIconId(static_cast<int>(nId));
        RecalcParent(pControl);
    }
}

void CXTPCustomizeSheet::OnResetImage()
{
    if (CXTPControl* pControl = GetSelection()) {
        pControl->SetCustomIconId(0);
        RecalcParent(pControl);
    }
}

void CXTPCustomizeSheet::OnEditImage()
{
    CXTPControl* pControl = GetSelection();
    if (pControl == nullptr || !HasImageKind(pControl))
        return;
    CXTPCommandBar* pBar = pControl->GetParent();
    const CSize szIcon = pBar != nullptr ? pBar->GetIconSize() : CSize(16, 16);
    CXTPImageManager* pImages = pControl->GetImageManager();

    // Registered with the mouse manager: the menu stays open meanwhile.
    CXTPImageEditorDlg dlg(this, TRUE);
    if (CXTPImageManagerIcon* pIcon = pImages->GetImage(ImageIdOf(pControl), szIcon.cx))
        dlg.SetIcon(pIcon->GetIcon());
    else {
        CXTPImageManagerIconHandle hBlank;
        hBlank.AttachBitmap(XTPCreateAlphaDIB(szIcon.cx, szIcon.cy, nullptr));
        dlg.SetIcon(hBlank);
    }
    if (dlg.DoModal() != IDOK)
        return;

    CXTPImageManagerIconHandle hEdited;
    dlg.GetIcon(hEdited);
    if (hEdited.IsEmpty())
        return;
    // The selection may have gone while the dialog ran.
    if (GetSelection() != pControl)
        return;
    if (pControl->GetCustomIconId() != 0)
        ReplaceCustomIcon(pImages, static_cast<UINT>(pControl->GetCustomIconId()), hEdited);
    else if (UINT nId = pImages->AddIconWithNewSet(hEdited))
        pControl->SetCustomIconId(static_cast<int>(nId));
    RecalcParent(pControl);
}

void CXTPCustomizeSheet::ReplaceCustomIcon(CXTPImageManager* pImages, UINT nCustomIconId,
                                           const CXTPImageManagerIconHandle& hEdited)
{
    // The edited image is the whole custom icon: icons kept at other widths
    // would show the old image again once the bar's icon size changes, and
    // would be saved with the layout. The one image left is drawn at every
    // size, as a new custom icon is.
    if (hEdited.GetExtent().cx <= 0)
        return;
    if (CXTPImageManagerIconSet* pIconSet = pImages->GetIconSet(nCustomIconId))
        pIconSet->RemoveAll();
    pImages->SetIcon(hEdited, nCustomIconId);
}

void CXTPCustomizeSheet::OnStyle(UINT nID)
{
    CXTPControl* pControl = GetSelection();
    if (pControl != nullptr && HasImageKind(pControl)) {
        pControl->SetStyle(StyleOfItem(nID));
        RecalcParent(pControl);
    }
}

void CXTPCustomizeSheet::OnBeginGroup()
{
    CXTPControl* pControl = GetSelection();
    if (pControl != nullptr && pControl->GetIndex() > 0) {
        pControl->SetBeginGroup(!pControl->GetBeginGroup());
        RecalcParent(pControl);
    }
}

void CXTPCustomizeSheet::ApplyName(CXTPControl* pNameControl)
{
    CXTPControlEdit* pEdit = dynamic_cast<CXTPControlEdit*>(pNameControl);
    CXTPControl* pControl = GetSelection();
    if (pEdit == nullptr || pControl == nullptr)
        return;
    pControl->SetCustomCaption(pEdit->GetEditText());
    RecalcParent(pControl);
}

int CXTPCustomizeSheet::StoredIconCount(CXTPImageManagerIconSet* pIconSet)
{
    // Scaled copies made while the gallery was drawn at another icon size
    // are no images of their own.
    int nCount = 0;
    POSITION pos = pIconSet->GetIcons().GetStartPosition();
    while (pos != nullptr) {
        UINT nWidth = 0;
        CXTPImageManagerIcon* pIcon = nullptr;
        pIconSet->GetIcons().GetNextAssoc(pos, nWidth, pIcon);
        nCount += pIcon->IsScaled() ? 0 : 1;
    }
    return nCount;
}

void CXTPCustomizeSheet::ApplyGalleryImage(CXTPControl* pGalleryButton)
{
    CXTPControl* pControl = GetSelection();
    if (pControl == nullptr || pGalleryButton == nullptr)
        return;
    CXTPImageManagerIconSet* pIconSet = m_pGalleryImages->GetIconSet(static_cast<UINT>(pGalleryButton->GetIconId()));
    if (pIconSet == nullptr || StoredIconCount(pIconSet) != 1)
        return;
    CXTPImageManagerIcon* pIcon = m_pGalleryImages->GetImage(static_cast<UINT>(pGalleryButton->GetIconId()), 16);
    if (pIcon == nullptr)
        return;
    if (UINT nId = pControl->GetImageManager()->AddIconWithNewSet(pIcon->GetIcon())) {
        pControl->SetCustomIconId(static_cast<int>(nId));
        RecalcParent(pControl);
    }
}

LRESULT CXTPCustomizeSheet::OnControlNotify(WPARAM wParam, LPARAM lParam)
{
    const NMXTPCONTROL* pNotify = reinterpret_cast<const NMXTPCONTROL*>(lParam);
    if (pNotify == nullptr || pNotify->hdr.code != CBN_XTP_EXECUTE)
        return 0;
    const UINT nID = static_cast<UINT>(wParam);
    if (nID == XTP_ID_CUSTOMIZE_NAME) {
        ApplyName(pNotify->pControl);
        return 1;
    }
    if (nID == XTP_ID_CUSTOMIZE_CHANGEBUTTONIMAGE) {
        ApplyGalleryImage(pNotify->pControl);
        return 1;
    }
    if (nID >= XTP_ID_CUSTOMIZE_RESET && nID <= XTP_ID_CUSTOMIZE_BEGINAGROUP)
        return 0;
    // Not ours: the frame's command, as if chosen there.
    if (pNotify->pControl != nullptr && pNotify->pControl->GetParent() != nullptr)
        pNotify->pControl->GetParent()->SetTrackingMode(FALSE);
    CWnd* pSite = m_pCommandBars->GetSite();
    if (pSite != nullptr && pSite->GetSafeHwnd() != nullptr &&
        pSite->SendMessage(WM_XTP_CONTROL_NOTIFY, wParam, lParam) == 0)
        pSite->SendMessage(WM_COMMAND, wParam, 0);
    return 1;
}

LRESULT CXTPCustomizeSheet::OnPopupOpening(WPARAM /*wParam*/, LPARAM lParam)
{
    CXTPPopupBar* pPopup = reinterpret_cast<CXTPPopupBar*>(lParam);
    CXTPControl* pOpener = pPopup != nullptr ? pPopup->GetControlPopup() : nullptr;
    if (pOpener == nullptr || pOpener->GetID() != static_cast<int>(XTP_ID_CUSTOMIZE_CHANGEBUTTONIMAGE) ||
        pPopup->GetControlCount() != 0)
        return 0;
    int nCount = 0;
    for (UINT nIcon = 1; m_pGalleryImages->GetIconSet(nIcon) != nullptr; nIcon++, nCount++) {
        CXTPControl* pButton = pPopup->GetControls()->Add(new CCustomizeButton(),
                                                           static_cast<int>(XTP_ID_CUSTOMIZE_CHANGEBUTTONIMAGE));
        pButton->SetIconId(static_cast<int>(nIcon));
        pButton->SetFlags(xtpFlagManualUpdate);
    }
    pPopup->SetWidth(static_cast<int>(std::floor(std::sqrt(static_cast<double>(nCount)))) * kGalleryCellWidth + 6);
    return 0;
}
