// Skin bitmaps of the Office 2007 look: loaded by name from a resource module
// and drawn in pieces with fixed margins.
#pragma once
#include <windows.h>
#include "framework/collections/CMapStringToPtr.h"
#include "framework/gdi/CRect.h"

class CDC;

class CXTPOffice2007Image
{
public:
    CXTPOffice2007Image();
    virtual ~CXTPOffice2007Image();
    CXTPOffice2007Image(const CXTPOffice2007Image&) = delete;
    CXTPOffice2007Image& operator=(const CXTPOffice2007Image&) = delete;

    // Takes the bitmap over.
    void SetBitmap(HBITMAP hBitmap, BOOL bAlpha);
    BOOL IsAlpha() const { return m_bAlpha; }
    CSize GetSize() const;

    void DrawPart(CDC* pDC, CRect rcDest, CRect rcSrc);
    // Nine pieces: corners at the margins' sizes, edges and centre stretched;
    // margins shrink in proportion where the destination is smaller.
    void DrawImage(CDC* pDC, CRect rcDest, CRect rcSrc, CRect rcMargins);
    // As above with one colour left transparent (not for alpha images).
    void DrawImage(CDC* pDC, CRect rcDest, CRect rcSrc, CRect rcMargins, COLORREF clrTransparent);

private:
    HBITMAP m_hBitmap;
    BOOL m_bAlpha;
};

class CXTPOffice2007Images
{
public:
    explicit CXTPOffice2007Images(HMODULE hResources);
    ~CXTPOffice2007Images();
    CXTPOffice2007Images(const CXTPOffice2007Images&) = delete;
    CXTPOffice2007Images& operator=(const CXTPOffice2007Images&) = delete;

    BOOL IsLoaded() const { return m_hResources != nullptr; }
    // Forgets every image loaded so far.
    void SetResourceModule(HMODULE hResources);
    // The image of that name ("." and "\" read as "_" in the resource name);
    // null when it cannot be loaded, and tried again at the next call.
    CXTPOffice2007Image* GetImage(LPCWSTR lpszName);

private:
    void RemoveAll();

    HMODULE m_hResources;
    CMapStringToPtr m_mapImages;
};
