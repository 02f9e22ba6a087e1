// One picture loaded from a file through the system's picture loader
// (JPEG, bitmaps, icons, metafiles), sized and drawn in screen pixels.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "framework/text/CString.h"

class CDC;

class CPicture
{
public:
    CPicture();
    ~CPicture();
    CPicture(const CPicture&) = delete;
    CPicture& operator=(const CPicture&) = delete;

    BOOL Load(LPCTSTR lpszPath);
    void Render(CDC* pDC, const RECT& rect) const;
    // The picture's size in pixels of the screen; 0 without a picture.
    int GetWidth() const;
    int GetHeight() const;
    BOOL IsLoaded() const { return m_pPicture != nullptr; }

private:
    void Release();

    IPicture* m_pPicture;
};
