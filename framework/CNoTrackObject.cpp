#include "framework/CNoTrackObject.h"
