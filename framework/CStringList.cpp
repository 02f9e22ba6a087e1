#include "framework/CStringList.h"

IMPLEMENT_DYNAMIC(CStringList, CObject)
