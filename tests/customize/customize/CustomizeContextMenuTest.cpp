// The context menu of a toolbar button while the customize sheet runs, as
// the user meets it: a right click by real input, the items' states, the
// name, the styles, reset and delete, button images through the clipboard
// and the gallery.
#include "customize/customize/CustomizeTestSupport.h"
#include "customize/imageeditor/ImageEditorTestSupport.h"

#include <set>

#include "framework/gdi/CDC.h"
#include "framework/gdi/CClientDC.h"
#include "resources/ToolkitCustomizeIds.h"
#include "resources/ToolkitImageIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/ThreadTimer.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/controls/XTPControlEditCtrl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/common/images/XTPImageManagerPersist.h"
#include "toolkit/customize/XTPCustomizeButtonImage.h"
#include "toolkit/customize/XTPCustomizeSheet.h"
#include "toolkit/customize/imageeditor/XTPImageEditorDlg.h"

using namespace custtest;

namespace {

const COLORREF kBackground = RGB(10, 200, 30);

// Runs the function once from inside the menu's own tracking loop: the
// timer fires in whatever loop runs, and waits there until the menu shows.
std::function<void()> s_inLoop;
CXTPPopupBar* s_pWaitFor = nullptr;
void CALLBACK RunQueued(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    if (s_pWaitFor != nullptr && !(s_pWaitFor->GetSafeHwnd() && s_pWaitFor->IsWindowVisible()))
        return;
    testtimer::Kill(nTimer);
    std::function<void()> fn;
    fn.swap(s_inLoop);
    if (fn)
        fn();
}

POINT ScreenCentre(CXTPControl* pControl)
{
    CRect rc = pControl->GetRect();
    POINT pt = rc.CenterPoint();
    ::ClientToScreen(pControl->GetParent()->GetSafeHwnd(), &pt);
    return pt;
}

// A pixel of an image drawn over the background, as a bar of that icon
// width draws it.
COLORREF IconPixelAt(CXTPImageManager* pImages, UINT nId, int nWidth, int x, int y)
{
    CXTPImageManagerIcon* pIcon = pImages->GetImage(nId, nWidth);
    if (pIcon == nullptr)
        return CLR_INVALID;
    HDC hScreen = ::GetDC(nullptr);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, nWidth, nWidth);
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    HBRUSH hBrush = ::CreateSolidBrush(kBackground);
    RECT rc = {0, 0, nWidth, nWidth};
    ::FillRect(hDC, &rc, hBrush);
    ::DeleteObject(hBrush);
    pIcon->Draw(CDC::FromHandle(hDC), CPoint(0, 0), CSize(nWidth, nWidth));
    COLORREF clr = ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hDC);
    return clr;
}

COLORREF IconPixel(CXTPImageManager* pImages, UINT nId, int x, int y)
{
    return IconPixelAt(pImages, nId, 16, x, y);
}

// A 16 x 16 bitmap of the depth given: the face colour left, red right,
// alpha 0 left and 255 right at 32 bits.
HBITMAP MakeBitmap(int nBits)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = 16;
    bmi.bmiHeader.biHeight = -16;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = static_cast<WORD>(nBits);
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    const COLORREF clrFace = ::GetSysColor(COLOR_BTNFACE);
    const int nStride = ((16 * nBits / 8) + 3) & ~3;
    for (int y = 0; y < 16; y++) {
        BYTE* pRow = static_cast<BYTE*>(pBits) + y * nStride;
        for (int x = 0; x < 16; x++) {
            BYTE* p = pRow + x * (nBits / 8);
            const bool bLeft = x < 8;
            p[0] = bLeft ? GetBValue(clrFace) : 0;
            p[1] = bLeft ? GetGValue(clrFace) : 0;
            p[2] = bLeft ? GetRValue(clrFace) : 255;
            if (nBits == 32)
                p[3] = bLeft ? 0 : 255;
        }
    }
    return hBitmap;
}

// The clipboard holds the bitmap, with the alpha marker when asked.
void OfferBitmap(HWND hWnd, HBITMAP hBitmap, bool bMarker)
{
    ASSERT_TRUE(::OpenClipboard(hWnd));
    ::EmptyClipboard();
    ::SetClipboardData(CF_BITMAP, hBitmap);
    if (bMarker)
        ::SetClipboardData(XTPGetImageClipboardFormat(), ::GlobalAlloc(GMEM_MOVEABLE, 1));
    ::CloseClipboard();
}

void EmptyTheClipboard(HWND hWnd)
{
    if (::OpenClipboard(hWnd)) {
        ::EmptyClipboard();
        ::CloseClipboard();
    }
}

// Lays itself out as the frame would lay out a docked toolbar.
class CLaidOutToolBar : public CXTPToolBar
{
public:
    void OnRecalcLayout() override
    {
        CClientDC dc(this);
        GetControls()->CalcDynamicSize(&dc, 400, LM_HORZDOCK | LM_COMMIT, CRect(2, 2, 2, 2));
        Invalidate();
    }
};

struct ContextMenu : BarsTest
{
    CXTPToolBar* pBar = new CLaidOutToolBar();
    CXTPImageManager* pImages = new CXTPImageManager();

    ContextMenu()
    {
        pBar->SetTitle(L"Standard");
        pBars->AppendBar(pBar);
        pBar->SetBarID(100);
        pBars->SetImageManager(pImages);
        const UINT nAlpha = 100, nPlain = 101;
        pImages->SetIcons(IDB_TOOLKIT_ALPHA_STRIP, &nAlpha, 1, CSize(16, 16));
        pImages->SetIcons(IDB_TOOLKIT_MAGENTA_STRIP, &nPlain, 1, CSize(16, 16));
        const wchar_t* captions[] = {L"Eins", L"Zwei", L"Drei"};
        for (int i = 0; i < 3; i++)
            pBar->GetControls()->Add(xtpControlButton, 100 + i)->SetCaption(captions[i]);
        pBar->CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW)), L"Bar", WS_CHILD | WS_VISIBLE, 0,
                       0, 400, 28, site.GetSafeHwnd(), nullptr);
        pBar->OnRecalcLayout();
        EmptyTheClipboard(site.GetSafeHwnd());
    }
    ~ContextMenu() override
    {
        pBar->DestroyWindow();
    }

    // Runs the sheet; for each control index, right-clicks it and runs the
    // step inside the open menu, then waits for the menu to close.
    void WithMenu(const std::vector<std::pair<int, std::function<void(CXTPCustomizeSheet&, CXTPPopupBar*)>>>& steps)
    {
        CXTPCustomizeSheet sheet(pBars, &site);
        CXTPPopupBar* pMenu = sheet.GetContextMenu();
        CDialogScript script({[&](HWND hSheet) {
            // Clear of the bar.
            ::SetWindowPos(hSheet, nullptr, 450, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            testpump::PumpUntilIdle();
            for (const auto& step : steps) {
                bool bDone = false;
                s_pWaitFor = pMenu;
                s_inLoop = [&] {
                    testpump::PumpUntilIdle();
                    step.second(sheet, pMenu);
                    testpump::PumpUntil([&] { return !pMenu->IsTrackingMode(); });
                    bDone = true;
                };
                testtimer::Set(10, RunQueued);
                testinput::ClickAt(ScreenCentre(pBar->GetControl(step.first)), true);
                EXPECT_TRUE(testpump::PumpUntil([&] { return bDone; }));
                testpump::PumpUntilIdle();
            }
            ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        }});
        sheet.DoModal();
        EXPECT_FALSE(script.TimedOut());
    }

    static CXTPControl* Item(CXTPPopupBar* pMenu, int nID) { return pMenu->GetControls()->FindControl(nID); }
    static void Choose(CXTPPopupBar* pMenu, int nID) { testinput::ClickAt(ScreenCentre(Item(pMenu, nID))); }

    // The menu's gallery of button images opened by a click: the gallery
    // once it shows, null when it does not.
    static CXTPPopupBar* OpenGallery(CXTPPopupBar* pMenu)
    {
        CXTPControl* pOpener = Item(pMenu, XTP_ID_CUSTOMIZE_CHANGEBUTTONIMAGE);
        testinput::ClickAt(ScreenCentre(pOpener));
        CXTPPopupBar* pGallery = static_cast<CXTPPopupBar*>(pOpener->GetCommandBar());
        if (!testpump::PumpUntil([&] { return pGallery->GetSafeHwnd() && pGallery->IsWindowVisible(); }))
            return nullptr;
        testpump::PumpUntilIdle();
        return pGallery;
    }

    // "Schaltflächensymbol bearbeiten..." chosen in the menu; the steps run
    // in the editor once it shows, then OK. Back when the editor is closed.
    static void EditImage(CXTPPopupBar* pMenu, const std::function<void(CXTPImageEditorDlg&)>& steps)
    {
        HWND hEditor = nullptr;
        ctltest::CModalDriver driver(L"#32770", [&hEditor, &steps](HWND hDlg) {
            hEditor = hDlg;
            auto* pEditor = dynamic_cast<CXTPImageEditorDlg*>(CWnd::FromHandlePermanent(hDlg));
            ASSERT_NE(nullptr, pEditor);
            testpump::PumpUntilIdle();
            steps(*pEditor);
            ::PostMessageW(hDlg, WM_COMMAND, IDOK, 0);
        });
        Choose(pMenu, XTP_ID_CUSTOMIZE_EDITBUTTONIMAGE);
        EXPECT_TRUE(testpump::PumpUntil([&] { return hEditor != nullptr && !::IsWindow(hEditor); }));
    }
};

struct ItemState
{
    int id;
    bool enabled;
    int checked;
};

// Each item's state for a control: first (alpha icon), second (plain
// icon, may begin a group), third (no icon).
TEST_F(ContextMenu, ItemsFollowTheSelectedControl)
{
    pBar->GetControl(1)->SetBeginGroup(TRUE);
    pBar->GetControl(1)->SetCustomIconId(100);
    pBar->GetControl(2)->SetStyle(xtpButtonCaption);
    const std::vector<std::vector<ItemState>> expected = {
        {{9315, false, 0}, {9316, true, 0}, {9317, true, 0}, {9318, true, 0}, {9319, false, 0}, {9320, false, 0},
         {9321, true, 0}, {9322, true, 0}, {9323, true, 1}, {9325, true, 0}, {9324, true, 0}, {9326, false, 0}},
        {{9315, true, 0}, {9318, true, 0}, {9320, true, 0}, {9326, true, 1}},
        {{9315, true, 0}, {9318, false, 0}, {9321, false, 0}, {9322, false, 0}, {9323, true, 0}, {9325, true, 1},
         {9326, true, 0}},
    };
    std::vector<std::vector<ItemState>> seen(3);
    std::vector<CString> names(3);
    auto record = [&](int nControl) {
        return [&, nControl](CXTPCustomizeSheet&, CXTPPopupBar* pMenu) {
            for (const ItemState& item : expected[static_cast<size_t>(nControl)]) {
                CXTPControl* pItem = Item(pMenu, item.id);
                seen[static_cast<size_t>(nControl)].push_back({item.id, pItem->GetEnabled() != FALSE, pItem->GetChecked()});
            }
            names[static_cast<size_t>(nControl)] =
                static_cast<CXTPControlEdit*>(Item(pMenu, XTP_ID_CUSTOMIZE_NAME))->GetEditText();
            if (nControl == 0) {
                testshot::Image shot = ctltest::ShootWindow(pMenu->GetSafeHwnd(), L"customize_context_menu.png");
                // The name edit's white field right of its label.
                CXTPControl* pName = Item(pMenu, XTP_ID_CUSTOMIZE_NAME);
                CRect rc = pName->GetRect();
                EXPECT_EQ(RGB(255, 255, 255), shot.Pixel(rc.right - 8, rc.CenterPoint().y));
            }
            pMenu->SetTrackingMode(FALSE);
        };
    };
    WithMenu({{0, record(0)}, {1, record(1)}, {2, record(2)}});
    for (size_t i = 0; i < 3; i++) {
        ASSERT_EQ(expected[i].size(), seen[i].size());
        for (size_t k = 0; k < expected[i].size(); k++) {
            EXPECT_EQ(expected[i][k].enabled, seen[i][k].enabled) << "control " << i << " item " << expected[i][k].id;
            EXPECT_EQ(expected[i][k].checked, seen[i][k].checked) << "control " << i << " item " << expected[i][k].id;
        }
    }
    EXPECT_EQ(CString(L"Eins"), names[0]);
    EXPECT_EQ(CString(L"Zwei"), names[1]);
}

TEST_F(ContextMenu, WithoutASelectionEveryItemIsDisabledAndDoesNothing)
{
    CXTPCustomizeSheet sheet(pBars, &site);
    CXTPPopupBar* pMenu = sheet.GetContextMenu();
    std::vector<int> enabled;
    bool bDone = false;
    CDialogScript script({[&](HWND hSheet) {
        s_pWaitFor = pMenu;
        s_inLoop = [&] {
            testpump::PumpUntilIdle();
            for (int i = 0; i < pMenu->GetControlCount(); i++) {
                if (pMenu->GetControl(i)->GetEnabled())
                    enabled.push_back(pMenu->GetControl(i)->GetID());
            }
            // A command that arrives anyway finds nothing to change.
            sheet.SendMessage(WM_COMMAND, XTP_ID_CUSTOMIZE_DELETE, 0);
            pMenu->SetTrackingMode(FALSE);
            bDone = true;
        };
        testtimer::Set(10, RunQueued);
        pBars->SetCustomizeSelection(nullptr);
        sheet.ShowContextMenu(ScreenCentre(pBar->GetControl(0)));
        testpump::PumpUntil([&] { return bDone; });
        ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    }});
    sheet.DoModal();
    EXPECT_TRUE(bDone);
    EXPECT_TRUE(enabled.empty()) << enabled.size() << " enabled";
    EXPECT_EQ(3, pBar->GetControlCount());
}

TEST_F(ContextMenu, ATypedNameRenamesOnEnterAndOnAClickElsewhere)
{
    auto typeName = [](const wchar_t* lpszName, bool bEnter) {
        return [=](CXTPCustomizeSheet& sheet, CXTPPopupBar* pMenu) {
            auto* pName = static_cast<CXTPControlEdit*>(Item(pMenu, XTP_ID_CUSTOMIZE_NAME));
            testinput::ClickAt(ScreenCentre(pName));
            testpump::PumpUntil([&] { return ::GetFocus() == pName->GetEditCtrl()->GetSafeHwnd(); });
            testinput::SendChord({VK_CONTROL, 'A'});
            for (const wchar_t* p = lpszName; *p; p++)
                testinput::SendChar(*p);
            testpump::PumpUntil([&] { return pName->GetEditText() == lpszName; });
            if (bEnter)
                testinput::SendKey(VK_RETURN);
            else
                testinput::ClickAt(ctltest::CentreOf(sheet.GetSafeHwnd()));
        };
    };
    WithMenu({{0, typeName(L"Neuer Name", true)}, {1, typeName(L"Zweiter", false)}});
    EXPECT_EQ(CString(L"Neuer Name"), pBar->GetControl(0)->GetCustomCaption());
    EXPECT_EQ(CString(L"Zweiter"), pBar->GetControl(1)->GetCustomCaption());
}

TEST_F(ContextMenu, StylesRelayTheBarResetClearsAndDeleteRemoves)
{
    struct Seen
    {
        XTPButtonStyle style;
        int width;
    };
    std::vector<Seen> seen;
    auto choose = [&](int nID) {
        return [&, nID](CXTPCustomizeSheet&, CXTPPopupBar* pMenu) {
            Choose(pMenu, nID);
            testpump::PumpUntil([&] { return !pMenu->IsTrackingMode(); });
            testpump::PumpUntilIdle();
            seen.push_back({pBar->GetControl(0)->GetStyle(), pBar->GetControl(0)->GetRect().Width()});
        };
    };
    const int nIconWidth = pBar->GetControl(0)->GetRect().Width();
    pBar->GetControl(0)->SetCustomCaption(L"Umbenannt");
    pBar->GetControl(0)->SetCustomIconId(101);
    WithMenu({{0, choose(XTP_ID_CUSTOMIZE_TEXTONLY)},
              {0, choose(XTP_ID_CUSTOMIZE_IMAGEANDTEXT)},
              {0, choose(XTP_ID_CUSTOMIZE_DEFAULTSTYLE)},
              {0, choose(XTP_ID_CUSTOMIZE_IMAGEANDTEXT)},
              {0, choose(XTP_ID_CUSTOMIZE_RESET)},
              {1, choose(XTP_ID_CUSTOMIZE_DELETE)}});
    ASSERT_EQ(6u, seen.size());
    EXPECT_EQ(xtpButtonCaption, seen[0].style);
    EXPECT_EQ(xtpButtonIconAndCaption, seen[1].style);
    EXPECT_EQ(xtpButtonAutomatic, seen[2].style);
    // With the caption the button is wider than its icon alone.
    EXPECT_GT(seen[0].width, nIconWidth);
    EXPECT_GT(seen[1].width, nIconWidth);
    EXPECT_EQ(nIconWidth, seen[2].width);
    CXTPControl* pFirst = pBar->GetControl(0);
    EXPECT_EQ(xtpButtonAutomatic, seen[4].style);
    EXPECT_EQ(nIconWidth, seen[4].width);
    EXPECT_EQ(0, pFirst->GetCustomIconId());
    EXPECT_TRUE(pFirst->GetCustomCaption().IsEmpty());
    ASSERT_EQ(2, pBar->GetControlCount());
    EXPECT_EQ(102, pBar->GetControl(1)->GetID());
    EXPECT_EQ(nullptr, pBars->GetDragControl());
}

TEST_F(ContextMenu, CopiedImagesPasteBackAndBitmapsPasteByTheirDepth)
{
    struct Pasted
    {
        int id = 0;
        bool alpha = false;
    };
    std::vector<Pasted> pasted;
    bool bCopyOffered = false, bMarkerOffered = false, bDataCopied = false;
    auto copy = [&](CXTPCustomizeSheet&, CXTPPopupBar* pMenu) {
        Choose(pMenu, XTP_ID_CUSTOMIZE_COPYBUTTONIMAGE);
        testpump::PumpUntil([&] { return ::IsClipboardFormatAvailable(CF_BITMAP) != FALSE; });
        bCopyOffered = ::IsClipboardFormatAvailable(CF_BITMAP) != FALSE;
        bMarkerOffered = ::IsClipboardFormatAvailable(XTPGetImageClipboardFormat()) != FALSE;
        if (::OpenClipboard(nullptr)) {
            HGLOBAL hData = ::GetClipboardData(XTPGetImageClipboardFormat());
            bDataCopied = hData != nullptr && ::GlobalSize(hData) > 1;
            ::CloseClipboard();
        }
    };
    auto paste = [&](int nControl, std::function<void()> offer) {
        return [&, nControl, offer](CXTPCustomizeSheet&, CXTPPopupBar* pMenu) {
            if (offer)
                offer();
            testpump::PumpUntilIdle();
            Choose(pMenu, XTP_ID_CUSTOMIZE_PASTEBUTTONIMAGE);
            testpump::PumpUntil([&] { return !pMenu->IsTrackingMode(); });
            testpump::PumpUntilIdle();
            CXTPControl* pControl = pBar->GetControl(nControl);
            CXTPImageManagerIcon* pIcon = pImages->GetImage(static_cast<UINT>(pControl->GetCustomIconId()), 16);
            pasted.push_back({pControl->GetCustomIconId(), pIcon != nullptr && pIcon->IsAlphaIcon()});
            pControl->SetCustomIconId(0);
        };
    };
    HWND hSite = site.GetSafeHwnd();
    WithMenu({{0, copy},
              {2, paste(2, nullptr)},
              {2, paste(2, [&] { OfferBitmap(hSite, MakeBitmap(24), false); })},
              {2, paste(2, [&] { OfferBitmap(hSite, MakeBitmap(32), true); })},
              // A marker beside a bitmap without alpha bits: a plain image.
              {2, paste(2, [&] { OfferBitmap(hSite, MakeBitmap(24), true); })}});
    EXPECT_TRUE(bCopyOffered);
    EXPECT_TRUE(bMarkerOffered);
    EXPECT_TRUE(bDataCopied);
    ASSERT_EQ(4u, pasted.size());
    for (const Pasted& p : pasted)
        EXPECT_NE(0, p.id);
    EXPECT_TRUE(pasted[0].alpha);
    EXPECT_FALSE(pasted[1].alpha);
    EXPECT_TRUE(pasted[2].alpha);
    EXPECT_FALSE(pasted[3].alpha);
    // The pasted copy of the alpha image draws as the original.
    EXPECT_EQ(IconPixel(pImages, 100, 8, 8), IconPixel(pImages, static_cast<UINT>(pasted[0].id), 8, 8));
    EXPECT_EQ(IconPixel(pImages, 100, 0, 0), IconPixel(pImages, static_cast<UINT>(pasted[0].id), 0, 0));
    // Plain: the face colour is transparent, red stays.
    for (size_t i : {size_t(1), size_t(3)}) {
        EXPECT_EQ(kBackground, IconPixel(pImages, static_cast<UINT>(pasted[i].id), 2, 8)) << i;
        EXPECT_EQ(RGB(255, 0, 0), IconPixel(pImages, static_cast<UINT>(pasted[i].id), 12, 8)) << i;
    }
    // Alpha: transparent by its alpha, red where opaque.
    EXPECT_EQ(kBackground, IconPixel(pImages, static_cast<UINT>(pasted[2].id), 2, 8));
    EXPECT_EQ(RGB(255, 0, 0), IconPixel(pImages, static_cast<UINT>(pasted[2].id), 12, 8));
}

TEST(CustomizeButtonImage, OnlyAMarked32BitBitmapCountsAsAlpha)
{
    HBITMAP h24 = MakeBitmap(24), h32 = MakeBitmap(32);
    EXPECT_FALSE(XTPIsAlphaClipboardBitmap(h24, TRUE));
    EXPECT_TRUE(XTPIsAlphaClipboardBitmap(h32, TRUE));
    EXPECT_FALSE(XTPIsAlphaClipboardBitmap(h32, FALSE));
    EXPECT_FALSE(XTPIsAlphaClipboardBitmap(nullptr, TRUE));
    ::DeleteObject(h24);
    ::DeleteObject(h32);
}

TEST_F(ContextMenu, TheGalleryShowsItsIconsSixARowAndAClickSetsOne)
{
    int nCount = 0;
    std::set<int> lefts, tops;
    int nChosenIcon = 0;
    COLORREF clrGallery = CLR_INVALID;
    auto gallery = [&](CXTPCustomizeSheet& sheet, CXTPPopupBar* pMenu) {
        CXTPPopupBar* pGallery = OpenGallery(pMenu);
        ASSERT_NE(nullptr, pGallery) << "the gallery shows";
        nCount = pGallery->GetControlCount();
        for (int i = 0; i < nCount; i++) {
            lefts.insert(pGallery->GetControl(i)->GetRect().left);
            tops.insert(pGallery->GetControl(i)->GetRect().top);
        }
        testshot::Image shot = ctltest::Shoot(pGallery->GetSafeHwnd(), L"customize_gallery.png");
        // The eighth icon (second row, second column) at its centre.
        CXTPControl* pEighth = pGallery->GetControl(7);
        CRect rc = pEighth->GetRect();
        clrGallery = IconPixel(sheet.GetGalleryImageManager(), 8, 8, 8);
        EXPECT_EQ(clrGallery, shot.Pixel(rc.left + (rc.Width() - 16) / 2 + 8, rc.top + (rc.Height() - 16) / 2 + 8));
        nChosenIcon = pEighth->GetIconId();
        testinput::ClickAt(ScreenCentre(pEighth));
    };
    int nCustomIcon = 0;
    COLORREF clrSet = CLR_INVALID;
    auto resetImage = [&](CXTPCustomizeSheet&, CXTPPopupBar* pMenu) {
        nCustomIcon = pBar->GetControl(2)->GetCustomIconId();
        clrSet = IconPixel(pImages, static_cast<UINT>(nCustomIcon), 8, 8);
        Choose(pMenu, XTP_ID_CUSTOMIZE_RESETBUTTONIMAGE);
    };
    pBar->GetControl(2)->SetIconId(100);
    WithMenu({{2, gallery}, {2, resetImage}});
    EXPECT_EQ(42, nCount);
    EXPECT_EQ(6u, lefts.size());
    EXPECT_EQ(7u, tops.size());
    EXPECT_EQ(8, nChosenIcon);
    EXPECT_NE(0, nCustomIcon);
    EXPECT_NE(CLR_INVALID, clrGallery);
    EXPECT_EQ(clrGallery, clrSet);
    EXPECT_EQ(0, pBar->GetControl(2)->GetCustomIconId());
}

// "Schaltflächensymbol bearbeiten..." opens the editor on the control's
// image: after OK the edited image becomes a new custom icon, and a second
// edit replaces that icon in place.
TEST_F(ContextMenu, EditedImagesBecomeTheControlsCustomIcon)
{
    const COLORREF clrOriginal = IconPixel(pImages, 100, 12, 8);
    ASSERT_NE(kBackground, clrOriginal);
    struct Edit
    {
        int customIcon;
        COLORREF pixel;
    };
    std::vector<Edit> edits;
    auto edit = [&](bool bClear) {
        return [&, bClear](CXTPCustomizeSheet&, CXTPPopupBar* pMenu) {
            HWND hEditor = nullptr;
            ctltest::CModalDriver driver(L"#32770", [&hEditor, bClear](HWND hDlg) {
                hEditor = hDlg;
                if (bClear)
                    ::PostMessageW(hDlg, WM_COMMAND, XTP_ID_BUTTON_CLEAR, 0);
                ::PostMessageW(hDlg, WM_COMMAND, IDOK, 0);
            });
            Choose(pMenu, XTP_ID_CUSTOMIZE_EDITBUTTONIMAGE);
            EXPECT_TRUE(testpump::PumpUntil([&] { return hEditor != nullptr && !::IsWindow(hEditor); }));
            EXPECT_FALSE(driver.Stuck());
            const int nId = pBar->GetControl(0)->GetCustomIconId();
            edits.push_back({nId, IconPixel(pImages, static_cast<UINT>(nId), 12, 8)});
        };
    };
    WithMenu({{0, edit(false)}, {0, edit(true)}});
    ASSERT_EQ(2u, edits.size());
    EXPECT_NE(0, edits[0].customIcon) << "the unchanged image is taken as a custom icon";
    EXPECT_NE(100, edits[0].customIcon);
    EXPECT_EQ(clrOriginal, edits[0].pixel);
    EXPECT_EQ(edits[0].customIcon, edits[1].customIcon) << "a second edit replaces the custom icon";
    EXPECT_EQ(kBackground, edits[1].pixel) << "cleared: transparent";
    EXPECT_EQ(clrOriginal, IconPixel(pImages, 100, 12, 8)) << "the built-in image stays";
}

// Lines drawn in the editor show on the toolbar button once the editor is
// closed with OK; the rest of the icon stays as it was.
TEST_F(ContextMenu, TheButtonShowsTheEditedIcon)
{
    CXTPControl* pButton = pBar->GetControl(0);
    // A pixel of the button's icon in a picture of the bar.
    auto iconPixel = [&](const testshot::Image& shot, int x, int y) {
        const CRect rc = pButton->GetRect();
        return shot.Pixel(rc.left + (rc.Width() - 16) / 2 + x, rc.top + (rc.Height() - 16) / 2 + y);
    };
    const COLORREF clrBlue = RGB(0, 0, 0xFF);
    testshot::Image before = ctltest::Shoot(pBar->GetSafeHwnd(), L"customize_button_icon_before_edit.png");
    testshot::Image after;
    auto edit = [&](CXTPCustomizeSheet&, CXTPPopupBar* pMenu) {
        EditImage(pMenu, [](CXTPImageEditorDlg& editor) {
            edittest::ClickCell(editor, XTP_IDS_CLR_BLUE);
            edittest::ClickButton(editor, XTP_ID_BUTTON_LINE);
            edittest::DragPixels(editor, POINT{0, 3}, POINT{16, 3});
            edittest::DragPixels(editor, POINT{0, 12}, POINT{16, 12});
        });
        testpump::PumpUntilIdle();
        pBar->RedrawWindow();
        after = ctltest::Shoot(pBar->GetSafeHwnd(), L"customize_button_icon_edited.png");
    };
    WithMenu({{0, edit}});
    EXPECT_NE(0, pButton->GetCustomIconId());
    for (int x : {0, 7, 15}) {
        EXPECT_NE(clrBlue, iconPixel(before, x, 3)) << x;
        EXPECT_EQ(clrBlue, iconPixel(after, x, 3)) << x;
        EXPECT_EQ(clrBlue, iconPixel(after, x, 12)) << x;
    }
    // Between the lines the icon is unchanged.
    EXPECT_EQ(iconPixel(before, 8, 8), iconPixel(after, 8, 8));
}

// The menu sets a control's image while its custom icon holds images at two
// widths: afterwards the new image is the one the control shows at both
// widths, the editor's (in place of the custom icon) as a gallery icon (a
// new custom icon), also one the gallery once drew at another width.
TEST_F(ContextMenu, ANewImageShowsAtEveryIconWidthOfTheControl)
{
    const COLORREF clrRed = RGB(0xFF, 0, 0), clrGreen = RGB(0, 0x80, 0), clrBlue = RGB(0, 0, 0xFF);
    CXTPControl* pControl = pBar->GetControl(1);
    // A custom icon red at 16 pixels and green at 32.
    auto giveTwoWidths = [&] {
        HICON hRed = edittest::MakePlainIcon(16, 16, [&](int, int) { return clrRed; });
        HICON hGreen = edittest::MakePlainIcon(32, 32, [&](int, int) { return clrGreen; });
        const UINT nId = pImages->AddIconWithNewSet(CXTPImageManagerIconHandle(hRed));
        pImages->SetIcon(CXTPImageManagerIconHandle(hGreen), nId, CSize(32, 32));
        ::DestroyIcon(hRed);
        ::DestroyIcon(hGreen);
        pControl->SetCustomIconId(static_cast<int>(nId));
    };
    struct Shown
    {
        const char* road;
        UINT id;
        COLORREF at16;
        COLORREF at32;
    };
    std::vector<Shown> shown;
    auto note = [&](const char* road) {
        const UINT nId = static_cast<UINT>(pControl->GetCustomIconId());
        shown.push_back({road, nId, IconPixelAt(pImages, nId, 16, 12, 8), IconPixelAt(pImages, nId, 32, 24, 16)});
    };
    auto edit = [&](CXTPCustomizeSheet&, CXTPPopupBar* pMenu) {
        EditImage(pMenu, [](CXTPImageEditorDlg& editor) {
            edittest::ClickButton(editor, XTP_ID_BUTTON_CLEAR);
            edittest::ClickCell(editor, XTP_IDS_CLR_BLUE);
            edittest::ClickButton(editor, XTP_ID_BUTTON_FILL);
            edittest::ClickPixel(editor, 0, 0);
        });
        note("edit");
        giveTwoWidths();
    };
    COLORREF clrGallery16 = CLR_INVALID, clrGallery32 = CLR_INVALID;
    auto gallery = [&](CXTPCustomizeSheet& sheet, CXTPPopupBar* pMenu) {
        CXTPPopupBar* pGallery = OpenGallery(pMenu);
        ASSERT_NE(nullptr, pGallery) << "the gallery shows";
        CXTPControl* pChosen = pGallery->GetControl(7);
        const UINT nGalleryId = static_cast<UINT>(pChosen->GetIconId());
        // Drawn at 32 pixels too, as a popup of larger icons draws it: the
        // scaled copy that leaves is no second image of the gallery's.
        clrGallery16 = IconPixelAt(sheet.GetGalleryImageManager(), nGalleryId, 16, 12, 8);
        clrGallery32 = IconPixelAt(sheet.GetGalleryImageManager(), nGalleryId, 32, 24, 16);
        const int nBefore = pControl->GetCustomIconId();
        testinput::ClickAt(ScreenCentre(pChosen));
        testpump::PumpUntil([&] { return !pMenu->IsTrackingMode() && pControl->GetCustomIconId() != nBefore; });
        note("gallery");
    };
    giveTwoWidths();
    const UINT nFirstCustom = static_cast<UINT>(pControl->GetCustomIconId());
    ASSERT_EQ(clrRed, IconPixelAt(pImages, nFirstCustom, 16, 12, 8));
    ASSERT_EQ(clrGreen, IconPixelAt(pImages, nFirstCustom, 32, 24, 16));
    WithMenu({{1, edit}, {1, gallery}});

    ASSERT_EQ(2u, shown.size());
    EXPECT_EQ(nFirstCustom, shown[0].id) << "the edit replaces the custom icon in place";
    EXPECT_EQ(clrBlue, shown[0].at16);
    EXPECT_EQ(clrBlue, shown[0].at32) << "the other width kept the image of before";
    EXPECT_TRUE(pImages->HasExactImage(nFirstCustom, 16));
    EXPECT_FALSE(pImages->HasExactImage(nFirstCustom, 32)) << "only the edited image is kept, as the layout stores it";
    EXPECT_NE(CLR_INVALID, clrGallery16);
    EXPECT_EQ(clrGallery16, shown[1].at16);
    EXPECT_EQ(clrGallery32, shown[1].at32);
}

} // namespace

namespace {

// Records the control notifications and commands it is sent.
class CRecordingSite : public CWnd
{
public:
    std::vector<std::pair<UINT, WPARAM>> seen;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XTP_CONTROL_NOTIFY || message == WM_COMMAND)
            seen.emplace_back(message, wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// The sheet answers its own items' notifications and hands others to the
// frame as a notification, then a command.
TEST_F(ContextMenu, NotificationsOfOtherCommandsReachTheSiteFrame)
{
    CRecordingSite frame;
    frame.CreateEx(0, AfxRegisterWndClass(0), L"Frame", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    struct Case
    {
        UINT id;
        UINT code;
        LRESULT result;
        size_t siteMessages;
    };
    const std::vector<Case> cases = {
        {XTP_ID_CUSTOMIZE_NAME, CBN_XTP_EXECUTE, 1, 0},
        {XTP_ID_CUSTOMIZE_DEFAULTSTYLE, CBN_XTP_EXECUTE, 0, 0},
        {40001, CBN_XTP_EXECUTE, 1, 2},
        {40001, XTP_FN_TEXTCHANGED, 0, 0},
    };
    std::vector<std::pair<LRESULT, size_t>> seen;
    CXTPCustomizeSheet sheet(pBars, &site);
    pBars->SetSite(&frame);
    CDialogScript script({[&](HWND hSheet) {
        pBars->SetCustomizeSelection(pBar->GetControl(0));
        auto* pName = static_cast<CXTPControlEdit*>(
            sheet.GetContextMenu()->GetControls()->FindControl(XTP_ID_CUSTOMIZE_NAME));
        pName->SetEditText(L"Benannt");
        for (const Case& c : cases) {
            frame.seen.clear();
            NMXTPCONTROL notify = {};
            notify.hdr.idFrom = c.id;
            notify.hdr.code = c.code;
            notify.pControl = c.id == XTP_ID_CUSTOMIZE_NAME ? pName : pBar->GetControl(1);
            LRESULT lResult = ::SendMessageW(hSheet, WM_XTP_CONTROL_NOTIFY, c.id, reinterpret_cast<LPARAM>(&notify));
            seen.emplace_back(lResult, frame.seen.size());
        }
        ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    }});
    sheet.DoModal();
    pBars->SetSite(&site);
    ASSERT_EQ(cases.size(), seen.size());
    for (size_t i = 0; i < cases.size(); i++) {
        EXPECT_EQ(cases[i].result, seen[i].first) << i;
        EXPECT_EQ(cases[i].siteMessages, seen[i].second) << i;
    }
    EXPECT_EQ(CString(L"Benannt"), pBar->GetControl(0)->GetCustomCaption());
    frame.DestroyWindow();
}

} // namespace
