#include "toolkit/tabs/XTPTabPaintManager.h"
#include <algorithm>
#include "framework/gdi/CDC.h"
#include "toolkit/common/dc/XTPFontDC.h"
#include "toolkit/common/drawing/XTPTextHelpers.h"
#include "toolkit/tabs/appearance/XTPTabAppearanceSet.h"
#include "toolkit/tabs/appearance/XTPTabAppearanceSets.h"
#include "toolkit/tabs/colors/XTPTabColorSet.h"
#include "toolkit/tabs/colors/XTPTabColorSets.h"
#include "toolkit/tabs/XTPTabManager.h"

CXTPTabPaintManager::CXTPTabPaintManager()
{
    SetAppearance(xtpTabAppearancePropertyPage);
    RefreshMetrics();
}

CXTPTabPaintManager::~CXTPTabPaintManager()
{
    delete m_pColorSet;
    delete m_pAppearanceSet;
}

CXTPTabPaintManager::CAppearanceSet* CXTPTabPaintManager::SetAppearance(int nAppearance)
{
    CAppearanceSet* pSet;
    switch (nAppearance)
    {
    case xtpTabAppearancePropertyPageSelected: pSet = new CAppearanceSetPropertyPageSelected(); break;
    case xtpTabAppearancePropertyPageFlat: pSet = new CAppearanceSetPropertyPageFlat(); break;
    case xtpTabAppearancePropertyPage2003: pSet = new CAppearanceSetPropertyPage2003(); break;
    case xtpTabAppearanceStateButtons: pSet = new CAppearanceSetStateButtons(); break;
    case xtpTabAppearanceVisualStudio: pSet = new CAppearanceSetVisualStudio(); break;
    case xtpTabAppearanceFlat: pSet = new CAppearanceSetFlat(); break;
    case xtpTabAppearanceExcel: pSet = new CAppearanceSetExcel(); break;
    case xtpTabAppearanceVisio: pSet = new CAppearanceSetVisio(); break;
    case xtpTabAppearanceVisualStudio2005: pSet = new CAppearanceSetVisualStudio2005(); break;
    default: pSet = new CAppearanceSetPropertyPage(); break;
    }
    m_nAppearance = nAppearance;
    return SetAppearanceSet(pSet);
}

CXTPTabPaintManager::CAppearanceSet* CXTPTabPaintManager::SetAppearanceSet(CAppearanceSet* pAppearanceSet)
{
    // The installed set handed in again stays as it is.
    if (pAppearanceSet && pAppearanceSet != m_pAppearanceSet)
    {
        delete m_pAppearanceSet;
        m_pAppearanceSet = pAppearanceSet;
        m_pAppearanceSet->m_pPaintManager = this;
        m_pAppearanceSet->RefreshMetrics();
        SetColor(m_pAppearanceSet->GetDefaultColorSet());
    }
    RefreshAtoms();
    return m_pAppearanceSet;
}

CXTPTabPaintManager::CColorSet* CXTPTabPaintManager::SetColor(int nColor)
{
    m_nColor = nColor;
    CColorSet* pSet;
    switch (nColor)
    {
    case xtpTabColorVisualStudio: pSet = new CColorSetVisualStudio(); break;
    case xtpTabColorOffice2003: pSet = new CColorSetOffice2003(); break;
    case xtpTabColorWinXP: pSet = new CColorSetWinXP(); break;
    case xtpTabColorWhidbey: pSet = new CColorSetWhidbey(); break;
    default: pSet = new CColorSetDefault(); break;
    }
    return SetColorSet(pSet);
}

CXTPTabPaintManager::CColorSet* CXTPTabPaintManager::SetColorSet(CColorSet* pColorSet)
{
    if (pColorSet && pColorSet != m_pColorSet)
    {
        delete m_pColorSet;
        m_pColorSet = pColorSet;
        m_pColorSet->m_pPaintManager = this;
        m_pColorSet->RefreshMetrics();
    }
    RefreshAtoms();
    return m_pColorSet;
}

void CXTPTabPaintManager::SetPosition(int nPosition)
{
    m_nPosition = nPosition;
    RefreshAtoms();
}

void CXTPTabPaintManager::SetLayout(int nLayout)
{
    m_nLayout = nLayout;
    RefreshAtoms();
}

void CXTPTabPaintManager::SetFontIndirect(const LOGFONT* pLogFont, BOOL bUseSystemFont)
{
    m_bUseSystemFont = bUseSystemFont;
    if (!pLogFont)
        return;

    LOGFONT lf = *pLogFont;
    lf.lfWeight = m_bBoldNormal ? FW_BOLD : FW_NORMAL;
    m_fntNormal.DeleteObject();
    m_fntNormal.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fntBold.DeleteObject();
    m_fntBold.CreateFontIndirect(&lf);

    CString strFace;
    XTPGetVerticalFontFace(strFace, FALSE);
    lf.lfEscapement = 2700;
    lf.lfOrientation = 900;
    lstrcpynW(lf.lfFaceName, strFace, LF_FACESIZE);
    if (lf.lfHeight >= -10 && lf.lfHeight <= -1)
        lf.lfHeight = -11;
    lf.lfWeight = m_bBoldNormal ? FW_BOLD : FW_NORMAL;
    m_fntVerticalNormal.DeleteObject();
    m_fntVerticalNormal.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fntVerticalBold.DeleteObject();
    m_fntVerticalBold.CreateFontIndirect(&lf);

    // The row height follows the text, and every strip is measured anew.
    if (m_pAppearanceSet)
        m_pAppearanceSet->RefreshMetrics();
    RefreshAtoms();
}

CFont* CXTPTabPaintManager::GetFont(BOOL bBold, BOOL bVertical)
{
    if (bVertical)
        return bBold ? &m_fntVerticalBold : &m_fntVerticalNormal;
    return bBold ? &m_fntBold : &m_fntNormal;
}

void CXTPTabPaintManager::RefreshMetrics()
{
    if (m_bUseSystemFont)
    {
        LOGFONT lf = {};
        ::SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(LOGFONT), &lf, 0);
        SetFontIndirect(&lf, TRUE);
    }
    if (m_pColorSet)
        m_pColorSet->RefreshMetrics();
    if (m_pAppearanceSet)
        m_pAppearanceSet->RefreshMetrics();
}

void CXTPTabPaintManager::AddAtom(CXTPTabManagerAtom* pAtom)
{
    m_arrAtoms.Add(pAtom);
}

void CXTPTabPaintManager::RemoveAtom(CXTPTabManagerAtom* pAtom)
{
    for (INT_PTR i = m_arrAtoms.GetSize() - 1; i >= 0; i--)
    {
        if (m_arrAtoms[i] == pAtom)
            m_arrAtoms.RemoveAt(i);
    }
}

BOOL CXTPTabPaintManager::IsAtomRegistered(CXTPTabManagerAtom* pAtom) const
{
    for (INT_PTR i = 0; i < m_arrAtoms.GetSize(); i++)
    {
        if (m_arrAtoms[i] == pAtom)
            return TRUE;
    }
    return FALSE;
}

void CXTPTabPaintManager::RefreshAtoms()
{
    // A strip's repositioning may take other strips off the list (its host
    // rebuilt or gone): each is asked only while it is still registered.
    CArray<CXTPTabManagerAtom*, CXTPTabManagerAtom*> arrAtoms;
    arrAtoms.Copy(m_arrAtoms);
    for (INT_PTR i = 0; i < arrAtoms.GetSize(); i++)
    {
        if (IsAtomRegistered(arrAtoms[i]))
            arrAtoms[i]->RequestReposition();
    }
}

CRect CXTPTabPaintManager::TurnMargins(const CRect& m, int nPosition)
{
    switch (nPosition)
    {
    case xtpTabPositionLeft: return CRect(m.top, m.left, m.bottom, m.right);
    case xtpTabPositionBottom: return CRect(m.left, m.bottom, m.right, m.top);
    case xtpTabPositionRight: return CRect(m.bottom, m.left, m.top, m.right);
    default: return m;
    }
}

void CXTPTabPaintManager::DeflateRectForPosition(CRect& rc, const CRect& rcMargin, int nPosition)
{
    CRect m = TurnMargins(rcMargin, nPosition);
    rc.DeflateRect(m.left, m.top, m.right, m.bottom);
}

void CXTPTabPaintManager::InflateRectForPosition(CRect& rc, const CRect& rcMargin, int nPosition)
{
    CRect m = TurnMargins(rcMargin, nPosition);
    rc.InflateRect(m.left, m.top, m.right, m.bottom);
}

void CXTPTabPaintManager::AdjustClientRect(CXTPTabManager* pManager, CRect& rcClient)
{
    if (pManager->IsDrawStaticFrame())
        DeflateRectForPosition(rcClient, CRect(2, 1, 2, 2), pManager->GetPosition());
    if (pManager->GetItemCount() > 0)
        m_pAppearanceSet->AdjustClientRect(pManager, rcClient);
}

void CXTPTabPaintManager::RepositionTabControl(CXTPTabManager* pManager, CDC* pDC, CRect rcClient)
{
    pManager->m_rcHeaderRect.SetRectEmpty();
    pManager->m_rcControl = rcClient;
    pManager->m_rcClient = rcClient;
    pManager->GetRowIndexer()->SetRowCount(1);
    for (int i = 0; i < pManager->GetItemCount(); i++)
        pManager->GetItem(i)->m_nItemRow = 0;

    m_pAppearanceSet->RepositionTabControl(pManager, pDC, rcClient);
    AdjustClientRect(pManager, pManager->m_rcClient);
}

void CXTPTabPaintManager::MeasureItems(CXTPTabManager* pManager, CDC* pDC, BOOL bExtra)
{
    for (int i = 0; i < pManager->GetItemCount(); i++)
    {
        CXTPTabManagerItem* pItem = pManager->GetItem(i);
        BOOL bVisible = pItem->IsVisible();
        pItem->m_nContentLength = bVisible ? m_pAppearanceSet->GetButtonLength(pDC, pItem) : 0;
        pItem->m_nButtonLength = pItem->m_nContentLength + (bVisible && bExtra ? m_nExtraLength : 0);
    }
}

CRect CXTPTabPaintManager::HeaderWithNavigateButtons(CXTPTabManager* pManager, CRect rc)
{
    CRect rcHeader = m_pAppearanceSet->GetHeaderRect(rc, pManager);
    if (pManager->IsHorizontal())
        rcHeader.right--;
    else
        rcHeader.bottom--;
    for (int i = pManager->GetNavigateButtonCount() - 1; i >= 0; i--)
        pManager->GetNavigateButton(i)->Reposition(rcHeader);
    return rcHeader;
}

void CXTPTabPaintManager::LayoutSingleRow(CXTPTabManager* pManager, CDC* pDC, CRect rc)
{
    int nPosition = pManager->GetPosition();
    if (pManager->IsDrawStaticFrame())
        DeflateRectForPosition(rc, CRect(2, 1, 2, 2), nPosition);
    rc.DeflateRect(m_rcControlMargin);

    MeasureItems(pManager, pDC, TRUE);
    int nLayout = pManager->GetLayout();
    if (nLayout == xtpTabLayoutMultiRow)
    {
        LayoutMultiRow(pManager, pDC, rc);
        return;
    }

    pManager->m_rcHeaderRect = m_pAppearanceSet->GetHeaderRect(rc, pManager);
    int nCount = pManager->GetItemCount();
    if (nCount == 0)
    {
        HeaderWithNavigateButtons(pManager, rc);
        return;
    }

    CRect m = m_pAppearanceSet->GetHeaderMargin();
    int h = m_pAppearanceSet->GetButtonHeight(pManager);
    BOOL bHorizontal = pManager->IsHorizontal();

    // The tabs' extent across the strip.
    int a0;
    if (bHorizontal)
        a0 = nPosition == xtpTabPositionBottom ? rc.bottom - m.top - h : rc.top + m.top;
    else
        a0 = nPosition == xtpTabPositionRight ? rc.right - m.top - h : rc.left + m.top;

    if (nLayout == xtpTabLayoutSizeToFit)
    {
        int nRoom = (bHorizontal ? rc.Width() : rc.Height()) - m.left - m.right;
        for (int i = pManager->GetNavigateButtonCount() - 1; i >= 0; i--)
            pManager->GetNavigateButton(i)->AdjustLength(nRoom);
        CArray<int, int> arrLengths;
        for (int i = 0; i < nCount; i++)
            arrLengths.Add(pManager->GetItem(i)->m_nButtonLength);
        XTPTabShrinkToFit(arrLengths.GetData(), nCount, nRoom);
        for (int i = 0; i < nCount; i++)
            pManager->GetItem(i)->m_nButtonLength = arrLengths[i];
    }
    CRect rcHeader = HeaderWithNavigateButtons(pManager, rc);

    // A strip scrolled further than needed comes back.
    int nRoom = (bHorizontal ? rcHeader.Width() : rcHeader.Height()) - m.left - m.right;
    int nTotal = pManager->GetItemsLength();
    if (pManager->m_nHeaderOffset < 0 && pManager->m_nHeaderOffset + nTotal < nRoom)
    {
        pManager->m_nHeaderOffset = nRoom - nTotal <= 0 ? nRoom - nTotal : 0;
        rcHeader = HeaderWithNavigateButtons(pManager, rc);
    }
    pManager->m_rcHeaderRect = rcHeader;

    int nAlong = (bHorizontal ? rcHeader.left : rcHeader.top) + pManager->m_nHeaderOffset + m.left;
    for (int i = 0; i < nCount; i++)
    {
        CXTPTabManagerItem* pItem = pManager->GetItem(i);
        int nLength = pItem->m_nButtonLength;
        CRect rcItem;
        if (nLayout != xtpTabLayoutRotated)
        {
            rcItem = bHorizontal ? CRect(nAlong, a0, nAlong + nLength, a0 + h)
                                 : CRect(a0, nAlong, a0 + h, nAlong + nLength);
            nAlong += nLength;
        }
        else
        {
            switch (nPosition)
            {
            case xtpTabPositionBottom:
                rcItem.SetRect(nAlong, rcHeader.top + m.bottom, nAlong + h, rcHeader.top + m.bottom + nLength);
                break;
            case xtpTabPositionLeft:
                rcItem.SetRect(rcHeader.right - m.bottom - nLength, nAlong, rcHeader.right - m.bottom, nAlong + h);
                break;
            case xtpTabPositionRight:
                rcItem.SetRect(rcHeader.left + m.bottom, nAlong, rcHeader.left + m.bottom + nLength, nAlong + h);
                break;
            default:
                rcItem.SetRect(nAlong, rcHeader.bottom - m.bottom - nLength, nAlong + h, rcHeader.bottom - m.bottom);
                break;
            }
            nAlong += h;
        }
        pItem->m_rcItem = rcItem;
    }
}

void CXTPTabPaintManager::LayoutMultiRow(CXTPTabManager* pManager, CDC* /*pDC*/, CRect rc)
{
    pManager->m_rcHeaderRect = HeaderWithNavigateButtons(pManager, rc);
    pManager->m_nHeaderOffset = 0;
    int nCount = pManager->GetItemCount();
    if (nCount == 0)
        return;

    CRect m = m_pAppearanceSet->GetHeaderMargin();
    int h = m_pAppearanceSet->GetButtonHeight(pManager);
    int g = m_pAppearanceSet->GetRowGap();
    int nPosition = pManager->GetPosition();
    BOOL bHorizontal = pManager->IsHorizontal();
    CRect rcHeader = pManager->m_rcHeaderRect;
    int nRoom = (bHorizontal ? rcHeader.Width() : rcHeader.Height()) - m.left - m.right;
    int nRows = CalcRows(pManager, nRoom);

    CXTPTabManager::CRowIndexer::ROW* pRows = pManager->GetRowIndexer()->GetRows();
    int nAcross, nStep;
    switch (nPosition)
    {
    case xtpTabPositionBottom:
        nAcross = rc.bottom - (nRows - 1) * g - nRows * h - m.top, nStep = g + h;
        break;
    case xtpTabPositionLeft:
        nAcross = (g + h) * (nRows - 1) + rc.left + m.top, nStep = -(g + h);
        break;
    case xtpTabPositionRight:
        nAcross = rc.right - (nRows - 1) * g - nRows * h - m.top, nStep = g + h;
        break;
    default:
        nAcross = (g + h) * (nRows - 1) + rc.top + m.top, nStep = -(g + h);
        break;
    }

    for (int nRow = 0; nRow < nRows; nRow++, nAcross += nStep)
    {
        int nFirst = pRows[nRow].nFirstItem, nLast = pRows[nRow].nLastItem;
        if (nRows > 1 && m_bJustifyRows)
        {
            int nFree = nRoom;
            for (int i = nFirst; i <= nLast; i++)
                nFree -= pManager->GetItem(i)->m_nButtonLength;
            // A lone tab longer than the room gets a negative share: it ends
            // at the room's end and its caption is cut.
            for (int i = nFirst; i <= nLast; i++)
            {
                int nShare = nFree / (nLast - i + 1);
                CXTPTabManagerItem* pItem = pManager->GetItem(i);
                // A room squeezed below nothing leaves the tab empty, not inverted.
                pItem->m_nButtonLength = std::max(0, pItem->m_nButtonLength + nShare);
                nFree -= nShare;
            }
        }
        int nAlong = (bHorizontal ? rcHeader.left : rcHeader.top) + m.left;
        for (int i = nFirst; i <= nLast; i++)
        {
            CXTPTabManagerItem* pItem = pManager->GetItem(i);
            int nLength = pItem->m_nButtonLength;
            pItem->m_rcItem = bHorizontal ? CRect(nAlong, nAcross, nAlong + nLength, nAcross + h)
                                          : CRect(nAcross, nAlong, nAcross + h, nAlong + nLength);
            pItem->m_nItemRow = nRow;
            nAlong += nLength;
        }
    }
    pManager->m_rcHeaderRect = HeaderWithNavigateButtons(pManager, rc);
}

int CXTPTabPaintManager::CalcRows(CXTPTabManager* pManager, int nRoom)
{
    int nCount = pManager->GetItemCount();
    CArray<int, int> arrLengths;
    int nRows = 1, nRunning = 0;
    for (int i = 0; i < nCount; i++)
    {
        // Rows are counted and filled without the single-row extra length.
        CXTPTabManagerItem* pItem = pManager->GetItem(i);
        pItem->m_nButtonLength = pItem->m_nContentLength;
        int nLength = pItem->m_nButtonLength;
        arrLengths.Add(nLength);
        if (nRunning + nLength > nRoom && nRunning != 0)
        {
            nRows++;
            nRunning = 0;
        }
        nRunning += nLength;
    }

    CXTPTabManager::CRowIndexer* pIndexer = pManager->GetRowIndexer();
    CXTPTabManager::CRowIndexer::ROW* pRows = pIndexer->SetRowCount(nRows);
    if (nRows == 1)
        return 1;

    CArray<int, int> arrFirst;
    arrFirst.SetSize(nRows + 1);
    if (!XTPTabFillRows(arrLengths.GetData(), nCount, nRows, nRoom, m_bJustifyRows, arrFirst.GetData()))
    {
        // Cannot balance: fall back to greedy rows.
        XTPTabFillRows(arrLengths.GetData(), nCount, nRows, nRoom, FALSE, arrFirst.GetData());
    }
    for (int r = 0; r < nRows; r++)
    {
        pRows[r].nFirstItem = arrFirst[r];
        pRows[r].nLastItem = arrFirst[r + 1] - 1;
    }

    CXTPTabManagerItem* pSelected = pManager->GetSelectedItem();
    if (!m_bKeepRowOrder && pSelected)
    {
        int nSelected = pSelected->GetIndex();
        for (int r = 1; r < nRows; r++)
        {
            if (nSelected >= pRows[r].nFirstItem && nSelected <= pRows[r].nLastItem)
            {
                CXTPTabManager::CRowIndexer::ROW row = pRows[0];
                pRows[0] = pRows[r];
                pRows[r] = row;
                break;
            }
        }
    }
    return nRows;
}

void CXTPTabPaintManager::EnsureVisible(CXTPTabManager* pManager, CXTPTabManagerItem* pItem)
{
    CRect rcHeader = pManager->GetHeaderRect();
    CRect rcItem = pItem->GetRect();
    if (rcHeader.IsRectEmpty() || rcItem.IsRectEmpty())
        return;
    CRect m = m_pAppearanceSet->GetHeaderMargin();
    int nOffset = pManager->GetScrollOffset();
    BOOL bHorizontal = pManager->IsHorizontal();
    int nItemStart = bHorizontal ? rcItem.left : rcItem.top, nItemEnd = bHorizontal ? rcItem.right : rcItem.bottom;
    int nStart = bHorizontal ? rcHeader.left : rcHeader.top, nEnd = bHorizontal ? rcHeader.right : rcHeader.bottom;
    if (nItemStart < nStart)
        nOffset = nOffset + nStart + m.left - nItemStart;
    else if (nItemEnd > nEnd)
        nOffset = nOffset - (nItemEnd - nEnd);
    pManager->SetScrollOffset(nOffset);
}

void CXTPTabPaintManager::DrawTabControl(CXTPTabManager* pManager, CDC* pDC, CRect rcControl)
{
    m_pAppearanceSet->DrawTabControl(pManager, pDC, rcControl);
}

void CXTPTabPaintManager::DrawStrip(CXTPTabManager* pManager, CDC* pDC, CRect rcControl)
{
    int nPosition = pManager->GetPosition();
    if (pManager->IsDrawStaticFrame())
    {
        pDC->Draw3dRect(rcControl, m_pColorSet->m_clrFrameBorder, m_pColorSet->m_clrFrameBorder);
        rcControl.DeflateRect(1, 1, 1, 1);
        pDC->Draw3dRect(rcControl, m_pColorSet->m_clrControlFace, m_pColorSet->m_clrControlFace);
        DeflateRectForPosition(rcControl, CRect(1, 0, 1, 1), nPosition);
    }
    if (m_bFillBackground)
        pDC->FillSolidRect(rcControl, m_pColorSet->m_clrControlFace);
    rcControl.DeflateRect(m_rcControlMargin);
    pDC->SetBkMode(TRANSPARENT);
    if (m_bFillBackground)
        m_pAppearanceSet->FillClient(pDC, pManager);

    int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(pManager->GetHeaderRect());
    m_pColorSet->FillHeaderExtra(pDC, pManager->GetHeaderRect(), pManager);
    DrawRows(pManager, pDC, rcControl);
    pDC->RestoreDC(nSaved);

    for (int i = pManager->GetNavigateButtonCount() - 1; i >= 0; i--)
        pManager->GetNavigateButton(i)->Draw(pDC);
}

void CXTPTabPaintManager::DrawRows(CXTPTabManager* pManager, CDC* pDC, CRect rcControl)
{
    CXTPTabManager::CRowIndexer* pIndexer = pManager->GetRowIndexer();
    CXTPTabManagerItem* pSelected = pManager->GetSelectedItem();
    CRect rcClip;
    pDC->GetClipBox(rcClip);
    rcClip &= rcControl;

    auto drawItem = [&](int i) {
        CXTPTabManagerItem* pItem = pManager->GetItem(i);
        CRect rcTest;
        if (pItem && pItem->IsVisible() && rcTest.IntersectRect(pItem->GetRect(), rcControl))
            m_pAppearanceSet->DrawSingleButton(pDC, pItem);
    };

    for (int nRow = pIndexer->GetRowCount() - 1; nRow >= 0; nRow--)
    {
        int nFirst = pIndexer->GetRows()[nRow].nFirstItem, nLast = pIndexer->GetRows()[nRow].nLastItem;
        nLast = nLast >= pManager->GetItemCount() ? pManager->GetItemCount() - 1 : nLast;
        int nSelected = pSelected ? pSelected->GetIndex() : -1;
        BOOL bSelectedInRow = nSelected >= nFirst && nSelected <= nLast;
        if (m_pAppearanceSet->IsDrawTowardsSelected() && bSelectedInRow)
        {
            for (int i = nFirst; i < nSelected; i++)
                drawItem(i);
            for (int i = nLast; i > nSelected; i--)
                drawItem(i);
        }
        else if (m_pAppearanceSet->IsDrawTowardsSelected())
        {
            for (int i = nFirst; i <= nLast; i++)
                drawItem(i);
        }
        else
        {
            for (int i = nLast; i >= nFirst; i--)
            {
                if (i != nSelected)
                    drawItem(i);
            }
        }
        if (bSelectedInRow)
            drawItem(nSelected);
    }
}

int CXTPTabPaintManager::DrawItemContent(CDC* pDC, CXTPTabManagerItem* pItem, CRect rcItem, BOOL bDraw)
{
    CXTPTabManager* pManager = pItem->GetTabManager();
    int nPosition = pManager->GetPosition();
    int nLayout = pManager->GetLayout();
    BOOL bVertical = !pManager->IsHorizontal();
    if (nLayout == xtpTabLayoutRotated)
        bVertical = !bVertical;
    BOOL bSelected = pItem->IsSelected();
    BOOL bBold = m_bBoldSelected && bSelected && pManager->IsActive();
    CXTPFontDC font(pDC, GetFont(bBold, bVertical));

    CSize szIcon = m_szIcon;
    if (m_bShowIcons && !pManager->DrawItemIcon(pDC, CPoint(0, 0), pItem, FALSE, szIcon))
        szIcon = CSize(0, 0);
    if (!m_bShowIcons)
        szIcon = CSize(0, 0);
    BOOL bShowCaption = nLayout != xtpTabLayoutCompressed || bSelected;
    CString strCaption = pItem->GetCaption();
    UINT nPrefix = m_bDrawTextNoPrefix ? DT_NOPREFIX : 0;

    if (!bDraw)
    {
        int nIconExtent = bVertical ? szIcon.cy : szIcon.cx;
        int nContent;
        if (nLayout == xtpTabLayoutFixed)
            nContent = pManager->m_szItemFixed.cx;
        else if (nLayout == xtpTabLayoutCompressed && !bSelected)
            nContent = nIconExtent + 8;
        else if (nLayout == xtpTabLayoutCompressed)
        {
            int nWidest = 0;
            for (int i = 0; i < pManager->GetItemCount(); i++)
            {
                CRect rcText(0, 0, 0, 0);
                pDC->DrawText(pManager->GetItem(i)->GetCaption(), rcText,
                              DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE | nPrefix);
                nWidest = rcText.Width() > nWidest ? rcText.Width() : nWidest;
            }
            nContent = nIconExtent + 12 + nWidest;
        }
        else
        {
            CRect rcText(0, 0, 0, 0);
            pDC->DrawText(strCaption, rcText, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE | nPrefix);
            nContent = nIconExtent + 12 + rcText.Width();
        }
        SIZE szMin = {0, 0}, szMax = {0, 0};
        pManager->GetLayoutSizes(nullptr, &szMin, &szMax);
        int nLength = nContent + m_rcButtonMargin.left + m_rcButtonMargin.right;
        if (szMin.cx > 0 && nLength < szMin.cx)
            nLength = szMin.cx;
        if (szMax.cx > 0 && nLength > szMax.cx)
            nLength = szMax.cx;
        return nLength;
    }

    m_pColorSet->SetTextColor(pDC, pItem);
    int nExtra = pItem->m_nButtonLength - pItem->m_nContentLength;
    CRect rcFull = rcItem;
    if (!bVertical)
    {
        if (nExtra > 0 && nLayout != xtpTabLayoutRotated)
            rcItem.DeflateRect(nExtra / 2, 0, nExtra - nExtra / 2, 0);
        rcItem.left += 6 + m_rcButtonMargin.left;
        if (nPosition == xtpTabPositionBottom)
            rcItem.DeflateRect(0, m_rcButtonMargin.bottom, 0, m_rcButtonMargin.top);
        else
            rcItem.DeflateRect(0, m_rcButtonMargin.top, 0, m_rcButtonMargin.bottom);
        if (szIcon.cx > 0)
        {
            CPoint pt(rcItem.left - 1, rcItem.CenterPoint().y - szIcon.cy / 2);
            if (rcItem.Width() > szIcon.cx)
                pManager->DrawItemIcon(pDC, pt, pItem, TRUE, szIcon);
            rcItem.left += szIcon.cx + 2;
        }
        if (bShowCaption && rcItem.right > rcItem.left)
        {
            rcItem.right -= 2 + m_rcButtonMargin.right;
            if (m_bDrawTextPathEllipsis)
                DrawTextPathEllipsis(pDC, strCaption, rcItem, DT_SINGLELINE | DT_VCENTER | nPrefix);
            else
            {
                UINT nFormat = DT_SINGLELINE | DT_VCENTER | nPrefix;
                if (m_bStripMnemonics)
                {
                    XTPStripMnemonics(strCaption);
                    nFormat |= DT_NOPREFIX;
                }
                if (m_bDrawTextEndEllipsis)
                    nFormat |= DT_END_ELLIPSIS;
                pDC->DrawText(strCaption, rcItem, nFormat);
            }
        }
    }
    else
    {
        if (nExtra > 0 && nLayout != xtpTabLayoutRotated)
            rcItem.DeflateRect(0, nExtra / 2, 0, nExtra - nExtra / 2);
        rcItem.top += 6 + m_rcButtonMargin.left;
        if (nPosition == xtpTabPositionRight)
            rcItem.DeflateRect(m_rcButtonMargin.bottom, 0, m_rcButtonMargin.top, 0);
        else
            rcItem.DeflateRect(m_rcButtonMargin.top, 0, m_rcButtonMargin.bottom, 0);
        if (szIcon.cy > 0)
        {
            CPoint pt(rcItem.CenterPoint().x - szIcon.cx / 2, rcItem.top - 1);
            if (rcItem.Height() > szIcon.cy)
                pManager->DrawItemIcon(pDC, pt, pItem, TRUE, szIcon);
            rcItem.top += szIcon.cy + 2;
        }
        if (bShowCaption && rcItem.top + 8 < rcItem.bottom)
        {
            if (!m_bDrawTextNoPrefix)
                XTPStripMnemonics(strCaption);
            TEXTMETRIC tm = {};
            pDC->GetTextMetrics(&tm);
            int nWidth = rcItem.Width();
            CRect rcText;
            rcText.left = rcItem.right - (nWidth - (nPosition == xtpTabPositionRight ? 1 : 0) - tm.tmHeight) / 2;
            rcText.top = rcItem.top;
            rcText.right = rcText.left + (rcItem.bottom - rcItem.top);
            rcText.bottom = rcItem.bottom - (2 + m_rcButtonMargin.right);
            UINT nFormat = DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;
            if (m_bDrawTextPathEllipsis)
                DrawTextPathEllipsis(pDC, strCaption, rcText, nFormat);
            else
            {
                if (m_bDrawTextEndEllipsis)
                    nFormat |= DT_END_ELLIPSIS;
                // The rotated font runs downwards from the rectangle's top-left point.
                pDC->DrawText(strCaption, rcText, nFormat);
            }
        }
    }

    if (bSelected && pManager->ShowKeyboardCues())
        DrawFocusRect(pDC, pItem, rcFull);
    return 0;
}

void CXTPTabPaintManager::DrawFocusRect(CDC* pDC, CXTPTabManagerItem* /*pItem*/, CRect rcItem)
{
    if (!m_bDrawFocusRect)
        return;
    rcItem.DeflateRect(3, 3);
    pDC->SetTextColor(RGB(0, 0, 0));
    pDC->SetBkColor(RGB(255, 255, 255));
    pDC->DrawFocusRect(rcItem);
}
