#include "BarStateTestSupport.h"
#include <shlobj.h>
#include <shlwapi.h>
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlComboBoxList.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPDialogBar.h"
#include "toolkit/commandbars/frame/XTPReBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"

BEGIN_MESSAGE_MAP(CStateFrame, CTestFrame)
    ON_WM_CREATE()
    ON_COMMAND(35001, OnCustomize)
END_MESSAGE_MAP()

BOOL CStateFrame::Open()
{
    CRect rc(40, 40, 640, 440);
    return Create(nullptr, L"Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rc);
}

int CStateFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTestFrame::OnCreate(lpCreateStruct) == -1 || !CreateCommandBars())
        return -1;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    struct
    {
        UINT nID;
        LPCWSTR lpszTitle;
        const std::vector<UINT>* pButtons;
        XTPBarPosition side;
    } bars[] = {{kToolsBar, L"Werkzeuge", &m_build.toolsButtons, xtpBarTop},
                {kViewBar, L"Ansicht", &m_build.viewButtons, m_build.viewOnLeft ? xtpBarLeft : xtpBarTop}};
    for (const auto& bar : bars) {
        CXTPToolBar* pBar = pCommandBars->Add(bar.lpszTitle, bar.side);
        pBar->SetBarID(bar.nID);
        pBar->AddButtons(bar.pButtons->data(), static_cast<int>(bar.pButtons->size()));
        if (m_build.menuPopup && bar.nID == kToolsBar) {
            auto* pPopup = new CXTPControlPopup();
            pPopup->SetType(xtpControlPopup);
            pBar->GetControls()->Add(pPopup, 210);
            CXTPPopupBar* pMenu = CXTPPopupBar::CreatePopupBar(pCommandBars);
            static const UINT items[] = {501, 502, 503};
            pMenu->AddButtons(items, 3);
            pPopup->SetCommandBar(pMenu);
            pMenu->InternalRelease();
        }
        if (m_build.comboBox && bar.nID == kToolsBar) {
            auto* pCombo = new CXTPControlComboBox();
            pBar->GetControls()->Add(pCombo, 220);
            pCombo->AddString(L"Berlin");
            pCombo->AddString(L"Bremen");
        }
        pBar->GetControls()->CreateInitialControls();
    }
    if (m_build.dialogBar) {
        CXTPToolBar* pBar = pCommandBars->Add(L"Suche", xtpBarTop, RUNTIME_CLASS(CXTPDialogBar));
        pBar->SetBarID(kDialogBar);
    }
    if (m_build.statusBar) {
        static const UINT indicators[] = {0};
        if (!m_statusBar.Create(this) || !m_statusBar.SetIndicators(indicators, 1))
            return -1;
    }
    if (m_build.reBar) {
        auto* pReBar = new CXTPReBar();
        pReBar->m_bAutoDelete = TRUE;
        if (!pReBar->Create(this))
            return -1;
    }
    if (m_build.loadProfile)
        pCommandBars->LoadBarState(m_build.loadProfile, m_build.loadSilent);
    return 0;
}

std::vector<CString> CStateFrame::ComboEntries()
{
    std::vector<CString> entries;
    CXTPToolBar* pBar = Bar(kToolsBar);
    auto* pCombo = pBar ? dynamic_cast<CXTPControlComboBox*>(pBar->GetControls()->FindControl(220)) : nullptr;
    for (int i = 0; pCombo && i < pCombo->GetCount(); i++)
        entries.push_back(pCombo->GetListBox()->GetText(i));
    return entries;
}

CXTPCommandBar* CStateFrame::Menu()
{
    CXTPToolBar* pBar = Bar(kToolsBar);
    CXTPControl* pControl = pBar ? pBar->GetControls()->FindControl(210) : nullptr;
    return pControl ? pControl->GetCommandBar() : nullptr;
}

std::vector<int> IdsOf(CXTPControls* pControls)
{
    std::vector<int> ids;
    // The bar's own temporary buttons (expand, hide) are never stored.
    for (int i = 0; pControls && i < pControls->GetCount(); i++)
        if (!pControls->GetAt(i)->IsTemporary())
            ids.push_back(pControls->GetAt(i)->GetID());
    return ids;
}

std::vector<int> CStateFrame::Ids(UINT nBarID)
{
    CXTPToolBar* pBar = Bar(nBarID);
    return pBar ? IdsOf(pBar->GetControls()) : std::vector<int>();
}

std::vector<int> CStateFrame::OriginalIds(UINT nBarID)
{
    CXTPToolBar* pBar = Bar(nBarID);
    return pBar ? IdsOf(pBar->GetControls()->GetOriginalControls()) : std::vector<int>();
}

CString CStoredLayout::Key(LPCWSTR lpszSection)
{
    CString strKey;
    strKey.Format(L"Software\\%s\\%s\\%s", kRegistryVendor, kAppName, lpszSection);
    return strKey;
}

BOOL CStoredLayout::Has(LPCWSTR lpszSection, LPCWSTR lpszValue)
{
    return SHGetValueW(HKEY_CURRENT_USER, Key(lpszSection), lpszValue, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

DWORD CStoredLayout::Number(LPCWSTR lpszSection, LPCWSTR lpszValue, DWORD dwMissing)
{
    DWORD value = dwMissing, size = sizeof(value);
    if (SHGetValueW(HKEY_CURRENT_USER, Key(lpszSection), lpszValue, nullptr, &value, &size) != ERROR_SUCCESS)
        return dwMissing;
    return value;
}

std::vector<BYTE> CStoredLayout::Binary(LPCWSTR lpszSection, LPCWSTR lpszValue)
{
    DWORD size = 0;
    if (SHGetValueW(HKEY_CURRENT_USER, Key(lpszSection), lpszValue, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return {};
    std::vector<BYTE> data(size);
    SHGetValueW(HKEY_CURRENT_USER, Key(lpszSection), lpszValue, nullptr, data.data(), &size);
    return data;
}

void CStoredLayout::SetNumber(LPCWSTR lpszSection, LPCWSTR lpszValue, DWORD dwValue)
{
    SHSetValueW(HKEY_CURRENT_USER, Key(lpszSection), lpszValue, REG_DWORD, &dwValue, sizeof(dwValue));
}

void CStoredLayout::SetBinary(LPCWSTR lpszSection, LPCWSTR lpszValue, const std::vector<BYTE>& data)
{
    SHSetValueW(HKEY_CURRENT_USER, Key(lpszSection), lpszValue, REG_BINARY, data.data(),
                static_cast<DWORD>(data.size()));
}

void CStoredLayout::DeleteAll()
{
    CString strKey;
    strKey.Format(L"Software\\%s", kRegistryVendor);
    SHDeleteKeyW(HKEY_CURRENT_USER, strKey);
    CString strFile = ControlsFile();
    ::SetFileAttributesW(strFile, FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(strFile);
}

CString CStoredLayout::ControlsFile()
{
    WCHAR szPath[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, szPath, CSIDL_APPDATA, FALSE);
    CString strFile;
    strFile.Format(L"%s\\%s\\CommandBars2", szPath, kAppName);
    return strFile;
}
