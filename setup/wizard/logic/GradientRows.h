// Row arithmetic of the background's vertical colour gradient: which rows share one colour.
#pragma once
#include <stdint.h>

// Rows firstRow to endRow - 1 (relative to the gradient's top) painted in one colour.
struct GradientBand {
    uint32_t colour;
    int32_t firstRow;
    int32_t endRow;
};

// The colour of one row of a gradient of height rows (red, green, blue in the low three bytes):
// each channel that differs goes from + (to - from) * row / height, truncated toward zero.
uint32_t GradientRowColour(uint32_t from, uint32_t to, int32_t row, int32_t height);

// Splits rows 0 to height - 1 into bands of consecutive rows of equal colour and answers how many
// it wrote. It never writes more than capacity bands: when they do not fit, the last band written
// runs to the last row, so every row still belongs to exactly one band. A height of 0 or less, or
// a capacity below 1, writes nothing. A gradient of height rows never needs more than height bands.
int32_t SplitGradientBands(uint32_t from, uint32_t to, int32_t height, GradientBand* bands,
                           int32_t capacity);
