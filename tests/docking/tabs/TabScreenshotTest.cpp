// Sheets of every appearance set in the four positions with each colour
// set it supports (the scheme-coloured sets once per scheme), saved as
// pictures to look at.
#include <gtest/gtest.h>
#include <memory>
#include "TabCanvas.h"
#include "ForcedScheme.h"
#include "TabTestHost.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/colors/XTPSystemThemeSource.h"
#include "toolkit/tabs/colors/XTPTabColorSet.h"

namespace {

const int kCellWidth = 250, kCellHeight = 190, kLabelWidth = 110;

struct Row
{
    int color;
    LPCWSTR scheme;  // null: the running system
    LPCWSTR label;
};

const Row s_rows[] = {
    {xtpTabColorDefault, nullptr, L"Default"},
    {xtpTabColorVisualStudio, nullptr, L"VisualStudio"},
    {xtpTabColorOffice2003, L"NormalColor", L"Office2003 blau"},
    {xtpTabColorOffice2003, L"HomeStead", L"Office2003 oliv"},
    {xtpTabColorOffice2003, L"Metallic", L"Office2003 silber"},
    {xtpTabColorOffice2003, nullptr, L"Office2003 ohne"},
    {xtpTabColorWinXP, nullptr, L"WinXP"},
    {xtpTabColorWhidbey, L"NormalColor", L"Whidbey blau"},
    {xtpTabColorWhidbey, L"HomeStead", L"Whidbey oliv"},
    {xtpTabColorWhidbey, L"Metallic", L"Whidbey silber"},
    {xtpTabColorWhidbey, nullptr, L"Whidbey ohne"},
};

// Answers the selected tab's rectangle.
CRect DrawCell(CDC* dc, int appearance, const Row& row, int position, CRect cell)
{
    CTabTestHost host;
    host.m_nIconSize = 16;
    CXTPTabPaintManager* paint = host.GetPaintManager();
    paint->SetAppearance(appearance);
    paint->SetColor(row.color);
    paint->SetPosition(position);
    paint->m_bHotTracking = TRUE;
    host.FindNavigateButton(xtpTabNavigateButtonClose)->SetFlags(xtpTabNavigateButtonAutomatic);
    for (LPCWSTR caption : {L"Spiele", L"Tickets", L"Statistik", L"&Optionen", L"Info"})
    {
        CXTPTabManagerItem* item = host.AddItem(-1);
        item->SetCaption(caption);
        item->SetImageIndex(host.GetItemCount() == 2 ? 0 : -1);
    }
    host.GetItem(4)->SetEnabled(FALSE);
    host.m_rcLayout = cell;
    host.SetCurSel(1);
    host.m_pHighlighted = host.GetItem(2);
    host.Reposition();
    paint->DrawTabControl(&host, dc, cell);
    return host.GetItem(1)->GetRect();
}

// The host draws icons as squares of this colour.
bool ShowsIcon(const CTabCanvas& canvas, CRect rc)
{
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            if (canvas.Pixel(x, y) == RGB(200, 40, 40))
                return true;
    return false;
}

void DrawSheet(int appearance, LPCWSTR name)
{
    CXTPTabPaintManager probe;
    probe.SetAppearance(appearance);
    int supported = probe.GetAppearanceSet()->GetSupportedColorSets();
    std::vector<const Row*> rows;
    for (const Row& row : s_rows)
    {
        if (supported & row.color)
            rows.push_back(&row);
    }
    CTabCanvas canvas(kLabelWidth + 4 * (kCellWidth + 10), static_cast<int>(rows.size()) * (kCellHeight + 10) + 10,
                      RGB(255, 255, 255));
    CDC* dc = canvas.DC();
    dc->SetBkMode(TRANSPARENT);
    for (size_t r = 0; r < rows.size(); r++)
    {
        std::unique_ptr<CForcedScheme> forced(rows[r]->scheme ? new CForcedScheme(rows[r]->scheme) : nullptr);
        int top = 10 + static_cast<int>(r) * (kCellHeight + 10);
        dc->SetTextColor(RGB(0, 0, 0));
        dc->TextOut(4, top + 4, rows[r]->label, lstrlenW(rows[r]->label));
        for (int position = 0; position < 4; position++)
        {
            int left = kLabelWidth + position * (kCellWidth + 10);
            CRect selected =
                DrawCell(dc, appearance, *rows[r], position, CRect(left, top, left + kCellWidth, top + kCellHeight));
            EXPECT_TRUE(ShowsIcon(canvas, selected)) << name << " row " << r << " position " << position
                                                     << ": the selected tab shows its icon";
        }
    }
    EXPECT_FALSE(canvas.Save(std::wstring(L"tabs_") + name + L".png").empty());
}

} // namespace

TEST(TabScreenshot, EveryAppearanceInEveryPositionAndColourSet)
{
    static const LPCWSTR names[] = {L"0_propertypage", L"1_propertypage_selected", L"2_propertypage_flat",
                                    L"3_propertypage2003", L"4_statebuttons", L"5_visualstudio", L"6_flat",
                                    L"7_excel", L"8_visio", L"9_visualstudio2005"};
    for (int appearance = 0; appearance < 10; appearance++)
        DrawSheet(appearance, names[appearance]);
}
