#include "framework/CMapStringToString.h"

IMPLEMENT_DYNAMIC(CMapStringToString, CObject)
