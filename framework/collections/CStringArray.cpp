#include "framework/collections/CStringArray.h"

IMPLEMENT_DYNAMIC(CStringArray, CObject)
