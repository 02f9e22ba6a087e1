#include "framework/collections/CStringList.h"

IMPLEMENT_DYNAMIC(CStringList, CObject)
