#include "toolkit/controls/XTEdit.h"

#include "framework/gdi/CPaintDC.h"
#include "framework/windows/CCmdUI.h"
#include "framework/windows/CMenu.h"
#include "resources/FrameworkIds.h"
#include "resources/ToolkitControlsIds.h"
#include "toolkit/common/system/XTAuxData.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/controls/XTMemDC.h"
#include "toolkit/controls/XTTrackPopupMenu.h"

IMPLEMENT_DYNAMIC(CXTEdit, CEdit)

BEGIN_MESSAGE_MAP(CXTEdit, CEdit)
    ON_WM_CONTEXTMENU()
    ON_WM_INITMENUPOPUP()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateWithSelection)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateWithSelection)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
    ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateWithSelection)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
    ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateEditSelectAll)
END_MESSAGE_MAP()

CXTEdit::CXTEdit() = default;
CXTEdit::~CXTEdit() = default;

BOOL CXTEdit::CanPaste()
{
    return ::IsClipboardFormatAvailable(CF_TEXT);
}

BOOL CXTEdit::HasSelection()
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    return nStart < nEnd;
}

BOOL CXTEdit::Initialize(CWnd* pParentWnd)
{
    if (m_hWnd == nullptr || pParentWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    SetFont(&XTPGetAuxData().font, TRUE);
    m_pParentWnd = pParentWnd;
    return TRUE;
}

void CXTEdit::OnContextMenu(CWnd*, CPoint point)
{
    if (point.x == -1 && point.y == -1)
    {
        // From the keyboard: just inside the edit's corner.
        point = CPoint(5, 5);
        ClientToScreen(&point);
    }
    CMenu menu;
    if (!XTPGetResourceManager()->LoadMenu(&menu, XT_IDM_EDIT_POPUP))
        return;
    CMenu* pPopup = menu.GetSubMenu(1);
    if (pPopup != nullptr)
        XTTrackPopupMenu(pPopup, TPM_RIGHTBUTTON, point.x, point.y, this, XT_IDR_EDIT_TOOLBAR);
    menu.DestroyMenu();
}

void CXTEdit::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    CEdit::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (bSysMenu || pPopupMenu == nullptr)
        return;
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = static_cast<UINT>(pPopupMenu->GetMenuItemCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
    {
        state.m_nID = pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        state.m_pSubMenu = nullptr;
        if (state.m_nID == static_cast<UINT>(-1))
        {
            // An item that opens a submenu follows the submenu's first item.
            state.m_pSubMenu = pPopupMenu->GetSubMenu(static_cast<int>(state.m_nIndex));
            if (state.m_pSubMenu == nullptr)
                continue;
            state.m_nID = state.m_pSubMenu->GetMenuItemID(0);
            if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1))
                continue;
        }
        if (state.m_nID == 0)
            continue;
        state.DoUpdate(this, TRUE);
        // The handler may have removed items.
        state.m_nIndexMax = static_cast<UINT>(pPopupMenu->GetMenuItemCount());
    }
}

BOOL CXTEdit::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTEdit::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    int nBack = IsWindowEnabled() ? COLOR_WINDOW : COLOR_3DFACE;
    CXTMemDC memDC(&dc, rcClient, CXTPGradientValue(XTPGetColorManager()->GetColor(nBack)));
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
}

void CXTEdit::OnEditUndo()
{
    SendMessage(EM_UNDO);
}

void CXTEdit::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(SendMessage(EM_CANUNDO) != 0);
}

void CXTEdit::OnEditCut()
{
    SendMessage(WM_CUT);
}

void CXTEdit::OnEditCopy()
{
    SendMessage(WM_COPY);
}

void CXTEdit::OnEditPaste()
{
    SendMessage(WM_PASTE);
}

void CXTEdit::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanPaste());
}

void CXTEdit::OnEditClear()
{
    SendMessage(WM_CLEAR);
}

void CXTEdit::OnUpdateWithSelection(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(HasSelection());
}

void CXTEdit::OnEditSelectAll()
{
    SendMessage(EM_SETSEL, 0, -1);
    SendMessage(EM_SCROLLCARET);
}

void CXTEdit::OnUpdateEditSelectAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetWindowTextLength() > 0);
}
