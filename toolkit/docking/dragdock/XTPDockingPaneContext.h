// The modal drag of a pane, a container or a floating frame's tree: shows
// where the node would go (an inverted outline on the desktop, or a
// translucent window with docking stickers) and, on release, floats it,
// docks it at a side of a container, the client area or the frame, or joins
// it to a tabbed container.
#pragma once
#include <map>
#include <vector>
#include "framework/gdi/CRect.h"
#include "toolkit/docking/dragdock/XTPDockingPaneContextAlphaWnd.h"

class CXTPDockingPane;
class CXTPDockingPaneBase;
class CXTPDockingPaneManager;
class CXTPDockingPaneContextStickerWnd;

class CXTPDockingPaneContext
{
public:
    explicit CXTPDockingPaneContext(CXTPDockingPaneManager* pManager);
    virtual ~CXTPDockingPaneContext();
    CXTPDockingPaneContext(const CXTPDockingPaneContext&) = delete;
    CXTPDockingPaneContext& operator=(const CXTPDockingPaneContext&) = delete;

    // Runs the whole drag from a screen point and applies the drop.
    virtual void Drag(CXTPDockingPaneBase* pNode, CPoint pt);
    // The modal loop; FALSE when the drag was cancelled or never moved 5
    // pixels.
    virtual BOOL Track();
    virtual void Move(CPoint pt);
    virtual void BeginDrawing();
    virtual void EndDrawing();
    virtual void Draw(BOOL bRemove);
    virtual void FindDockTarget(CPoint pt);

    // The window region of a sticker's mask, built once per drag.
    HRGN GetStickerRegion(CXTPDockingPaneContextStickerWnd* pSticker);
    const std::vector<CXTPDockingPaneContextStickerWnd*>& GetStickers() const { return m_lstStickers; }
    // The outline drawn now (screen coordinates); null outside outline mode.
    HRGN GetOutlineRegion() const { return m_hOutlineRegion; }
    // The 4-pixel frame of a rectangle or, attaching, of its body and tab.
    static HRGN CreateOutlineRegion(CRect rc, BOOL bAttach);
    // Body and tab of a preview that joins as a tab (tab at the bottom, or
    // at the top below a caption of nCaptionTop pixels).
    static void SplitAttachRect(CRect rc, BOOL bTabsAtTop, int nCaptionTop, CRect& rcBody, CRect& rcTab);
    // The node's screen rectangle (its window's, else its layout rectangle
    // mapped from its frame).
    static CRect GetNodeScreenRect(CXTPDockingPaneBase* pNode);

    // The layout deletes the node: a drag of it ends without a drop (a
    // later node at the same address is not the one dragged).
    void OnNodeDestroyed(CXTPDockingPaneBase* pNode);

    CXTPDockingPaneBase* GetTarget() const { return m_pTarget; }
    BOOL IsAttach() const { return m_bAttach; }
    int GetDirection() const { return m_nDirection; }
    CRect GetFloatRect() const { return m_rcFloat; }
    CRect GetDockRect() const { return m_rcDock; }
    BOOL IsFloatAllowed() const { return m_bFloatAllowed; }
    BOOL IsDockAllowed() const { return m_bDockAllowed; }
    BOOL IsAlpha() const { return m_bAlpha; }
    BOOL IsStickers() const { return m_bUseStickers; }
    CXTPDockingPaneContextAlphaWnd& GetPreviewWnd() { return m_wndPreview; }
    CXTPDockingPaneContextAlphaWnd& GetTabPreviewWnd() { return m_wndPreviewTab; }

protected:
    // Every pane of the dragged node, in tree order.
    std::vector<CXTPDockingPane*> GetDraggedPanes() const;
    // No pane vetoes joining the node (action 6).
    BOOL CanAttach(CXTPDockingPaneBase* pTarget) const;
    // No pane vetoes docking at the node in the direction on screen (action 4).
    BOOL CanDock(CXTPDockingPaneBase* pTarget, int nDirection) const;
    // The side rule: TRUE when a side of rc (the node's rectangle) is taken.
    BOOL CheckSides(CRect rc, CPoint pt, BOOL bInside, CXTPDockingPaneBase* pNode);
    // Joining as a tab when the point is in a candidate's caption or tab strip.
    BOOL CheckCaptionAndTabs(CXTPDockingPaneBase* pCandidate, CRect rc, CPoint pt);
    // Docked containers the node may go beside, in pane record order.
    std::vector<CXTPDockingPaneBase*> GetCandidates() const;
    void UpdateStickers();
    void DestroyStickers();
    void FreeRegions();
    // A side on screen as the layout names it: left and right swap on a
    // site laid out right to left.
    int GetLayoutDirection(int nDirection) const;
    // Applies the drop to the layout.
    void Drop();

public:
    CXTPDockingPaneContextAlphaWnd m_wndPreview;
    CXTPDockingPaneContextAlphaWnd m_wndPreviewTab;
    PFNSETLAYEREDWINDOWATTRIBUTES m_pfnSetLayeredWindowAttributes = nullptr;
    BOOL m_bUseStickers = FALSE;
    BOOL m_bAlpha = FALSE;
    CRect m_rcStickerTarget;
    CXTPDockingPaneBase* m_pStickerTarget = nullptr;
    CXTPDockingPaneBase* m_pLastStickerTarget = nullptr;
    BOOL m_bStickerTargetSet = FALSE;
    std::vector<CXTPDockingPaneContextStickerWnd*> m_lstStickers;
    CPoint m_ptLast;
    CPoint m_ptStart;
    CRect m_rcFloat;
    CXTPDockingPaneManager* m_pManager;
    CXTPDockingPaneBase* m_pNode = nullptr;
    BOOL m_bOutlineReleased = FALSE;
    CXTPDockingPaneBase* m_pTarget = nullptr;
    CRect m_rcDock;
    BOOL m_bLastAttach = FALSE;
    BOOL m_bAttach = FALSE;
    BOOL m_bFloatAllowed = TRUE;
    BOOL m_bDockAllowed = TRUE;
    CRect m_rcLast;
    BOOL m_bLastDrawnAttach = FALSE;
    std::map<int, HRGN> m_mapRegions;
    int m_nDirection = 0;
    HDC m_hDesktopDC = nullptr;
    BOOL m_bDesktopLocked = FALSE;
    HRGN m_hOutlineRegion = nullptr;
    BOOL m_bMoved = FALSE;
    // The floating frame a live drag made or moves.
    CXTPDockingPaneBase* m_pLiveFrame = nullptr;
};
