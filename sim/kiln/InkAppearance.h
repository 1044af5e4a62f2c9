#pragma once

// How an ink looks printed solid on white paper, as linear factors a renderer multiplies light by.

namespace kiln {

// Red, green and blue of sRGB, each 0 (no light reflected) to 1 (paper white).
struct InkRgb
{
    double red;
    double green;
    double blue;
};

// An appearance given in 8-bit sRGB (0 to 255 each); values outside are clamped.
InkRgb FromRgb255(double red, double green, double blue);

// An appearance given in CIE L*a*b* (D50, as printing measures it), adapted to the D65 white of
// sRGB and clamped into its gamut.
InkRgb FromLab(double lightness, double a, double b);

}  // namespace kiln
