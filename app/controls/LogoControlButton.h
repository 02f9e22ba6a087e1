// The toolbar button that shows the maker's logo in place of icon and
// caption; the frame owns the bitmap.
#pragma once
#include "toolkit/commandbars/controls/XTPControlButton.h"

class CBitmap;

class CLogoControlButton : public CXTPControlButton
{
    DECLARE_DYNCREATE(CLogoControlButton)

public:
    CLogoControlButton();

    void SetBitmap(CBitmap* pBitmap) { m_pBitmap = pBitmap; }
    CBitmap* GetBitmap() const { return m_pBitmap; }

    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    // Copies stay logo buttons: a stored layout and customizing work on copies.
    void Copy(CXTPControl* pControl, BOOL bRecursive = FALSE) override;
    CXTPControl* Clone(BOOL bRecursive = FALSE) override;

private:
    // The room the logo takes, drawn too when asked; none without a logo.
    CSize CalcSize(CDC* pDC, BOOL bDraw);

    CBitmap* m_pBitmap;
};
