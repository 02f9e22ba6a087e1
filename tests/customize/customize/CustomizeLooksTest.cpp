// The toolbars page's check marks and the options page's group lines, each
// with the visual style in use and with the style library missing.
#include "customize/customize/CustomizeTestSupport.h"
#include "toolkit/common/visualstyles/XTPWinThemeLibrary.h"
#include "toolkit/customize/XTPCustomizeOptionsPageGroupLine.h"
#include "toolkit/customize/XTPCustomizeToolbarsPageCheckListBox.h"

using namespace custtest;

namespace {

struct Look
{
    const wchar_t* name;
    bool themed;
};
const Look kLooks[] = {{L"themed", true}, {L"unthemed", false}};

CXTPWinThemeLibrary* LibraryFor(const Look& look)
{
    static CXTPWinThemeLibrary missing(L"NoSuchVisualStyles.dll");
    return look.themed ? nullptr : &missing;
}

int DifferingPixels(const testshot::Image& image, const RECT& a, const RECT& b)
{
    int nDiffer = 0;
    for (int y = 0; y < a.bottom - a.top; y++)
        for (int x = 0; x < a.right - a.left; x++)
            nDiffer += image.Pixel(a.left + x, a.top + y) != image.Pixel(b.left + x, b.top + y);
    return nDiffer;
}

using CustomizeLooks = BarsTest;

TEST_F(CustomizeLooks, CheckMarksShowTheStateInEitherLook)
{
    for (const Look& look : kLooks) {
        CXTPCustomizeToolbarsPageCheckListBox list(LibraryFor(look));
        list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY,
                    CRect(10, 10, 210, 110), &site, 1);
        for (LPCWSTR text : {L"Standard", L"Format", L"Benutzerdefiniert 1"})
            list.AddString(text);
        list.SetCheck(0, 1);
        list.SetCurSel(2);
        list.SetCheck(2, 1);
        testpump::PumpUntilIdle();
        std::wstring strName = std::wstring(L"customize_checklist_") + look.name + L".png";
        testshot::Image image = ctltest::Shoot(list.GetSafeHwnd(), strName.c_str());

        const CSize size = list.GetCheckSize();
        EXPECT_EQ(CSize(13, 13), size) << look.name;
        CRect rcChecked, rcUnchecked;
        list.GetItemRect(0, &rcChecked);
        list.GetItemRect(1, &rcUnchecked);
        const int nTop = (rcChecked.Height() - size.cy) / 2 + 1;
        RECT boxChecked = {1, rcChecked.top + nTop, 1 + size.cx, rcChecked.top + nTop + size.cy};
        RECT boxUnchecked = {1, rcUnchecked.top + nTop, 1 + size.cx, rcUnchecked.top + nTop + size.cy};
        EXPECT_GT(DifferingPixels(image, boxChecked, boxUnchecked), 8) << look.name;
        // The selected item is highlighted beside its box, not under it.
        CRect rcSelected;
        list.GetItemRect(2, &rcSelected);
        EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), image.Pixel(rcSelected.right - 3, rcSelected.top + 1)) << look.name;
        list.DestroyWindow();
    }
}

// What the item drawing of a list derived from the check list gets: the
// item beside its check box (check width + 2 to the right) and the item data
// the caller stored.
class CRecordingCheckList : public CXTPCustomizeToolbarsPageCheckListBox
{
public:
    using CXTPCustomizeToolbarsPageCheckListBox::CXTPCustomizeToolbarsPageCheckListBox;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        if (static_cast<int>(lpDrawItemStruct->itemID) == 1) {
            m_nLeft = lpDrawItemStruct->rcItem.left;
            m_dwData = lpDrawItemStruct->itemData;
        }
        CXTPCustomizeToolbarsPageCheckListBox::DrawItem(lpDrawItemStruct);
    }
    long m_nLeft = -1;
    DWORD_PTR m_dwData = 0;
};

TEST_F(CustomizeLooks, ItemDrawingGetsTheItemBesideItsCheckAndItsOwnData)
{
    for (const Look& look : kLooks) {
        CRecordingCheckList list(LibraryFor(look));
        list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY,
                    CRect(10, 10, 210, 110), &site, 1);
        for (LPCWSTR text : {L"Standard", L"Format"})
            list.AddString(text);
        list.SetItemData(1, 7);
        list.Invalidate();
        testpump::PumpUntilIdle();
        CRect rcItem;
        list.GetItemRect(1, &rcItem);
        EXPECT_EQ(rcItem.left + list.GetCheckSize().cx + 2, list.m_nLeft) << look.name;
        EXPECT_EQ(7u, list.m_dwData) << look.name;
        list.DestroyWindow();
    }
}

TEST_F(CustomizeLooks, GroupLineIsAShadowOverALightLineBehindTheText)
{
    for (const Look& look : kLooks) {
        CXTPCustomizeOptionsPageGroupLine line(LibraryFor(look));
        HWND hStatic = ::CreateWindowW(L"STATIC", L"Andere", WS_CHILD | WS_VISIBLE, 10, 150, 300, 16,
                                       site.GetSafeHwnd(), nullptr, nullptr, nullptr);
        line.SubclassWindow(hStatic);
        ::InvalidateRect(hStatic, nullptr, TRUE);
        testpump::PumpUntilIdle();
        std::wstring strName = std::wstring(L"customize_groupline_") + look.name + L".png";
        testshot::Image image = ctltest::Shoot(hStatic, strName.c_str());
        const int y = image.height / 2;
        EXPECT_EQ(::GetSysColor(COLOR_3DSHADOW), image.Pixel(image.width - 2, y)) << look.name;
        EXPECT_EQ(::GetSysColor(COLOR_3DHILIGHT), image.Pixel(image.width - 2, y + 1)) << look.name;
        // The line starts after the text: the text's first column has none.
        EXPECT_NE(::GetSysColor(COLOR_3DSHADOW), image.Pixel(1, y)) << look.name;
        line.DestroyWindow();
    }
}

} // namespace
