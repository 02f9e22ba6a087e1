#include "framework/CWordArray.h"

IMPLEMENT_DYNAMIC(CWordArray, CObject)
