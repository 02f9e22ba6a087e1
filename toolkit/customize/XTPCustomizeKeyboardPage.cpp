#include "toolkit/customize/XTPCustomizeKeyboardPage.h"

#include <algorithm>
#include <vector>

#include "framework/dialogs/CDataExchange.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/common/drawing/XTPTextHelpers.h"
#include "toolkit/customize/XTPCustomizeFocus.h"
#include "toolkit/customize/XTPCustomizeSheet.h"

IMPLEMENT_DYNAMIC(CXTPCustomizeKeyboardPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CXTPCustomizeKeyboardPage, CPropertyPage)
    ON_CBN_SELCHANGE(XTP_IDC_COMBO_CATEGORY, OnCategoryChanged)
    ON_LBN_SELCHANGE(XTP_IDC_LBOX_COMMANDS, OnCommandChanged)
    ON_LBN_SELCHANGE(XTP_IDC_LBOX_KEYS, UpdateButtons)
    ON_EN_CHANGE(XTP_IDC_EDIT_SHORTCUTKEY, UpdateButtons)
    ON_BN_CLICKED(XTP_IDC_BUTTON_ASSIGN, OnAssign)
    ON_BN_CLICKED(XTP_IDC_BUTTON_REMOVE, OnRemove)
    ON_BN_CLICKED(XTP_IDC_BUTTON_RESETALL, OnResetAll)
END_MESSAGE_MAP()

namespace {

// The entries of the current table (none without a table).
std::vector<ACCEL> CopyCurrentTable(CXTPShortcutManager* pManager)
{
    std::vector<ACCEL> entries;
    HACCEL hAccel = pManager != nullptr ? pManager->GetAcceleratorTable() : nullptr;
    const int nCount = hAccel != nullptr ? ::CopyAcceleratorTableW(hAccel, nullptr, 0) : 0;
    if (nCount > 0) {
        entries.resize(static_cast<size_t>(nCount));
        entries.resize(static_cast<size_t>(XTPCopyAccelTable(hAccel, entries.data(), nCount)));
    }
    return entries;
}

// Recent-file commands are never given shortcuts of their own.
bool IsRecentFileCommand(int nID)
{
    return nID >= 0xE110 && nID <= 0xE11F;
}

bool IsPopupType(XTPControlType type)
{
    return type == xtpControlPopup || type == xtpControlButtonPopup || type == xtpControlSplitButtonPopup;
}

} // namespace

CXTPCustomizeKeyboardPage::CXTPCustomizeKeyboardPage(CXTPCustomizeSheet* pSheet)
    : CPropertyPage(XTP_IDD_PAGE_KEYBOARD),
      m_editShortcutKey(pSheet != nullptr && pSheet->GetCommandBars() != nullptr
                            ? pSheet->GetCommandBars()->GetShortcutManager()
                            : nullptr),
      m_categories(pSheet != nullptr ? pSheet->GetCommandBars() : nullptr),
      m_pSheet(pSheet)
{
}

CXTPCommandBars* CXTPCustomizeKeyboardPage::GetCommandBars() const
{
    return m_pSheet != nullptr ? m_pSheet->GetCommandBars() : nullptr;
}

CXTPShortcutManager* CXTPCustomizeKeyboardPage::GetShortcutManager() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars != nullptr ? pCommandBars->GetShortcutManager() : nullptr;
}

void CXTPCustomizeKeyboardPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, XTP_IDC_EDIT_SHORTCUTKEY, m_editShortcutKey);
    DDX_Control(pDX, XTP_IDC_LBOX_KEYS, m_lstKeys);
    DDX_Control(pDX, XTP_IDC_LBOX_COMMANDS, m_lstCommands);
    DDX_Control(pDX, XTP_IDC_COMBO_CATEGORY, m_cmbCategory);
    DDX_CBIndex(pDX, XTP_IDC_COMBO_CATEGORY, m_nCategory);
    DDX_Text(pDX, XTP_IDC_TXT_DESC_OVERVIEW, m_strDescription);
}

BOOL CXTPCustomizeKeyboardPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    for (int i = 0; i < m_categories.GetCount(); i++) {
        XTP_COMMANDBARS_CATEGORYINFO* pInfo = m_categories.GetCategoryInfo(i);
        const int nItem = m_cmbCategory.AddString(pInfo->strCategory);
        m_cmbCategory.SetItemData(nItem, reinterpret_cast<DWORD_PTR>(pInfo));
    }
    if (m_cmbCategory.GetCount() > 0)
        m_cmbCategory.SetCurSel(0);
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars != nullptr && pCommandBars->IsLayoutRTL()) {
        m_lstCommands.ModifyStyleEx(0, WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR);
        m_cmbCategory.ModifyStyleEx(0, WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR);
    }
    OnCategoryChanged();
    return TRUE;
}

BOOL CXTPCustomizeKeyboardPage::OnSetActive()
{
    // The table may have changed elsewhere since the page was last shown.
    UpdateData(TRUE);
    FillCommands();
    FillKeys();
    UpdateButtons();
    return CPropertyPage::OnSetActive();
}

void CXTPCustomizeKeyboardPage::OnCategoryChanged()
{
    UpdateData(TRUE);
    FillCommands();
    FillKeys();
    UpdateButtons();
}

void CXTPCustomizeKeyboardPage::OnCommandChanged()
{
    FillKeys();
    UpdateButtons();
}

CXTPControl* CXTPCustomizeKeyboardPage::GetSelectedCommand() const
{
    if (m_lstCommands.GetSafeHwnd() == nullptr)
        return nullptr;
    const int nSel = m_lstCommands.GetCurSel();
    return nSel != LB_ERR ? reinterpret_cast<CXTPControl*>(m_lstCommands.GetItemData(nSel)) : nullptr;
}

void CXTPCustomizeKeyboardPage::FillCommands()
{
    m_lstCommands.ResetContent();
    const int nSel = m_cmbCategory.GetCurSel();
    auto* pInfo =
        nSel != CB_ERR ? reinterpret_cast<XTP_COMMANDBARS_CATEGORYINFO*>(m_cmbCategory.GetItemData(nSel)) : nullptr;
    if (pInfo == nullptr || pInfo == reinterpret_cast<XTP_COMMANDBARS_CATEGORYINFO*>(CB_ERR))
        return;
    for (int i = 0; i < pInfo->pControls->GetCount(); i++) {
        CXTPControl* pControl = pInfo->pControls->GetAt(i);
        if (pControl->GetID() == 0 || IsPopupType(pControl->GetType()) || IsRecentFileCommand(pControl->GetID()))
            continue;
        CString strCaption = pControl->GetCaption();
        XTPStripMnemonics(strCaption);
        const int nItem = m_lstCommands.AddString(strCaption);
        m_lstCommands.SetItemData(nItem, reinterpret_cast<DWORD_PTR>(pControl));
    }
    if (m_lstCommands.GetCount() > 0)
        m_lstCommands.SetCurSel(0);
}

void CXTPCustomizeKeyboardPage::FillKeys()
{
    m_lstKeys.ResetContent();
    CXTPControl* pControl = GetSelectedCommand();
    m_strDescription = pControl != nullptr ? pControl->GetDescription() : CString();
    if (pControl != nullptr) {
        CXTPShortcutManager* pManager = GetShortcutManager();
        const std::vector<ACCEL> entries = CopyCurrentTable(pManager);
        for (size_t i = 0; i < entries.size(); i++) {
            if (entries[i].cmd != static_cast<WORD>(pControl->GetID()))
                continue;
            const int nItem = m_lstKeys.AddString(pManager->FormatAccel(&entries[i]));
            m_lstKeys.SetItemData(nItem, static_cast<DWORD_PTR>(i));
        }
    }
    SetDlgItemText(XTP_IDC_TXT_DESC_OVERVIEW, m_strDescription);
}

void CXTPCustomizeKeyboardPage::UpdateButtons()
{
    CString strKey;
    m_editShortcutKey.GetWindowText(strKey);
    // "Zuordnen" and "Entfernen" go grey under the focus once they have
    // done their work: the keys of the command, or the commands, take the
    // keyboard then.
    CWnd* pFocusTo = m_lstKeys.GetCount() > 0 ? static_cast<CWnd*>(&m_lstKeys) : &m_lstCommands;
    XTPEnableKeepingFocus(GetDlgItem(XTP_IDC_BUTTON_ASSIGN), !strKey.IsEmpty() && m_editShortcutKey.IsKeyDefined(),
                          pFocusTo);
    XTPEnableKeepingFocus(GetDlgItem(XTP_IDC_BUTTON_REMOVE), m_lstKeys.GetCurSel() != LB_ERR, pFocusTo);
}

void CXTPCustomizeKeyboardPage::OnAssign()
{
    CXTPControl* pControl = GetSelectedCommand();
    CXTPShortcutManager* pManager = GetShortcutManager();
    if (pControl == nullptr || pManager == nullptr || !m_editShortcutKey.IsKeyDefined())
        return;
    std::vector<ACCEL> entries = CopyCurrentTable(pManager);
    ACCEL accel = *m_editShortcutKey.GetAccel();
    accel.cmd = static_cast<WORD>(pControl->GetID());

    // The same combination counts as taken whether or not it inverts the
    // menu title.
    auto same = [&accel](const ACCEL& entry) {
        return entry.key == accel.key && (entry.fVirt & ~FNOINVERT) == (accel.fVirt & ~FNOINVERT);
    };
    auto it = std::find_if(entries.begin(), entries.end(), same);
    if (it != entries.end()) {
        if (XTPGetResourceManager()->ShowMessageBox(XTP_IDS_CONFIRM_REASSIGN, MB_YESNO | MB_ICONWARNING) != IDYES)
            return;
        *it = accel;
    } else {
        entries.push_back(accel);
    }
    pManager->UpdateAcceleratorTable(entries.data(), static_cast<int>(entries.size()));
    FillKeys();
    m_editShortcutKey.ResetKey();
    UpdateButtons();
}

void CXTPCustomizeKeyboardPage::OnRemove()
{
    CXTPShortcutManager* pManager = GetShortcutManager();
    const int nSel = m_lstKeys.GetCurSel();
    if (pManager == nullptr || nSel == LB_ERR)
        return;
    std::vector<ACCEL> entries = CopyCurrentTable(pManager);
    const size_t nIndex = static_cast<size_t>(m_lstKeys.GetItemData(nSel));
    if (nIndex >= entries.size())
        return;
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(nIndex));
    pManager->UpdateAcceleratorTable(entries.data(), static_cast<int>(entries.size()));
    FillKeys();
    UpdateButtons();
}

void CXTPCustomizeKeyboardPage::OnResetAll()
{
    CXTPShortcutManager* pManager = GetShortcutManager();
    if (pManager == nullptr)
        return;
    if (XTPGetResourceManager()->ShowMessageBox(XTP_IDS_CONFIRM_KEYBOARD, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) !=
        IDYES)
        return;
    pManager->Reset();
    FillKeys();
    UpdateButtons();
}
