#include "framework/CStringArray.h"

IMPLEMENT_DYNAMIC(CStringArray, CObject)
