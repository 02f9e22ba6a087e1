#include "framework/collections/CByteArray.h"

IMPLEMENT_DYNAMIC(CByteArray, CObject)
