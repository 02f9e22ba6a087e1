#include "framework/gdi/CDC.h"
#include "framework/gdi/CFont.h"
#include "framework/gdi/CPen.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/dc/XTPFontDC.h"

namespace {
const CSize kExpandToolbarSize(11, 11);
const int kExpandMenuHeight = 18;
const CSize kHideButtonSize(13, 13);
const CSize kCustomizeButtonSize(11, 11);

// One V of a double chevron pointing down (or right when turned), two strokes thick.
void DrawChevron(CDC* pDC, int cx, int y, BOOL bTurned)
{
    for (int d = 0; d < 2; d++) {
        POINT pts[3];
        if (bTurned) {
            pts[0] = {y + d, cx - 2};
            pts[1] = {y + d + 2, cx};
            pts[2] = {y + d - 1, cx + 3};
        } else {
            pts[0] = {cx - 2, y + d};
            pts[1] = {cx, y + d + 2};
            pts[2] = {cx + 3, y + d - 1};
        }
        pDC->Polyline(pts, 3);
    }
}
} // namespace

void CXTPPaintManager::DrawDoubleChevron(CDC* pDC, CRect rc, COLORREF clr, BOOL bVertical)
{
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, clr);
    CPen* pOldPen = pDC->SelectObject(&pen);
    if (bVertical) {
        int cy = rc.CenterPoint().y;
        DrawChevron(pDC, cy, rc.left + 2, TRUE);
        DrawChevron(pDC, cy, rc.left + 6, TRUE);
    } else {
        int cx = rc.CenterPoint().x;
        DrawChevron(pDC, cx, rc.top + 3, FALSE);
        DrawChevron(pDC, cx, rc.top + 7, FALSE);
    }
    pDC->SelectObject(pOldPen);
}

CSize CXTPPaintManager::DrawSpecialControl(CDC* pDC, XTPSpecialControl controlType, CXTPControl* pButton,
                                           CXTPCommandBar* pBar, BOOL bDraw, LPVOID /*lpParam*/)
{
    if (!bDraw) {
        switch (controlType) {
        case xtpButtonExpandToolbar:
            return kExpandToolbarSize;
        case xtpButtonExpandMenu:
            return CSize(0, kExpandMenuHeight);
        case xtpButtonHideFloating:
            return kHideButtonSize;
        case xtpButtonCustomize:
            return kCustomizeButtonSize;
        default:
            return CSize(0, 0);
        }
    }
    if (controlType < xtpButtonExpandToolbar || controlType > xtpButtonCustomize)
        return CSize(0, 0);

    CRect rc = pButton->GetRect();
    COLORREF clrText = GetColor(pButton->GetEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    if (controlType == xtpButtonExpandMenu) {
        // The short menu's expand item: its state, then a double chevron.
        DrawControlState(pDC, pButton);
        int cx = rc.CenterPoint().x;
        CPen pen;
        pen.CreatePen(PS_SOLID, 1, pDC->GetTextColor());
        CPen* pOldPen = pDC->SelectObject(&pen);
        DrawChevron(pDC, cx, rc.top + 5, FALSE);
        DrawChevron(pDC, cx, rc.top + 9, FALSE);
        pDC->SelectObject(pOldPen);
        return CSize(0, 0);
    }
    DrawControlEntry(pDC, pButton, rc);
    clrText = pDC->GetTextColor();
    BOOL bVertical = pBar && IsVerticalPosition(pBar->GetPosition());
    CPoint ptCenter = rc.CenterPoint();
    switch (controlType) {
    case xtpButtonExpandToolbar:
        DrawDoubleChevron(pDC, bVertical ? CRect(rc.left, rc.top, rc.right, rc.top + 12) : CRect(rc.left, rc.top, rc.right, rc.top + 12),
                          clrText, bVertical);
        if (bVertical)
            XTPDrawTriangle(pDC, CPoint(rc.right - 5, ptCenter.y), CPoint(rc.right - 7, ptCenter.y - 2),
                            CPoint(rc.right - 7, ptCenter.y + 2), clrText);
        else
            XTPDrawTriangle(pDC, CPoint(ptCenter.x - 2, rc.bottom - 7), CPoint(ptCenter.x + 2, rc.bottom - 7),
                            CPoint(ptCenter.x, rc.bottom - 5), clrText);
        break;
    case xtpButtonHideFloating: {
        CFont font;
        font.CreatePointFont(MulDiv(80, 96, pDC->GetDeviceCaps(LOGPIXELSY)), L"Marlett", pDC);
        CXTPFontDC fontDC(pDC, &font);
        pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(L"r", 1, &rc, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
        break;
    }
    case xtpButtonCustomize:
        XTPDrawTriangle(pDC, CPoint(ptCenter.x - 3, ptCenter.y - 1), CPoint(ptCenter.x + 3, ptCenter.y - 1),
                        CPoint(ptCenter.x, ptCenter.y + 2), clrText);
        break;
    default:
        break;
    }
    return CSize(0, 0);
}
