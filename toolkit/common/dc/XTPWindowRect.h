// A window's screen rectangle; empty for no window.
#pragma once
#include "framework/gdi/CRect.h"

class CWnd;

class CXTPWindowRect : public CRect
{
public:
    explicit CXTPWindowRect(HWND hWnd);
    explicit CXTPWindowRect(const CWnd* pWnd);
};
