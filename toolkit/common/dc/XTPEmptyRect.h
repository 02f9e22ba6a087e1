// An empty rectangle.
#pragma once
#include "framework/gdi/CRect.h"

class CXTPEmptyRect : public CRect
{
public:
    CXTPEmptyRect();
};
