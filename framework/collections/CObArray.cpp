#include "framework/collections/CObArray.h"

IMPLEMENT_DYNAMIC(CObArray, CObject)
