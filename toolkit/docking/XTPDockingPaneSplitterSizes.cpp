#include "toolkit/docking/XTPDockingPaneSplitterSizes.h"
#include <algorithm>
#include <vector>

namespace {

int Share(int nAvailable, int nWanted, int nTotal)
{
    return nTotal > 0 ? static_cast<int>(static_cast<long long>(nAvailable) * nWanted / nTotal) : 0;
}

} // namespace

int XTPDockingPaneDistributeSizes(XTP_DOCKINGPANE_SPLIT_CHILD* pChildren, int nCount, int nLength, int nGap)
{
    if (nCount <= 0)
        return -1;
    int nStretch = -1;
    int nTotal = 0;
    for (int i = 0; i < nCount; i++)
    {
        XTP_DOCKINGPANE_SPLIT_CHILD& c = pChildren[i];
        c.nWanted = std::max(c.nMin, std::min(c.nWanted, c.nMax));
        if (c.bStretch && nStretch < 0)
        {
            nStretch = i;
            c.nWanted = 0;
        }
        nTotal += c.nWanted;
        c.nLength = 0;
    }
    int nAvailable = nLength - (nCount - 1) * nGap;
    if (nStretch >= 0 && nTotal < nAvailable)
    {
        pChildren[nStretch].nWanted = nAvailable - nTotal;
        nTotal = nAvailable;
    }

    std::vector<int> fixed(nCount, -1);
    if (nAvailable >= 1)
    {
        for (int i = 0; i < nCount; i++)
        {
            XTP_DOCKINGPANE_SPLIT_CHILD& c = pChildren[i];
            if (fixed[i] >= 0)
                continue;
            int nShare = Share(nAvailable, c.nWanted, nTotal);
            if (nShare >= c.nMin && nShare <= c.nMax)
                continue;
            fixed[i] = nShare < c.nMin ? c.nMin : c.nMax;
            nAvailable -= fixed[i];
            nTotal -= c.nWanted;
            if (nAvailable < 0)
            {
                fixed[i] += nAvailable;
                nAvailable = 0;
            }
            i = -1; // start over from the first child
        }
    }

    int nRemaining = std::max(nAvailable, 0), nRemainingTotal = nTotal;
    for (int i = 0; i < nCount; i++)
    {
        XTP_DOCKINGPANE_SPLIT_CHILD& c = pChildren[i];
        if (fixed[i] >= 0)
        {
            c.nLength = fixed[i];
            continue;
        }
        int nShare = Share(nRemaining, c.nWanted, nRemainingTotal);
        c.nLength = nShare;
        nRemainingTotal -= c.nWanted;
        nRemaining = std::max(nRemaining - nShare, 0);
    }
    return nStretch >= 0 ? pChildren[nStretch].nWanted : -1;
}

BOOL XTPDockingPaneSplitterLimits(int nUnionStart, int nUnionEnd, int nMin1, int nMax1, int nMin2, int nMax2, int nGap,
                                  int nMinExtent, int& nLow, int& nHigh)
{
    nLow = nUnionStart + std::max(nMin1, nMinExtent);
    // The bar itself lies before the second neighbour: that one keeps the
    // whole minimum extent too.
    nHigh = nUnionEnd - std::max(nMin2, nMinExtent) - nGap;
    int nUnion = nUnionEnd - nUnionStart;
    if (nUnion > nMax1)
        nHigh = std::min(nHigh, nUnionStart + nMax1);
    if (nUnion > nMax2)
        nLow = std::max(nLow, nUnionEnd - nMax2 - nGap);
    // Limits that meet leave no room to move: the bar is fixed.
    return nLow < nHigh;
}

void XTPDockingPaneSplitSizes(int nPos, int nLow, int nHigh, int nStart, int nFirst, int nSecond, int nGap,
                              int& nNewFirst, int& nNewSecond)
{
    if (nHigh <= nLow)
    {
        nNewFirst = nFirst;
        nNewSecond = nSecond;
        return;
    }
    // The bar ends where it was let go: the first neighbour reaches up to it,
    // the second takes the rest. The limits keep both at their minimums.
    nPos = std::max(nLow, std::min(nPos, nHigh));
    int t = nFirst + nSecond + nGap;
    nNewFirst = nPos - nStart;
    nNewSecond = t - nNewFirst - nGap;
}
