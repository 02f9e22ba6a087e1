#include "toolkit/commandbars/controls/XTPControlsLayout.h"
#include <algorithm>
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/images/XTPImageManager.h"

namespace {
const int kEmptyBarWidth = 23;
const int kEmptyBarHeight = 22;
const int kWideWidth = 32767;
const int kLargeColumnExtra = 34;
const int kLargeGroupGap = 6;
} // namespace

CXTPControlsLayout::CXTPControlsLayout(CXTPControls* pControls, CDC* pDC)
    : m_pControls(pControls)
    , m_pBar(pControls->GetParent())
    , m_pDC(pDC)
    , m_szSeparator(0, 0)
    , m_bVertical(FALSE)
    , m_bGroupWrap(FALSE)
    , m_bHideWrap(FALSE)
    , m_bLargeButtons(FALSE)
{
}

int CXTPControlsLayout::Extent(const Record& record) const
{
    return m_bVertical ? record.szControl.cy : record.szControl.cx;
}

BOOL CXTPControlsLayout::IsGroupStart(size_t nIndex) const
{
    // The first shown control never gets a separator before it.
    if (!m_records[nIndex].bBeginGroup)
        return FALSE;
    for (size_t i = 0; i < nIndex; i++)
        if (m_records[i].bVisible)
            return TRUE;
    return FALSE;
}

int CXTPControlsLayout::WrapToolBar(int nWidth, DWORD& dwMode)
{
    int nSeparator = m_bVertical ? m_szSeparator.cy : m_szSeparator.cx;
    for (Record& record : m_records)
        record.bWrap = record.bHidden = FALSE;
    int nRows = 1, nPos = 0;
    size_t nRowStart = m_records.size();
    for (size_t i = 0; i < m_records.size(); i++) {
        Record& record = m_records[i];
        if (!record.bVisible)
            continue;
        if (nRowStart == m_records.size())
            nRowStart = i;
        BOOL bGroup = IsGroupStart(i);
        int nExtent = Extent(record) + (bGroup ? nSeparator : 0);
        BOOL bBreak = (nPos + nExtent > nWidth) || (m_bGroupWrap && bGroup);
        if (!bBreak || i == nRowStart) {
            nPos += nExtent;
            continue;
        }
        if (m_bHideWrap) {
            for (size_t k = i; k < m_records.size(); k++)
                if (m_records[k].bVisible)
                    m_records[k].bHidden = TRUE;
            dwMode |= LM_STRETCH;
            break;
        }
        // Prefer breaking at the nearest group start of this row.
        size_t nBreak = i;
        for (size_t k = i + 1; k-- > nRowStart + 1;) {
            if (m_records[k].bWrap)
                break;
            if (m_records[k].bVisible && IsGroupStart(k)) {
                nBreak = k;
                break;
            }
        }
        m_records[nBreak].bWrap = TRUE;
        nRows++;
        dwMode |= LM_STRETCH;
        nRowStart = nBreak;
        nPos = Extent(m_records[nBreak]);
        i = nBreak;
    }
    return nRows;
}

void CXTPControlsLayout::PlaceAt(Record& record, int x, int y, CSize& szBar)
{
    record.rcControl = CRect(x, y, x + record.szControl.cx, y + record.szControl.cy);
    szBar.cx = std::max(szBar.cx, record.rcControl.right);
    szBar.cy = std::max(szBar.cy, record.rcControl.bottom);
}

CSize CXTPControlsLayout::MeasureHorizontal()
{
    int x = 0, y = 0, nRowHeight = 0;
    CSize szBar(0, 0);
    BOOL bFirst = TRUE;
    for (size_t i = 0; i < m_records.size(); i++) {
        Record& record = m_records[i];
        if (!record.IsShown())
            continue;
        BOOL bGroup = IsGroupStart(i);
        if (record.bWrap && !bFirst) {
            y += nRowHeight + (bGroup ? m_szSeparator.cy : 0);
            x = 0;
            nRowHeight = 0;
        } else if (bGroup) {
            x += m_szSeparator.cx;
        }
        bFirst = FALSE;
        PlaceAt(record, x, y, szBar);
        x += record.szControl.cx;
        nRowHeight = std::max(nRowHeight, static_cast<int>(record.szControl.cy));
    }
    return szBar;
}

CSize CXTPControlsLayout::MeasureVertical()
{
    // Columns run downward and follow each other to the left.
    struct Column
    {
        std::vector<size_t> records;
        int width = 0;
        int gap = 0;
    };
    std::vector<Column> columns(1);
    BOOL bFirst = TRUE;
    for (size_t i = 0; i < m_records.size(); i++) {
        Record& record = m_records[i];
        if (!record.IsShown())
            continue;
        if (record.bWrap && !bFirst) {
            columns.push_back(Column());
            columns.back().gap = IsGroupStart(i) ? m_szSeparator.cx : 0;
        }
        bFirst = FALSE;
        columns.back().records.push_back(i);
        columns.back().width = std::max(columns.back().width, static_cast<int>(record.szControl.cx));
    }
    int nTotal = 0;
    for (const Column& column : columns)
        nTotal += column.width + column.gap;
    CSize szBar(nTotal, 0);
    int nRight = nTotal;
    for (const Column& column : columns) {
        int x = nRight - column.width, y = 0;
        for (size_t k = 0; k < column.records.size(); k++) {
            size_t i = column.records[k];
            Record& record = m_records[i];
            if (k > 0 && IsGroupStart(i))
                y += m_szSeparator.cy;
            record.rcControl = CRect(x, y, x + record.szControl.cx, y + record.szControl.cy);
            y += record.szControl.cy;
        }
        szBar.cy = std::max(szBar.cy, static_cast<LONG>(y));
        nRight = x - column.gap;
    }
    return szBar;
}

CSize CXTPControlsLayout::MeasureRows()
{
    return m_bVertical ? MeasureVertical() : MeasureHorizontal();
}

CSize CXTPControlsLayout::WrapAndMeasure(int nWidth, DWORD& dwMode)
{
    WrapToolBar(nWidth, dwMode);
    return MeasureRows();
}

CSize CXTPControlsLayout::NarrowestForWidth(int nWidth, DWORD& dwMode)
{
    DWORD dwProbe = 0;
    int nRows = WrapToolBar(nWidth, dwProbe);
    if (WrapToolBar(0, dwProbe) != nRows) {
        int nLow = 0, nHigh = nWidth;
        while (nLow < nHigh) {
            int nMiddle = (nLow + nHigh) / 2;
            if (WrapToolBar(nMiddle, dwProbe) <= nRows)
                nHigh = nMiddle;
            else
                nLow = nMiddle + 1;
        }
        nWidth = nHigh;
    }
    CSize size = WrapAndMeasure(nWidth, dwProbe);
    return WrapAndMeasure(size.cx, dwMode);
}

CSize CXTPControlsLayout::NarrowestForHeight(int nHeight, DWORD& dwMode)
{
    DWORD dwProbe = 0;
    CSize szTall = WrapAndMeasure(0, dwProbe);
    CSize szWide = WrapAndMeasure(kWideWidth, dwProbe);
    int nLow = szTall.cx, nHigh = std::max(szTall.cx, szWide.cx);
    int nBest = nHigh;
    while (nLow <= nHigh) {
        int nMiddle = (nLow + nHigh) / 2;
        CSize size = WrapAndMeasure(nMiddle, dwProbe);
        if (size.cy <= nHeight) {
            nBest = nMiddle;
            if (size.cy == nHeight)
                break;
            nHigh = nMiddle - 1;
        } else {
            nLow = nMiddle + 1;
        }
    }
    return WrapAndMeasure(nBest, dwMode);
}

CSize CXTPControlsLayout::Squarest(DWORD& dwMode)
{
    // Group starts do not force rows here: the width alone decides.
    m_bGroupWrap = FALSE;
    DWORD dwProbe = 0;
    CSize szTall = WrapAndMeasure(0, dwProbe);
    CSize szWide = WrapAndMeasure(kWideWidth, dwProbe);
    int nLow = szTall.cx, nHigh = std::max(szTall.cx, szWide.cx);
    int nBest = nHigh;
    while (nLow < nHigh) {
        int nMiddle = (nLow + nHigh) / 2;
        CSize size = WrapAndMeasure(nMiddle, dwProbe);
        if (size.cy <= size.cx) {
            nBest = nMiddle;
            if (size.cy == size.cx)
                break;
            nHigh = nMiddle;
        } else {
            nLow = nMiddle + 1;
        }
    }
    return WrapAndMeasure(nBest, dwMode);
}

CSize CXTPControlsLayout::MeasureLargeButtons()
{
    // Groups follow each other along the bar's length; small buttons stack
    // across it, as far as a large button reaches.
    CSize szLarge = m_pBar ? m_pBar->GetLargeIconSize() : CSize(32, 32);
    int nLimit = (m_bVertical ? szLarge.cx : szLarge.cy) + kLargeColumnExtra;
    int nAlong = 0, nAcross = 0, nLineExtent = 0;
    CSize szBar(0, 0);
    BOOL bFirst = TRUE;
    for (size_t i = 0; i < m_records.size(); i++) {
        Record& record = m_records[i];
        if (!record.IsShown())
            continue;
        record.pControl->SetStyle(record.style);
        record.szControl = record.pControl->GetSize(m_pDC);
        int nSizeAlong = m_bVertical ? record.szControl.cy : record.szControl.cx;
        int nSizeAcross = m_bVertical ? record.szControl.cx : record.szControl.cy;
        BOOL bGroup = IsGroupStart(i);
        BOOL bStack = !bGroup && !bFirst && record.style != xtpButtonIconAndCaptionBelow &&
                      nAcross + nSizeAcross <= nLimit;
        if (!bStack && !bFirst) {
            nAlong += nLineExtent + (bGroup ? kLargeGroupGap : 0);
            nAcross = 0;
            nLineExtent = 0;
        }
        bFirst = FALSE;
        record.bWrap = !bStack;
        if (m_bVertical)
            PlaceAt(record, nAcross, nAlong, szBar);
        else
            PlaceAt(record, nAlong, nAcross, szBar);
        nAcross += nSizeAcross;
        nLineExtent = std::max(nLineExtent, nSizeAlong);
    }
    return szBar;
}

BOOL CXTPControlsLayout::ReduceLargeButtons()
{
    std::vector<size_t> shown;
    for (size_t i = 0; i < m_records.size(); i++)
        if (m_records[i].IsShown())
            shown.push_back(i);
    auto setStyle = [&](size_t k, XTPButtonStyle style) {
        for (size_t j = k; j < k + 3; j++)
            m_records[shown[j]].style = style;
    };
    if (shown.size() < 3)
        return FALSE;
    // (a) three style-4 buttons of which only the first may begin a group.
    for (size_t k = shown.size() - 2; k-- > 0;) {
        Record &a = m_records[shown[k]], &b = m_records[shown[k + 1]], &c = m_records[shown[k + 2]];
        if (a.style == xtpButtonIconAndCaptionBelow && b.style == xtpButtonIconAndCaptionBelow &&
            c.style == xtpButtonIconAndCaptionBelow && !b.bBeginGroup && !c.bBeginGroup) {
            setStyle(k, xtpButtonIconAndCaption);
            return TRUE;
        }
    }
    // (b) three whose last has style 4.
    for (size_t k = shown.size() - 2; k-- > 0;) {
        if (m_records[shown[k + 2]].style == xtpButtonIconAndCaptionBelow) {
            setStyle(k, xtpButtonIconAndCaption);
            return TRUE;
        }
    }
    // (c) three style-3 buttons stacked across the bar at one place along
    // it: a column on a top bar, a line across a side bar.
    auto along = [&](const Record& record) { return m_bVertical ? record.rcControl.top : record.rcControl.left; };
    for (size_t k = shown.size() - 2; k-- > 0;) {
        Record &a = m_records[shown[k]], &b = m_records[shown[k + 1]], &c = m_records[shown[k + 2]];
        if (a.style == xtpButtonIconAndCaption && b.style == xtpButtonIconAndCaption &&
            c.style == xtpButtonIconAndCaption && along(a) == along(b) && along(b) == along(c)) {
            setStyle(k, xtpButtonIcon);
            return TRUE;
        }
    }
    return FALSE;
}

CSize CXTPControlsLayout::LargeButtonLayout(int nLength, DWORD dwMode)
{
    CSize szLarge = m_pBar ? m_pBar->GetLargeIconSize() : CSize(32, 32);
    CXTPImageManager* pImages = m_pBar ? m_pBar->GetImageManager() : nullptr;
    for (Record& record : m_records) {
        if (!record.bVisible)
            continue;
        int nIconId = record.pControl->GetIconId();
        BOOL bLarge = nIconId >= 1 && pImages && pImages->HasExactImage(static_cast<UINT>(nIconId), szLarge.cx);
        record.style = bLarge ? xtpButtonIconAndCaptionBelow : xtpButtonIconAndCaption;
    }
    CSize size = MeasureLargeButtons();
    while ((m_bVertical ? size.cy : size.cx) >= nLength && ReduceLargeButtons())
        size = MeasureLargeButtons();
    if (dwMode & LM_HIDEWRAP) {
        BOOL bFirst = TRUE;
        for (Record& record : m_records) {
            if (!record.bVisible)
                continue;
            if (!bFirst && (m_bVertical ? record.rcControl.bottom : record.rcControl.right) > nLength) {
                record.style = xtpButtonIcon;
                record.bHidden = TRUE;
            }
            bFirst = FALSE;
        }
        size = MeasureLargeButtons();
    }
    return size;
}

CSize CXTPControlsLayout::CalcDynamicSize(int nLength, DWORD dwMode, const CRect& rcBorder, int nMinimum)
{
    CXTPPaintManager* pPaintManager = m_pBar ? m_pBar->GetPaintManager() : XTPPaintManager();
    m_szSeparator = m_pBar ? pPaintManager->DrawCommandBarSeparator(m_pDC, m_pBar, nullptr, FALSE) : CSize(6, 6);
    m_bVertical = (dwMode & LM_VERTDOCK) != 0;
    m_bGroupWrap = (dwMode & LM_POPUP) != 0;
    m_bHideWrap = (dwMode & LM_HIDEWRAP) != 0;
    m_bLargeButtons = m_pBar && (m_pBar->GetBarStyle() & XTP_CBRS_LARGE_BUTTONS);
    CSize szBorders(rcBorder.left + rcBorder.right, rcBorder.top + rcBorder.bottom);

    for (int i = m_pControls->GetCount() - 1; i >= 0; i--) {
        CXTPControl* pControl = m_pControls->GetAt(i);
        if (pControl)
            pControl->OnCalcDynamicSize(dwMode);
    }

    m_records.clear();
    BOOL bAnyVisible = FALSE;
    for (int i = 0; i < m_pControls->GetCount(); i++) {
        CXTPControl* pControl = m_pControls->GetAt(i);
        Record record = {};
        record.pControl = pControl;
        record.rcOld = pControl->GetRect();
        record.bVisible = (pControl->GetHideFlags() & ~static_cast<DWORD>(xtpHideWrap)) == 0;
        record.szControl = record.bVisible ? pControl->GetSize(m_pDC) : CSize(0, 0);
        record.bBeginGroup = pControl->GetBeginGroup();
        record.style = pControl->GetStyle();
        bAnyVisible |= record.bVisible;
        m_records.push_back(record);
    }
    if (!bAnyVisible) {
        CSize size(kEmptyBarWidth + szBorders.cx, kEmptyBarHeight + szBorders.cy);
        if (dwMode & LM_HORZDOCK)
            size.cy = std::max(static_cast<int>(size.cy), nMinimum);
        else
            size.cx = std::max(static_cast<int>(size.cx), nMinimum);
        return size;
    }

    int nMRUWidth = m_pBar ? m_pBar->GetWidth() : kWideWidth;
    if (dwMode & LM_MRUWIDTH)
        nLength = nMRUWidth;
    CSize size;
    if (m_bLargeButtons) {
        size = LargeButtonLayout(nLength - ((dwMode & LM_VERTDOCK) ? szBorders.cy : szBorders.cx), dwMode);
    } else {
        if (dwMode & LM_POPUP) {
            size = WrapAndMeasure(nMRUWidth, dwMode);
            if (size.cy > 3 * size.cx && nMRUWidth == kWideWidth)
                size = Squarest(dwMode);
            else
                size = WrapAndMeasure(size.cx, dwMode);
        } else if (dwMode & LM_HORZDOCK) {
            WrapToolBar(nLength - szBorders.cx, dwMode);
        } else if (dwMode & LM_VERTDOCK) {
            WrapToolBar(nLength - szBorders.cy, dwMode);
        } else if (dwMode & LM_LENGTHY) {
            NarrowestForHeight(nLength - szBorders.cy, dwMode);
        } else {
            NarrowestForWidth(nLength - szBorders.cx, dwMode);
        }
        size = MeasureRows();
    }

    if (nMinimum > 0) {
        if (dwMode & LM_HORZDOCK)
            size.cy = std::max(static_cast<int>(size.cy), nMinimum - static_cast<int>(szBorders.cy));
        else
            size.cx = std::max(static_cast<int>(size.cx), nMinimum - static_cast<int>(szBorders.cx));
    }
    if (dwMode & LM_STRETCH) {
        if (dwMode & LM_VERTDOCK)
            size.cy = std::max(static_cast<int>(size.cy), nLength - static_cast<int>(szBorders.cy));
        else
            size.cx = std::max(static_cast<int>(size.cx), nLength - static_cast<int>(szBorders.cx));
    }
    size += szBorders;

    if (dwMode & LM_COMMIT) {
        for (Record& record : m_records)
            record.rcControl.OffsetRect(rcBorder.left, rcBorder.top);
        FixRows(size, rcBorder);
        if (!m_bLargeButtons)
            AlignAndStretch(size, rcBorder);
        Apply();
    }
    return size;
}

void CXTPControlsLayout::FixRows(CSize szBar, const CRect& rcBorder)
{
    size_t nStart = 0;
    while (nStart < m_records.size()) {
        // A row: the shown records up to the next wrap.
        size_t nEnd = nStart + 1;
        while (nEnd < m_records.size() && !(m_records[nEnd].bWrap && m_records[nEnd].IsShown()))
            nEnd++;
        int nNear = INT_MAX, nFar = INT_MIN;
        for (size_t i = nStart; i < nEnd; i++) {
            const Record& record = m_records[i];
            if (!record.IsShown())
                continue;
            nNear = std::min(nNear, static_cast<int>(m_bVertical ? record.rcControl.left : record.rcControl.top));
            nFar = std::max(nFar, static_cast<int>(m_bVertical ? record.rcControl.right : record.rcControl.bottom));
        }
        for (size_t i = nStart; i < nEnd && nNear <= nFar; i++) {
            Record& record = m_records[i];
            if (!record.IsShown())
                continue;
            if (m_bVertical) {
                record.rcRow = CRect(nNear, rcBorder.top, nFar, szBar.cy - rcBorder.bottom);
                if (!m_bLargeButtons)
                    record.rcControl.OffsetRect((nFar - nNear - record.rcControl.Width()) / 2 + nNear - record.rcControl.left, 0);
            } else {
                record.rcRow = CRect(rcBorder.left, nNear, szBar.cx - rcBorder.right, nFar);
                if (!m_bLargeButtons)
                    record.rcControl.OffsetRect(0, (nFar - nNear - record.rcControl.Height()) / 2 + nNear - record.rcControl.top);
            }
        }
        nStart = nEnd;
    }
}

void CXTPControlsLayout::AlignAndStretch(CSize szBar, const CRect& rcBorder)
{
    int nFarEnd = m_bVertical ? szBar.cy - rcBorder.bottom : szBar.cx - rcBorder.right;
    auto nearOf = [&](const CRect& rc) { return static_cast<int>(m_bVertical ? rc.top : rc.left); };
    auto farOf = [&](const CRect& rc) { return static_cast<int>(m_bVertical ? rc.bottom : rc.right); };
    auto moveTo = [&](CRect& rc, int nNear) {
        if (m_bVertical)
            rc.OffsetRect(0, nNear - rc.top);
        else
            rc.OffsetRect(nNear - rc.left, 0);
    };
    std::vector<bool> aligned(m_records.size(), false);

    // Trailing flag-1 controls of the last row go against the far end.
    int nPos = nFarEnd;
    int nLastRowAlignedNear = nFarEnd;
    for (size_t i = m_records.size(); i-- > 0;) {
        Record& record = m_records[i];
        if (!record.IsShown())
            continue;
        if (!(record.pControl->GetFlags() & xtpFlagRightAlign))
            break;
        int nExtent = Extent(record);
        int nNear = nPos - nExtent;
        if (m_bVertical ? nNear < rcBorder.top : nNear < rcBorder.right)
            break;
        moveTo(record.rcControl, nNear);
        aligned[i] = true;
        nPos = nNear;
        nLastRowAlignedNear = nNear;
        if (record.bWrap)
            break;
    }

    // Flag-32 controls share their row's free space.
    size_t nEnd = m_records.size();
    bool bLastRow = true;
    while (nEnd > 0) {
        size_t nStart = nEnd;
        while (nStart > 0) {
            nStart--;
            const Record& record = m_records[nStart];
            if (record.IsShown() && record.bWrap)
                break;
        }
        int nRowFar = INT_MIN, nStretched = 0;
        for (size_t i = nStart; i < nEnd; i++) {
            const Record& record = m_records[i];
            if (!record.IsShown() || aligned[i])
                continue;
            nRowFar = std::max(nRowFar, farOf(record.rcControl));
            if (record.pControl->GetFlags() & xtpFlagControlStretched)
                nStretched++;
        }
        int nFree = (bLastRow ? nLastRowAlignedNear : nFarEnd) - nRowFar;
        if (nStretched > 0 && nFree >= 1) {
            int nGiven = 0;
            for (size_t i = nStart; i < nEnd; i++) {
                Record& record = m_records[i];
                if (!record.IsShown() || aligned[i])
                    continue;
                moveTo(record.rcControl, nearOf(record.rcControl) + nGiven);
                if (record.pControl->GetFlags() & xtpFlagControlStretched) {
                    int nGrow = (nFree - nGiven) / nStretched--;
                    if (m_bVertical)
                        record.rcControl.bottom += nGrow;
                    else
                        record.rcControl.right += nGrow;
                    nGiven += nGrow;
                }
            }
        }
        bLastRow = false;
        nEnd = nStart;
    }
}

void CXTPControlsLayout::Apply()
{
    for (Record& record : m_records) {
        CXTPControl* pControl = record.pControl;
        if (m_bLargeButtons && record.bVisible)
            pControl->SetStyle(record.style);
        pControl->SetHideFlag(xtpHideWrap, record.bHidden);
        pControl->SetRowRect(record.rcRow);
        if (record.IsShown())
            pControl->SetRect(record.rcControl);
        pControl->SetWrap(record.bWrap);
    }
}
