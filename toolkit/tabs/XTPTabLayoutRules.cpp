// The arithmetic of tab layout that needs no window: shrinking a row to its
// room and splitting tabs into balanced rows.
#include <algorithm>
#include <vector>
#include "toolkit/tabs/XTPTabPaintManager.h"

void XTPTabShrinkToFit(int* pLengths, int nCount, int nRoom)
{
    if (nCount <= 0)
        return;
    int nSum = 0;
    for (int i = 0; i < nCount; i++)
        nSum += pLengths[i];
    if (nSum <= nRoom)
        return;
    if (nCount == 1)
    {
        pLengths[0] = nRoom;
        return;
    }

    std::vector<int> order(nCount);
    for (int i = 0; i < nCount; i++)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return pLengths[a] > pLengths[b]; });

    int nExcess = nSum - nRoom;
    int k = 1;
    for (;;)
    {
        int w = pLengths[order[0]];
        while (k < nCount && pLengths[order[k]] == w)
            k++;
        if (k == nCount)
        {
            for (int i = 0; i < nCount; i++)
                pLengths[i] = nRoom / nCount;
            return;
        }
        int w2 = pLengths[order[k]];
        int nCost = (w - w2) * k;
        if (nCost >= nExcess)
        {
            for (int i = 0; i < k; i++)
                pLengths[order[i]] -= nExcess / k;
            return;
        }
        nExcess -= nCost;
        for (int i = 0; i < k; i++)
            pLengths[order[i]] = w2;
    }
}

namespace {

// Row filling with a memory of failed (row, first item) tries: the remaining
// length is fixed by the first item, so a failed try fails again.
class CRowFiller
{
public:
    CRowFiller(const int* pLengths, int nCount, int nRows, int nRoom, BOOL bJustify, int* pFirstOfRow)
        : m_pLengths(pLengths), m_nCount(nCount), m_nRows(nRows), m_nRoom(nRoom), m_bJustify(bJustify),
          m_pFirstOfRow(pFirstOfRow), m_failed(static_cast<size_t>(nRows) * (nCount + 1), 0)
    {
    }

    BOOL Fill(int nRow, int nFirst, int nRemaining)
    {
        char& failed = m_failed[static_cast<size_t>(nRow) * (m_nCount + 1) + nFirst];
        if (failed)
            return FALSE;
        int nTarget = m_bJustify ? std::min(m_nRoom, nRemaining / (m_nRows - nRow)) : m_nRoom;
        int nLength = 0;
        for (int i = nFirst; i < m_nCount; i++)
        {
            int nItem = m_pLengths[i];
            if (nLength + nItem > nTarget && nLength > 0 && nItem >= 1)
            {
                if (nRow == m_nRows - 1)
                {
                    failed = 1;
                    return FALSE;
                }
                if (Fill(nRow + 1, i, nRemaining - nLength))
                {
                    m_pFirstOfRow[nRow] = nFirst;
                    return TRUE;
                }
                if (nLength + nItem > m_nRoom)
                {
                    failed = 1;
                    return FALSE;
                }
            }
            nLength += nItem;
        }
        m_pFirstOfRow[nRow] = nFirst;
        for (int r = nRow + 1; r <= m_nRows; r++)
            m_pFirstOfRow[r] = m_nCount;
        return TRUE;
    }

private:
    const int* m_pLengths;
    int m_nCount, m_nRows, m_nRoom;
    BOOL m_bJustify;
    int* m_pFirstOfRow;
    std::vector<char> m_failed;
};

} // namespace

BOOL XTPTabFillRows(const int* pLengths, int nCount, int nRows, int nRoom, BOOL bJustify, int* pFirstOfRow)
{
    if (nRows <= 0)
        return FALSE;
    int nTotal = 0;
    for (int i = 0; i < nCount; i++)
        nTotal += pLengths[i];
    pFirstOfRow[nRows] = nCount;
    CRowFiller filler(pLengths, nCount, nRows, nRoom, bJustify, pFirstOfRow);
    return filler.Fill(0, 0, nTotal);
}
