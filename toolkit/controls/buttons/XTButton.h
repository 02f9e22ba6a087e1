// An owner-drawn push button whose whole look comes from an exchangeable
// button theme: an icon or bitmap beside or above the text, a hot state
// while the cursor is over it, and optionally the system's visual style.
#pragma once
#include "framework/controls/CButton.h"
#include "toolkit/common/images/XTPImageManagerIconHandle.h"
#include "toolkit/controls/thememanager/XTThemeManagerStyleHost.h"

class CFont;
class CXTButtonTheme;
class CXTPImageManagerIcon;

// Button style bits (SetXButtonStyle).
enum XTButtonStyle : DWORD
{
    BS_XT_FLAT = 0x0001,        // a frame only while hot or pressed
    BS_XT_SEMIFLAT = 0x0002,    // a thin frame always
    BS_XT_TWOROWS = 0x0004,     // image above the text, both centred
    BS_XT_SHOWFOCUS = 0x0010,   // draws the focus rectangle
    BS_XT_HILITEPRESSED = 0x0020, // pressed face dithered (toggle look)
    BS_XT_XPFLAT = 0x0040,      // a private Office XP theme
    BS_XT_WINXP_COMPAT = 0x1000, // the system's visual style when there is one
};

class CXTButton : public CButton, public CXTThemeManagerStyleHost
{
    DECLARE_DYNAMIC(CXTButton)

public:
    // Without a factory class the button-theme factory is used.
    explicit CXTButton(CRuntimeClass* pFactoryClass = nullptr);
    ~CXTButton() override;

    // The image size is size, or the normal image's extent for 0 x 0.
    virtual BOOL SetIcon(CSize size, const CXTPImageManagerIconHandle& hIcon,
                         const CXTPImageManagerIconHandle& hIconHot, BOOL bRedraw = TRUE);
    // FALSE (nothing changes) when the normal icon cannot be loaded.
    virtual BOOL SetIcon(CSize size, UINT nID, UINT nHotID = 0, BOOL bRedraw = TRUE);
    virtual BOOL SetIcon(CSize size, WORD wID, WORD wHotID = 0, BOOL bRedraw = TRUE);
    virtual BOOL SetIcon(CSize size, HICON hIcon, HICON hIconHot = nullptr, BOOL bRedraw = TRUE);
    // FALSE, and no image, when the bitmap cannot be loaded.
    virtual BOOL SetBitmap(CSize size, UINT nID, BOOL bRedraw = TRUE);
    virtual BOOL SetImageAndTextPos(int xImage, int yImage, int xText, int yText, BOOL bRedraw = TRUE);
    // Returns the previous style.
    virtual DWORD SetXButtonStyle(DWORD dwxStyle, BOOL bRedraw = TRUE);
    virtual DWORD GetXButtonStyle() const;
    virtual BOOL HasTheme() const;
    virtual void SetColors(COLORREF clrFace, COLORREF clrLight, COLORREF clrShadow, COLORREF clrText);
    virtual void SetBackColor(COLORREF clrFace);
    virtual COLORREF GetBackColor() const;
    virtual void SetHiliteColor(COLORREF clrLight);
    virtual void SetShadowColor(COLORREF clrShadow);
    virtual void SetTextColor(COLORREF clrText);
    // Only for an Office XP theme made by the factory.
    virtual void SetThemeColors(COLORREF clrBorder, COLORREF clrHotFill, COLORREF clrPressedFill);
    virtual void ToggleThemeOption();
    virtual CFont* SetFont(CFont* pFont);
    virtual BOOL MakeOwnerDraw();
    virtual void ReleaseImages();
    // With bRemoveAmpersand each single '&' goes; "&&" stays as it is.
    virtual CString GetButtonText(BOOL bRemoveAmpersand) const;

    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

    CXTButtonTheme* GetTheme() const;

    // State the themes draw from.
    int GetBorderGap() const { return m_nBorderGap; }
    int GetImageGap() const { return m_nImageGap; }
    BOOL IsHot() const { return m_bHot; }
    BOOL IsChecked() const { return m_bChecked; }
    BOOL HasUserPosition() const { return m_bUserPosition; }
    CPoint GetUserImagePoint() const { return m_ptImage; }
    CPoint GetUserTextPoint() const { return m_ptText; }
    CSize GetImageSize() const { return m_sizeImage; }
    CXTPImageManagerIcon* GetIcon() const { return m_pIcon; }

protected:
    // An icon resource at the size (0 x 0: the icon's own size).
    static BOOL LoadIconAtSize(CXTPImageManagerIconHandle& hIcon, UINT nID, CSize size);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PreSubclassWindow() override;
    void OnThemeChanged() override;
    void RedrawButton(BOOL bRedraw);
    // One step of hover tracking (timer 1).
    void CheckHover();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg UINT OnGetDlgCode();
    afx_msg LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnSysColorChange();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    int m_nBorderGap = 4;
    int m_nImageGap = 8;
    bool m_bSubclassed = true;
    BOOL m_bHot = FALSE;
    BOOL m_bUserPosition = FALSE;
    BOOL m_bPressed = FALSE;
    BOOL m_bHotDrawn = FALSE;
    BOOL m_bChecked = FALSE;
    DWORD m_dwxStyle = BS_XT_FLAT;
    CSize m_sizeImage = CSize(0, 0);
    CPoint m_ptImage = CPoint(0, 0);
    CPoint m_ptText = CPoint(0, 0);
    CXTPImageManagerIcon* m_pIcon = nullptr;
};
