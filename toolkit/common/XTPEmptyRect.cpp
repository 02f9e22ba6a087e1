#include "toolkit/common/XTPEmptyRect.h"

CXTPEmptyRect::CXTPEmptyRect()
{
    SetRectEmpty();
}
