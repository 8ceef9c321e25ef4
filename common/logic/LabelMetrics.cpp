// Font height and gradient band arithmetic of the link label.
#include "common/logic/LabelMetrics.h"

int32_t PointSizeToFontHeight(int32_t points, int32_t pixelsPerInch) {
    return -(int32_t)((int64_t)points * 10 * pixelsPerInch / 720);
}

namespace {
int32_t Channel(uint32_t colour, int shift) {
    return (int32_t)((colour >> shift) & 0xFF);
}
} // namespace

int32_t LabelGradientBands(int32_t left, int32_t right, uint32_t startColour, uint32_t endColour,
                           int32_t maxBands, LabelGradientBand* bands, int32_t capacity) {
    int32_t width = right - left;
    if (width <= 0)
        return 0;
    int32_t count = maxBands < width ? maxBands : width;
    if (count < 1)
        return 0;
    int32_t divisor = count;
    int32_t value[3], step[3];
    for (int c = 0; c < 3; ++c) {
        value[c] = Channel(startColour, 8 * c) * 256;
        step[c] = (Channel(endColour, 8 * c) - Channel(startColour, 8 * c)) * 256 / divisor;
    }
    int32_t bandWidth = width / divisor;
    int32_t edge = left;
    for (int32_t i = 0; i < count && i < capacity; ++i) {
        bands[i].left = edge;
        bands[i].right = i == count - 1 ? right : edge + bandWidth;
        bands[i].colour = 0;
        for (int c = 0; c < 3; ++c) {
            bands[i].colour |= (uint32_t)((value[c] / 256) & 0xFF) << (8 * c);
            value[c] += step[c];
        }
        edge = bands[i].right;
    }
    return count;
}
