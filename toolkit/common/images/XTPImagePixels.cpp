#include "toolkit/common/images/XTPImagePixels.h"

namespace {

const int kLuminanceWhite = 255000;

BYTE Clamp255(int value)
{
    return static_cast<BYTE>(value < 0 ? 0 : value > 255 ? 255 : value);
}

// Largest g with g * g <= value.
int IntegerSqrt(long long value)
{
    int low = 0;
    int high = 256;
    while (high - low > 1)
    {
        int mid = (low + high) / 2;
        if (static_cast<long long>(mid) * mid <= value)
            low = mid;
        else
            high = mid;
    }
    return low;
}

BYTE BlendByLuminance(int first, int second, int luminance)
{
    return Clamp255((first * luminance + second * (kLuminanceWhite - luminance)) / kLuminanceWhite);
}

} // namespace

BYTE XTPFadeChannel(BYTE c)
{
    return static_cast<BYTE>((7 * c + 765) / 10);
}

COLORREF XTPFadeColor(COLORREF clr)
{
    return RGB(XTPFadeChannel(GetRValue(clr)), XTPFadeChannel(GetGValue(clr)), XTPFadeChannel(GetBValue(clr)));
}

int XTPLuminanceMilli(BYTE red, BYTE green, BYTE blue)
{
    return 299 * red + 587 * green + 114 * blue;
}

BYTE XTPDisabledGrey(BYTE red, BYTE green, BYTE blue)
{
    // 255 * sqrt(N / 255000) == sqrt(N * 255 / 1000): the largest g with
    // 1000 g^2 <= 255 N.
    long long n = XTPLuminanceMilli(red, green, blue);
    int g = IntegerSqrt(n * 255 / 1000);
    while (1000LL * (g + 1) * (g + 1) <= 255 * n)
        ++g;
    while (g > 0 && 1000LL * g * g > 255 * n)
        --g;
    return Clamp255(g);
}

COLORREF XTPDisabledTwoColor(BYTE red, BYTE green, BYTE blue, COLORREF clrFirst, COLORREF clrSecond)
{
    int luminance = XTPLuminanceMilli(red, green, blue);
    return RGB(BlendByLuminance(GetRValue(clrFirst), GetRValue(clrSecond), luminance),
               BlendByLuminance(GetGValue(clrFirst), GetGValue(clrSecond), luminance),
               BlendByLuminance(GetBValue(clrFirst), GetBValue(clrSecond), luminance));
}

COLORREF XTPDisabledColor(COLORREF clr, COLORREF clrFirst, COLORREF clrSecond)
{
    if (clrFirst != static_cast<COLORREF>(-1) && clrSecond != static_cast<COLORREF>(-1))
        return XTPDisabledTwoColor(GetRValue(clr), GetGValue(clr), GetBValue(clr), clrFirst, clrSecond);
    BYTE grey = XTPDisabledGrey(GetRValue(clr), GetGValue(clr), GetBValue(clr));
    return RGB(grey, grey, grey);
}

COLORREF XTPShadowColor(COLORREF clrBase)
{
    return RGB(GetRValue(clrBase) * 3 / 4, GetGValue(clrBase) * 3 / 4, GetBValue(clrBase) * 3 / 4);
}

void XTPFadePixels(BYTE* pBits, int nCount)
{
    for (int i = 0; i < nCount; ++i, pBits += 4)
    {
        pBits[0] = XTPFadeChannel(pBits[0]);
        pBits[1] = XTPFadeChannel(pBits[1]);
        pBits[2] = XTPFadeChannel(pBits[2]);
    }
}

void XTPDisablePixels(BYTE* pBits, int nCount, COLORREF clrFirst, COLORREF clrSecond)
{
    for (int i = 0; i < nCount; ++i, pBits += 4)
    {
        COLORREF clr = XTPDisabledColor(RGB(pBits[2], pBits[1], pBits[0]), clrFirst, clrSecond);
        pBits[0] = GetBValue(clr);
        pBits[1] = GetGValue(clr);
        pBits[2] = GetRValue(clr);
        // The alpha divisor of the grey mode is 1.0: alpha is kept.
    }
}

void XTPShadowPixels(BYTE* pBits, int nCount, COLORREF clrShadow)
{
    for (int i = 0; i < nCount; ++i, pBits += 4)
    {
        pBits[0] = GetBValue(clrShadow);
        pBits[1] = GetGValue(clrShadow);
        pBits[2] = GetRValue(clrShadow);
    }
}

BOOL XTPPixelsHaveAlpha(const BYTE* pBits, int nCount)
{
    bool transparentSeen = false;
    for (int i = 0; i < nCount; ++i, pBits += 4)
    {
        BYTE alpha = pBits[3];
        if (alpha == 0)
            transparentSeen = true;
        else if (alpha < 255 || transparentSeen)
            return TRUE;
    }
    return FALSE;
}

BOOL XTPPreMultiplyPixels(BYTE* pBits, int nCount)
{
    BOOL bAlpha = XTPPixelsHaveAlpha(pBits, nCount);
    for (int i = 0; i < nCount; ++i, pBits += 4)
    {
        BYTE alpha = pBits[3];
        pBits[0] = static_cast<BYTE>(pBits[0] * alpha / 255);
        pBits[1] = static_cast<BYTE>(pBits[1] * alpha / 255);
        pBits[2] = static_cast<BYTE>(pBits[2] * alpha / 255);
    }
    return bAlpha;
}

void XTPBlendPremultipliedPixel(const BYTE* pSource, const BYTE* pDest, BYTE* pResult)
{
    int inverse = 255 - pSource[3];
    for (int c = 0; c < 3; ++c)
        pResult[c] = Clamp255(pSource[c] + pDest[c] * inverse / 255);
    pResult[3] = 0;
}
