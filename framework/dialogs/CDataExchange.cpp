#include "framework/dialogs/CDataExchange.h"

#include "framework/core/CNotSupportedException.h"
#include "framework/core/CUserException.h"
#include "framework/windows/CWinApp.h"
#include "framework/windows/CWnd.h"
#include "resources/FrameworkIds.h"

#include <climits>
#include <cwchar>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
    if (hWndCtrl == nullptr)
        AfxThrowNotSupportedException();
    m_idLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_idLastControl != nullptr) {
        ::SetFocus(m_idLastControl);
        if (m_bEditLastControl)
            ::SendMessageW(m_idLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

namespace
{
CString ControlText(HWND hWndCtrl)
{
    CString text;
    int length = ::GetWindowTextLengthW(hWndCtrl);
    if (length > 0) {
        ::GetWindowTextW(hWndCtrl, text.GetBuffer(length + 1), length + 1);
        text.ReleaseBuffer();
    }
    return text;
}

// Whole numbers with optional blanks around them and, where allowed, a
// sign; anything else, or a number that does not fit, is refused.
bool ParseWhole(const CString& text, bool allowNegative, long long minimum, long long maximum, long long& value)
{
    const wchar_t* p = text;
    while (*p == L' ' || *p == L'\t')
        ++p;
    bool negative = false;
    if (*p == L'-' || *p == L'+') {
        negative = *p == L'-';
        if (negative && !allowNegative)
            return false;
        ++p;
    }
    if (*p < L'0' || *p > L'9')
        return false;
    long long magnitude = 0;
    for (; *p >= L'0' && *p <= L'9'; ++p) {
        magnitude = magnitude * 10 + (*p - L'0');
        if (magnitude > 0x100000000LL)
            return false;
    }
    while (*p == L' ' || *p == L'\t')
        ++p;
    if (*p != 0)
        return false;
    value = negative ? -magnitude : magnitude;
    return value >= minimum && value <= maximum;
}

[[noreturn]] void FailWithMessage(CDataExchange* pDX, UINT nIDPrompt, const CString& minimum = CString(),
                                  const CString& maximum = CString())
{
    CString prompt;
    prompt.LoadString(nIDPrompt);
    prompt.Replace(L"%1", minimum);
    prompt.Replace(L"%2", maximum);
    AfxMessageBox(prompt, MB_ICONEXCLAMATION, nIDPrompt);
    pDX->Fail();
}

CString Number(long long value)
{
    CString text;
    text.Format(L"%I64d", value);
    return text;
}

void ExchangeWhole(CDataExchange* pDX, int nIDC, long long& value, bool allowNegative)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        ::SetWindowTextW(hWndCtrl, Number(value));
        return;
    }
    long long parsed = 0;
    if (!ParseWhole(ControlText(hWndCtrl), allowNegative, allowNegative ? INT_MIN : 0,
                    allowNegative ? INT_MAX : UINT_MAX, parsed))
        FailWithMessage(pDX, allowNegative ? AFX_IDP_PARSE_INT : AFX_IDP_PARSE_UINT);
    value = parsed;
}
} // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    long long wide = value;
    ExchangeWhole(pDX, nIDC, wide, true);
    value = static_cast<int>(wide);
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    long long wide = value;
    ExchangeWhole(pDX, nIDC, wide, false);
    value = static_cast<UINT>(wide);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWndCtrl);
    else
        ::SetWindowTextW(hWndCtrl, value);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0));
    else
        ::SendMessageW(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value >= 0 && value <= 2 ? value : 0), 0);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from nIDC up to the next control that starts a group.
    int index = 0;
    for (HWND hWnd = hWndCtrl; hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        if (hWnd != hWndCtrl && (::GetWindowLongW(hWnd, GWL_STYLE) & WS_GROUP))
            break;
        if (!(::SendMessageW(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON))
            continue;
        if (pDX->m_bSaveAndValidate) {
            if (value < 0 && ::SendMessageW(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        } else {
            ::SendMessageW(hWnd, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageW(hWndCtrl, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageW(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
        FailWithMessage(pDX, AFX_IDP_PARSE_INT_RANGE, Number(minVal), Number(maxVal));
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
        FailWithMessage(pDX, AFX_IDP_PARSE_UINT_RANGE, Number(minVal), Number(maxVal));
}

// ---- CWnd's side of the exchange

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (CUserException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*)
{
}
