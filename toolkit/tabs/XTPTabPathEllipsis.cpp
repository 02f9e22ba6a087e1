// Captions shortened in the middle: front and back kept, "..." between.
#include "framework/gdi/CDC.h"
#include "toolkit/common/drawing/XTPTextHelpers.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

namespace {

int TextWidth(CDC* pDC, CString strText, UINT nFormat)
{
    if (!(nFormat & DT_NOPREFIX))
        XTPStripMnemonics(strText);
    return pDC->GetTextExtent(strText).cx;
}

} // namespace

CString CXTPTabPaintManager::ShortenInMiddle(CDC* pDC, const CString& strText, int nWidth, UINT nFormat)
{
    const CString strDots(L"...");
    int nDots = TextWidth(pDC, strDots, nFormat);
    int nText = TextWidth(pDC, strText, nFormat);
    if (nText <= nWidth)
        return strText;
    if (nWidth <= nDots)
        return strDots;

    int nRoom = nWidth - nDots;
    int nLength = strText.GetLength();
    int n = nText > 0 ? static_cast<int>(static_cast<long long>(nLength) * nRoom / nText) : 0;
    auto parts = [&](int count) { return strText.Left(count - count / 2) + strText.Right(count / 2); };
    while (n < nLength && TextWidth(pDC, parts(n), nFormat) < nRoom)
        n++;
    while (n > 0 && TextWidth(pDC, parts(n), nFormat) > nRoom)
        n--;
    return strText.Left(n - n / 2) + strDots + strText.Right(n / 2);
}

void CXTPTabPaintManager::DrawTextPathEllipsis(CDC* pDC, const CString& strText, CRect rc, UINT nFormat)
{
    if (strText.Find(L'\\') >= 0)
    {
        pDC->DrawText(strText, rc, nFormat | DT_PATH_ELLIPSIS);
        return;
    }
    pDC->DrawText(ShortenInMiddle(pDC, strText, rc.Width(), nFormat), rc, nFormat);
}
