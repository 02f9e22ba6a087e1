#include "framework/collections/CDWordArray.h"

IMPLEMENT_DYNAMIC(CDWordArray, CObject)
