#include "framework/collections/CPtrList.h"

IMPLEMENT_DYNAMIC(CPtrList, CObject)
