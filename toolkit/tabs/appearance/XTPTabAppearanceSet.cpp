#include "toolkit/tabs/appearance/XTPTabAppearanceSet.h"
#include <algorithm>
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CPen.h"
#include "framework/gdi/CRgn.h"
#include "toolkit/common/dc/XTPFontDC.h"
#include "toolkit/tabs/colors/XTPTabColorSet.h"
#include "toolkit/tabs/XTPTabManager.h"

void CXTPTabPaintManager::CAppearanceSet::RefreshMetrics()
{
    CDC dc;
    HDC hScreen = ::GetDC(nullptr);
    dc.Attach(::CreateCompatibleDC(hScreen));
    ::ReleaseDC(nullptr, hScreen);
    {
        CXTPFontDC font(&dc, &m_pPaintManager->m_fntNormal);
        CSize sz = dc.GetTextExtent(L" ", 1);
        m_nButtonHeight = std::max(18, static_cast<int>(sz.cy) + 3);
    }
    ::DeleteDC(dc.Detach());
}

CXTPTabPaintManager::CColorSet* CXTPTabPaintManager::CAppearanceSet::GetColorSet() const
{
    return m_pPaintManager->m_pColorSet;
}

int CXTPTabPaintManager::CAppearanceSet::GetPosition() const
{
    return m_pPaintManager->GetPosition();
}

CRect CXTPTabPaintManager::CAppearanceSet::GetHeaderRect(CRect rc, CXTPTabManager* pManager)
{
    int nRows = pManager->GetRowIndexer()->GetRowCount();
    nRows = nRows < 1 ? 1 : nRows;
    CRect m = GetHeaderMargin();
    int nThickness = GetButtonHeight(pManager) * nRows + (nRows - 1) * m_nRowMargin + m.top + m.bottom;
    if (pManager->GetLayout() == xtpTabLayoutRotated)
    {
        for (int i = 0; i < pManager->GetItemCount(); i++)
            nThickness = std::max(nThickness, pManager->GetItem(i)->m_nButtonLength);
    }
    switch (pManager->GetPosition())
    {
    case xtpTabPositionLeft: return CRect(rc.left, rc.top, rc.left + nThickness, rc.bottom);
    case xtpTabPositionBottom: return CRect(rc.left, rc.bottom - nThickness, rc.right, rc.bottom);
    case xtpTabPositionRight: return CRect(rc.right - nThickness, rc.top, rc.right, rc.bottom);
    default: return CRect(rc.left, rc.top, rc.right, rc.top + nThickness);
    }
}

CRect CXTPTabPaintManager::CAppearanceSet::GetClientRect(CRect rc, CXTPTabManager* pManager)
{
    CRect rcHeader = GetHeaderRect(rc, pManager);
    switch (pManager->GetPosition())
    {
    case xtpTabPositionLeft: rc.left = rcHeader.right - 1; break;
    case xtpTabPositionBottom: rc.bottom = rcHeader.top + 1; break;
    case xtpTabPositionRight: rc.right = rcHeader.left + 1; break;
    default: rc.top = rcHeader.bottom - 1; break;
    }
    return rc;
}

CRect CXTPTabPaintManager::CAppearanceSet::GetClientMargin()
{
    return m_pPaintManager->m_rcClientMargin;
}

int CXTPTabPaintManager::CAppearanceSet::GetButtonLength(CDC* pDC, CXTPTabManagerItem* pItem)
{
    return m_pPaintManager->DrawItemContent(pDC, pItem, CRect(0, 0, 0, 0), FALSE);
}

int CXTPTabPaintManager::CAppearanceSet::GetButtonHeight(const CXTPTabManager* pManager)
{
    CRect bm = m_pPaintManager->m_rcButtonMargin;
    CSize szMin(0, 0);
    pManager->GetLayoutSizes(nullptr, &szMin, nullptr);
    int h = std::max(static_cast<int>(m_nButtonHeight + bm.top + bm.bottom), static_cast<int>(szMin.cy));
    if (m_pPaintManager->m_bShowIcons)
    {
        CSize szIcon = m_pPaintManager->m_szIcon;
        const_cast<CXTPTabManager*>(pManager)->DrawItemIcon(nullptr, CPoint(0, 0), nullptr, FALSE, szIcon);
        h = std::max(h, static_cast<int>(std::max(szIcon.cx, szIcon.cy) + bm.top + bm.bottom + 4));
    }
    return h;
}

void CXTPTabPaintManager::CAppearanceSet::DrawTabControl(CXTPTabManager* pManager, CDC* pDC, CRect rcControl)
{
    m_pPaintManager->DrawStrip(pManager, pDC, rcControl);
}

CRect CXTPTabPaintManager::CAppearanceSet::FillClient(CDC* /*pDC*/, CXTPTabManager* /*pManager*/)
{
    return CRect(0, 0, 0, 0);
}

void CXTPTabPaintManager::CAppearanceSet::RepositionTabControl(CXTPTabManager* pManager, CDC* pDC, CRect rcClient)
{
    m_pPaintManager->LayoutSingleRow(pManager, pDC, rcClient);
}

void CXTPTabPaintManager::CAppearanceSet::AdjustClientRect(CXTPTabManager* pManager, CRect& rcClient)
{
    rcClient.DeflateRect(m_pPaintManager->m_rcControlMargin);
    rcClient = GetClientRect(rcClient, pManager);
    rcClient.DeflateRect(GetClientMargin());
    if (m_pPaintManager->m_nClientFrame == xtpTabFrameBorder)
        rcClient.DeflateRect(2, 2, 2, 2);
    else if (m_pPaintManager->m_nClientFrame == xtpTabFrameSingleLine)
        DeflateRectForPosition(rcClient, CRect(0, 2, 0, 0), pManager->GetPosition());
}

void CXTPTabPaintManager::CAppearanceSet::DrawSingleButton(CDC* /*pDC*/, CXTPTabManagerItem* /*pItem*/)
{
}

void CXTPTabPaintManager::CAppearanceSet::DrawTabControlPart(CDC* pDC, CRect& rc, int nPart)
{
    CColorSet* pColors = GetColorSet();
    if (!m_pPaintManager->m_bStaticFrame)
    {
        if (nPart == 1)
            rc.InflateRect(2, 2, 2, 2);
        else if (nPart == 2 || nPart == 3)
            pDC->FillSolidRect(rc, pColors->m_clrHeaderFace.clrLight);
        return;
    }
    switch (nPart)
    {
    case 0:
        pDC->Draw3dRect(rc.left + 1, rc.top, rc.Width() - 2, rc.Height() - 1, ::GetSysColor(COLOR_3DFACE),
                        ::GetSysColor(COLOR_3DFACE));
        pDC->Draw3dRect(rc, pColors->m_clrFrameBorder, pColors->m_clrFrameBorder);
        break;
    case 1: rc.top -= 1; break;
    case 2:
        pDC->FillSolidRect(rc, pColors->m_clrControlFace);
        pDC->FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), pColors->m_clrFrameBorder);
        break;
    case 3:
        pDC->FillSolidRect(rc, pColors->m_clrControlFace);
        pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, pColors->m_clrFrameBorder);
        break;
    }
}

void CXTPTabPaintManager::CAppearanceSet::GetHeaderAndClientRects(CXTPTabManager* pManager, CRect& rcHeader,
                                                                  CRect& rcClient)
{
    CRect rcControl = pManager->GetControlRect();
    if (pManager->IsDrawStaticFrame())
        DeflateRectForPosition(rcControl, CRect(2, 1, 2, 2), pManager->GetPosition());
    rcControl.DeflateRect(m_pPaintManager->m_rcControlMargin);
    rcHeader = GetHeaderRect(rcControl, pManager);
    InflateRectForPosition(rcHeader, CRect(0, 0, 0, 1), pManager->GetPosition());
    rcClient = GetClientRect(rcControl, pManager);
}

void CXTPTabPaintManager::CAppearanceSet::FillHeaderAndClient(CDC* pDC, CXTPTabManager* pManager, CRect& rcHeader,
                                                              CRect& rcClient)
{
    GetHeaderAndClientRects(pManager, rcHeader, rcClient);
    GetColorSet()->FillHeader(pDC, rcHeader, pManager);
}

void CXTPTabPaintManager::CAppearanceSet::DrawStripSideLine(CDC* pDC, CRect rc, COLORREF clr, int nInset)
{
    switch (GetPosition())
    {
    case xtpTabPositionLeft: XTPTabLine(pDC, rc.left + nInset, rc.top, 1, rc.Height(), clr); break;
    case xtpTabPositionBottom: XTPTabLine(pDC, rc.left, rc.bottom - 1 - nInset, rc.Width(), 1, clr); break;
    case xtpTabPositionRight: XTPTabLine(pDC, rc.right - 1 - nInset, rc.top, 1, rc.Height(), clr); break;
    default: XTPTabLine(pDC, rc.left, rc.top + nInset, rc.Width(), 1, clr); break;
    }
}

CRect CXTPTabPaintManager::CAppearanceSet::FillClientWithFrame(CDC* pDC, CXTPTabManager* pManager,
                                                               COLORREF clrFrame)
{
    CRect rcHeader, rcClient;
    FillHeaderAndClient(pDC, pManager, rcHeader, rcClient);
    if (m_pPaintManager->m_nClientFrame == xtpTabFrameBorder)
    {
        GetColorSet()->FillClient(pDC, rcClient, pManager);
        if (clrFrame != COLORREF(-1))
            pDC->Draw3dRect(rcClient, clrFrame, clrFrame);
    }
    else if (m_pPaintManager->m_nClientFrame == xtpTabFrameSingleLine)
        DrawStripSideLine(pDC, rcClient, clrFrame);
    return rcHeader;
}

CXTPTabFigure::CXTPTabFigure(const CRect& rcItem, int nPosition)
    : m_rc(rcItem)
    , m_nPosition(nPosition)
{
}

POINT CXTPTabFigure::At(int u, int v) const
{
    switch (m_nPosition)
    {
    case xtpTabPositionLeft: return {m_rc.left + v, m_rc.top + u};
    case xtpTabPositionBottom: return {m_rc.left + u, m_rc.bottom - 1 - v};
    case xtpTabPositionRight: return {m_rc.right - 1 - v, m_rc.top + u};
    default: return {m_rc.left + u, m_rc.top + v};
    }
}

CRect CXTPTabFigure::Rect(int u0, int v0, int u1, int v1) const
{
    // Exclusive ends: turn the last inside pixel, then add one.
    POINT a = At(u0, v0), b = At(u1 - 1, v1 - 1);
    CRect rc(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1);
    if (u1 <= u0 || v1 <= v0)
        rc.SetRectEmpty();
    return rc;
}

void XTPTabLine(CDC* pDC, int x, int y, int cx, int cy, COLORREF clr)
{
    if (clr != COLORREF(-1) && cx > 0 && cy > 0)
        pDC->FillSolidRect(x, y, cx, cy, clr);
}

void XTPTabPolyline(CDC* pDC, const POINT* pPoints, int nCount, COLORREF clr)
{
    if (clr == COLORREF(-1))
        return;
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, clr);
    HGDIOBJ hOld = pDC->SelectObject(pen.GetSafeHandle());
    pDC->Polyline(pPoints, nCount);
    pDC->SelectObject(hOld);
}

COLORREF XTPTabFillPolygon(CDC* pDC, const POINT* pPoints, int nCount, CXTPTabPaintManager::CColorSet* pColorSet,
                          CXTPTabManagerItem* pItem)
{
    CRgn rgn;
    rgn.CreatePolygonRgn(pPoints, nCount, WINDING);
    CRect rcBox;
    rgn.GetRgnBox(rcBox);
    if (rcBox.IsRectEmpty())
        return COLORREF(-1);

    CDC dcMem;
    dcMem.CreateCompatibleDC(pDC);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(pDC, rcBox.Width(), rcBox.Height());
    HGDIOBJ hOld = dcMem.SelectObject(bmp.GetSafeHandle());
    dcMem.SetViewportOrg(-rcBox.left, -rcBox.top);
    COLORREF clr = pColorSet->FillTabButton(&dcMem, rcBox, pItem);
    dcMem.SetViewportOrg(0, 0);

    // The clip region is in device units: follow the DC's origin.
    CPoint ptOrg = pDC->GetViewportOrg();
    rgn.OffsetRgn(ptOrg.x, ptOrg.y);
    int nSaved = pDC->SaveDC();
    pDC->SelectClipRgn(&rgn, RGN_AND);
    pDC->BitBlt(rcBox.left, rcBox.top, rcBox.Width(), rcBox.Height(), &dcMem, 0, 0, SRCCOPY);
    pDC->RestoreDC(nSaved);
    dcMem.SelectObject(hOld);
    return clr;
}
