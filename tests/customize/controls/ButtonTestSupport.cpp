#include "customize/controls/ButtonTestSupport.h"

#include "toolkit/common/colors/XTPColorManager.h"

namespace ctltest {

testshot::Image Capture(CProbeButton& button, Look look, const wchar_t* lpszShot)
{
    button.SetLook(look == Look::hot || look == Look::checkedHot, look == Look::checked || look == Look::checkedHot);
    button.EnableWindow(look != Look::disabled);
    button.SendMessage(BM_SETSTATE, look == Look::pressed, 0);
    testshot::Image image = testshot::CaptureWindow(button.GetSafeHwnd());
    if (lpszShot != nullptr)
        testshot::Save(image, lpszShot);
    button.SendMessage(BM_SETSTATE, FALSE, 0);
    button.SetLook(FALSE, FALSE);
    button.EnableWindow(TRUE);
    return image;
}

COLORREF Colour(int nIndex)
{
    return XTPGetColorManager()->GetColor(nIndex);
}

namespace {

template <class Match>
CRect BoxWhere(const testshot::Image& image, Match match, CRect within = CRect(0, 0, 0, 0))
{
    if (within.IsRectEmpty())
        within = CRect(0, 0, image.width, image.height);
    CRect box(image.width, image.height, -1, -1);
    for (int y = within.top; y < within.bottom; y++)
    {
        for (int x = within.left; x < within.right; x++)
        {
            if (!match(image.Pixel(x, y)))
                continue;
            box.left = std::min<LONG>(box.left, x);
            box.top = std::min<LONG>(box.top, y);
            box.right = std::max<LONG>(box.right, x);
            box.bottom = std::max<LONG>(box.bottom, y);
        }
    }
    return box;
}

} // namespace

CRect BlueBox(const testshot::Image& image)
{
    return BoxWhere(image, [](COLORREF c) { return GetBValue(c) > GetRValue(c) + 80 && GetBValue(c) > 120; });
}

CRect BoxOf(const testshot::Image& image, COLORREF colour, CRect within)
{
    return BoxWhere(image, [colour](COLORREF c) { return c == colour; }, within);
}

} // namespace ctltest
