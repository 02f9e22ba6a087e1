// A frame's rebar that holds command bars as bands: each band carries the
// bar's id so that the bar's band can be found again.
#pragma once
#include "framework/windows/CReBar.h"

class CXTPToolBar;

// Band style the manager gives its bars: each on a row of its own, with a gripper.
const DWORD XTP_REBAR_BANDSTYLE = RBBS_BREAK | RBBS_GRIPPERALWAYS;

class CXTPReBar : public CReBar
{
    DECLARE_DYNAMIC(CXTPReBar)
public:
    CXTPReBar();
    ~CXTPReBar() override;

    using CReBar::AddBar;
    // Lays the bar out at full length, takes it off its dock bar and appends
    // it as the last band.
    BOOL AddBar(CXTPToolBar* pBar, DWORD dwBandStyle);
    // The band whose child is the bar, searched from the last; -1 for none.
    int FindBand(CXTPToolBar* pBar) const;
    void DeleteBar(CXTPToolBar* pBar);
    CXTPToolBar* GetBandBar(int nBand) const;
};
