// The main window's sizing commands, its layout step and its rounded outline.
#pragma once

#include "formlayout.h"

class QPainterPath;
class QRegion;

// The visible part of a window of outer size W by H: three rounded rectangles, in outer window coordinates.
QRegion windowOutline(int W, int H);
// The same outline as a path, for drawing its border.
QPainterPath windowOutlinePath(int W, int H);
