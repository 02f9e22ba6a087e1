// The zoomed pixel grid of the button image editor: owns the image and its
// undo and redo history, paints the image over a checkerboard, and applies
// the editor's tools under the mouse.
#pragma once
#include <windows.h>

#include <vector>

#include "framework/controls/CStatic.h"
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CPoint.h"
#include "framework/gdi/CSize.h"

class CXTPImageEditorDlg;

// The colour that marks a transparent pixel of a plain image.
const COLORREF XTP_IMAGEEDITOR_TRANSPARENT = RGB(0xFF, 0xFE, 0xFF);

class CXTPImageEditorPicture : public CStatic
{
public:
    // An image of the editor: a 32-bit top-down DIB section, either with
    // per-pixel alpha or plain (its XTP_IMAGEEDITOR_TRANSPARENT pixels
    // show through).
    class CAlphaBitmap : public CBitmap
    {
    public:
        explicit CAlphaBitmap(BOOL bAlpha) : m_bAlpha(bAlpha) {}
        // Every pixel transparent; null when the section cannot be made.
        static CAlphaBitmap* CreateTransparent(CSize size, BOOL bAlpha);
        CAlphaBitmap* Clone() const;
        CSize GetSize() const;
        // Top-down rows of 0xAARRGGBB; null for a bitmap that is no DIB section.
        DWORD* GetPixels() const;
        // The colour of a pixel without its alpha; the transparent colour
        // outside the image.
        COLORREF GetColor(int x, int y) const;
        BOOL IsInside(int x, int y) const;
        // After GDI drew on an alpha image: what changed against pBefore and
        // is not the transparent colour becomes opaque.
        void RebuildAlpha(const CAlphaBitmap* pBefore);

        BOOL m_bAlpha;
    };

    CXTPImageEditorPicture();
    ~CXTPImageEditorPicture() override;

    // Takes ownership of the image and forgets the history.
    void SetImage(CAlphaBitmap* pImage);
    CAlphaBitmap* GetImage() const { return m_pCurrent; }

    // Subclasses the dialog's control, fits the cells (at least one screen
    // pixel per image pixel) and the control to the image.
    BOOL Create(UINT nID, CXTPImageEditorDlg* pDlg);
    CSize GetCellSize() const { return CSize(m_nCellWidth, m_nCellHeight); }

    void Undo();
    void Redo();
    BOOL CanUndo() const { return !m_undo.empty(); }
    BOOL CanRedo() const { return !m_redo.empty(); }
    int GetUndoCount() const { return static_cast<int>(m_undo.size()); }
    int GetRedoCount() const { return static_cast<int>(m_redo.size()); }
    void Clear();
    void MoveImage(int dx, int dy);
    void Copy();
    void Paste();
    // Asks for a file, then imports it.
    void Import();
    // FALSE, the image unchanged, for a file that cannot be loaded.
    BOOL ImportFile(LPCTSTR lpszPath);
    // The undo candidate goes into the history; the redo list empties.
    void CommitChange();

    static const int kHistoryLimit = 16;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

private:
    CPoint ToImagePixel(CPoint point) const;
    // The current image becomes the undo candidate.
    void BeginChange();
    // The same, with a copy of it to draw on as the current image.
    void StartChange();
    void ReplaceCurrent(CAlphaBitmap* pImage);
    void DrawTrackStep(CPoint point);
    void FillAt(CPoint pixel);
    void Redraw();
    BOOL ReplaceWithImport(CAlphaBitmap* pImage);
    static void DeleteAll(std::vector<CAlphaBitmap*>& list);

    CSize m_szImage;
    int m_nCellWidth = 1;
    int m_nCellHeight = 1;
    CXTPImageEditorDlg* m_pDlg = nullptr;
    CAlphaBitmap* m_pUndoCandidate = nullptr;
    CAlphaBitmap* m_pCurrent = nullptr;
    std::vector<CAlphaBitmap*> m_undo;
    std::vector<CAlphaBitmap*> m_redo;
    CPoint m_ptStart;
    BOOL m_bTracking = FALSE;
    COLORREF m_clrDraw = 0;
    HCURSOR m_hCursorShape = nullptr;
    HCURSOR m_hCursorFill = nullptr;
    HCURSOR m_hCursorPencil = nullptr;
    HCURSOR m_hCursorPick = nullptr;
};
