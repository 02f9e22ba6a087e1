// A command-bar frame holding the program-shaped toolbar (32 x 32 alpha
// icons with captions) added by its manager, and what its site was told.
#pragma once
#include <vector>
#include "commandbars/frame/FrameTestSupport.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"

class CToolBarFrame : public CTestFrame
{
public:
    // The visibility notices (0x2855): the bar and its new visibility.
    std::vector<std::pair<CXTPToolBar*, BOOL>> visibilityNotices;
    // The toolbars menu the manager offered (0x285C) and the bar clicked.
    CXTPCommandBar* toolbarsMenu = nullptr;
    CXTPCommandBar* toolbarsMenuBar = nullptr;
    int toolbarsMenuOffers = 0;

    // The program's toolbar, added at the side, its buttons with icon and caption.
    CXTPToolBar* AddProgramToolBar(XTPBarPosition position = xtpBarTop);
    // The two bars the toolbars lists treat apart, at the top: "Extra",
    // hidden, and "Fest", which cannot be closed.
    CXTPToolBar* AddHiddenBar();
    CXTPToolBar* AddFixedBar();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The rectangle of a bar's control in the screen's coordinates.
CRect ScreenRectOf(CXTPToolBar* pBar, CXTPControl* pControl);
CRect WindowRectOf(CWnd* pWnd);
