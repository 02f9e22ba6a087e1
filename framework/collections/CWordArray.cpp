#include "framework/collections/CWordArray.h"

IMPLEMENT_DYNAMIC(CWordArray, CObject)
