// An empty rectangle.
#pragma once
#include "framework/CRect.h"

class CXTPEmptyRect : public CRect
{
public:
    CXTPEmptyRect();
};
