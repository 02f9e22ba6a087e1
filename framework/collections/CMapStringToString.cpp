#include "framework/collections/CMapStringToString.h"

IMPLEMENT_DYNAMIC(CMapStringToString, CObject)
