#include "toolkit/common/dc/XTPEmptyRect.h"

CXTPEmptyRect::CXTPEmptyRect()
{
    SetRectEmpty();
}
