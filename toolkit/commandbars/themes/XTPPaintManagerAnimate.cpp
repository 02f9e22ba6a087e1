#include <algorithm>
#include <vector>
#include "framework/gdi/CDC.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"

namespace {

// A 32-bit top-down DIB section selected into its own memory DC.
class CAnimationBuffer
{
public:
    CAnimationBuffer(HDC hDC, int cx, int cy)
    {
        m_hBitmap = XTPCreateAlphaDIB(cx, cy, &m_pBits);
        m_hDC = CreateCompatibleDC(hDC);
        m_hOld = m_hBitmap ? SelectObject(m_hDC, m_hBitmap) : nullptr;
    }
    ~CAnimationBuffer()
    {
        if (m_hOld)
            SelectObject(m_hDC, m_hOld);
        DeleteDC(m_hDC);
        if (m_hBitmap)
            DeleteObject(m_hBitmap);
    }
    CAnimationBuffer(const CAnimationBuffer&) = delete;
    CAnimationBuffer& operator=(const CAnimationBuffer&) = delete;

    BOOL IsValid() const { return m_hBitmap != nullptr && m_pBits != nullptr; }

    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    BYTE* m_pBits = nullptr;
};

} // namespace

void CXTPPaintManager::Animate(CDC* pDestDC, CDC* pSrcDC, CRect rc, XTPAnimationType animationType)
{
    if (m_nAnimationSteps < 1)
        return;
    int nFrameTime = m_nAnimationTime / m_nAnimationSteps;
    int cx = rc.Width(), cy = rc.Height();
    switch (animationType) {
    case xtpAnimateSlide:
        for (int i = 1; i <= m_nAnimationSteps; i++) {
            int w = cx * i / m_nAnimationSteps, h = cy * i / m_nAnimationSteps;
            pDestDC->BitBlt(rc.left, rc.top, w, h, pSrcDC, rc.right - w, rc.bottom - h, SRCCOPY);
            Sleep(nFrameTime);
        }
        break;
    case xtpAnimateUnfold:
        for (int i = 1; i <= m_nAnimationSteps; i++) {
            int h = cy * i / m_nAnimationSteps;
            pDestDC->BitBlt(rc.left, rc.top, cx, h, pSrcDC, rc.left, rc.bottom - h, SRCCOPY);
            Sleep(nFrameTime);
        }
        break;
    case xtpAnimateFade:
        DrawAnimationFade(pDestDC, pSrcDC, rc);
        break;
    default:
        break;
    }
}

void CXTPPaintManager::DrawAnimationFade(CDC* pDestDC, CDC* pSrcDC, CRect rc)
{
    int cx = rc.Width(), cy = rc.Height();
    if (cx <= 0 || cy <= 0)
        return;
    HDC hDest = pDestDC->GetSafeHdc();
    CAnimationBuffer popup(hDest, cx, cy), screen(hDest, cx, cy), frame(hDest, cx, cy);
    if (!popup.IsValid() || !screen.IsValid() || !frame.IsValid())
        return;
    BitBlt(popup.m_hDC, 0, 0, cx, cy, pSrcDC->GetSafeHdc(), rc.left, rc.top, SRCCOPY);
    BitBlt(screen.m_hDC, 0, 0, cx, cy, hDest, rc.left, rc.top, SRCCOPY);
    GdiFlush();
    int nFrameTime = m_nAnimationTime / m_nAnimationSteps;
    size_t nBytes = static_cast<size_t>(cx) * static_cast<size_t>(cy) * 4;
    for (int k = 1; k < m_nAnimationSteps; k++) {
        DWORD dwStart = GetTickCount();
        int nAlpha = 255 * k / m_nAnimationSteps;
        for (size_t i = 0; i < nBytes; i++)
            frame.m_pBits[i] = static_cast<BYTE>(((255 - nAlpha) * screen.m_pBits[i] + nAlpha * popup.m_pBits[i]) / 256);
        BitBlt(hDest, rc.left, rc.top, cx, cy, frame.m_hDC, 0, 0, SRCCOPY);
        DWORD dwSpent = GetTickCount() - dwStart;
        if (static_cast<int>(dwSpent) < nFrameTime)
            Sleep(nFrameTime - dwSpent);
    }
}

// The expanded bar's picture in strips of controls alike: those the
// expansion brings grow step by step, the others keep their height.
void CXTPPaintManager::AnimateExpanding(CXTPCommandBar* pCommandBar, CDC* pDestDC, CDC* pSrcDC, BOOL bExpandDown)
{
    if (pCommandBar == nullptr || pDestDC == nullptr || pSrcDC == nullptr || m_nAnimationSteps < 1)
        return;
    CRect rc;
    if (pCommandBar->GetSafeHwnd())
        pCommandBar->GetClientRect(&rc);
    else
        for (int i = 0; i < pCommandBar->GetControlCount(); i++)
            if (pCommandBar->GetControl(i)->IsVisible())
                rc.UnionRect(rc, pCommandBar->GetControl(i)->GetRect());
    if (rc.IsRectEmpty())
        return;

    struct Strip
    {
        int top, bottom;
        BOOL bGrows;
    };
    std::vector<Strip> strips;
    for (int i = 0; i < pCommandBar->GetControlCount(); i++) {
        CXTPControl* pControl = pCommandBar->GetControl(i);
        if (!pControl->IsVisible())
            continue;
        BOOL bGrows = pControl->GetRarelyUsed();
        int nTop = std::max(pControl->GetRect().top, rc.top);
        if (strips.empty())
            strips.push_back({rc.top, rc.top, bGrows});
        else if (strips.back().bGrows != bGrows && nTop > strips.back().top)
            strips.push_back({nTop, nTop, bGrows});
        strips.back().bottom = std::max(strips.back().bottom, static_cast<int>(pControl->GetRect().bottom));
    }
    if (strips.empty())
        return;
    // Each strip reaches the next; the last one the bar's bottom.
    for (size_t k = 0; k + 1 < strips.size(); k++)
        strips[k].bottom = strips[k + 1].top;
    strips.back().bottom = std::max(strips.back().bottom, static_cast<int>(rc.bottom));

    int nFrameTime = m_nAnimationTime / m_nAnimationSteps;
    for (int nStep = 1; nStep <= m_nAnimationSteps; nStep++) {
        int y = bExpandDown ? rc.top : rc.bottom;
        for (size_t n = 0; n < strips.size(); n++) {
            const Strip& strip = strips[bExpandDown ? n : strips.size() - 1 - n];
            int cySource = strip.bottom - strip.top;
            int cyShown = strip.bGrows ? MulDiv(cySource, nStep, m_nAnimationSteps) : cySource;
            if (!bExpandDown)
                y -= cyShown;
            if (cyShown > 0)
                pDestDC->StretchBlt(rc.left, y, rc.Width(), cyShown, pSrcDC, rc.left, strip.top, rc.Width(),
                                    cySource, SRCCOPY);
            if (bExpandDown)
                y += cyShown;
        }
        if (nFrameTime > 0)
            Sleep(static_cast<DWORD>(nFrameTime));
    }
}
