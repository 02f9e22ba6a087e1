// The accessibility side of bars and controls. Its answers to accessibility
// clients come with the accessibility support; until then it is the
// common base only.
#pragma once
#include <windows.h>

class CXTPAccessible
{
public:
    CXTPAccessible() = default;
    virtual ~CXTPAccessible() = default;
};
