#include "toolkit/commandbars/frame/XTPFrameWnd.h"

IMPLEMENT_DYNCREATE(CXTPFrameWnd, CFrameWnd)

CXTPFrameWnd::CXTPFrameWnd() = default;
CXTPFrameWnd::~CXTPFrameWnd() = default;
