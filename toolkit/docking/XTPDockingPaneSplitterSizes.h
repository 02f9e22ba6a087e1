// The arithmetic of splitter containers, apart from any window: sharing a
// length among children with wanted sizes and limits, the range a splitter
// bar may move in, and the two sizes a bar position gives.
#pragma once
#include <windows.h>

struct XTP_DOCKINGPANE_SPLIT_CHILD
{
    int nWanted;      // docking size along the axis
    int nMin;         // minimum tracking size along the axis
    int nMax;         // maximum tracking size along the axis
    BOOL bStretch;    // takes what the others leave (the client's child)
    int nLength;      // out: the length given
};

// Shares nLength among the children, nGap pixels between neighbours.
// Answers what the stretch child wants (to be stored as its docking size),
// or -1 without one. Children whose wanted sizes sum to 0 get 0.
int XTPDockingPaneDistributeSizes(XTP_DOCKINGPANE_SPLIT_CHILD* pChildren, int nCount, int nLength, int nGap);

// The range of a bar's near edge between two neighbours spanning
// [nUnionStart, nUnionEnd), each neighbour keeping at least nMinExtent:
// FALSE when the bar cannot move (the range is empty or a single point).
BOOL XTPDockingPaneSplitterLimits(int nUnionStart, int nUnionEnd, int nMin1, int nMax1, int nMin2, int nMax2, int nGap,
                                  int nMinExtent, int& nLow, int& nHigh);

// The neighbours' new lengths for a bar whose near edge is let go at nPos
// (kept within [nLow, nHigh]), the first neighbour starting at nStart. All
// positions are the site's own client coordinates, which a right-to-left
// site mirrors: the first neighbour is then the one on the right.
void XTPDockingPaneSplitSizes(int nPos, int nLow, int nHigh, int nStart, int nFirst, int nSecond, int nGap,
                              int& nNewFirst, int& nNewSecond);
