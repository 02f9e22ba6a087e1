#include "framework/CPtrArray.h"

IMPLEMENT_DYNAMIC(CPtrArray, CObject)
