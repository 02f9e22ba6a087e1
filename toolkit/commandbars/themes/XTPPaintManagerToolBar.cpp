#include <algorithm>
#include "framework/gdi/CDC.h"
#include "framework/gdi/CFont.h"
#include "framework/gdi/CPen.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/dc/XTPFontDC.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"

namespace {

const int kSplitArrowWidth = 11;
const int kSplitArrowPart = 12;
const int kBelowCaptionStrip = 27;

BOOL IsPopupType(int nType)
{
    return nType == xtpControlPopup || nType == xtpControlButtonPopup || nType == xtpControlSplitButtonPopup;
}

BOOL IsSideBar(const CXTPCommandBar* pBar)
{
    return pBar && (pBar->GetPosition() == xtpBarLeft || pBar->GetPosition() == xtpBarRight);
}

BOOL IsPopuped(const CXTPControl* pButton)
{
    CXTPCommandBar* pBar = pButton->GetParent();
    return IsPopupType(pButton->GetType()) && pBar && pBar->GetPopupedIndex() >= 0 &&
           pBar->GetPopupedIndex() == pButton->GetIndex();
}

} // namespace

void CXTPPaintManager::SplitString(const CString& str, CString& strFirstRow, CString& strSecondRow)
{
    strFirstRow = str;
    strSecondRow.Empty();
    int nLength = str.GetLength();
    if (nLength < 4)
        return;
    int nMiddle = nLength / 2;
    for (int nDistance = 0; nDistance < nMiddle - 1; nDistance++) {
        // The left side first: m, m+1, m-1, m+2, ...
        int nCandidates[2] = {nMiddle - nDistance, nMiddle + nDistance + 1};
        for (int nPos : nCandidates) {
            if (nPos <= 0 || nPos >= nLength || str[nPos] != L' ')
                continue;
            strFirstRow = str.Left(nPos);
            strSecondRow = str.Mid(nPos + 1);
            return;
        }
    }
}

CSize CXTPPaintManager::DrawControlCaption(CDC* pDC, const CString& strCaption, CRect rc, BOOL bDraw, BOOL bVertical,
                                           BOOL bCentered, BOOL bEmbossed, BOOL bKeyboardCues)
{
    CString strStripped = strCaption;
    StripMnemonics(strStripped);
    if (!bDraw) {
        CRect rcText(0, 0, 0, 0);
        pDC->DrawText(strStripped, &rcText, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
        return CSize(rcText.Width(), rcText.Height());
    }
    if (bVertical) {
        // The vertical font runs downward; the glyphs' tops face right.
        CSize szText = pDC->GetTextExtent(strStripped);
        int x = rc.left + (rc.Width() + szText.cy) / 2;
        COLORREF clrText = pDC->GetTextColor();
        if (bEmbossed) {
            pDC->SetTextColor(GetColor(COLOR_3DHIGHLIGHT));
            pDC->TextOut(x + 1, rc.top + 1, strStripped);
            pDC->SetTextColor(clrText);
        }
        pDC->TextOut(x, rc.top, strStripped);
        return CSize(0, 0);
    }
    UINT nFormat = DT_SINGLELINE | DT_VCENTER | (bCentered ? DT_CENTER : 0);
    if (bEmbossed) {
        COLORREF clrText = pDC->SetTextColor(GetColor(COLOR_3DHIGHLIGHT));
        CRect rcShadow = rc;
        rcShadow.OffsetRect(1, 1);
        pDC->DrawText(strStripped, &rcShadow, nFormat | DT_NOPREFIX);
        pDC->SetTextColor(clrText);
    }
    if (bKeyboardCues)
        pDC->DrawText(strCaption, &rc, nFormat);
    else
        pDC->DrawText(strStripped, &rc, nFormat | DT_NOPREFIX);
    return CSize(0, 0);
}

CSize CXTPPaintManager::DrawCaptionBelowIcon(CDC* pDC, const CString& strCaption, CRect rcCaption, BOOL bDraw,
                                             BOOL bVertical, BOOL bDropDown, BOOL bEmbossed, BOOL bKeyboardCues)
{
    if (m_nCaptionOverride >= 0)
        bKeyboardCues = m_nCaptionOverride > 0;
    CString strLine1, strLine2;
    SplitString(strCaption, strLine1, strLine2);
    CString strStripped1 = strLine1, strStripped2 = strLine2, strStripped = strCaption;
    StripMnemonics(strStripped1);
    StripMnemonics(strStripped2);
    StripMnemonics(strStripped);

    if (!bDraw) {
        HDC hAttribDC = pDC->GetSafeHdc();
        SIZE sz1 = {0, 0}, sz2 = {0, 0};
        if (strStripped.IsEmpty()) {
            GetTextExtentPoint32W(hAttribDC, L" ", 1, &sz1);
            sz2 = sz1;
        } else {
            GetTextExtentPoint32W(hAttribDC, strLine1, strLine1.GetLength(), &sz1);
            GetTextExtentPoint32W(hAttribDC, strLine2, strLine2.GetLength(), &sz2);
        }
        int w1 = sz1.cx, w2 = sz2.cx + (bDropDown ? 8 : 0);
        int w = std::max(w1, w2);
        return bVertical ? CSize(24, w) : CSize(w, 24);
    }

    COLORREF clrText = pDC->GetTextColor();
    if (!bVertical) {
        int mid = (rcCaption.top + rcCaption.bottom) / 2;
        DrawControlCaption(pDC, strLine1, CRect(rcCaption.left, rcCaption.top, rcCaption.right, mid + 1), TRUE, FALSE,
                           TRUE, bEmbossed, bKeyboardCues);
        int w2 = pDC->GetTextExtent(strStripped2).cx + (bDropDown ? 8 : 0);
        int x2 = rcCaption.left + (rcCaption.Width() - w2) / 2;
        DrawControlCaption(pDC, strLine2, CRect(x2, mid, rcCaption.right, rcCaption.bottom), TRUE, FALSE, FALSE,
                           bEmbossed, bKeyboardCues);
        if (bDropDown) {
            int x = x2 + w2 - 4, y = (mid + rcCaption.bottom) / 2;
            XTPDrawTriangle(pDC, CPoint(x - 2, y - 1), CPoint(x + 2, y - 1), CPoint(x, y + 1), clrText);
        }
        return CSize(0, 0);
    }

    int mid = (rcCaption.left + rcCaption.right) / 2;
    CSize sz1 = pDC->GetTextExtent(strStripped1), sz2 = pDC->GetTextExtent(strStripped2);
    int x1 = rcCaption.right - 1 - (rcCaption.right - mid - sz1.cy) / 2;
    int y1 = rcCaption.top + (rcCaption.Height() - sz1.cx + 1) / 2;
    COLORREF clrOld = pDC->GetTextColor();
    auto drawVertical = [&](int x, int y, const CString& strText) {
        if (bEmbossed) {
            pDC->SetTextColor(GetColor(COLOR_3DHIGHLIGHT));
            pDC->TextOut(x + 1, y + 1, strText);
            pDC->SetTextColor(clrOld);
        }
        pDC->TextOut(x, y, strText);
    };
    drawVertical(x1, y1, strStripped1);
    int w2 = sz2.cx + (bDropDown ? 8 : 0);
    int x2 = mid + 1 - (mid - rcCaption.left - sz2.cy + 1) / 2;
    int y2 = rcCaption.top + (rcCaption.Height() - w2 + 1) / 2;
    drawVertical(x2, y2, strStripped2);
    if (bDropDown) {
        int xm = (rcCaption.left + mid + 2) / 2, y = y2 + w2 - 4;
        XTPDrawTriangle(pDC, CPoint(xm, y - 2), CPoint(xm, y + 2), CPoint(xm - 2, y), clrText);
    }
    return CSize(0, 0);
}

CRect CXTPPaintManager::GetSplitButtonCommandRect(CXTPControl* pButton)
{
    CRect rc = pButton->GetRect();
    CXTPCommandBar* pBar = pButton->GetParent();
    BOOL bPopupBar = pBar && pBar->GetType() == xtpBarTypePopup;
    if (pButton->GetStyle() == xtpButtonIconAndCaptionBelow && !bPopupBar) {
        if (IsSideBar(pBar))
            rc.left += kBelowCaptionStrip;
        else
            rc.bottom -= kBelowCaptionStrip;
        return rc;
    }
    rc.right -= bPopupBar ? 20 : kSplitArrowPart;
    return rc;
}

void CXTPPaintManager::DrawControlEntry(CDC* pDC, CXTPControl* pButton, CRect rc)
{
    CXTPCommandBar* pBar = pButton->GetParent();
    int barPosition = pBar ? pBar->GetPosition() : xtpBarTop;
    if (pButton->GetType() != xtpControlSplitButtonPopup) {
        DrawStateRect(pDC, rc, pButton->GetEnabled(), pButton->GetSelected(), pButton->GetPressed(),
                      pButton->GetChecked(), IsPopuped(pButton), barPosition);
        return;
    }
    BOOL bPopuped = IsPopuped(pButton);
    BOOL bEnabled = pButton->GetEnabled();
    int bSelected = pButton->GetSelected();
    CRect rcCommand = GetSplitButtonCommandRect(pButton);
    BOOL bCommandHot = bSelected && pButton->IsCursorOver() && rcCommand.PtInRect([&] {
        POINT pt;
        GetCursorPos(&pt);
        if (pBar && pBar->GetSafeHwnd())
            pBar->ScreenToClient(&pt);
        return CPoint(pt);
    }());

    if (pButton->GetStyle() == xtpButtonIconAndCaptionBelow) {
        DrawStateRect(pDC, rc, bEnabled, bSelected, pButton->GetPressed(), pButton->GetChecked(), bPopuped,
                      barPosition);
        if (bSelected && !bCommandHot) {
            CPen pen;
            pen.CreatePen(PS_SOLID, 1, GetColor(32));
            CPen* pOldPen = pDC->SelectObject(&pen);
            if (IsSideBar(pBar))
                Line(pDC, rc.left + kBelowCaptionStrip, rc.top, rc.left + kBelowCaptionStrip, rc.bottom);
            else
                Line(pDC, rc.left, rc.bottom - kBelowCaptionStrip, rc.right, rc.bottom - kBelowCaptionStrip);
            pDC->SelectObject(pOldPen);
        }
        if (!bPopuped && bCommandHot)
            DrawStateRect(pDC, rcCommand, bEnabled, bSelected, pButton->GetPressed(), pButton->GetChecked(), FALSE,
                          barPosition);
        return;
    }

    CRect rcCommandPart = rc;
    if (!bPopuped)
        rcCommandPart.right -= kSplitArrowWidth;
    DrawStateRect(pDC, rcCommandPart, bEnabled, bSelected, pButton->GetPressed(), pButton->GetChecked(), bPopuped,
                  barPosition);
    if (bSelected && !bPopuped) {
        CRect rcArrow(rc.right - kSplitArrowPart, rc.top, rc.right, rc.bottom);
        DrawStateRect(pDC, rcArrow, bEnabled, TRUE, TRUE, FALSE, FALSE, barPosition);
    }
    int mid = rc.CenterPoint().y;
    XTPDrawTriangle(pDC, CPoint(rc.right - 9, mid - 1), CPoint(rc.right - 5, mid - 1), CPoint(rc.right - 7, mid + 1),
                    pDC->GetTextColor());
}

CSize CXTPPaintManager::DrawControlToolBarParent(CDC* pDC, CXTPControl* pButton, BOOL bDraw)
{
    CXTPCommandBar* pBar = pButton->GetParent();
    CXTPFontDC font(pDC, GetCommandBarFont(pBar, pButton->IsDefaultItem()));
    if (pButton->GetStyle() == xtpButtonIconAndCaptionBelow)
        return DrawControlCaptionBelowIcon(pDC, pButton, pBar, bDraw);
    return DrawControlToolBarButton(pDC, pButton, pBar, bDraw);
}

CSize CXTPPaintManager::DrawControlToolBarButton(CDC* pDC, CXTPControl* pButton, CXTPCommandBar* pBar, BOOL bDraw)
{
    CRect rc = bDraw ? pButton->GetRect() : CRect(0, 0, 0, 0);
    CSize szIcon = pBar ? pBar->GetIconSize() : CSize(16, 16);
    // A size the bar was given wins over the one its icons make.
    CSize szButton = pBar && pBar->HasFixedButtonSize() ? pBar->GetButtonSize() : CSize(szIcon.cx + 7, szIcon.cy + 7);
    BOOL bVertical = IsSideBar(pBar);
    int nType = pButton->GetType();
    BOOL bCaption = pButton->IsCaptionVisible();
    // The caption-only style leaves out the icon the control has; a control
    // without a caption to show keeps its icon rather than show nothing.
    BOOL bIconShown = !(bCaption && pButton->GetStyle() == xtpButtonCaption);
    CXTPImageManagerIcon* pImage =
        bIconShown && pButton->GetIconId() != 0 ? pButton->GetImage(szIcon.cx) : nullptr;
    BOOL bEnabled = pButton->GetEnabled();
    BOOL bSelected = pButton->GetSelected();
    BOOL bPressed = pButton->GetPressed();
    BOOL bPopuped = IsPopuped(pButton);
    BOOL bKeyboardCues = pBar ? pBar->IsKeyboardCuesVisible() : TRUE;
    if (m_nCaptionOverride >= 0)
        bKeyboardCues = m_nCaptionOverride > 0;
    BOOL bEmbossed = !bEnabled && m_bEmbossedDisabledText;
    CString strCaption = pButton->GetCaption();
    if (pBar && pBar->IsLayoutRTL())
        UpdateRTLCaption(strCaption);

    if (nType != xtpControlButton && nType != xtpControlButtonPopup && nType != xtpControlLabel &&
        nType != xtpControlPopup && nType != xtpControlSplitButtonPopup && nType != xtpControlCustom)
        return CSize(0, 0);

    int nArrow = nType == xtpControlSplitButtonPopup ? kSplitArrowWidth : 0;
    BOOL bCaptionLessPopup = nType == xtpControlPopup && pImage && !bCaption;

    if (!bDraw) {
        if (bCaptionLessPopup)
            return CSize(szButton.cy + 7, szButton.cy);
        CSize szBase = pImage ? szButton : CSize(22, 22);
        if (!bCaption)
            return CSize(szBase.cx + nArrow, szBase.cy);
        CSize szText = DrawControlCaption(pDC, strCaption, rc, FALSE, bVertical, FALSE, bEmbossed, bKeyboardCues);
        if (nType == xtpControlPopup && !pImage)
            return bVertical ? CSize(szText.cy + 6, szText.cx + 6) : CSize(szText.cx + 6, szText.cy + 6);
        int nLead = pImage ? (bVertical ? szButton.cy : szButton.cx) : 4;
        if (bVertical)
            return CSize(std::max(static_cast<int>(szText.cy) + 6, static_cast<int>(szButton.cx)), nLead + szText.cx + 3 + nArrow);
        return CSize(nLead + szText.cx + 3 + nArrow, std::max(static_cast<int>(szText.cy) + 6, static_cast<int>(szButton.cy)));
    }

    if (nType == xtpControlSplitButtonPopup)
        DrawControlEntry(pDC, pButton, rc);
    else if (!pButton->IsTransparent())
        DrawControlState(pDC, pButton);

    CRect rcButtonPart = rc;
    if (nType == xtpControlSplitButtonPopup)
        rcButtonPart.right -= nArrow;
    if (pImage) {
        CPoint pt;
        if (nType == xtpControlSplitButtonPopup || bCaptionLessPopup)
            pt = CPoint(rc.left + 3, rc.top + (rc.Height() - szIcon.cy) / 2);
        else if (bVertical)
            pt = CPoint(rc.left + (rc.Width() - szIcon.cx) / 2, bCaption ? rc.top + 4 : rc.top + (rc.Height() - szIcon.cy) / 2);
        else if (bCaption)
            pt = CPoint(rc.left + (szButton.cx - szIcon.cx) / 2, rc.top + (rc.Height() - szIcon.cy) / 2);
        else
            pt = CPoint(rcButtonPart.left + (rcButtonPart.Width() - szIcon.cx) / 2,
                        rcButtonPart.top + (rcButtonPart.Height() - szIcon.cy) / 2);
        DrawImage(pDC, pt, szIcon, pImage, bSelected, bPressed, bEnabled, pButton->GetChecked(), bPopuped, TRUE);
    }
    if (bCaptionLessPopup) {
        CPoint ptArrow(rc.right - 7, rc.CenterPoint().y);
        XTPDrawTriangle(pDC, CPoint(ptArrow.x - 2, ptArrow.y - 1), CPoint(ptArrow.x + 2, ptArrow.y - 1),
                        CPoint(ptArrow.x, ptArrow.y + 1), pDC->GetTextColor());
    }
    if (!bCaption)
        return CSize(0, 0);

    CRect rcText = rcButtonPart;
    if (nType == xtpControlPopup && !pImage) {
        // Captioned popups (menu bar items) show the caption alone, centred.
        rcText.DeflateRect(3, 3);
        DrawControlCaption(pDC, strCaption, rcText, TRUE, bVertical, !bVertical, bEmbossed,
                           bKeyboardCues && !bVertical);
        return CSize(0, 0);
    }
    int nLead = pImage ? (bVertical ? szButton.cy : szButton.cx) : 4;
    if (bVertical)
        rcText.top += nLead;
    else
        rcText.left += nLead;
    DrawControlCaption(pDC, strCaption, rcText, TRUE, bVertical, FALSE, bEmbossed, bKeyboardCues && !bVertical);
    return CSize(0, 0);
}

CSize CXTPPaintManager::DrawControlCaptionBelowIcon(CDC* pDC, CXTPControl* pButton, CXTPCommandBar* pBar, BOOL bDraw)
{
    CSize szIcon = pBar ? pBar->GetLargeIconSize() : CSize(32, 32);
    CSize szButton(szIcon.cx + 7, szIcon.cy + 7);
    BOOL bVertical = IsSideBar(pBar);
    int nType = pButton->GetType();
    BOOL bDropDown = IsPopupType(nType);
    BOOL bEmbossed = !pButton->GetEnabled() && m_bEmbossedDisabledText;
    BOOL bKeyboardCues = pBar ? pBar->IsKeyboardCuesVisible() : TRUE;
    CString strCaption = pButton->GetCaption();
    if (pBar && pBar->IsLayoutRTL())
        UpdateRTLCaption(strCaption);

    if (!bDraw) {
        CSize szCaption = DrawCaptionBelowIcon(pDC, strCaption, CRect(0, 0, 0, 0), FALSE, bVertical, bDropDown,
                                               bEmbossed, bKeyboardCues);
        if (bVertical)
            return CSize(szButton.cx + kBelowCaptionStrip, std::max(static_cast<int>(szButton.cy) + 3, static_cast<int>(szCaption.cy) + 6));
        return CSize(std::max(static_cast<int>(szButton.cx) + 3, static_cast<int>(szCaption.cx) + 6), szButton.cy + kBelowCaptionStrip);
    }

    CRect rc = pButton->GetRect();
    if (nType == xtpControlSplitButtonPopup)
        DrawControlEntry(pDC, pButton, rc);
    else if (!pButton->IsTransparent())
        DrawControlState(pDC, pButton);

    CXTPImageManagerIcon* pImage = pButton->GetIconId() != 0 ? pButton->GetImage(szIcon.cx) : nullptr;
    if (pImage) {
        CPoint pt = bVertical ? CPoint(rc.left + 31, (rc.top + rc.bottom) / 2 - szIcon.cy / 2)
                              : CPoint((rc.left + rc.right) / 2 - szIcon.cx / 2, rc.top + 4);
        DrawImage(pDC, pt, szIcon, pImage, pButton->GetSelected(), pButton->GetPressed(), pButton->GetEnabled(),
                  pButton->GetChecked(), IsPopuped(pButton), TRUE);
    }
    CRect rcStrip = rc;
    if (bVertical)
        rcStrip.right = rcStrip.left + kBelowCaptionStrip;
    else
        rcStrip.top = rcStrip.bottom - kBelowCaptionStrip;
    return DrawCaptionBelowIcon(pDC, strCaption, rcStrip, TRUE, bVertical, bDropDown, bEmbossed, bKeyboardCues);
}
