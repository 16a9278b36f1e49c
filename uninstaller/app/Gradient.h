#pragma once
// The main window's background: 96 horizontal bands from the start colour to the end colour.

#include "uninstaller/app/Settings.h"

enum { kGradientBands = 96 };

struct Gradient {
    int start[3];        // red, green, blue at the top
    int difference[3];   // end minus start, per component
};

Gradient MakeGradient(const Settings& settings);

// Colour component of band 0..95, limited to 0..255.
int GradientBandComponent(const Gradient& gradient, int component, int band);

// Vertical extent of band 0..95 in a client area of the given height; the first band starts
// one pixel above the top.
void GradientBandSpan(int band, int height, int* top, int* bottom);
