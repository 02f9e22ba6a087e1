#include "framework/controls/CToolBar.h"

#include <vector>

#include "framework/windows/AfxMessages.h"
#include "framework/windows/CCmdUI.h"

IMPLEMENT_DYNAMIC(CToolBar, CWnd)

BEGIN_MESSAGE_MAP(CToolBar, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

namespace {

// A button's state, set through the control's messages.
class CToolCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        static_cast<CToolBar*>(m_pOther)->SendMessage(TB_ENABLEBUTTON, m_nID, MAKELONG(bOn ? TRUE : FALSE, 0));
    }
    void SetCheck(int nCheck) override
    {
        static_cast<CToolBar*>(m_pOther)->SendMessage(TB_CHECKBUTTON, m_nID, MAKELONG(nCheck != 0, 0));
    }
    void SetText(LPCTSTR) override {}
};

} // namespace

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    m_dwBarStyle = dwStyle & CBRS_ALL;
    DWORD dwWindowStyle = (dwStyle & 0xFFFF0000 & ~CBRS_GRIPPER) | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER |
                          CCS_NORESIZE;
    if (dwStyle & CBRS_TOOLTIPS)
        dwWindowStyle |= TBSTYLE_TOOLTIPS;
    if (!CWnd::Create(TOOLBARCLASSNAMEW, nullptr, dwWindowStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    while (SendMessage(TB_DELETEBUTTON, 0) != 0) {
    }
    std::vector<TBBUTTON> buttons;
    int nImage = 0;
    for (int i = 0; i < nIDCount; i++) {
        TBBUTTON button = {};
        button.idCommand = static_cast<int>(lpIDArray[i]);
        button.fsState = TBSTATE_ENABLED;
        if (lpIDArray[i] == 0) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.fsStyle = BTNS_BUTTON;
            button.iBitmap = nImage++;
        }
        button.iString = -1;
        buttons.push_back(button);
    }
    if (buttons.empty())
        return TRUE;
    return SendMessage(TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data())) != 0;
}

int CToolBar::GetButtonCount() const
{
    return static_cast<int>(SendMessage(TB_BUTTONCOUNT));
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button = {};
    if (!SendMessage(TB_GETBUTTON, nIndex, reinterpret_cast<LPARAM>(&button)))
        return 0;
    return static_cast<UINT>(button.idCommand);
}

int CToolBar::CommandToIndex(UINT nID) const
{
    return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, nID));
}

void CToolBar::WrapEvery(int nPerRow)
{
    // The control lays its rows out when buttons are added: they go in
    // again with the new row breaks.
    std::vector<TBBUTTON> buttons(static_cast<size_t>(GetButtonCount()));
    for (size_t i = 0; i < buttons.size(); i++) {
        SendMessage(TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&buttons[i]));
        const bool wrap = nPerRow > 0 && (i + 1) % nPerRow == 0 && i + 1 < buttons.size();
        buttons[i].fsState = wrap ? static_cast<BYTE>(buttons[i].fsState | TBSTATE_WRAP)
                                  : static_cast<BYTE>(buttons[i].fsState & ~TBSTATE_WRAP);
    }
    while (SendMessage(TB_DELETEBUTTON, 0) != 0) {
    }
    if (!buttons.empty())
        SendMessage(TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELONG(sizeImage.cx, sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELONG(sizeButton.cx, sizeButton.cy));
}

HIMAGELIST CToolBar::SetImageList(HIMAGELIST hImageList)
{
    return reinterpret_cast<HIMAGELIST>(SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(hImageList)));
}

HIMAGELIST CToolBar::GetImageList() const
{
    return reinterpret_cast<HIMAGELIST>(SendMessage(TB_GETIMAGELIST));
}

void CToolBar::SetFlat(BOOL bFlat)
{
    const DWORD dwStyle = static_cast<DWORD>(SendMessage(TB_GETSTYLE));
    SendMessage(TB_SETSTYLE, 0, bFlat ? (dwStyle | TBSTYLE_FLAT) : (dwStyle & ~TBSTYLE_FLAT));
}

CSize CToolBar::CalcFixedLayout(BOOL, BOOL)
{
    CRect rcAll(0, 0, 0, 0);
    const int nCount = GetButtonCount();
    for (int i = 0; i < nCount; i++) {
        CRect rc;
        if (SendMessage(TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rc)))
            rcAll.UnionRect(&rcAll, &rc);
    }
    return CSize(rcAll.right, rcAll.bottom);
}

BOOL CToolBar::IsButtonChecked(UINT nID) const
{
    return SendMessage(TB_ISBUTTONCHECKED, nID) != 0;
}

BOOL CToolBar::IsButtonEnabled(UINT nID) const
{
    return SendMessage(TB_ISBUTTONENABLED, nID) != 0;
}

void CToolBar::OnUpdateCmdUI(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state;
    state.m_pOther = this;
    const int nCount = GetButtonCount();
    state.m_nIndexMax = static_cast<UINT>(nCount);
    for (int i = 0; i < nCount; i++) {
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = GetItemID(i);
        if (state.m_nID != 0)
            state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

LRESULT CToolBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    CWnd* pParent = GetParent();
    if ((GetStyle() & WS_VISIBLE) && pParent != nullptr)
        OnUpdateCmdUI(pParent, static_cast<BOOL>(wParam));
    return 0;
}
