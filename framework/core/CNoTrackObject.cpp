#include "framework/core/CNoTrackObject.h"
