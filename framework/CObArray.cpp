#include "framework/CObArray.h"

IMPLEMENT_DYNAMIC(CObArray, CObject)
