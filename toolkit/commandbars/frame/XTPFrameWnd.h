// The frame window applications derive their command-bar frames from.
#pragma once
#include "framework/windows/CFrameWnd.h"
#include "toolkit/commandbars/frame/XTPFrameWndBase.h"

class CXTPFrameWnd : public CXTPFrameWndBase<CFrameWnd>
{
    DECLARE_DYNCREATE(CXTPFrameWnd)
public:
    CXTPFrameWnd();
    ~CXTPFrameWnd() override;
};
