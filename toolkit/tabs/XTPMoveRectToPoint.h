// Moving a rectangle just far enough to hold a point.
#pragma once
#include <windows.h>

// Moves the rectangle by the smallest offset that brings the point inside it.
void XTPMoveRectToPoint(RECT& rc, POINT pt);
