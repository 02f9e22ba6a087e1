// Property sheets over the system's sheet: pages made from templates when
// first shown, activation and leaving with validation, OK applying every
// page that was made, Cancel, and the page list before and while showing.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "DialogTests.h"
#include "framework/Framework.h"
#include "support/Screenshot.h"
#include "tests/framework/Printers.h"

namespace
{
const UINT WM_TEST_STEP = WM_APP + 2;

class CQuietApp : public CWinApp
{
public:
    CQuietApp() : CWinApp(L"SheetTestApp") {}
    std::vector<CString> prompts;
    int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override
    {
        prompts.push_back(lpszPrompt);
        return IDOK;
    }
};

// Records what the sheet told it, in order.
class CLoggingPage : public CPropertyPage
{
public:
    CLoggingPage(UINT nIDTemplate, const wchar_t* name, std::wstring& log)
        : CPropertyPage(nIDTemplate), m_name(name), m_log(log)
    {
    }

    BOOL OnSetActive() override
    {
        m_log += m_name + L":set ";
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override
    {
        BOOL ok = CPropertyPage::OnKillActive();
        m_log += m_name + (ok ? L":kill " : L":refuse ");
        return ok;
    }
    BOOL OnApply() override
    {
        m_log += m_name + L":apply ";
        return CPropertyPage::OnApply();
    }
    void OnReset() override { m_log += m_name + L":reset "; }

protected:
    std::wstring m_name;
    std::wstring& m_log;
};

class CNumberPage : public CLoggingPage
{
public:
    explicit CNumberPage(std::wstring& log) : CLoggingPage(IDD_TEST_PAGE1, L"eins", log) {}
    UINT m_nNumber = 5;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_TEST_NUMBER, m_nNumber);
        DDV_MinMaxUInt(pDX, m_nNumber, 1, 100);
    }
};

class CCheckPage : public CLoggingPage
{
public:
    explicit CCheckPage(std::wstring& log) : CLoggingPage(IDD_TEST_PAGE2, L"zwei", log) {}
    int m_nCheck = 1;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Check(pDX, IDC_TEST_CHECK, m_nCheck); }
};

class CScriptedSheet : public CPropertySheet
{
public:
    CScriptedSheet(CWnd* pParent) : CPropertySheet(L"Einstellungen", pParent) {}
    std::vector<std::function<void(CScriptedSheet&)>> steps;

    BOOL OnInitDialog() override
    {
        BOOL result = CPropertySheet::OnInitDialog();
        if (!steps.empty())
            PostMessage(WM_TEST_STEP, 0);
        return result;
    }

protected:
    afx_msg LRESULT OnStep(WPARAM index, LPARAM)
    {
        steps[index](*this);
        if (index + 1 < steps.size())
            PostMessage(WM_TEST_STEP, index + 1);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CScriptedSheet, CPropertySheet)
    ON_MESSAGE(WM_TEST_STEP, OnStep)
END_MESSAGE_MAP()

class PropertySheetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), L"Besitzer", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                   nullptr, nullptr));
        sheet.AddPage(&numbers);
        sheet.AddPage(&checks);
    }

    CQuietApp app;
    CWnd owner;
    std::wstring log;
    CNumberPage numbers{log};
    CCheckPage checks{log};
    CScriptedSheet sheet{&owner};
};
} // namespace

TEST_F(PropertySheetTest, LeavingAPageValidatesItAndOkAppliesEveryPageMade)
{
    sheet.steps.push_back([&](CScriptedSheet& s) {
        EXPECT_EQ(s.GetActivePage(), &numbers);
        EXPECT_EQ(checks.m_hWnd, nullptr);
        EXPECT_EQ(s.GetTabControl()->GetItemText(1), L"Zweite");
        EXPECT_FALSE(owner.IsWindowEnabled());
        EXPECT_EQ(numbers.GetSheet(), &s);
        numbers.SetDlgItemText(IDC_TEST_NUMBER, L"0");
        // A refused value keeps the page.
        s.SetActivePage(1);
        EXPECT_EQ(s.GetActiveIndex(), 0);
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(numbers.m_hWnd, IDC_TEST_NUMBER));
        numbers.SetDlgItemText(IDC_TEST_NUMBER, L"42");
        EXPECT_TRUE(s.SetActivePage(&checks));
        EXPECT_EQ(s.GetActivePage(), &checks);
        EXPECT_EQ(checks.IsDlgButtonChecked(IDC_TEST_CHECK), 1u);
        checks.CheckDlgButton(IDC_TEST_CHECK, BST_UNCHECKED);
        s.ShowWindow(SW_SHOW);
        testshot::Save(testshot::CaptureWindow(s.m_hWnd), L"framework_property_sheet.png");
        ::SendMessageW(s.m_hWnd, PSM_PRESSBUTTON, PSBTN_OK, 0);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(log, L"eins:set eins:refuse eins:kill zwei:set zwei:kill eins:apply zwei:apply ");
    EXPECT_EQ(numbers.m_nNumber, 42u);
    EXPECT_EQ(checks.m_nCheck, 0);
    ASSERT_EQ(app.prompts.size(), 1u);
    EXPECT_EQ(app.prompts[0], L"Geben Sie eine positive ganze Zahl zwischen 1 und 100 ein.");
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(sheet.m_hWnd, nullptr);
    EXPECT_EQ(numbers.m_hWnd, nullptr);
}

TEST_F(PropertySheetTest, CancelResetsThePagesMadeAndKeepsTheMembers)
{
    sheet.SetActivePage(1);
    sheet.steps.push_back([&](CScriptedSheet& s) {
        EXPECT_EQ(s.GetActivePage(), &checks);
        checks.CheckDlgButton(IDC_TEST_CHECK, BST_UNCHECKED);
        ::SendMessageW(s.m_hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(log, L"zwei:set zwei:reset ");
    EXPECT_EQ(checks.m_nCheck, 1);

    // Shown again, the pages are made again and start from their members.
    log.clear();
    sheet.steps.clear();
    sheet.steps.push_back([&](CScriptedSheet& s) {
        EXPECT_EQ(checks.IsDlgButtonChecked(IDC_TEST_CHECK), 1u);
        ::SendMessageW(s.m_hWnd, PSM_PRESSBUTTON, PSBTN_OK, 0);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(log, L"zwei:set zwei:kill zwei:apply ");
}

TEST_F(PropertySheetTest, PageListChangesBeforeAndWhileTheSheetShows)
{
    std::wstring otherLog;
    CCheckPage extra(otherLog);
    sheet.AddPage(&numbers); // already there
    EXPECT_EQ(sheet.GetPageCount(), 2);
    sheet.RemovePage(&numbers);
    EXPECT_EQ(sheet.GetPage(0), &checks);
    EXPECT_EQ(sheet.GetPage(1), nullptr);
    EXPECT_EQ(sheet.GetPageIndex(&numbers), -1);
    sheet.AddPage(&numbers);

    sheet.steps.push_back([&](CScriptedSheet& s) {
        s.AddPage(&extra);
        EXPECT_EQ(s.GetPageCount(), 3);
        EXPECT_EQ(s.GetTabControl()->GetItemCount(), 3);
        s.RemovePage(0);
        EXPECT_EQ(s.GetTabControl()->GetItemCount(), 2);
        EXPECT_EQ(s.GetPage(0), &numbers);
        EXPECT_EQ(s.GetTabControl()->GetItemText(0), L"Erste");
        s.EndDialog(IDABORT);
    });
    EXPECT_EQ(sheet.DoModal(), IDABORT);
    EXPECT_EQ(sheet.GetPageCount(), 2);
    EXPECT_EQ(sheet.GetPage(1), &extra);
}
