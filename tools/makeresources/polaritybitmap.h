#pragma once

#include <QImage>

// The plug-polarity symbol for a 9 V supply with the centre pin positive,
// 112 x 48 pixels, black and grey on white: GND joined to an open ring
// (the sleeve), +9V joined to the dot at its centre (the pin).
class PolarityBitmap
{
public:
    static QImage render();
};
