#include "framework/CObList.h"

IMPLEMENT_DYNAMIC(CObList, CObject)
