// A window's client rectangle; empty for no window.
#pragma once
#include "framework/gdi/CRect.h"

class CWnd;

class CXTPClientRect : public CRect
{
public:
    explicit CXTPClientRect(HWND hWnd);
    explicit CXTPClientRect(const CWnd* pWnd);
};
