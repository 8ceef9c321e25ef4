// Arithmetic of the link label without any Windows call: font height for a point size and the
// bands of its horizontal gradient background.
#pragma once
#include <stdint.h>

// Most bands a label gradient is drawn with.
const int kLabelGradientMaxBands = 100;

// Font height (negative: character height) for points on a device of pixelsPerInch:
// -(points * 10 * pixelsPerInch / 720), integer division; 9 points at 96 -> -12.
int32_t PointSizeToFontHeight(int32_t points, int32_t pixelsPerInch);

// One band of a gradient: columns left..right (right exclusive; the drawn rectangle reaches one
// column further, to right + 1) in colour (red low byte, green, blue).
struct LabelGradientBand {
    int32_t left;
    int32_t right;
    uint32_t colour;
};

// Computes the bands of a left-to-right gradient from startColour to endColour over the columns
// left..right, at most maxBands (and at most the width) bands, the last one ending at right.
// Writes at most capacity bands and answers how many there are; 0 when the width (or maxBands)
// is 0 or less.
int32_t LabelGradientBands(int32_t left, int32_t right, uint32_t startColour, uint32_t endColour,
                           int32_t maxBands, LabelGradientBand* bands, int32_t capacity);
