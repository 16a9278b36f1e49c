#include "uninstaller/app/Gradient.h"

Gradient MakeGradient(const Settings& settings)
{
    Gradient gradient;
    gradient.start[0] = settings.startRed;
    gradient.start[1] = settings.startGreen;
    gradient.start[2] = settings.startBlue;
    gradient.difference[0] = settings.endRed - settings.startRed;
    gradient.difference[1] = settings.endGreen - settings.startGreen;
    gradient.difference[2] = settings.endBlue - settings.startBlue;
    return gradient;
}

int GradientBandComponent(const Gradient& gradient, int component, int band)
{
    int value = gradient.start[component] +
                band * gradient.difference[component] / (kGradientBands - 1);
    return value < 0 ? 0 : value > 255 ? 255 : value;
}

void GradientBandSpan(int band, int height, int* top, int* bottom)
{
    *top = band == 0 ? -1 : band * height / kGradientBands;
    *bottom = (band + 1) * height / kGradientBands;
}
