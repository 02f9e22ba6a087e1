#include "framework/collections/CPtrArray.h"

IMPLEMENT_DYNAMIC(CPtrArray, CObject)
