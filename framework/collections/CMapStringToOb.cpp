#include "framework/collections/CMapStringToOb.h"

IMPLEMENT_DYNAMIC(CMapStringToOb, CObject)
