// The button look that draws its images through the system's state
// drawing, the disabled one embossed from the normal image.
#pragma once
#include "toolkit/controls/buttons/XTButtonTheme.h"

class CXTPImageManagerIcon;
class CXTPImageManagerIconHandle;

class CXTDisabledButtonTheme : public CXTButtonTheme
{
public:
    explicit CXTDisabledButtonTheme(CXTPWinThemeLibrary* pLibrary = nullptr);

    void DrawImageOfState(CDC* pDC, UINT nState, CXTPImageManagerIcon* pIcon, CPoint pt, CSize size,
                          CXTButton* pButton) override;

private:
    // An image without an icon handle (an alpha bitmap) is drawn plainly.
    static void DrawStateImage(CDC* pDC, CPoint pt, CSize size, CXTPImageManagerIcon* pIcon,
                               CXTPImageManagerIconHandle& hImage, UINT nFlags);
};
