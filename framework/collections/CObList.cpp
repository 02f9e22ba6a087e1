#include "framework/collections/CObList.h"

IMPLEMENT_DYNAMIC(CObList, CObject)
