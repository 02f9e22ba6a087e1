#include "framework/gdi/CRgn.h"

IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

namespace {
HRGN H(const CRgn* pRgn)
{
    return static_cast<HRGN>(pRgn->GetSafeHandle());
}
} // namespace

CRgn* CRgn::FromHandle(HRGN hRgn)
{
    return FromHandleAs<CRgn>(hRgn);
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) { return Attach(::CreateRectRgn(x1, y1, x2, y2)); }
BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect) { return Attach(::CreateRectRgnIndirect(lpRect)); }
BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2) { return Attach(::CreateEllipticRgn(x1, y1, x2, y2)); }
BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT lpRect) { return Attach(::CreateEllipticRgnIndirect(lpRect)); }
BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}
BOOL CRgn::CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode)
{
    return Attach(::CreatePolygonRgn(lpPoints, nCount, nMode));
}
BOOL CRgn::CreateFromData(const XFORM* lpXForm, int nCount, const RGNDATA* pRgnData)
{
    return Attach(::ExtCreateRegion(lpXForm, static_cast<DWORD>(nCount), pRgnData));
}
void CRgn::SetRectRgn(int x1, int y1, int x2, int y2) { ::SetRectRgn(H(this), x1, y1, x2, y2); }
void CRgn::SetRectRgn(LPCRECT lpRect) { ::SetRectRgn(H(this), lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode)
{
    return ::CombineRgn(H(this), H(pRgn1), H(pRgn2), nCombineMode);
}
int CRgn::CopyRgn(const CRgn* pRgnSrc) { return ::CombineRgn(H(this), H(pRgnSrc), nullptr, RGN_COPY); }
BOOL CRgn::EqualRgn(const CRgn* pRgn) const { return ::EqualRgn(H(this), H(pRgn)); }
int CRgn::OffsetRgn(int x, int y) { return ::OffsetRgn(H(this), x, y); }
int CRgn::OffsetRgn(POINT point) { return ::OffsetRgn(H(this), point.x, point.y); }
int CRgn::GetRgnBox(LPRECT lpRect) const { return ::GetRgnBox(H(this), lpRect); }
BOOL CRgn::PtInRegion(int x, int y) const { return ::PtInRegion(H(this), x, y); }
BOOL CRgn::PtInRegion(POINT point) const { return ::PtInRegion(H(this), point.x, point.y); }
BOOL CRgn::RectInRegion(LPCRECT lpRect) const { return ::RectInRegion(H(this), lpRect); }
int CRgn::GetRegionData(LPRGNDATA lpRgnData, int nCount) const
{
    return static_cast<int>(::GetRegionData(H(this), static_cast<DWORD>(nCount), lpRgnData));
}
