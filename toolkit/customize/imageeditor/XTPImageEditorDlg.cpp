#include "toolkit/customize/imageeditor/XTPImageEditorDlg.h"

#include <commctrl.h>

#include <iterator>
#include <utility>
#include <vector>

#include "framework/core/ModuleState.h"
#include "framework/dialogs/CColorDialog.h"
#include "framework/dialogs/CDataExchange.h"
#include "framework/gdi/CRect.h"
#include "framework/text/CString.h"
#include "framework/windows/AfxMessages.h"
#include "framework/windows/CCmdUI.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/images/XTPImageManagerIconHandle.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/common/resources/XTPResourceModule.h"
#include "toolkit/common/system/XTPComCtlVersion.h"

BEGIN_MESSAGE_MAP(CXTPImageEditorDlg, CDialog)
    ON_WM_DESTROY()
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
    ON_COMMAND_RANGE(XTP_ID_BUTTON_PENCIL, XTP_ID_BUTTON_CIRCLE, OnTool)
    ON_UPDATE_COMMAND_UI_RANGE(XTP_ID_BUTTON_PENCIL, XTP_ID_BUTTON_CIRCLE, OnUpdateTool)
    ON_COMMAND(XTP_ID_BUTTON_UNDO, OnUndo)
    ON_COMMAND(XTP_ID_BUTTON_REDO, OnRedo)
    ON_UPDATE_COMMAND_UI(XTP_ID_BUTTON_UNDO, OnUpdateUndo)
    ON_UPDATE_COMMAND_UI(XTP_ID_BUTTON_REDO, OnUpdateRedo)
    ON_COMMAND(XTP_ID_BUTTON_COPY, OnCopy)
    ON_COMMAND(XTP_ID_BUTTON_PASTE, OnPaste)
    ON_COMMAND(XTP_ID_BUTTON_CLEAR, OnClear)
    ON_COMMAND(XTP_ID_BUTTON_OPEN, OnOpen)
    ON_COMMAND_RANGE(XTP_ID_BUTTON_MOVE_LEFT, XTP_ID_BUTTON_MOVE_RIGHT, OnMove)
    ON_NOTIFY_RANGE(NM_CLICK, XTP_IDC_CLR_ERASE, XTP_IDC_CLR_MORE, OnPickerClick)
    ON_NOTIFY_RANGE(NM_CLICK, XTP_IDS_CLR_BLACK, XTP_IDS_CLR_WHITE, OnPickerClick)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnToolTipText)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

namespace {

struct PaletteCell
{
    UINT nID;
    COLORREF clr;
};

// Row 0, then row 1, eight columns each.
const PaletteCell kPalette[CXTPImageEditorDlg::kPaletteCells] = {
    {XTP_IDS_CLR_BLACK, RGB(0x00, 0x00, 0x00)},        {XTP_IDS_CLR_GRAY50, RGB(0x80, 0x80, 0x80)},
    {XTP_IDS_CLR_DARK_RED, RGB(0x80, 0x00, 0x00)},     {XTP_IDS_CLR_DARK_YELLOW, RGB(0x80, 0x80, 0x00)},
    {XTP_IDS_CLR_GREEN, RGB(0x00, 0x80, 0x00)},        {XTP_IDS_CLR_TEAL, RGB(0x00, 0x80, 0x80)},
    {XTP_IDS_CLR_DARK_BLUE, RGB(0x00, 0x00, 0x80)},    {XTP_IDS_CLR_VIOLET, RGB(0x80, 0x00, 0x80)},
    {XTP_IDS_CLR_WHITE, RGB(0xFF, 0xFF, 0xFF)},        {XTP_IDS_CLR_GRAY25, RGB(0xC0, 0xC0, 0xC0)},
    {XTP_IDS_CLR_RED, RGB(0xFF, 0x00, 0x00)},          {XTP_IDS_CLR_YELLOW, RGB(0xFF, 0xFF, 0x00)},
    {XTP_IDS_CLR_BRIGHT_GREEN, RGB(0x00, 0xFF, 0x00)}, {XTP_IDS_CLR_TURQUOISE, RGB(0x00, 0xFF, 0xFF)},
    {XTP_IDS_CLR_BLUE, RGB(0x00, 0x00, 0xFF)},         {XTP_IDS_CLR_PINK, RGB(0xFF, 0x00, 0xFF)},
};

const UINT kToolButtons[] = {XTP_ID_BUTTON_PENCIL, XTP_ID_BUTTON_FILL,      XTP_ID_BUTTON_UNDO,
                             XTP_ID_BUTTON_REDO,   XTP_ID_BUTTON_GETCOLOR,  XTP_ID_BUTTON_LINE,
                             XTP_ID_BUTTON_COPY,   XTP_ID_BUTTON_PASTE,     XTP_ID_BUTTON_RECTANGLE,
                             XTP_ID_BUTTON_CIRCLE, XTP_ID_BUTTON_CLEAR,     XTP_ID_BUTTON_OPEN};
const UINT kMoveButtons[] = {XTP_ID_BUTTON_MOVE_LEFT, XTP_ID_BUTTON_MOVE_DOWN, XTP_ID_BUTTON_MOVE_UP,
                             XTP_ID_BUTTON_MOVE_RIGHT};
const int kToolImages = 12;

// Images nFirst.. of a strip of 16 x 16 images, as a 32-bit DIB section
// (alpha kept); null when the strip cannot be read.
HBITMAP CutStrip(HBITMAP hStrip, int nFirst, int nCount)
{
    BITMAP bm = {};
    if (!::GetObject(hStrip, sizeof(bm), &bm) || bm.bmWidth < (nFirst + nCount) * 16 || bm.bmHeight < 16)
        return nullptr;
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), bm.bmWidth, -16, 1, 32, BI_RGB};
    std::vector<DWORD> pixels(static_cast<size_t>(bm.bmWidth) * 16);
    HDC hDC = ::GetDC(nullptr);
    const int nRows = ::GetDIBits(hDC, hStrip, static_cast<UINT>(bm.bmHeight - 16), 16, pixels.data(), &bmi,
                                  DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hDC);
    BYTE* pBits = nullptr;
    HBITMAP hPart = nRows == 16 ? XTPCreateAlphaDIB(nCount * 16, 16, &pBits) : nullptr;
    if (hPart == nullptr)
        return nullptr;
    DWORD* pTarget = reinterpret_cast<DWORD*>(pBits);
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < nCount * 16; x++)
            pTarget[y * nCount * 16 + x] = pixels[static_cast<size_t>(y) * bm.bmWidth + nFirst * 16 + x];
    return hPart;
}
const int kStripImages = 16;
const DWORD kToolBarStyle = 0x50002012;

} // namespace

CXTPImageEditorDlg::CXTPImageEditorDlg(CWnd* pParent, BOOL bRegister)
    : CDialog(XTP_IDD_IMAGEEDITOR_DIALOG, pParent), m_szImage(16, 16), m_bRegister(bRegister)
{
    if (LPCDLGTEMPLATE lpTemplate = XTPGetResourceManager()->LoadDialogTemplate(XTP_IDD_IMAGEEDITOR_DIALOG))
        InitModalIndirect(lpTemplate, pParent);
}

CXTPImageEditorDlg::~CXTPImageEditorDlg() = default;

void CXTPImageEditorDlg::SetIcon(const CXTPImageManagerIconHandle& hIcon)
{
    if (hIcon.IsEmpty())
        return;
    const CSize size = hIcon.GetExtent();
    if (size.cx <= 0 || size.cy <= 0)
        return;
    CXTPImageEditorPicture::CAlphaBitmap* pImage = nullptr;
    if (hIcon.IsAlpha()) {
        HBITMAP hCopy = XTPCopyAlphaBitmap(hIcon.GetBitmap());
        if (hCopy == nullptr)
            return;
        pImage = new CXTPImageEditorPicture::CAlphaBitmap(TRUE);
        pImage->Attach(hCopy);
        DWORD* pPixels = pImage->GetPixels();
        const CSize sizeImage = pImage->GetSize();
        for (long i = 0; pPixels != nullptr && i < sizeImage.cx * sizeImage.cy; i++) {
            if (pPixels[i] == 0)
                pPixels[i] = 0x00FFFEFF;
        }
    } else {
        pImage = CXTPImageEditorPicture::CAlphaBitmap::CreateTransparent(size, FALSE);
        if (pImage == nullptr)
            return;
        HDC hDC = ::CreateCompatibleDC(nullptr);
        HGDIOBJ hOld = ::SelectObject(hDC, pImage->GetSafeHandle());
        ::DrawStateW(hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(hIcon.GetIcon()), 0, 0, 0, size.cx, size.cy,
                     DST_ICON);
        ::SelectObject(hDC, hOld);
        ::DeleteDC(hDC);
        ::GdiFlush();
    }
    m_szImage = pImage->GetSize();
    m_wndPicture.SetImage(pImage);
}

void CXTPImageEditorDlg::GetIcon(CXTPImageManagerIconHandle& hIcon)
{
    const CXTPImageEditorPicture::CAlphaBitmap* pImage = m_wndPicture.GetImage();
    if (pImage == nullptr)
        return;
    HBITMAP hBitmap = static_cast<HBITMAP>(pImage->GetSafeHandle());
    if (pImage->m_bAlpha) {
        hIcon.CopyBitmap(hBitmap);
        return;
    }
    // The image list writes its mask into the bitmap it adds (transparent
    // pixels turn black): it gets a copy, the editor keeps its image.
    HBITMAP hCopy = XTPCopyAlphaBitmap(hBitmap);
    if (hCopy == nullptr)
        return;
    const CSize size = pImage->GetSize();
    if (HIMAGELIST hList = ImageList_Create(size.cx, size.cy, ILC_COLOR24 | ILC_MASK, 1, 1)) {
        ImageList_AddMasked(hList, hCopy, XTP_IMAGEEDITOR_TRANSPARENT);
        if (ImageList_GetImageCount(hList) == 1) {
            if (HICON hResult = ImageList_GetIcon(hList, 0, ILD_NORMAL))
                hIcon.AttachIcon(hResult);
        }
        ImageList_Destroy(hList);
    }
    ::DeleteObject(hCopy);
}

COLORREF CXTPImageEditorDlg::GetCurrentColor() const
{
    return m_pSelected != nullptr ? m_pSelected->GetColor() : RGB(0, 0, 0);
}

DWORD CXTPImageEditorDlg::GetComCtlVersion() const
{
    return XTPGetComCtlVersion();
}

void CXTPImageEditorDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, XTP_IDC_STATIC_TOOLS, m_wndPlaceholderTools);
    DDX_Control(pDX, XTP_IDC_STATIC_MOVE, m_wndPlaceholderMove);
}

void CXTPImageEditorDlg::CreateToolBar(CDlgToolBar& bar, CStatic& placeholder, const UINT* pIDs, int nCount,
                                       int nPerRow)
{
    bar.Create(this, kToolBarStyle, AFX_IDW_TOOLBAR);
    bar.SetFlat(TRUE);
    bar.SetSizes(CSize(23, 23), CSize(16, 16));
    bar.SetButtons(pIDs, nCount);
    bar.WrapEvery(nPerRow);
    CRect rc;
    placeholder.GetWindowRect(&rc);
    ScreenToClient(&rc);
    const CSize size = bar.CalcFixedLayout(FALSE, TRUE);
    bar.SetWindowPos(nullptr, rc.left - 7, rc.top - 4, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CXTPImageEditorDlg::LoadToolBarImages()
{
    const BOOL bAlpha = HIWORD(GetComCtlVersion()) >= 6;
    HBITMAP hStrip = nullptr;
    if (bAlpha) {
        HMODULE hModules[] = {XTPGetResourceModule(), AfxGetResourceHandle()};
        for (HMODULE hModule : hModules) {
            if (hStrip == nullptr && hModule != nullptr)
                hStrip = XTPLoadAlphaBitmapResource(hModule, MAKEINTRESOURCEW(XTP_IDB_IMAGEEDITOR_ALPHA));
        }
    } else {
        CBitmap bitmap;
        if (XTPGetResourceManager()->LoadBitmap(&bitmap, XTP_IDB_IMAGEEDITOR))
            hStrip = static_cast<HBITMAP>(bitmap.Detach());
    }
    if (hStrip == nullptr)
        return;
    const UINT nFlags = (bAlpha ? ILC_COLOR32 : ILC_COLOR24) | ILC_MASK;
    // The move bar takes the four arrows behind the twelve tools.
    HBITMAP hArrows = CutStrip(hStrip, kToolImages, kStripImages - kToolImages);
    const std::pair<CImageList*, HBITMAP> lists[] = {{&m_ilTools, hStrip}, {&m_ilMove, hArrows}};
    for (const auto& list : lists) {
        list.first->Create(16, 16, nFlags, kStripImages, 0);
        if (list.second == nullptr)
            continue;
        if (bAlpha)
            ImageList_Add(list.first->GetSafeHandle(), list.second, nullptr);
        else
            ImageList_AddMasked(list.first->GetSafeHandle(), list.second, RGB(0xC0, 0xC0, 0xC0));
        ::DeleteObject(list.second);
    }
    m_wndToolsBar.SetImageList(m_ilTools.GetSafeHandle());
    m_wndMoveBar.SetImageList(m_ilMove.GetSafeHandle());
}

BOOL CXTPImageEditorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CreateToolBar(m_wndToolsBar, m_wndPlaceholderTools, kToolButtons, static_cast<int>(std::size(kToolButtons)), 4);
    CreateToolBar(m_wndMoveBar, m_wndPlaceholderMove, kMoveButtons, static_cast<int>(std::size(kMoveButtons)), 0);
    LoadToolBarImages();

    CRect rcColors;
    if (CWnd* pColors = GetDlgItem(XTP_IDC_STATIC_COLORS)) {
        pColors->GetWindowRect(&rcColors);
        ScreenToClient(&rcColors);
    }
    for (int i = 0; i < kPaletteCells; i++) {
        const CPoint pt(rcColors.left + 13 * (i % 8), rcColors.top - 4 + 13 * (i / 8));
        m_wndPalette[i].Create(L"", WS_CHILD | WS_VISIBLE | SS_NOTIFY, CRect(pt, CSize(11, 11)), this,
                               kPalette[i].nID);
        m_wndPalette[i].SetColor(kPalette[i].clr);
    }
    SelectPicker(&m_wndPalette[0]);
    m_wndTransparent.SubclassDlgItem(XTP_IDC_CLR_ERASE, this);
    m_wndTransparent.SetColor(XTP_IMAGEEDITOR_TRANSPARENT);
    m_wndMoreColors.SubclassDlgItem(XTP_IDC_CLR_MORE, this);
    m_wndMoreColors.SetColor(RGB(0xFF, 0xFF, 0xFF));

    m_wndPicture.Create(XTP_IDC_STATIC_PICTURE, this);
    m_wndPreview.Create(XTP_IDC_STATIC_PREVIEW, this);

    if (m_bRegister)
        XTPMouseManager()->AddTrustedWindow(m_hWnd);
    return TRUE;
}

void CXTPImageEditorDlg::OnDestroy()
{
    if (m_bRegister)
        XTPMouseManager()->RemoveTrustedWindow(m_hWnd);
    CDialog::OnDestroy();
}

LRESULT CXTPImageEditorDlg::OnKickIdle(WPARAM, LPARAM)
{
    SendMessageToDescendants(WM_IDLEUPDATECMDUI, FALSE, 0, TRUE, TRUE);
    return 0;
}

void CXTPImageEditorDlg::OnTool(UINT nID)
{
    if (m_nCurrentTool != toolPickColor)
        m_nPreviousTool = m_nCurrentTool;
    m_nCurrentTool = static_cast<int>(nID - XTP_ID_BUTTON_PENCIL);
}

void CXTPImageEditorDlg::OnUpdateTool(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(static_cast<int>(pCmdUI->m_nID - XTP_ID_BUTTON_PENCIL) == m_nCurrentTool);
}

void CXTPImageEditorDlg::OnUndo()
{
    m_wndPicture.Undo();
}

void CXTPImageEditorDlg::OnRedo()
{
    m_wndPicture.Redo();
}

void CXTPImageEditorDlg::OnUpdateUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_wndPicture.CanUndo());
}

void CXTPImageEditorDlg::OnUpdateRedo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_wndPicture.CanRedo());
}

void CXTPImageEditorDlg::OnCopy()
{
    m_wndPicture.Copy();
}

void CXTPImageEditorDlg::OnPaste()
{
    m_wndPicture.Paste();
}

void CXTPImageEditorDlg::OnClear()
{
    m_wndPicture.Clear();
}

void CXTPImageEditorDlg::OnOpen()
{
    m_wndPicture.Import();
}

void CXTPImageEditorDlg::OnMove(UINT nID)
{
    switch (nID) {
    case XTP_ID_BUTTON_MOVE_LEFT: m_wndPicture.MoveImage(-1, 0); break;
    case XTP_ID_BUTTON_MOVE_DOWN: m_wndPicture.MoveImage(0, 1); break;
    case XTP_ID_BUTTON_MOVE_UP: m_wndPicture.MoveImage(0, -1); break;
    default: m_wndPicture.MoveImage(1, 0); break;
    }
}

void CXTPImageEditorDlg::SelectPicker(CXTPImageEditorPicker* pPicker)
{
    if (m_pSelected != nullptr)
        m_pSelected->SetSelected(FALSE);
    m_pSelected = pPicker;
    if (m_pSelected != nullptr)
        m_pSelected->SetSelected(TRUE);
}

void CXTPImageEditorDlg::OnPickerClick(UINT nID, NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (nID == XTP_IDC_CLR_MORE) {
        CColorDialog dlg(m_wndMoreColors.GetColor(), 0, this);
        if (dlg.DoModal() != IDOK)
            return;
        m_wndMoreColors.SetColor(dlg.GetColor());
        SelectPicker(&m_wndMoreColors);
        return;
    }
    if (nID == XTP_IDC_CLR_ERASE) {
        SelectPicker(&m_wndTransparent);
        return;
    }
    for (CXTPImageEditorPicker& cell : m_wndPalette) {
        if (cell.m_hWnd != nullptr && static_cast<UINT>(cell.GetDlgCtrlID()) == nID)
            SelectPicker(&cell);
    }
}

void CXTPImageEditorDlg::OnColorPicked(COLORREF clr)
{
    m_wndMoreColors.SetColor(clr);
    SelectPicker(&m_wndMoreColors);
    m_nCurrentTool = m_nPreviousTool;
}

void CXTPImageEditorDlg::RedrawPreview()
{
    if (m_wndPreview.m_hWnd != nullptr)
        m_wndPreview.Invalidate(FALSE);
}

BOOL CXTPImageEditorDlg::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    CString strTip;
    if (!XTPGetResourceManager()->LoadString(&strTip, static_cast<UINT>(pNMHDR->idFrom)))
        return TRUE;
    const int nNewLine = strTip.Find(L'\n');
    if (nNewLine >= 0)
        strTip = strTip.Mid(nNewLine + 1);
    if (pNMHDR->code == TTN_NEEDTEXTW) {
        NMTTDISPINFOW* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
        lstrcpynW(pInfo->szText, strTip, static_cast<int>(std::size(pInfo->szText)));
    } else {
        NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
        const int nWritten = ::WideCharToMultiByte(CP_ACP, 0, strTip, -1, pInfo->szText,
                                                   static_cast<int>(std::size(pInfo->szText)), nullptr, nullptr);
        if (nWritten == 0)
            pInfo->szText[std::size(pInfo->szText) - 1] = '\0';
    }
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
    return TRUE;
}
