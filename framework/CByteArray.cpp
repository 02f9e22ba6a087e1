#include "framework/CByteArray.h"

IMPLEMENT_DYNAMIC(CByteArray, CObject)
