// The button image editor: a zoomed picture of the image with its painting
// tools, a palette, a preview at real size, and toolbars of tools and move
// buttons. SetIcon before DoModal; GetIcon after OK gives the edited image.
#pragma once
#include <windows.h>

#include "framework/controls/CStatic.h"
#include "framework/controls/CToolBar.h"
#include "framework/dialogs/CDialog.h"
#include "framework/gdi/CImageList.h"
#include "framework/gdi/CSize.h"
#include "toolkit/customize/imageeditor/XTPImageEditorPicker.h"
#include "toolkit/customize/imageeditor/XTPImageEditorPicture.h"
#include "toolkit/customize/imageeditor/XTPImageEditorPreview.h"

class CCmdUI;
class CXTPImageManagerIconHandle;

class CXTPImageEditorDlg : public CDialog
{
public:
    // A small toolbar of the dialog; updates its buttons against the dialog.
    class CDlgToolBar : public CToolBar
    {
    };

    enum Tool { toolPencil, toolFill, toolPickColor, toolLine, toolRectangle, toolEllipse };
    static const int kPaletteCells = 16;

    explicit CXTPImageEditorDlg(CWnd* pParent = nullptr, BOOL bRegister = FALSE);
    ~CXTPImageEditorDlg() override;

    // The image to edit; nothing for an empty handle.
    void SetIcon(const CXTPImageManagerIconHandle& hIcon);
    // The edited image: a copy of an alpha image, or an icon whose mask is
    // the transparent pixels of a plain one.
    void GetIcon(CXTPImageManagerIconHandle& hIcon);

    CSize GetImageSize() const { return m_szImage; }
    int GetCurrentTool() const { return m_nCurrentTool; }
    COLORREF GetCurrentColor() const;
    CXTPImageEditorPicture& GetPicture() { return m_wndPicture; }
    CDlgToolBar& GetToolsBar() { return m_wndToolsBar; }
    CDlgToolBar& GetMoveBar() { return m_wndMoveBar; }
    CXTPImageEditorPicker& GetMoreColorsCell() { return m_wndMoreColors; }
    // The colour-pick tool found a colour: the more-colours cell takes it,
    // the tool used before comes back.
    void OnColorPicked(COLORREF clr);
    void RedrawPreview();

protected:
    // The common controls' version, major in the high word.
    virtual DWORD GetComCtlVersion() const;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnDestroy();
    afx_msg LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTool(UINT nID);
    afx_msg void OnUpdateTool(CCmdUI* pCmdUI);
    afx_msg void OnUndo();
    afx_msg void OnRedo();
    afx_msg void OnUpdateUndo(CCmdUI* pCmdUI);
    afx_msg void OnUpdateRedo(CCmdUI* pCmdUI);
    afx_msg void OnCopy();
    afx_msg void OnPaste();
    afx_msg void OnClear();
    afx_msg void OnOpen();
    afx_msg void OnMove(UINT nID);
    afx_msg void OnPickerClick(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void CreateToolBar(CDlgToolBar& bar, CStatic& placeholder, const UINT* pIDs, int nCount, int nPerRow);
    void LoadToolBarImages();
    void SelectPicker(CXTPImageEditorPicker* pPicker);

    CStatic m_wndPlaceholderTools;
    CStatic m_wndPlaceholderMove;
    CDlgToolBar m_wndToolsBar;
    CImageList m_ilTools;
    CDlgToolBar m_wndMoveBar;
    CImageList m_ilMove;
    CXTPImageEditorPicker m_wndPalette[kPaletteCells];
    CXTPImageEditorPicker m_wndMoreColors;
    CXTPImageEditorPicker m_wndTransparent;
    CXTPImageEditorPicture m_wndPicture;
    CXTPImageEditorPreview m_wndPreview;
    CXTPImageEditorPicker* m_pSelected = nullptr;
    int m_nCurrentTool = toolPencil;
    int m_nPreviousTool = toolPencil;
    CSize m_szImage;
    BOOL m_bRegister;
};
